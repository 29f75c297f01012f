#pragma once

#include "Dateibauer.h"
#include "common/SkriptMeldung.h"
#include "model/Projekt.h"
#include "model/Projektdatei.h"

// Reads a described file into p, recording the messages.
inline TLeseErgebnis Lesen(const TProjektF& datei, TProjekt& p, TSkriptMeldung& meldung,
                           const TLeseOptionen& optionen = {}) {
    return ProjektLesen(Projektdatei(datei), p, meldung, optionen);
}

inline TGespraech* Gespraech(const TProjekt& p, int nummer) {
    return p.Gespraechsliste.FindeNummer(nummer);
}
