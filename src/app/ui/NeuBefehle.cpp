#include "NeuBefehle.h"

#include "NeuF.h"
#include "ProjektBefehle.h"
#include "document/ProjektDokument.h"
#include "exchange/ui/AustauschBefehle.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "settings/ui/NotizBefehle.h"
#include "timeframe/ui/SperrBefehle.h"

#include <QAction>

TNeuBefehle::TNeuBefehle(const TBefehlsumgebung& umgebung, TProjektBefehle& projektdateien,
                         TSperrBefehle& sperren, TAustauschBefehle& austausch, TNotizBefehle& notiz,
                         QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern)
    , Projektdateien(projektdateien)
    , Sperren(sperren)
    , Austausch(austausch)
    , Notiz(notiz) {}

void TNeuBefehle::Anschliessen(QAction* aktion, void (TNeuBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, TRegel::Immer);
}

void TNeuBefehle::PDTneu1Click() {
    const TBefehlsWache wache(U.Dokument);
    if (!Projektdateien.SpeichernFragen()) return;
    TNeuF assistent(
        {[this] { return Projektdateien.NeuesProjektAnlegen(); },
         [this] { return Sperren.StandardsperreFestlegen(); }, [this] { return Lehrerimport(); },
         [this] { return Elternimport(); },
         [this] { return Projektdateien.Speichern(TProjektBefehle::TSpeicherArt::SpeichernUnter); }},
        U.Fenster);
    connect(&assistent, &TNeuF::HilfeAngefordert, this, [this] { U.Hilfe(); });
    assistent.exec();
    if (!assistent.NeuesProjekt) return;
    U.Dokument.RueckListe().Clear();
    Notiz.NeuesProjektAnbieten();
    Q_EMIT Projektdateien.OeffnenBeendet();
}

bool TNeuBefehle::Lehrerimport() {
    Austausch.impL1Click();
    return Projekt() && !Projekt()->Lehrerliste.Leer();
}

bool TNeuBefehle::Elternimport() {
    Austausch.Stand.KlassenFolgeImport = false;
    Austausch.ElternImportieren(false);
    // A class-by-class import goes on while the user has more classes to bring in.
    while (Austausch.Stand.KlassenFolgeImport) {
        if (U.Meldungen.Meldung(QString::fromUtf8("Möchten Sie jetzt weitere Schüler / eine weitere Klasse "
                                                  "importieren?"),
                                QStringLiteral("Import einzelner Klassen"), MeldungsArt::Frage,
                                Knoepfe::JaNein, Antwort::Ja) == Antwort::Nein)
            Austausch.Stand.KlassenFolgeImport = false;
        else
            Austausch.ElternImportieren(false);
    }
    return Projekt() && !Projekt()->Elternliste.Leer();
}
