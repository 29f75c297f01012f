#pragma once

#include <QString>
#include <vector>

class TProjekt;
struct TRaumplan;

// Which rooms of the plan are printed or saved as PDF.
enum class TRaumdruckWahl {
    Belegte,   // every room with an entry in a shown grid
    Mehrfach,  // rooms whose entries in the shown grids name at least two Kürzel
    Markierte, // the rows the user selected
};

// The rows of the plan to print, in plan order; markiert holds the selected rows for Markierte.
std::vector<int> RaeumeZumDrucken(const TRaumplan& plan, TRaumdruckWahl wahl,
                                  const std::vector<int>& markiert);

// One printed line: an occupied cell of the room's row.
struct TRaumdruckZeile {
    int Tag = 0;
    QString Datum; // "dd.mm.yyyy", on the first line of each day only
    QString Zeit;
    QString Lehrkraft; // the Kürzel follows a name that two teachers share (NamenDoppeltMarkieren)
    QString Eltern;    // only when asked for: the family of the conversation at that time
};

// The lines of a room's page: day 1 before day 2, in column order.
std::vector<TRaumdruckZeile> RaumdruckZeilen(const TProjekt& projekt, const TRaumplan& plan, int zeile,
                                             bool mitEltern);

// The line above the room's name: "Elternsprechtag " and the year of day 1.
QString RaumdruckKopf(const TProjekt& projekt);

extern const char* const RaumdruckLeerText;
