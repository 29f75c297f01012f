#pragma once

#include "Seitenmetrik.h"
#include "Statistik.h"
#include "Uebersicht.h"

#include <QByteArray>
#include <functional>

class TProjekt;
class TZeichenziel;
struct TSchuldaten;

// What the pages of the other lists need: they use the format of the other lists (margins, orientation,
// font) and the small head.
struct TSonstigesBlatt {
    const TProjekt& Projekt;
    const TSchuldaten& Schule;
    const TSeitenmetrik& Metrik;
};

// The other lists need about an A4 sheet: at least 20 cm wide and 14 cm high.
bool PapierGeeignet(const TSeitenmetrik& metrik);
extern const char* const PapierUngeeignetText;
extern const char* const PapierUngeeignetTitel;

// Draws the overview as shown, with continuation lines at page breaks; returns the number of pages.
int UebersichtZeichnen(TZeichenziel& ziel, const TSonstigesBlatt& blatt, const TUebersichtWahl& wahl,
                       const TUebersicht& uebersicht);
// Draws the statistics on one page; what does not fit is left out.
void StatistikZeichnen(TZeichenziel& ziel, const TSonstigesBlatt& blatt, const TStatistik& statistik);

// A PDF document of A4 pages at 600 pixels per inch in the other lists' orientation, drawn by zeichnen.
QByteArray SonstigesPdf(const TProjekt& projekt, const QString& titel,
                        const std::function<void(TZeichenziel&, const TSeitenmetrik&)>& zeichnen);
