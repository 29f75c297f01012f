#include "SchulBefehle.h"

#include "SchuldatenDlg.h"
#include "settings/Schuldaten.h"

#include <QAction>

void TSchulBefehle::Anschliessen(QAction* aktion, void (TSchulBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, TRegel::Immer);
}

void TSchulBefehle::Schuldaten1Click() {
    const TSchuldaten bisher = SchuldatenLesen(U.Speicher);
    TSchuldatenDlg dialog(bisher, U.Fenster);
    connect(&dialog, &TSchuldatenDlg::HilfeAngefordert, this, [this] { U.Hilfe(); });
    if (dialog.exec() != QDialog::Accepted) return;
    if (dialog.Schuldaten() != bisher) SchuldatenSchreiben(U.Speicher, dialog.Schuldaten());
}
