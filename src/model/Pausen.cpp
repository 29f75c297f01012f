#include "Projekt.h"

void TProjekt::PausenSetzen(TZeiten& zeiten, bool istFamilie) const {
    int grenze = istFamilie ? MaximalBlock_El : MaximalBlock;
    if (grenze <= 0) grenze = LetzterSlot + 1; // 0 means no limit
    for (int s = 0; s <= LetzterSlot; ++s)
        if (zeiten[s] == SlotPause) zeiten[s] = SlotFrei;

    // A slot that does not exist ends a run.
    auto belegt = [&](int s) { return ZeitAktiv[s] && zeiten[s] > 0; };
    auto pauseSetzen = [&](int s) {
        if (ZeitAktiv[s] && zeiten[s] == SlotFrei) zeiten[s] = SlotPause;
    };

    const int tage = ZweiTage ? 2 : 1;
    for (int tag = 0; tag < tage; ++tag) {
        const int basis = tag * SlotsProTag;
        const int ende = basis + SlotsProTag;
        for (int s = basis; s < ende;) {
            if (!belegt(s)) {
                ++s;
                continue;
            }
            const int a = s;
            while (s < ende && belegt(s))
                ++s;
            if (s - a >= grenze) {
                if (a > basis) pauseSetzen(a - 1);
                if (s < ende) pauseSetzen(s);
            }
        }
        // A free slot between two runs becomes a pause when booking it would join a run that is too long.
        for (int s = basis + 1; s <= basis + SlotsProTag - 2; ++s) {
            if (zeiten[s] != SlotFrei || !ZeitAktiv[s] || !belegt(s - 1) || !belegt(s + 1)) continue;
            int n = 1;
            for (int l = s - 1; l >= basis && belegt(l); --l)
                ++n;
            for (int r = s + 1; r < ende && belegt(r); ++r)
                ++n;
            if (n > grenze) zeiten[s] = SlotPause;
        }
    }
}

void TProjekt::PausenAlle() {
    for (const auto& l : Lehrerliste)
        PausenSetzen(l->Zeiten, false);
    for (const auto& e : Elternliste)
        PausenSetzen(e->Zeiten, true);
}
