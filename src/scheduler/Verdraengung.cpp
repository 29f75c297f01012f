#include "Lauf.h"
#include "Termin.h"

#include <cmath>

TVerdraengung TTerminierung::VerdraengungBewerten(int slot, TZeiten& familie, TZeiten& lehrer) {
    TVerdraengung r;
    r.Slot = slot;
    TGespraech* h = GespraechMitNummer(familie[slot] != SlotFrei ? familie[slot] : lehrer[slot]);
    if (!h || h->Termin < 0 || h->IstGenagelt() || !h->Lehrer || !h->Eltern()) return r;
    TZeiten& familie2 = h->Eltern()->Zeiten;
    TZeiten& lehrer2 = h->Lehrer->Zeiten;
    // The other person of h gets the slot blocked for a moment, so that h's new place is searched elsewhere.
    TZeiten& gesperrt = familie[slot] != SlotFrei ? lehrer2 : familie2;
    gesperrt[slot] = SlotGesperrt;
    PausenLoesen(slot, gesperrt);
    const int a1 = FindeTermin(familie2, lehrer2, Tagesbasis1);
    if (a1 != KeinSlot) {
        r.Wert = Verschiebungswert(familie2, slot, a1);
        r.Alternative = a1;
    }
    if (P.ZweiTage) {
        const int a2 = FindeTermin(familie2, lehrer2, Tagesbasis2);
        if (a2 != KeinSlot) {
            const int w = Verschiebungswert(familie2, slot, a2);
            if (w > r.Wert) {
                r.Wert = w;
                r.Alternative = a2;
            }
        }
    }
    gesperrt[slot] = h->Nummer;
    return r;
}

TVerdraengung TTerminierung::KandidatSuchen(TZeiten& familie, TZeiten& lehrer, int start, int schritt,
                                            int grenze, const TVerworfen& verworfen) {
    TVerdraengung r;
    for (int s = start; schritt > 0 ? s <= grenze : s >= grenze; s += schritt) {
        if (!Existiert(s) || verworfen[static_cast<size_t>(s)]) continue;
        const int f = familie[s];
        const int l = lehrer[s];
        if (!((f >= 0 && l == SlotFrei) || (f == SlotFrei && l >= 0))) continue;
        // A slot free for both wins over any displacement found before it.
        if (f == SlotFrei && l == SlotFrei) return {0, s, s};
        const TVerdraengung w = VerdraengungBewerten(s, familie, lehrer);
        if (r.Wert < w.Wert) r = w;
    }
    return r;
}

bool TTerminierung::BlockHaelt(int basis, int slot, TZeiten& p, int grenze, TVerworfen& verworfen) {
    // The appointment to be displaced keeps its booking: the slot is only left out of this search.
    if (p[slot] > 0) {
        if (Blocklaenge(basis, slot, p) <= grenze) return true;
        verworfen.set(static_cast<size_t>(slot));
        return false;
    }
    return BlockPruefen(basis, slot, p, grenze);
}

TVerdraengung TTerminierung::TerminMitVerdraengung(TZeiten& familie, TZeiten& lehrer, int basis) {
    const int ende = basis + SlotsProTag - 1;
    TVerworfen verworfen;
    for (;;) {
        const int letzter = LetzterTermin(familie, basis);
        TVerdraengung r;
        if (letzter != KeinSlot) {
            const TVerdraengung r1 = KandidatSuchen(familie, lehrer, letzter - 1, -1, basis, verworfen);
            const TVerdraengung r2 = KandidatSuchen(familie, lehrer, letzter + 1, +1, ende, verworfen);
            r = r2.Gefunden() && (!r1.Gefunden() || r1.Wert < r2.Wert) ? r2 : r1;
        } else {
            r = KandidatSuchen(familie, lehrer, basis, +1, ende, verworfen);
        }
        if (!r.Gefunden()) return r;
        if (BlockHaelt(basis, r.Slot, familie, GrenzeFamilie(), verworfen) &&
            BlockHaelt(basis, r.Slot, lehrer, GrenzeLehrer(), verworfen))
            return r;
    }
}

void TTerminierung::Nachplatzieren() {
    const int anzahl = P.Gespraechsliste.Count();
    int gezaehlt = 0;
    for (const auto& gp : P.Gespraechsliste) {
        if (Abbruch) continue;
        TGespraech& g = *gp;
        if (g.Termin == TerminOffen && !g.IstGenagelt() && g.Lehrer && g.Eltern()) {
            TZeiten& familie = g.Eltern()->Zeiten;
            TZeiten& lehrer = g.Lehrer->Zeiten;
            const TVerdraengung r1 = TerminMitVerdraengung(familie, lehrer, Tagesbasis1);
            TVerdraengung r2;
            if (P.ZweiTage && !r1.Gefunden()) r2 = TerminMitVerdraengung(familie, lehrer, Tagesbasis2);
            const TVerdraengung& r = r1.Wert < r2.Wert ? r2 : r1;
            if (r.Gefunden()) {
                const int s = r.Slot;
                if (familie[s] != SlotFrei) {
                    // The family's own appointment with another teacher moves to its alternative.
                    if (TGespraech* h = GespraechMitNummer(familie[s]); h && h->Lehrer) {
                        TZeiten& lehrer2 = h->Lehrer->Zeiten;
                        lehrer2[s] = SlotFrei;
                        Buchen(familie, lehrer2, *h, r.Alternative);
                        Buchen(familie, lehrer, g, s);
                    }
                } else if (lehrer[s] != SlotFrei) {
                    if (TGespraech* h = GespraechMitNummer(lehrer[s]); h && h->Eltern()) {
                        TZeiten& familie2 = h->Eltern()->Zeiten;
                        familie2[s] = SlotFrei;
                        Buchen(familie2, lehrer, *h, r.Alternative);
                        Buchen(familie, lehrer, g, s);
                    }
                } else {
                    Buchen(familie, lehrer, g, s);
                }
            }
        }
        ++gezaehlt;
        if (gezaehlt % 51 == 50 || gezaehlt == anzahl)
            Beobachter.Balken(2, static_cast<int>(std::nearbyint(gezaehlt * 20.0 / anzahl)));
        EreignisseVerarbeiten();
    }
}
