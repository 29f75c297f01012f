// Project commands: new, open, the caption, and what happens with a leftover backup at start.
#include "ProjektBefehle.h"

#include "Eingabe.h"

#include "BackUpF.h"
#include "app/Sicherungsdateien.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "model/Projektoperationen.h"
#include "model/VELMemStream.h"
#include "settings/Einstellungen.h"
#include "settings/Notizzettel.h"
#include "timeframe/ui/RahmenBefehle.h"
#include "ui/Dateiwahl.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>

namespace {

const char* const AltformatMeldung =
    "Sie haben den Modus zum Öffnen eines veralteten Dateiformats eingeschaltet. Wählen Sie im Dialog zum "
    "Öffnen der Datei 'Abbrechen', wenn dies ein Versehen war und wiederholen dann den Vorgang über "
    "\"Projekt öffnen...\"!\r(Eine Datei im aktuell gültigen Format wird sonst beim Einlesen einen Fehler "
    "verursachen!)";

// The reader leaves the open project untouched on a file it cannot read, so the program goes on.
QString LesefehlerText(const QString& datei, TLeseErgebnis ergebnis, TAltformat format) {
    const QString name = QFileInfo(datei).fileName();
    const QString bleibt = QStringLiteral("\rDas geöffnete Projekt bleibt unverändert.");
    if (ergebnis == TLeseErgebnis::AktuellesFormat)
        return QStringLiteral("Lesefehler: Die Datei „%1“ hat das aktuelle Dateiformat und kann nicht als "
                              "veraltetes Dateiformat gelesen werden.\rÖffnen Sie sie über \"Projekt "
                              "öffnen...\".")
                   .arg(name) +
               bleibt;
    if (format != TAltformat::Aktuell)
        return QStringLiteral("Lesefehler: Die Datei „%1“ lässt sich auch als veraltetes Dateiformat nicht "
                              "lesen; sie ist beschädigt oder unvollständig.")
                   .arg(name) +
               bleibt;
    QString text = QStringLiteral("Lesefehler: Die Datei „%1“ ist beschädigt oder unvollständig und konnte "
                                  "nicht gelesen werden.")
                       .arg(name) +
                   bleibt;
    if (const TAltformat alt = PassendesAltformat(datei); alt != TAltformat::Aktuell)
        text +=
            QStringLiteral("\r\rSie lässt sich aber in einem veralteten Dateiformat lesen: Öffnen Sie sie "
                           "im Menü \"Datei\" über \"Veraltetes Dateiformat öffnen\" - \"%1\".")
                .arg(alt == TAltformat::DatumAlsText ? QStringLiteral("Mit Datum als Text...")
                                                     : QStringLiteral("Ohne Nachnamen der Kinder..."));
    return text;
}

} // namespace

TProjektBefehle::TProjektBefehle(const TBefehlsumgebung& umgebung, TRahmenBefehle& rahmen, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern)
    , Projektpfad(umgebung.Programmwerte.ProjektPfad)
    , StartDatei(umgebung.Programmwerte.StartDatei)
    , TempOrdner(TempOrdnerBestimmen())
    , Rahmen(rahmen) {
    ProjektSchreiber = [](const TProjekt& projekt, const QString& datei) {
        QString fehler;
        const QByteArray daten = ProjektDaten(projekt, fehler);
        return !daten.isEmpty() && DateiSchreiben(datei, daten, fehler);
    };
    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &TProjektBefehle::Timer1Timer);
    // The caption names the document's file, whichever command replaced or renamed it.
    connect(&U.Dokument, &TProjektDokument::ProjektErsetzt, this, &TProjektBefehle::TitelAktualisieren);
    connect(&U.Dokument, &TProjektDokument::DateiGewechselt, this, &TProjektBefehle::TitelAktualisieren);
    connect(&U.Dokument, &TProjektDokument::SicherungGewuenscht, this, &TProjektBefehle::AutoSicherung);
}

