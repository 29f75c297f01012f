#include "Lauf.h"
#include "Tagesmaske.h"
#include "Termin.h"

#include <algorithm>
#include <cmath>

void TTerminierung::Buchen(TZeiten& familie, TZeiten& lehrer, TGespraech& g, int slot) {
    familie[slot] = lehrer[slot] = g.Nummer;
    g.Termin = static_cast<int16_t>(slot);
}

void TTerminierung::Loesen(TZeiten& familie, TZeiten& lehrer, int slot) {
    familie[slot] = lehrer[slot] = SlotFrei;
}

TTagesmaske TTerminierung::BelegtTag(const TZeiten& p, int tag) const {
    return Tagesbits(p.data() + tag * SlotsProTag).Belegt & Aktiv[tag];
}

TTagesmaske TTerminierung::FreiTag(const TZeiten& p, int tag) const {
    return Tagesbits(p.data() + tag * SlotsProTag).Frei & Aktiv[tag];
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
        const TTagesmaske frei = FreiTag(a, tag) & FreiTag(b, tag) &
                                 Bereich(std::max(von - basis, 0), std::min(bis - basis, SlotsProTag - 1));
        if (frei) return basis + (schritt > 0 ? std::countr_zero(frei) : 63 - std::countl_zero(frei));
        if (tag == letzterTag) return KeinSlot;
    }
}

int TTerminierung::Abstand(const TZeiten& p, int slot) const {
    const int i = slot % SlotsProTag;
    const TTagesmaske belegt = BelegtTag(p, slot / SlotsProTag);
    const TTagesmaske unten = belegt & (Bit(i) - 1);
    const TTagesmaske oben = belegt & ~((Bit(i) << 1) - 1);
    return std::min(unten ? i - (63 - std::countl_zero(unten)) : SlotsProTag,
                    oben ? std::countr_zero(oben) - i : SlotsProTag);
}

int TTerminierung::Blocklaenge(int basis, int slot, const TZeiten& p) const {
    const int i = slot - basis;
    const TTagesmaske belegt = BelegtTag(p, basis / SlotsProTag);
    return LueckeDarueber(belegt, i) - LueckeDarunter(belegt, i) - 1;
}

bool TTerminierung::BlockPruefen(int basis, int slot, TZeiten& p, int grenze) {
    if (Blocklaenge(basis, slot, p) <= grenze) return true;
    p[slot] = SlotPause;
    return false;
}

void TTerminierung::PausenLoesen(int slot, TZeiten& p) {
    const int basis = slot / SlotsProTag * SlotsProTag;
    const TTagesmaske belegt = BelegtTag(p, basis / SlotsProTag);
    const int unten = LueckeDarunter(belegt, slot - basis);
    if (unten >= 0 && p[basis + unten] == SlotPause) p[basis + unten] = SlotFrei;
    const int oben = LueckeDarueber(belegt, slot - basis);
    if (oben < SlotsProTag && p[basis + oben] == SlotPause) p[basis + oben] = SlotFrei;
}

int TTerminierung::FindeTermin(TZeiten& familie, TZeiten& lehrer, int basis) {
    const int ende = basis + SlotsProTag - 1;
    // Every repetition turns one more free slot into a pause, so the loop ends.
    for (;;) {
        const int letzter = LetzterTermin(familie, basis);
        int kandidat = KeinSlot;
        if (letzter != KeinSlot) {
            const int vorher = FreiFuerBeide(familie, lehrer, letzter - 1, -1, basis);
            if (vorher != KeinSlot) {
                const int abstand = Abstand(familie, vorher);
                const int nachher = FreiFuerBeide(familie, lehrer, letzter + 1, +1, ende);
                kandidat = nachher != KeinSlot && nachher - letzter < abstand ? nachher : vorher;
            }
        }
        if (kandidat == KeinSlot)
            kandidat = FreiFuerBeide(familie, lehrer, letzter != KeinSlot ? letzter + 1 : basis, +1, ende);
        if (kandidat == KeinSlot) return KeinSlot;
        if (BlockPruefen(basis, kandidat, familie, GrenzeFamilie()) &&
            BlockPruefen(basis, kandidat, lehrer, GrenzeLehrer()))
            return kandidat;
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
