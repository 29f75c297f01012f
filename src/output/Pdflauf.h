#pragma once

#include "Dateilauf.h"

#include <QString>
#include <functional>
#include <vector>

class TMeldung;
class TProjekt;
struct TSchuldaten;

// The folder the PDF lists go to: the chosen one when it already is the year's "VEL<year>PDF" folder,
// otherwise that folder inside it.
QString PdfZielordner(const QString& gewaehlt, const TProjekt& projekt);

struct TPdfAuftrag {
    const TProjekt& Projekt;
    const TSchuldaten& Schule;
    bool FuerEltern = true;
    QString Zielordner;
    std::vector<TListenDatei> Listen;
    // Existing files are overwritten without asking (for batch use).
    bool Ueberschreiben = false;
    // Threads that compose and draw the lists: 0 one per core, 1 the calling thread alone.
    int Faeden = 0;
    // The families' lists carry their appointments as a QR code.
    bool Terminecodes = false;
};

// Writes one PDF file per list into the target folder, asking before an existing file is overwritten
// ("JA für alle", "Ja", "Überspringen", "Abbrechen"). Persons without conversations get no file.
// fortschritt is told the index of each list before it is written; when it answers false the run ends
// there, as after "Abbrechen". The lists are composed and drawn on worker threads ahead of the writing;
// questions, files and progress come on the calling thread in the order of the lists, as one list after
// another would give them. Lists written without the code they should carry are told once at the end.
TDateilaufErgebnis PdfLauf(const TPdfAuftrag& auftrag, TMeldung& fragen,
                           const std::function<bool(int)>& fortschritt = {});
