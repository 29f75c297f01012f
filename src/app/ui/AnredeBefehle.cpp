#include "AnredeBefehle.h"

#include "AnrDlg.h"
#include "LehrerPanel.h"
#include "document/ProjektDokument.h"
#include "model/Dateneingabe.h"
#include "model/Projekt.h"

#include <QAction>

TAnredeBefehle::TAnredeBefehle(const TBefehlsumgebung& umgebung, TLehrerPanel& lehrer, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern)
    , Lehrer(lehrer) {}

void TAnredeBefehle::Anschliessen(QAction* aktion, void (TAnredeBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, TRegel::Lehrer);
}

void TAnredeBefehle::AnrEdit1Click() {
    TProjekt* p = Projekt();
    if (!p) return;
    TAnrDlgF dialog(p->Lehrerliste, U.Fenster);
    dialog.Hilfe = U.Hilfe;
    if (dialog.exec() != QDialog::Accepted) return;
    const TBefehlsWache wache(U.Dokument);
    if (dialog.Tauschen() ? AnredenTauschen(p->Lehrerliste)
                          : AnredenErsetzen(p->Lehrerliste, dialog.Von(), dialog.Nach()))
        U.Dokument.Melden(TAenderung::Lehrer);
}

void TAnredeBefehle::AnrEdtr1Click() {
    const TLehrer* gewaehlt = Lehrer.Einer();
    AnrEdit1Click();
    if (gewaehlt) Lehrer.ZeileWaehlen(Lehrer.Zeile(gewaehlt));
}
