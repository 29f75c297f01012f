#include "Lauf.h"
#include "Termin.h"

#include <algorithm>

namespace {

TLaufBeobachter KeinBeobachter;

bool Vollstaendig(const TGespraech& g) {
    return g.Lehrer && g.Eltern();
}

} // namespace

TTerminierung::TTerminierung(TProjekt& projekt, TLaufBeobachter* beobachter)
    : P(projekt)
    , Beobachter(beobachter ? *beobachter : KeinBeobachter) {
    for (int s = 0; s < SlotAnzahl; ++s)
        if (Existiert(s)) Aktiv[s / SlotsProTag] |= TTagesmaske{1} << (s % SlotsProTag);
    int hoechste = 0;
    for (const auto& g : P.Gespraechsliste)
        hoechste = std::max<int>(hoechste, g->Nummer);
    NachNummer.assign(static_cast<size_t>(hoechste) + 1, TNummer());
    Gespraeche.assign(static_cast<size_t>(hoechste) + 1, nullptr);
    // Like a search from the front of the list, the first conversation with a number wins.
    for (const auto& g : P.Gespraechsliste) {
        if (g->Nummer <= 0) continue;
        TNummer& e = NachNummer[static_cast<size_t>(g->Nummer)];
        if (e.Vorhanden) continue;
        e.Vorhanden = true;
        e.Familie = g->Eltern() ? &g->Eltern()->Zeiten : nullptr;
        e.Lehrer = g->Lehrer ? &g->Lehrer->Zeiten : nullptr;
        e.Genagelt = g->IstGenagelt();
        e.Gebucht = g->Termin >= 0;
        Gespraeche[static_cast<size_t>(g->Nummer)] = g.get();
    }
    TagesbasenSetzen();
}

void TTerminierung::TagesbasenSetzen() {
    const bool tag1Zuerst = P.BitteTag1 || !P.ZweiTage;
    Tagesbasis1 = tag1Zuerst ? 0 : SlotsProTag;
    Tagesbasis2 = tag1Zuerst ? SlotsProTag : 0;
}

const TTerminierung::TNummer* TTerminierung::MitNummer(int nummer) const {
    if (nummer <= 0 || nummer >= static_cast<int>(NachNummer.size())) return nullptr;
    const TNummer& e = NachNummer[static_cast<size_t>(nummer)];
    return e.Vorhanden ? &e : nullptr;
}

TTerminierung::TNummer* TTerminierung::Eintrag(const TGespraech& g) {
    if (g.Nummer <= 0 || g.Nummer >= static_cast<int>(NachNummer.size())) return nullptr;
    return Gespraeche[static_cast<size_t>(g.Nummer)] == &g ? &NachNummer[static_cast<size_t>(g.Nummer)]
                                                           : nullptr;
}

int TTerminierung::GrenzeFamilie() const {
    return P.MaximalBlock_El ? P.MaximalBlock_El : P.LetzterSlot + 1;
}

int TTerminierung::GrenzeLehrer() const {
    return P.MaximalBlock ? P.MaximalBlock : P.LetzterSlot + 1;
}

void TTerminierung::EreignisseVerarbeiten() {
    if (Beobachter.Abbruch()) Abbruch = true;
}

void TTerminierung::UnmoeglicheBestimmen() {
    if (P.UnmoeglichBestimmt) return;
    Beobachter.Wartecursor(true);
    for (const auto& g : P.Gespraechsliste) {
        if (g->Termin >= 0 || !Vollstaendig(*g)) continue;
        const TZeiten& l = g->Lehrer->Zeiten;
        const TZeiten& e = g->Eltern()->Zeiten;
        bool moeglich = false;
        for (int s = 0; s <= P.LetzterSlot && !moeglich; ++s)
            moeglich = Existiert(s) && l[s] != SlotGesperrt && e[s] != SlotGesperrt;
        g->Termin = moeglich ? TerminOffen : TerminUnmoeglich;
    }
    Beobachter.Wartecursor(false);
    P.UnmoeglichBestimmt = true;
}

