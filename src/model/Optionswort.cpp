#include "Optionswort.h"

#include "Projekt.h"

namespace {

constexpr uint32_t Bit(int n) {
    return uint32_t(1) << n;
}

} // namespace

uint32_t OptionenWort(const TProjekt& p) {
    const TListenlayout& l = p.Listenlayout;
    uint32_t w = OptionMitTitel;
    const bool bits[] = {p.BitteTag1,
                         l.TelefonNichtTerminiert,
                         l.Elt2Sp,
                         l.Leh2Sp,
                         l.EinzellistenProTagL,
                         l.EinzellistenProTagE,
                         !l.HinweisAlleTerminiertE,
                         !l.HinweisAlleTerminiertL,
                         !l.PauseDrucken,
                         l.UeberschriftKursiv,
                         l.Datumsformat != 0,
                         l.MitLogo,
                         l.SchulnameAusblenden,
                         l.TelefonImmer,
                         !l.TitelGross,
                         !l.TitelGesperrt};
    for (int i = 0; i < int(std::size(bits)); ++i)
        if (bits[i]) w |= Bit(i);
    if (l.Ausrichtung != 0) w |= Bit(17);
    return w;
}

void OptionenSetzen(TProjekt& p, uint32_t w) {
    TListenlayout& l = p.Listenlayout;
    p.BitteTag1 = w & Bit(0);
    l.TelefonNichtTerminiert = w & Bit(1);
    // Nothing depends on these two; they start cleared whatever the file says.
    l.Elt2Sp = l.Leh2Sp = false;
    l.EinzellistenProTagL = w & Bit(4);
    l.EinzellistenProTagE = w & Bit(5);
    l.HinweisAlleTerminiertE = !(w & Bit(6));
    l.HinweisAlleTerminiertL = !(w & Bit(7));
    l.PauseDrucken = !(w & Bit(8));
    l.UeberschriftKursiv = w & Bit(9);
    l.Datumsformat = (w & Bit(10)) ? 1 : 0;
    l.MitLogo = w & OptionMitLogo;
    l.SchulnameAusblenden = w & Bit(12);
    l.TelefonImmer = w & Bit(13);
    l.TitelGross = !(w & Bit(14));
    l.TitelGesperrt = !(w & Bit(15));
    if (!(w & OptionMitTitel)) l.Titel = QStringLiteral("Elternsprechtag");
    l.Ausrichtung = (w & Bit(17)) ? 1 : 0;
}
