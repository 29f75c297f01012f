#include "Projekt.h"
#include "Textvergleich.h"

#include <algorithm>

TProjekt::TProjekt() {
    // The first six note-pad steps count as done in a new project.
    for (int i = 0; i < 6; ++i)
        NotizHaken[i] = true;
}

TProjekt::~TProjekt() {
    Aufloesung = true;
    Gespraechsliste.Clear();
    Elternliste.Clear();
}

TEltern* TProjekt::NeueFamilie(const QString& anrede, const QString& name, const QString& zusatz) {
    auto* e = Elternliste.Add(
        std::make_unique<TEltern>(*this, anrede, static_cast<int16_t>(LetzteElternNr + 1), name, zusatz));
    ++LetzteElternNr;
    return e;
}

TKind* TProjekt::NeuesKind(TEltern* eltern, const QString& vorname, const QString& klasse) {
    return eltern->Kinder.Add(std::make_unique<TKind>(vorname, eltern, klasse));
}

TGespraech* TProjekt::NeuesGespraech(TLehrer* lehrer, TKind* kind) {
    auto* g = Gespraechsliste.Add(std::make_unique<TGespraech>(*this, lehrer, kind));
    kind->Gespraeche.push_back(g);
    return g;
}

TLehrer* TProjekt::NeuerLehrer(const QString& anrede, const QString& kuerzel, const QString& name,
                               const QString& zusatz, const QString& akadTitel) {
    return Lehrerliste.Add(
        std::make_unique<TLehrer>(Standardsperre, anrede, kuerzel, name, zusatz, akadTitel));
}

void TProjekt::ZaehleGespraeche() {
    for (const auto& l : Lehrerliste)
        l->Zaehler = l->AnzTerminiert = 0;
    for (const auto& e : Elternliste) {
        e->Zaehler = 0;
        for (const auto& k : e->Kinder) {
            e->Zaehler += static_cast<uint16_t>(k->Gespraeche.size());
            for (TGespraech* g : k->Gespraeche) {
                if (!g->Lehrer) continue;
                ++g->Lehrer->Zaehler;
                if (g->Termin >= 0) ++g->Lehrer->AnzTerminiert;
            }
        }
    }
}

void TProjekt::BelegungMarkieren() {
    for (const auto& l : Lehrerliste)
        l->HatTermin = false;
    for (const auto& e : Elternliste)
        e->HatTermin = false;
    for (const auto& g : Gespraechsliste) {
        if (g->Termin < 0) continue;
        if (g->Lehrer) g->Lehrer->HatTermin = true;
        if (TEltern* e = g->Eltern()) e->HatTermin = true;
    }
}

void TRaumListe::Add(const QString& raum) {
    // Sorted as a case-blind list, but rooms that differ only in case keep rows of their own: rooms are
    // compared exactly everywhere else, and a merged entry would hide the teachers of the other spelling.
    const auto vor = [](const QString& a, const QString& b) {
        if (const int c = TextVergleichOhneGross(a, b)) return c < 0;
        if (const int c = TextVergleich(a, b)) return c < 0;
        return a < b;
    };
    const auto pos = std::lower_bound(Liste.begin(), Liste.end(), raum, vor);
    if (pos != Liste.end() && *pos == raum) return;
    Liste.insert(pos, raum);
}

void TRaumListe::update(const TLehrerliste& lehrer) {
    Liste.clear();
    for (const auto& l : lehrer) {
        if (l->Raum.isEmpty()) continue;
        // An empty half means no room on that day; as a row it would gather every teacher without one.
        for (const QString& raum : l->Raum.split(QChar(RaumTrenner), Qt::SkipEmptyParts))
            Add(raum);
    }
}
