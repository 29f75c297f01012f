#include "Doppelbelegung.h"

#include "model/Cp1252.h"
#include "model/Projekt.h"
#include "model/Textvergleich.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

namespace {

// The rank of every text in the collation order, equal texts sharing one, so that sorting compares
// numbers instead of collating the same texts again and again.
QHash<QString, int> Raenge(const std::vector<TRaumkonflikt>& konflikte, TKonfliktSpalte spalte) {
    QHash<QString, int> rang;
    for (const TRaumkonflikt& k : konflikte) {
        if (spalte == TKonfliktSpalte::Raum) rang.insert(k.Raum, 0);
        rang.insert(k.Lehrer1, 0);
        rang.insert(k.Lehrer2, 0);
    }
    QStringList texte = rang.keys();
    std::sort(texte.begin(), texte.end(),
              [](const QString& a, const QString& b) { return TextVergleich(a, b) < 0; });
    int r = 0;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        if (i > 0 && TextVergleich(texte[i - 1], texte[i]) != 0) ++r;
        rang[texte[i]] = r;
    }
    return rang;
}

} // namespace

std::vector<TRaumkonflikt> RaumkonflikteFinden(const TProjekt& projekt) {
    const TGespraechsliste& liste = projekt.Gespraechsliste;
    // The conversations of each slot by room, in list order: only those in one group can form pairs.
    std::array<QHash<QString, std::vector<int>>, SlotAnzahl> gruppen;
    for (int i = 0; i < liste.Count(); ++i) {
        const TGespraech* g = liste[i];
        if (g->Termin < 0 || g->Termin >= SlotAnzahl || !g->Lehrer) continue;
        const QString raum = RaumAmTag(g->Lehrer->Raum, TagVonSlot(g->Termin));
        if (!raum.isEmpty()) gruppen[static_cast<size_t>(g->Termin)][raum].push_back(i);
    }
    std::vector<std::pair<int, int>> paare;
    for (const auto& slot : gruppen)
        for (auto it = slot.cbegin(); it != slot.cend(); ++it) {
            const std::vector<int>& g = it.value();
            for (size_t a = 0; a < g.size(); ++a)
                for (size_t b = a + 1; b < g.size(); ++b)
                    paare.emplace_back(g[a], g[b]);
        }
    // Pairs in list order, as if every pair of the list had been looked at.
    std::sort(paare.begin(), paare.end());

    // Texts made once per slot and per teacher: a crowded room gives pairs by the thousand.
    std::array<QString, SlotAnzahl> zeiten;
    QHash<const TLehrer*, QByteArray> code;
    // By value: a second insertion may move the hash's entries, and the bytes are shared anyway.
    const auto codeVon = [&](const TLehrer* l) -> QByteArray {
        auto it = code.find(l);
        if (it == code.end()) it = code.insert(l, NachCp1252(l->Kuerzel));
        return *it;
    };
    std::vector<TRaumkonflikt> konflikte;
    konflikte.reserve(paare.size());
    for (const auto& [i, j] : paare) {
        const TLehrer* l1 = liste[i]->Lehrer;
        const TLehrer* l2 = liste[j]->Lehrer;
        // The program's texts are code-page bytes; the smaller Kürzel is the one with the smaller bytes.
        if (codeVon(l2) < codeVon(l1)) std::swap(l1, l2);
        const int slot = liste[i]->Termin;
        QString& zeit = zeiten[static_cast<size_t>(slot)];
        if (zeit.isEmpty()) zeit = projekt.TerminText(slot);
        konflikte.push_back({slot, zeit, RaumAmTag(l1->Raum, TagVonSlot(slot)), l1->Kuerzel, l2->Kuerzel});
    }
    RaumkonflikteSortieren(konflikte, TKonfliktSpalte::Lehrer1);
    return konflikte;
}

void RaumkonflikteSortieren(std::vector<TRaumkonflikt>& konflikte, TKonfliktSpalte spalte) {
    const QHash<QString, int> rang = Raenge(konflikte, spalte);
    using TSchluessel = std::array<int, 4>;
    std::vector<TSchluessel> schluessel;
    schluessel.reserve(konflikte.size());
    for (const TRaumkonflikt& k : konflikte) {
        const int l1 = rang.value(k.Lehrer1);
        const int l2 = rang.value(k.Lehrer2);
        switch (spalte) {
        case TKonfliktSpalte::Zeit:
            schluessel.push_back({k.Slot, l1, l2, 0});
            break;
        case TKonfliktSpalte::Raum:
            schluessel.push_back({rang.value(k.Raum), k.Slot, l1, l2});
            break;
        case TKonfliktSpalte::Lehrer1:
            schluessel.push_back({l1, l2, k.Slot, 0});
            break;
        case TKonfliktSpalte::Lehrer2:
            schluessel.push_back({l2, l1, k.Slot, 0});
            break;
        }
    }
    std::vector<size_t> folge(konflikte.size());
    std::iota(folge.begin(), folge.end(), size_t{0});
    std::stable_sort(folge.begin(), folge.end(),
                     [&](size_t a, size_t b) { return schluessel[a] < schluessel[b]; });
    std::vector<TRaumkonflikt> sortiert;
    sortiert.reserve(konflikte.size());
    for (size_t i : folge)
        sortiert.push_back(std::move(konflikte[i]));
    konflikte = std::move(sortiert);
}