void TProjektBefehle::Anschliessen(QAction* aktion, void (TProjektBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    const bool speichern = handler == &TProjektBefehle::PDTsave1Click ||
                           handler == &TProjektBefehle::PDTsaveN1Click ||
                           handler == &TProjektBefehle::SichDisk1Click;
    Aufnehmen(aktion, speichern ? TRegel::Projekt : TRegel::Immer);
}

bool TProjektBefehle::NeuesProjektAnlegen() {
    const TBefehlsWache wache(U.Dokument);
    // A new project starts with the defaults of the settings store; it replaces the open one only
    // when its time frame is confirmed.
    auto neu = std::make_unique<TProjekt>();
    LayoutAusRegistry(U.Speicher, neu->Listenlayout);
    const TTerminwerte werte = TerminwerteLesen(U.Speicher);
    neu->MaximalBlock = werte.MaximalBlock;
    neu->MaximalBlock_El = werte.MaximalBlock_El;
    neu->BitteTag1 = werte.BitteTag1;
    neu->ListenSortierung = werte.SortierKrit;
    neu->LatKlBez = U.Programmwerte.LatKlBez;
    NotizenLeeren(*neu);

    if (!Rahmen.RahmenFuerNeuesProjekt(*neu)) return false;

    ProjektNameVorgabe = NeuerProjektName(ProjektNameVorgabe);
    U.Dokument.Ersetzen(std::move(neu), QDir(Startordner()).filePath(ProjektNameVorgabe));
    // Unsaved from the start, so that nothing typed into it is lost without a question.
    U.Dokument.Melden({});
    return true;
}

QString TProjektBefehle::Startordner() const {
    return Projektordner(Projektpfad);
}

void TProjektBefehle::PDTopen1Click() {
    Oeffnen(TAltformat::Aktuell, false);
}

void TProjektBefehle::SichOpen1Click() {
    Oeffnen(TAltformat::Aktuell, true);
}

void TProjektBefehle::AltOhneNachname1Click() {
    Oeffnen(TAltformat::OhneKindNachname, false);
}

void TProjektBefehle::AltDatumText1Click() {
    Oeffnen(TAltformat::DatumAlsText, false);
}

void TProjektBefehle::Oeffnen(TAltformat format, bool sicherungskopie) {
    const TBefehlsWache wache(U.Dokument);
    if (!SpeichernFragen()) return;
    if (format != TAltformat::Aktuell)
        U.Meldungen.Meldung(QString::fromUtf8(AltformatMeldung), QStringLiteral("Hinweis"),
                            MeldungsArt::Warnung);
    const QString ordner = sicherungskopie ? DesktopOrdner() : Startordner();
    const QString datei =
        U.Dateiwahl.OeffnenWaehlen({QString::fromUtf8("Projekt öffnen"),
                                    QStringLiteral("VEL-Projekte (*.pdt);;Alle Dateien (*.*)"),
                                    QStringLiteral("pdt"),
                                    ordner,
                                    {}});
    if (!datei.isEmpty()) ProjektOeffnen(datei, format);
}

void TProjektBefehle::DateiOeffnen(const QString& datei) {
    const TBefehlsWache wache(U.Dokument);
    if (SpeichernFragen()) ProjektOeffnen(datei);
}

void TProjektBefehle::ProjektOeffnen(const QString& datei, TAltformat format) {
    const TBefehlsWache wache(U.Dokument);
    auto neu = std::make_unique<TProjekt>();
    TLeseOptionen optionen = AltformatOptionen(format);
    optionen.LatKlBez = U.Programmwerte.LatKlBez;
    LayoutAusRegistry(U.Speicher, optionen.Layout);

    const TLeseErgebnis gelesen = ProjektLaden(datei, *neu, U.Meldungen, optionen);
    QString laufwerk;
    if (gelesen == TLeseErgebnis::Gelesen) {
        laufwerk = U.Dateiwahl.Laufwerksart(datei);
        U.Dokument.Ersetzen(std::move(neu), datei);
        if (ProjektPruefen(*U.Dokument.Projekt(), U.Meldungen)) U.Dokument.Melden(TAenderung::Plan);
    } else if (gelesen != TLeseErgebnis::KeinProjekt) {
        U.Meldungen.Meldung(LesefehlerText(datei, gelesen, format), QStringLiteral("Fehler"),
                            MeldungsArt::Fehler);
    }
    U.Dokument.RueckListe().Clear();
    Q_EMIT OeffnenBeendet();
    if (!laufwerk.isEmpty() &&
        U.Meldungen.Meldung(
            QString::fromUtf8("Sie haben diese Datei von einem %1-Laufwerk eingelesen.\rEs wird "
                              "empfohlen, sie zum Bearbeiten auf Ihrer Festplatte zu speichern.\r"
                              "Möchten Sie es jetzt tun?")
                .arg(laufwerk),
            QStringLiteral("Achtung"), MeldungsArt::Frage, Knoepfe::JaNein, Antwort::Ja) == Antwort::Ja)
        PDTsaveN1Click();
}

void TProjektBefehle::TitelAktualisieren() {
    bool wiederhergestellt = false;
    const QString titel =
        U.Dokument.Projekt() ? Fenstertitel(U.Dokument.Name(), &wiederhergestellt) : QStringLiteral("VEL");
    // A restored backup has not been saved as a project yet.
    if (wiederhergestellt) U.Dokument.AlsGeaendertMarkieren();
    if (U.Fenster->windowTitle() != titel) U.Fenster->setWindowTitle(titel);
}

void TProjektBefehle::StartProjektOeffnen() {
    const QString gefunden = GefundeneSicherung(TempOrdner);
    if (gefunden.isEmpty()) {
        if (LetztesProjektLaden && U.Programmwerte.DateiLaden && !StartDatei.isEmpty() &&
            QFileInfo::exists(StartDatei))
            ProjektOeffnen(StartDatei);
        return;
    }
    TBackUpF dialog(gefunden, U.Fenster);
    connect(&dialog, &TBackUpF::HilfeAngefordert, this, [this] { U.Hilfe(); });
    if (dialog.exec() == QDialog::Accepted)
        ProjektOeffnen(gefunden);
    else
        SicherungenLoeschen(TempOrdner);
}
