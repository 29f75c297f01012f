#include "Lauf.h"
#include "Tagesmaske.h"
#include "Termin.h"

#include <cmath>

// Inlined into the scan: handing the result back through a call costs a stall of its own.
inline TVerdraengung TTerminierung::Verdraengen(int slot, TZeiten& familie, TZeiten& lehrer) {
    TVerdraengung r;
    r.Slot = slot;
    const int16_t nummer = familie[slot] != SlotFrei ? familie[slot] : lehrer[slot];
    const TNummer* h = MitNummer(nummer);
    if (!h || !h->Gebucht || h->Genagelt || !h->Lehrer || !h->Familie) return r;
    TZeiten& familie2 = *h->Familie;
    TZeiten& lehrer2 = *h->Lehrer;
    TZeiten& gesperrt = familie[slot] != SlotFrei ? lehrer2 : familie2;
    // In a consistent plan the other person of h is neither this family nor this teacher.
    if (&gesperrt == &familie || &gesperrt == &lehrer) ++Geschrieben;
    const bool familieGesperrt = &gesperrt == &familie2;
    // Every array is read before anything is written into it: reading a slot right after writing it stalls
    // the processor far longer than following the writes in the bits.
    const int basis = slot / SlotsProTag * SlotsProTag;
    const int i = slot - basis;
    TTagesbits g = Tagesbits(gesperrt.data() + basis);
    // The other person of h gets the slot blocked for a moment, so that h's new place is searched elsewhere.
    gesperrt[slot] = SlotGesperrt;
    g.Frei &= ~Bit(i);
    g.Belegt &= ~Bit(i);
    g.Pause &= ~Bit(i);
    PausenLoesenIn(basis, i, gesperrt, g);
    auto suchen = [&](int tagesbasis) {
        const bool heute = tagesbasis == basis;
        const TTagesbits l = heute && !familieGesperrt ? g : Tagesbits(lehrer2.data() + tagesbasis);
        // A teacher without a free slot that day ends the search before it changes anything.
        if (!(l.Frei & Aktiv[tagesbasis / SlotsProTag])) return KeinSlot;
        const TTagesbits f = heute && familieGesperrt ? g : Tagesbits(familie2.data() + tagesbasis);
        return FindeTerminIn(familie2, lehrer2, tagesbasis, f, l);
    };
    // Searching for h only sets pauses: the bookings of h's family are read once, when a slot was found.
    TTagesmaske belegt[2] = {0, 0};
    auto wert = [&](int alternative) {
        if (!belegt[0] && !belegt[1])
            for (int tag = 0; tag < (P.ZweiTage ? 2 : 1); ++tag)
                belegt[tag] = BelegtTag(familie2, tag);
        return VerschiebungswertAus(belegt, slot, alternative);
    };
    const int a1 = suchen(Tagesbasis1);
    if (a1 != KeinSlot) {
        r.Wert = wert(a1);
        r.Alternative = a1;
    }
    if (P.ZweiTage) {
        const int a2 = suchen(Tagesbasis2);
        if (a2 != KeinSlot) {
            const int w = wert(a2);
            if (w > r.Wert) {
                r.Wert = w;
                r.Alternative = a2;
            }
        }
    }
    gesperrt[slot] = nummer;
    return r;
}

TVerdraengung TTerminierung::VerdraengungBewerten(int slot, TZeiten& familie, TZeiten& lehrer) {
    return Verdraengen(slot, familie, lehrer);
}

const TTerminierung::TNummer* TTerminierung::EintragIn(const TZeiten& familie, const TZeiten& lehrer,
                                                       int slot) const {
    const bool vonFamilie = familie[slot] != SlotFrei;
    const int nummer = vonFamilie ? familie[slot] : lehrer[slot];
    if (nummer <= 0 || nummer >= static_cast<int>(NachNummer.size())) return nullptr;
    const TNummer& e = NachNummer[static_cast<size_t>(nummer)];
    return &e;
}

