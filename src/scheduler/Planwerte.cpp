#include "Planwerte.h"

#include "model/Projekt.h"

namespace {

struct TTagesbelegung {
    int Anzahl[2] = {0, 0};
    int Leerlauf = 0;
};

// Booked slots count where they exist; the slots between the first and the last appointment of a day are
// waited whether they exist or not.
TTagesbelegung Belegung(const TProjekt& p, const TPerson& person) {
    TTagesbelegung b;
    for (int tag = 0; tag < (p.ZweiTage ? 2 : 1); ++tag) {
        int erster = -1;
        int letzter = -1;
        for (int i = 0; i < SlotsProTag; ++i) {
            const auto s = static_cast<size_t>(tag * SlotsProTag + i);
            if (!p.ZeitAktiv[s] || person.Zeiten[s] <= 0) continue;
            if (erster < 0) erster = i;
            letzter = i;
            ++b.Anzahl[tag];
        }
        if (erster >= 0) b.Leerlauf += letzter - erster + 1 - b.Anzahl[tag];
    }
    return b;
}

} // namespace

TPlanwerte PlanwerteBerechnen(const TProjekt& p) {
    TPlanwerte w;
    for (const auto& g : p.Gespraechsliste)
        if (g->Termin >= 0) ++w.Terminiert;
    const int andererTag = p.BitteTag1 ? 1 : 0;
    for (const auto& e : p.Elternliste) {
        const TTagesbelegung b = Belegung(p, *e);
        w.LeerlaufEltern += b.Leerlauf;
        if (b.Anzahl[0] > 0 && b.Anzahl[1] > 0) ++w.ZweiTage;
        if (p.ZweiTage) w.AndererTag += b.Anzahl[andererTag];
        if (b.Anzahl[0] + b.Anzahl[1] > 1) ++w.MehrereTermine;
    }
    for (const auto& l : p.Lehrerliste)
        w.LeerlaufLehrer += Belegung(p, *l).Leerlauf;
    return w;
}

std::vector<TPlanwertzeile> Planwertzeilen(bool zweiTage) {
    std::vector<TPlanwertzeile> zeilen{
        {QStringLiteral("Terminierte Gespräche:"), [](const TPlanwerte& w) { return w.Terminiert; }},
        {QStringLiteral("Wartezeit der Familien (Zeitabschnitte):"),
         [](const TPlanwerte& w) { return w.LeerlaufEltern; }},
    };
    if (zweiTage) {
        zeilen.push_back(
            {QStringLiteral("Familien an zwei Tagen:"), [](const TPlanwerte& w) { return w.ZweiTage; }});
        zeilen.push_back({QStringLiteral("Wartezeit, ein zweiter Tag zählt 12:"),
                          [](const TPlanwerte& w) { return w.Wartezeit(); }});
    }
    zeilen.push_back({QStringLiteral("Leerlauf der Lehrer (Zeitabschnitte):"),
                      [](const TPlanwerte& w) { return w.LeerlaufLehrer; }});
    return zeilen;
}
