#include "Befehlsgruppe.h"

#include "app/ProjektDokument.h"
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
    const TProjekt* projekt = U.Dokument.Projekt();
    for (const auto& [aktion, regel] : Aktionen)
        aktion->setEnabled(regel == TRegel::Immer ||
                           (projekt && (regel == TRegel::Projekt || !projekt->Gespraechsliste.Leer())));
}