TVerdraengung TTerminierung::KandidatSuchen(TZeiten& familie, TZeiten& lehrer, int start, int schritt,
                                            int grenze, const TVerworfen& verworfen) {
    TVerdraengung r;
    const int von = std::max(schritt > 0 ? start : grenze, 0);
    const int bis = std::min(schritt > 0 ? grenze : start, SlotAnzahl - 1);
    if (von > bis) return r;
    // The scan stays within one day: slots that are free for one person and free or booked for the other.
    const int basis = von / SlotsProTag * SlotsProTag;
    const int tag = basis / SlotsProTag;
    TTagesmaske offen = Bereich(von - basis, std::min(bis - basis, SlotsProTag - 1)) & Aktiv[tag];
    auto moeglich = [&] {
        const TTagesbits f = Tagesbits(familie.data() + basis);
        const TTagesbits l = Tagesbits(lehrer.data() + basis);
        return (((f.Frei | f.Belegt) & l.Frei) | (f.Frei & (l.Belegt | l.Frei))) & offen;
    };
    // Evaluating a displacement reads the table entry of the conversation standing in the slot and that day
    // of the slot array of its other person, far apart in memory: while one slot is evaluated the processor
    // is asked for the entry two slots on and for the day of the array one slot on, whose entry it has by
    // then. Only a hint; nothing changes.
    auto naechster = [schritt](TTagesmaske m) {
        return schritt > 0 ? std::countr_zero(m) : 63 - std::countl_zero(m);
    };
    auto eintragHolen = [&](TTagesmaske m) {
        if (!m) return;
        if (const TNummer* e = EintragIn(familie, lehrer, basis + naechster(m))) __builtin_prefetch(e);
    };
    auto tagHolen = [&](TTagesmaske m) {
        if (!m) return;
        const int s = basis + naechster(m);
        const TNummer* e = EintragIn(familie, lehrer, s);
        if (const TZeiten* z = e ? (familie[s] != SlotFrei ? e->Lehrer : e->Familie) : nullptr) {
            const char* tag = reinterpret_cast<const char*>(z->data() + basis);
            __builtin_prefetch(tag);
            __builtin_prefetch(tag + 64);
            __builtin_prefetch(tag + SlotsProTag * sizeof(int16_t) - 1);
        }
    };
    const TTagesmaske anfang = moeglich();
    if (anfang) {
        eintragHolen(anfang);
        eintragHolen(anfang & ~Bit(naechster(anfang)));
    }
    // Evaluating a displacement may set pauses of this family or teacher: then the slots still to scan are
    // read again.
    for (TTagesmaske m = anfang; m;) {
        const int i = naechster(m);
        if (const TTagesmaske weiter = m & ~Bit(i)) {
            tagHolen(weiter);
            eintragHolen(weiter & ~Bit(naechster(weiter)));
        }
        offen &= schritt > 0 ? ~((Bit(i) << 1) - 1) : Bit(i) - 1;
        const int s = basis + i;
        if (verworfen[static_cast<size_t>(s)]) {
            m &= offen;
            continue;
        }
        // A slot free for both wins over any displacement found before it.
        if (familie[s] == SlotFrei && lehrer[s] == SlotFrei) return {0, s, s};
        const int vorher = Geschrieben;
        const TVerdraengung w = Verdraengen(s, familie, lehrer);
        if (r.Wert < w.Wert) r = w;
        m = Geschrieben != vorher ? moeglich() : m & offen;
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
                    if (const TNummer* h = MitNummer(familie[s]); h && h->Lehrer) {
                        TGespraech& hg = *Gespraeche[static_cast<size_t>(familie[s])];
                        TZeiten& lehrer2 = *h->Lehrer;
                        lehrer2[s] = SlotFrei;
                        Buchen(familie, lehrer2, hg, r.Alternative);
                        Buchen(familie, lehrer, g, s);
                    }
                } else if (lehrer[s] != SlotFrei) {
                    if (const TNummer* h = MitNummer(lehrer[s]); h && h->Familie) {
                        TGespraech& hg = *Gespraeche[static_cast<size_t>(lehrer[s])];
                        TZeiten& familie2 = *h->Familie;
                        familie2[s] = SlotFrei;
                        Buchen(familie2, lehrer, hg, r.Alternative);
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
