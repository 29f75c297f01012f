#include "Anmerkungsorte.h"

#include "model/Projekt.h"

TAnmerkungsorte AnmerkungenVerteilen(const TProjekt& projekt, const TPerson& person, bool fuerEltern) {
    const QString alle = fuerEltern ? projekt.AnmerkungAlleEltern : projekt.AnmerkungAlleLehrer;
    const QString& eigene = person.Anmerkung;
    const TListenlayout& l = projekt.Listenlayout;
    switch (fuerEltern ? l.NachrPosE : l.NachrPosL) {
    case 1:
        return {{eigene, alle}, {}};
    case 2:
        return {{eigene}, {alle}};
    case 3:
        return {{alle}, {eigene}};
    case 4:
        return {{}, {alle, eigene}};
    case 5:
        return {{}, {eigene, alle}};
    default:
        return {{alle, eigene}, {}};
    }
}
