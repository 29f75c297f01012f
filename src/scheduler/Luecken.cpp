#include "Tagesmaske.h"
#include "Termin.h"

#include <bit>

namespace {

// round(ln(n) * 0.6) without floating point: 0 up to 2 appointments, 1 up to 12, 2 above.
int Toleranz(int anzahl) {
    return anzahl <= 2 ? 0 : anzahl <= 12 ? 1 : 2;
}

} // namespace

int Tageskosten(TTagesmaske belegt, bool familie) {
    if (!belegt) return 0;
    const int erster = std::countr_zero(belegt);
    const int letzter = 63 - std::countl_zero(belegt);
    const int anzahl = Bitzahl(belegt);
    const int frei = letzter - erster + 1 - anzahl;
    const int toleranz = familie ? Toleranz(anzahl) : 0;
    if (frei <= toleranz) return 0;
    // Gaps are the runs of set bits in the not-booked slots strictly between the first and the last.
    const TTagesmaske luecken = ~belegt & (Bit(letzter) - 1) & ~(Bit(erster + 1) - 1);
    const int anfaenge = Bitzahl(luecken & ~(luecken << 1));
    const int lange = Bitzahl(luecken & (luecken >> 1) & ~(luecken << 1));
    const int kosten = 2 * frei + 2 * lange + (lange > 0 ? anfaenge : 0) - 2 * toleranz;
    return kosten > 0 ? kosten : 0;
}

TSlotMasken TTerminierung::Masken(const TZeiten& p) const {
    TSlotMasken m;
    const int tage = P.ZweiTage ? 2 : 1;
    for (int tag = 0; tag < tage; ++tag) {
        const TTagesbits t = Tagesbits(p.data() + tag * SlotsProTag);
        m.Belegt[tag] = t.Belegt & Aktiv[tag];
        m.Frei[tag] = t.Frei & Aktiv[tag];
    }
    return m;
}

int TTerminierung::LueckenAusMasken(const TTagesmaske belegt[2], bool familie) const {
    const int tag1 = Tageskosten(belegt[0], familie);
    if (!P.ZweiTage) return tag1;
    // Coming on two days costs 12.
    return tag1 + Tageskosten(belegt[1], familie) + (belegt[0] && belegt[1] ? 12 : 0);
}

int TTerminierung::Luecken(const TZeiten& p, bool familie) const {
    return LueckenAusMasken(Masken(p).Belegt, familie);
}

int TTerminierung::Verschiebungswert(const TZeiten& familie, int von, int nach) const {
    return VerschiebungswertAus(Masken(familie).Belegt, von, nach);
}

int TTerminierung::VerschiebungswertAus(const TTagesmaske belegt[2], int von, int nach) const {
    TTagesmaske ohne[2] = {belegt[0], belegt[1]};
    ohne[von / SlotsProTag] &= ~Bit(von % SlotsProTag);
    ohne[nach / SlotsProTag] &= ~Bit(nach % SlotsProTag);
    TTagesmaske dort[2] = {ohne[0], ohne[1]};
    dort[nach / SlotsProTag] |= Bit(nach % SlotsProTag) & Aktiv[nach / SlotsProTag];
    TTagesmaske hier[2] = {ohne[0], ohne[1]};
    hier[von / SlotsProTag] |= Bit(von % SlotsProTag) & Aktiv[von / SlotsProTag];
    return LueckenAusMasken(hier, true) - LueckenAusMasken(dort, true);
}
