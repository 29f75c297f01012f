#pragma once

#include "model/Projektoperationen.h"
#include "model/Zeitzellen.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

class TProjekt;
class TMeldung;
class TRueckCollection;

// "füllen": from cell ab on, writes times spaced by the given minutes until midnight, then empties the
// rest. False (after telling the user) when the start cell holds no valid time.
bool ZeitenFuellen(TTagesZellen& zellen, int ab, int minuten, TMeldung& meldung);
// "löschen": empties the cells from ab on.
void ZeitenLoeschen(TTagesZellen& zellen, int ab);

constexpr int RahmenBestaetigt = 1;
constexpr int RahmenGeaendert = 2;
constexpr int RahmenSlotsEntfernt = 4;

struct TRahmenEingabe {
    bool NeuesProjekt = false;
    TZeitZellen Zeiten; // the cells of both grids, slot order
    QDate Datum1;
    QDate Datum2;
    bool DatumGeaendert = false;
    QString Abstand;    // the spacing as typed, minutes
    QString AbstandAlt; // the spacing when the dialog opened
};

struct TRahmenErgebnis {
    int RahmenErgebnis = 0;
    bool DialogOffenLassen = false;    // the user wants to correct the dates
    bool VorgabeSchreiben = false;     // the default frame of new projects is to be rewritten
    int Zeitabstand = 0;               // valid when VorgabeSchreiben
    bool GlobalSperrenOeffnen = false; // the user wants to revise the blocks now
};

// Applies an edited frame to the project, asking through meldung where appointments would be lost.
// When slots were removed from the current project the plan is reset, all slot entries cleared and
// the undo store rueck emptied.
TRahmenErgebnis RahmenUebernehmen(TProjekt& projekt, TRueckCollection& rueck, const TRahmenEingabe& eingabe,
                                  TMeldung& meldung);

extern const char* const UngueltigeUhrzeitText;
extern const char* const UngueltigeUhrzeitTitel;