void TTerminierung::Freigeben() {
    auto pausenWeg = [&](TPerson& person) {
        person.FreieZeiten = 0;
        person.Zaehler = 0;
        for (int s = 0; s <= P.LetzterSlot; ++s)
            if (person.Zeiten[s] == SlotPause) person.Zeiten[s] = SlotFrei;
    };
    for (const auto& e : P.Elternliste)
        pausenWeg(*e);
    for (const auto& l : P.Lehrerliste)
        pausenWeg(*l);
    for (const auto& g : P.Gespraechsliste) {
        if (g->Termin < 0 || g->IstGenagelt()) continue;
        if (Vollstaendig(*g) && g->Termin < SlotAnzahl)
            Loesen(g->Eltern()->Zeiten, g->Lehrer->Zeiten, g->Termin);
        g->Termin = TerminOffen;
        if (TNummer* e = Eintrag(*g)) e->Gebucht = false;
    }
}

void TTerminierung::KapazitaetZaehlen() {
    auto nutzbar = [&](const TZeiten& z) {
        uint16_t n = 0;
        for (int s = 0; s <= P.LetzterSlot; ++s)
            if (Existiert(s) && z[s] != SlotGesperrt) ++n;
        return n;
    };
    for (const auto& l : P.Lehrerliste)
        l->FreieZeiten = nutzbar(l->Zeiten);
    for (const auto& e : P.Elternliste) {
        e->FreieZeiten = nutzbar(e->Zeiten);
        for (const auto& k : e->Kinder) {
            e->Zaehler += static_cast<uint16_t>(k->Gespraeche.size());
            for (TGespraech* g : k->Gespraeche) {
                if ((g->Termin == TerminOffen && g->IstGenagelt()) || g->Termin == TerminUnmoeglich)
                    --e->Zaehler;
                if (g->Termin >= 0 && g->Lehrer && g->Lehrer->Zaehler < g->Lehrer->FreieZeiten)
                    ++g->Lehrer->Zaehler;
            }
            e->Zaehler = std::min(e->Zaehler, e->FreieZeiten);
        }
    }
}

int TTerminierung::Suchreihenfolge(const TGespraech& a, const TGespraech& b) {
    auto vergleich = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
    if (a.IstGenagelt() != b.IstGenagelt()) return a.IstGenagelt() ? -1 : 1;
    const bool aOffen = a.Termin == TerminOffen;
    const bool bOffen = b.Termin == TerminOffen;
    if (!aOffen || !bOffen) return aOffen == bOffen ? 0 : (aOffen ? -1 : 1);

    // Keys of a conversation without teacher or family count as 0, so the order stays consistent.
    auto rest = [](const TGespraech& g) { return g.Lehrer ? g.Lehrer->FreieZeiten - g.Lehrer->Zaehler : 0; };
    auto freieLehrer = [](const TGespraech& g) { return g.Lehrer ? g.Lehrer->FreieZeiten : 0; };
    auto zaehler = [](const TGespraech& g) { return g.Eltern() ? int64_t{g.Eltern()->Zaehler} : 0; };
    auto kinder = [](const TGespraech& g) { return g.Eltern() ? int64_t{g.Eltern()->Kinder.Count()} : 1; };
    auto freieEltern = [](const TGespraech& g) { return g.Eltern() ? g.Eltern()->FreieZeiten : 0; };
    if (int c = vergleich(rest(a), rest(b))) return c;
    if (int c = vergleich(freieLehrer(a), freieLehrer(b))) return c;
    if (int c = vergleich(a.Rang, b.Rang)) return c;
    // Conversations per child, compared without division.
    if (int c = vergleich(zaehler(a) * kinder(b), zaehler(b) * kinder(a))) return c;
    return vergleich(freieEltern(a), freieEltern(b));
}

void TTerminierung::ReihenfolgeSortieren() {
    P.Gespraechsliste.Sortieren(
        [](const TGespraech& a, const TGespraech& b) { return Suchreihenfolge(a, b) < 0; });
}
