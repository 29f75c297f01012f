#include "TelefonBefehle.h"

#include "TelEd.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "model/Telefonliste.h"
#include "settings/Einstellungen.h"

#include <QAction>

TTelefonBefehle::TTelefonBefehle(const TBefehlsumgebung& umgebung, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern) {}

void TTelefonBefehle::Anschliessen(QAction* aktion, void (TTelefonBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, TRegel::Projekt);
}

void TTelefonBefehle::Tel1Click() {
    TProjekt* p = Projekt();
    if (!p) return;
    std::vector<TEltern*> familien = FamilienOhneTermin(p->Elternliste);
    if (familien.empty()) {
        U.Meldungen.Meldung(QString::fromUtf8("Es liegen keine nicht terminierten Gespräche vor,\rfür die "
                                              "Telefonnummern bearbeitet werden müssten."),
                            QStringLiteral("Hinweis"), MeldungsArt::Information);
        return;
    }
    // One command for the whole session, so that the backup is written once at its end.
    const TBefehlsWache wache(U.Dokument);
    TFTelEd dialog(std::move(familien), p->Listenlayout.TelefonNichtTerminiert, p->LatKlBez, U.Meldungen,
                   U.Fenster);
    dialog.Uebernehmen = [this](TEltern& e, const QString& telefon) {
        e.Telefon = telefon;
        U.Dokument.Melden(TAenderung::Familien);
    };
    dialog.exec();
    if (dialog.TelefonInListen() == p->Listenlayout.TelefonNichtTerminiert) return;
    p->Listenlayout.TelefonNichtTerminiert = dialog.TelefonInListen();
    ProgrammwertSchreiben(U.Speicher, QStringLiteral("Tel"), dialog.TelefonInListen());
    U.Dokument.Melden(TAenderung::Layout);
}
