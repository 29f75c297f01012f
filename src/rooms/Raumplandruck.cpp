#include "Raumplandruck.h"

#include "RaumZeitplan.h"

#include "model/Datumstexte.h"
#include "model/Projekt.h"

#include <QHash>
#include <QSet>
#include <algorithm>

std::vector<int> RaeumeZumDrucken(const TRaumplan& plan, TRaumdruckWahl wahl,
                                  const std::vector<int>& markiert) {
    std::vector<int> zeilen;
    for (int r = 1; r < plan.Zeilen(); ++r) {
        bool nehmen = false;
        if (wahl == TRaumdruckWahl::Markierte) {
            nehmen = std::find(markiert.begin(), markiert.end(), r) != markiert.end();
        } else {
            QSet<QString> kuerzel;
            bool belegt = false;
            for (const TPlantag& t : plan.Tage)
                for (int k = 1; t.Gezeigt && k < t.Spalten(); ++k)
                    if (t.Belegt(r, k)) {
                        belegt = true;
                        kuerzel.insert(t.Zellen[static_cast<size_t>(r)][k]);
                    }
            nehmen = wahl == TRaumdruckWahl::Belegte ? belegt : kuerzel.size() >= 2;
        }
        if (nehmen) zeilen.push_back(r);
    }
    return zeilen;
}

std::vector<TRaumdruckZeile> RaumdruckZeilen(const TProjekt& projekt, const TRaumplan& plan, int zeile,
                                             bool mitEltern) {
    QHash<int, const TGespraech*> gespraeche;
    if (mitEltern)
        for (const auto& g : projekt.Gespraechsliste)
            gespraeche.insert(g->Nummer, g.get());
    std::vector<TRaumdruckZeile> zeilen;
    for (int tag = 0; tag < 2; ++tag) {
        const TPlantag& t = plan.Tage[static_cast<size_t>(tag)];
        bool erste = true;
        for (int k = 1; t.Gezeigt && k < t.Spalten(); ++k) {
            if (!t.Belegt(zeile, k)) continue;
            const TLehrer& l = *t.Lehrer[static_cast<size_t>(zeile)][static_cast<size_t>(k)];
            const int slot = t.Slot(k);
            TRaumdruckZeile z;
            z.Tag = tag;
            if (erste)
                z.Datum = DatumAusWert(projekt.Datum[static_cast<size_t>(tag)]).toString(u"dd.MM.yyyy");
            erste = false;
            z.Zeit = projekt.Zeittexte[static_cast<size_t>(slot)];
            z.Lehrkraft = l.Anschrift(false);
            if (l.NameDoppelt) z.Lehrkraft += QStringLiteral(" (") + l.Kuerzel + u')';
            if (mitEltern) {
                const TGespraech* g = gespraeche.value(l.Zeiten[static_cast<size_t>(slot)]);
                if (g && g->Eltern()) z.Eltern = g->Eltern()->Name;
            }
            zeilen.push_back(z);
        }
    }
    return zeilen;
}

QString RaumdruckKopf(const TProjekt& projekt) {
    return QStringLiteral("Elternsprechtag ") + DatumAusWert(projekt.Datum[0]).toString(u"yyyy");
}

const char* const RaumdruckLeerText = "Bei den gewählten Optionen gab es nichts zu drucken.";
