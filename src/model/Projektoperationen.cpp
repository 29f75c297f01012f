#include "Projektoperationen.h"

#include "Projekt.h"

namespace {

void TermineLoeschen(const TProjekt& p, TZeiten& zeiten) {
    for (int s = 0; s <= p.LetzterSlot; ++s)
        if (p.ZeitAktiv[s] && zeiten[s] != SlotGesperrt) zeiten[s] = SlotFrei;
}

} // namespace

void PlanZuruecksetzen(TProjekt& p, bool erzwungen) {
    if (p.Gespraechsliste.Leer() && !erzwungen) return;
    p.TermineBerechnet = p.ReihenfolgeFest = p.UnmoeglichBestimmt = false;
    p.Handverschoben = 0;
    for (const auto& e : p.Elternliste)
        TermineLoeschen(p, e->Zeiten);
    for (const auto& l : p.Lehrerliste)
        TermineLoeschen(p, l->Zeiten);
    for (const auto& g : p.Gespraechsliste) {
        g->Termin = TerminOffen;
        g->SetGenagelt(false);
    }
    p.Laufzeit = 0;
    p.RueckListe.Clear();
}
