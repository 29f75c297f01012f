#pragma once

#include "Gespraechsliste.h"
#include "Seitenmetrik.h"

#include <QString>

class QPainter;
class TPerson;
class TProjekt;
class TTerminecodes;
class TZeichenziel;
struct TSchuldaten;

// What drawing one conversation list needs besides its lines.
struct TListenblatt {
    const TProjekt& Projekt;
    const TSchuldaten& Schule;
    const TSeitenmetrik& Metrik;
    TListenAuftrag Auftrag;
    // Whether a family's list carries its appointments as a QR code, shared by the lists of one run;
    // without it no list does.
    TTerminecodes* Codes = nullptr;
};

// The content area of a page in pixels: the printable area without the margins. In the preview's
// pictures the width is measured in the page's vertical resolution.
QSize Inhaltsgroesse(const TSeitenmetrik& metrik, const TSeitenraender& raender, bool vorschau);

// Draws the composed list as one or more pages: head, annotations, column header, lines at their tab
// stops, page breaks with continuation texts, and at its end a family's code where the run asks for it.
// Returns the number of pages.
int ListeZeichnen(TZeichenziel& ziel, const TListenblatt& blatt, const TListenZeilen& zeilen);

// The head of the other lists: school data and title in a frame as wide as the content.
void KopfSonstigeListe(QPainter& maler, const TProjekt& projekt, const TSchuldaten& schule,
                       const TSeitenmetrik& metrik, QPoint ursprung, int breite);

// "Elternsprechtag 2027" with the layout's spacing and case.
QString Titeltext(const TProjekt& projekt);
