#include "Tagesmaske.h"
#include "Termin.h"

TSlotMasken TTerminierung::PausenSetzen(TZeiten& p, bool istFamilie) {
    const TTagesbits bits[2] = {Tagesbits(p.data()),
                                P.ZweiTage ? Tagesbits(p.data() + SlotsProTag) : TTagesbits()};
    return PausenSetzenAus(p, istFamilie, bits);
}

TSlotMasken TTerminierung::PausenSetzenAus(TZeiten& p, bool istFamilie, const TTagesbits bits[2]) {
    const int grenze = istFamilie ? GrenzeFamilie() : GrenzeLehrer();
    TSlotMasken m;
    const int tage = P.ZweiTage ? 2 : 1;
    for (int tag = 0; tag < tage; ++tag) {
        int16_t* z = p.data() + tag * SlotsProTag;
        const TTagesbits& t = bits[tag];
        for (TTagesmaske alt = t.Pause; alt; alt &= alt - 1)
            z[std::countr_zero(alt)] = SlotFrei;
        const TTagesmaske belegt = t.Belegt & Aktiv[tag];
        const TTagesmaske frei = (t.Frei | t.Pause) & Aktiv[tag];

        // A run that reached the limit gets a pause on both sides.
        TTagesmaske pausen = 0;
        for (TTagesmaske rest = belegt; rest;) {
            const int anfang = std::countr_zero(rest);
            const int ende = anfang + std::countr_one(rest >> anfang);
            if (ende - anfang >= grenze) {
                if (anfang > 0) pausen |= Bit(anfang - 1);
                if (ende < SlotsProTag) pausen |= Bit(ende);
            }
            rest &= ~Bereich(anfang, ende - 1);
        }
        pausen &= frei;
        // A free slot between two runs becomes a pause when booking it would join a run that is too long.
        TTagesmaske zwischen = frei & ~pausen & (belegt << 1) & (belegt >> 1) & Bereich(1, SlotsProTag - 2);
        for (; zwischen; zwischen &= zwischen - 1) {
            const int s = std::countr_zero(zwischen);
            if (LueckeDarueber(belegt, s) - LueckeDarunter(belegt, s) - 1 > grenze) pausen |= Bit(s);
        }
        for (TTagesmaske neu = pausen; neu; neu &= neu - 1)
            z[std::countr_zero(neu)] = SlotPause;
        m.Belegt[tag] = belegt;
        m.Frei[tag] = frei & ~pausen;
    }
    return m;
}

void TTerminierung::PausenAlle() {
    for (const auto& l : P.Lehrerliste)
        PausenSetzen(l->Zeiten, false);
    for (const auto& e : P.Elternliste)
        PausenSetzen(e->Zeiten, true);
}
