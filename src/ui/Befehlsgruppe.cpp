#include "Befehlsgruppe.h"

#include "document/ProjektDokument.h"
#include "model/Projekt.h"

#include <QAction>

TBefehlsgruppe::TBefehlsgruppe(const TBefehlsumgebung& umgebung, QObject* eltern)
    : QObject(eltern)
    , U(umgebung) {}

TProjekt* TBefehlsgruppe::Projekt() const {
    return U.Dokument.Projekt();
}

void TBefehlsgruppe::Aufnehmen(QAction* aktion, TRegel regel) {
    Aktionen.append({aktion, regel});
}

void TBefehlsgruppe::Aktualisieren() {
    for (const auto& [aktion, regel] : Aktionen)
        aktion->setEnabled(Erfuellt(regel));
}

bool TBefehlsgruppe::Erfuellt(TRegel regel) const {
    const TProjekt* p = U.Dokument.Projekt();
    switch (regel) {
    case TRegel::Immer:
        return true;
    case TRegel::Projekt:
        return p;
    case TRegel::Personen:
        return p && (!p->Lehrerliste.Leer() || !p->Elternliste.Leer());
    case TRegel::Lehrer:
        return p && !p->Lehrerliste.Leer();
    case TRegel::Gespraeche:
        return p && !p->Gespraechsliste.Leer();
    case TRegel::Plan:
        return p && p->Gespraechsliste.HatTermine();
    }
    return false;
}
