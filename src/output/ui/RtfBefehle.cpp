#include "RtfBefehle.h"

#include "RiEd.h"
#include "model/Projekt.h"
#include "settings/Einstellungen.h"
#include "ui/Dateiwahl.h"

#include <QAction>
#include <QGuiApplication>

TRtfBefehle::TRtfBefehle(const TBefehlsumgebung& umgebung, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern) {}

void TRtfBefehle::Anschliessen(QAction* aktion, void (TRtfBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, TRegel::Gespraeche);
}

void TRtfBefehle::Exportieren(bool fuerEltern) {
    TProjekt* p = Projekt();
    if (!p) return;
    p->ZaehleGespraeche();
    // Some thousand families' lists take a few seconds to compose and lay out.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    TRiEd_Form dialog(*p, fuerEltern, U.Dateiwahl, U.Meldungen, Projektordner(U.Programmwerte.ProjektPfad),
                      U.Fenster);
    QGuiApplication::restoreOverrideCursor();
    dialog.exec();
}
