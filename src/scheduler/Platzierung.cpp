#include "Lauf.h"
#include "Tagesmaske.h"
#include "Termin.h"

#include <algorithm>
#include <cmath>

void TTerminierung::Buchen(TZeiten& familie, TZeiten& lehrer, TGespraech& g, int slot) {
    familie[slot] = lehrer[slot] = g.Nummer;
    g.Termin = static_cast<int16_t>(slot);
    if (TNummer* e = Eintrag(g)) e->Gebucht = true;
}

void TTerminierung::Loesen(TZeiten& familie, TZeiten& lehrer, int slot) {
    familie[slot] = lehrer[slot] = SlotFrei;
}

int TTerminierung::ErsterTermin(const TZeiten& p, int basis) const {
    const TTagesmaske belegt = BelegtTag(p, basis / SlotsProTag);
    return belegt ? basis + std::countr_zero(belegt) : KeinSlot;
}

int TTerminierung::LetzterTermin(const TZeiten& p, int basis) const {
    const TTagesmaske belegt = BelegtTag(p, basis / SlotsProTag);
    return belegt ? basis + 63 - std::countl_zero(belegt) : KeinSlot;
}

int TTerminierung::FreiFuerBeide(const TZeiten& a, const TZeiten& b, int start, int schritt,
                                 int grenze) const {
    const int von = std::max(schritt > 0 ? start : grenze, 0);
    const int bis = std::min(schritt > 0 ? grenze : start, SlotAnzahl - 1);
    if (von > bis) return KeinSlot;
    const int ersterTag = (schritt > 0 ? von : bis) / SlotsProTag;
    const int letzterTag = (schritt > 0 ? bis : von) / SlotsProTag;
    for (int tag = ersterTag;; tag += schritt) {
        const int basis = tag * SlotsProTag;
        const TTagesmaske frei = Tagesbits(a.data() + basis).Frei & Tagesbits(b.data() + basis).Frei &
                                 Aktiv[tag] &
                                 Bereich(std::max(von - basis, 0), std::min(bis - basis, SlotsProTag - 1));
        if (frei) return basis + (schritt > 0 ? std::countr_zero(frei) : 63 - std::countl_zero(frei));
        if (tag == letzterTag) return KeinSlot;
    }
}

int TTerminierung::Abstand(const TZeiten& p, int slot) const {
    return AbstandIn(BelegtTag(p, slot / SlotsProTag), slot % SlotsProTag);
}

int TTerminierung::Blocklaenge(int basis, int slot, const TZeiten& p) const {
    return Lauflaenge(BelegtTag(p, basis / SlotsProTag), slot - basis);
}

bool TTerminierung::BlockPruefen(int basis, int slot, TZeiten& p, int grenze) {
    if (Blocklaenge(basis, slot, p) <= grenze) return true;
    p[slot] = SlotPause;
    return false;
}

void TTerminierung::PausenLoesen(int slot, TZeiten& p) {
    const int basis = slot / SlotsProTag * SlotsProTag;
    TTagesbits t = Tagesbits(p.data() + basis);
    PausenLoesenIn(basis, slot - basis, p, t);
}

void TTerminierung::PausenLoesenIn(int basis, int i, TZeiten& p, TTagesbits& t) {
    const TTagesmaske belegt = t.Belegt & Aktiv[basis / SlotsProTag];
    for (const int s : {LueckeDarunter(belegt, i), LueckeDarueber(belegt, i)}) {
        if (s < 0 || s >= SlotsProTag || !(t.Pause & Bit(s))) continue;
        p[basis + s] = SlotFrei;
        t.Pause &= ~Bit(s);
        t.Frei |= Bit(s);
    }
}

int TTerminierung::FindeTermin(TZeiten& familie, TZeiten& lehrer, int basis) {
    return FindeTerminIn(familie, lehrer, basis, Tagesbits(familie.data() + basis),
                         Tagesbits(lehrer.data() + basis));
}

int TTerminierung::FindeTerminIn(TZeiten& familie, TZeiten& lehrer, int basis, const TTagesbits& f,
                                 const TTagesbits& l) {
    // The search only turns free slots into pauses, so the bookings are read once and the free slots
    // follow the pauses it sets.
    const int tag = basis / SlotsProTag;
    const TTagesmaske belegtFamilie = f.Belegt & Aktiv[tag];
    const TTagesmaske belegtLehrer = l.Belegt & Aktiv[tag];
    TTagesmaske frei = f.Frei & l.Frei & Aktiv[tag];
    // Every repetition turns one more free slot into a pause, so the loop ends.
    for (;;) {
        int kandidat = KeinSlot;
        TTagesmaske spaeter = frei;
        if (belegtFamilie) {
            const int letzter = 63 - std::countl_zero(belegtFamilie);
            const TTagesmaske frueher = frei & (Bit(letzter) - 1);
            spaeter = frei & ~((Bit(letzter) << 1) - 1);
            if (frueher) {
                const int vorher = 63 - std::countl_zero(frueher);
                const int nachher = spaeter ? std::countr_zero(spaeter) : KeinSlot;
                kandidat = nachher != KeinSlot && nachher - letzter < AbstandIn(belegtFamilie, vorher)
                               ? nachher
                               : vorher;
            }
        }
        if (kandidat == KeinSlot) {
            if (!spaeter) return KeinSlot;
            kandidat = std::countr_zero(spaeter);
        }
        const int slot = basis + kandidat;
        if (Lauflaenge(belegtFamilie, kandidat) > GrenzeFamilie()) {
            familie[slot] = SlotPause;
            ++Geschrieben;
        } else if (Lauflaenge(belegtLehrer, kandidat) > GrenzeLehrer()) {
            lehrer[slot] = SlotPause;
            ++Geschrieben;
        } else {
            return slot;
        }
        frei &= ~Bit(kandidat);
    }
}

void TTerminierung::ErsteVerteilung() {
    Beobachter.Statuszeile(QStringLiteral("Für jedes Gespräch wird ein günstiger freier Termin gesucht ..."));
    if (!P.ZweiTage) P.BitteTag1 = true;
    TagesbasenSetzen();
    const int anzahl = P.Gespraechsliste.Count();
    int gezaehlt = 0;
    for (const auto& gp : P.Gespraechsliste) {
        if (Abbruch) continue;
        TGespraech& g = *gp;
        if (g.Termin == TerminOffen && !g.IstGenagelt() && g.Lehrer && g.Eltern()) {
            TZeiten& familie = g.Eltern()->Zeiten;
            TZeiten& lehrer = g.Lehrer->Zeiten;
            int s = FindeTermin(familie, lehrer, Tagesbasis1);
            if (s == KeinSlot && P.ZweiTage) s = FindeTermin(familie, lehrer, Tagesbasis2);
            if (s != KeinSlot) Buchen(familie, lehrer, g, s);
        }
        ++gezaehlt;
        if (gezaehlt % 11 == 10 || gezaehlt == anzahl)
            Beobachter.Balken(1, static_cast<int>(std::nearbyint(gezaehlt * 100.0 / anzahl)));
        EreignisseVerarbeiten();
    }
}
