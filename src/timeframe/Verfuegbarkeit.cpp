#include "Verfuegbarkeit.h"

#include "model/Projekt.h"

#include <algorithm>

namespace {

bool Aktiv(const TProjekt& p, int s) {
    return s <= p.LetzterSlot && p.ZeitAktiv[static_cast<size_t>(s)];
}

uint8_t Anwenden(TProjekt& p, TPerson& person, TGlobalModus modus, const TZeiten& vorlage) {
    uint8_t bits = 0;
    for (int s = 0; s < SlotAnzahl; ++s) {
        if (!Aktiv(p, s)) continue;
        int16_t& slot = person.Zeiten[static_cast<size_t>(s)];
        const int16_t vorher = slot;
        const int16_t t = vorlage[static_cast<size_t>(s)];
        if (t == SlotFrei && modus != TGlobalModus::Sperren) {
            if (slot <= 0) slot = SlotFrei;
        } else if (t == SlotGesperrt && modus != TGlobalModus::Freigeben) {
            if (slot > 0) {
                p.Gespraechsliste.TerminAufheben(slot);
                bits |= Zeitaenderung::TerminWeg;
            }
            slot = SlotGesperrt;
        }
        if (slot != vorher) bits |= Zeitaenderung::SlotGeaendert;
    }
    return bits;
}

} // namespace

uint8_t ZeitenUebernehmen(TProjekt& p, TPerson& person, const TZeiten& neu, bool istFamilie) {
    uint8_t bits = 0;
    for (int s = 0; s < SlotAnzahl; ++s) {
        if (!Aktiv(p, s)) continue;
        int16_t& slot = person.Zeiten[static_cast<size_t>(s)];
        const int16_t wert = neu[static_cast<size_t>(s)];
        // Only the scheduler and hand editing book a slot; a stale copy must not bring a booking back.
        if (slot == wert || wert > 0) continue;
        if (slot > 0 && wert == SlotGesperrt) {
            p.Gespraechsliste.TerminAufheben(slot);
            slot = SlotGesperrt;
            bits |= Zeitaenderung::TerminWeg;
        }
        if (slot == SlotGesperrt || slot == SlotFrei) {
            slot = wert;
            bits |= Zeitaenderung::SlotGeaendert;
        } else if (slot == SlotPause && wert == SlotGesperrt) {
            slot = SlotGesperrt;
            bits |= Zeitaenderung::SlotGeaendert;
        }
    }
    p.PausenSetzen(person.Zeiten, istFamilie);
    return bits;
}

void ZeitaenderungAuswerten(TProjekt& p, uint8_t bits) {
    if (bits & (Zeitaenderung::TerminWeg | Zeitaenderung::SlotGeaendert))
        p.UnmoeglichBestimmt = p.ReihenfolgeFest = false;
}

uint8_t GlobalSperren(TProjekt& p, TGlobalModus modus, TZielgruppe gruppe, const TZeiten& vorlage) {
    uint8_t bits = 0;
    if (gruppe != TZielgruppe::Eltern)
        for (const auto& l : p.Lehrerliste)
            bits |= Anwenden(p, *l, modus, vorlage);
    if (gruppe != TZielgruppe::Lehrer)
        for (const auto& e : p.Elternliste)
            bits |= Anwenden(p, *e, modus, vorlage);
    return bits;
}

void AlleNageln(TProjekt& p) {
    for (const auto& g : p.Gespraechsliste)
        if (g->Termin >= 0) g->SetGenagelt(true);
    p.ReihenfolgeFest = false;
}

void NaegelZiehen(TProjekt& p) {
    for (const auto& g : p.Gespraechsliste)
        g->SetGenagelt(false);
    p.ReihenfolgeFest = false;
}

bool HatNaegel(const TProjekt& p) {
    return std::any_of(p.Gespraechsliste.begin(), p.Gespraechsliste.end(),
                       [](const auto& g) { return g->IstGenagelt(); });
}
