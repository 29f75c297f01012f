#include "UpdateBefehle.h"

#include "Programmversion.h"
#include "Versionsabruf.h"
#include "model/Meldung.h"
#include "settings/Updateadressen.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QUrl>

TUpdateBefehle::TUpdateBefehle(const TBefehlsumgebung& umgebung, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern)
    , Abruf(new TVersionsabruf(this)) {
    connect(Abruf, &TVersionsabruf::Fertig, this, &TUpdateBefehle::Beantwortet);
}

void TUpdateBefehle::Anschliessen(QAction* aktion, void (TUpdateBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, TRegel::Immer);
}

void TUpdateBefehle::VerTest1Click() {
    if (Abruf->Laeuft()) return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    Abruf->Starten(QUrl(UpdateAdressenLesen(U.Speicher).Versionsskript), ZeitlimitMs);
}

void TUpdateBefehle::Beantwortet(const TVersionsantwort& antwort) {
    QGuiApplication::restoreOverrideCursor();
    U.Meldungen.Meldung(
        UpdateMeldung(antwort, Programmversion(), UpdateAdressenLesen(U.Speicher).Downloadseite),
        QStringLiteral("Hinweis"), MeldungsArt::Information);
}
