#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

class TProjekt;
class TZeichenziel;
struct TRaumplan;
struct TSeitenmetrik;

// What of the plan goes onto paper: the rows of the rooms (RaeumeZumDrucken) and whether the families of
// the conversations appear.
struct TRaumplanAuftrag {
    std::vector<int> Zeilen;
    bool MitEltern = false;
};

// Draws the rooms with the conversation lists' margins and font: each room on a page of its own under
// the year and its name, one line per occupied slot, continued on further pages when the room has more
// than fit. Call NamenDoppeltMarkieren first, so that teachers who share a name are told apart. Returns
// the number of pages.
int RaumplanZeichnen(TZeichenziel& ziel, const TProjekt& projekt, const TRaumplan& plan,
                     const TSeitenmetrik& metrik, const TRaumplanAuftrag& auftrag);

// The same pages as a PDF document of A4 pages in the layout's orientation at 600 pixels per inch.
QByteArray RaumplanAlsPdf(const TProjekt& projekt, const TRaumplan& plan, const TRaumplanAuftrag& auftrag);

// The print job's title.
extern const char* const RaumplanDrucktitel;
// The name proposed for the PDF file, without folder and extension: "VEL2027 - Raumbelegung".
QString RaumplanPdfName(const TProjekt& projekt);
