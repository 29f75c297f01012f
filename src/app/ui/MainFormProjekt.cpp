// Project commands: new, open, the caption, and what happens with a leftover backup at start.
#include "MainForm.h"

#include "Eingabe.h"

#include "BackUpF.h"
#include "HilfeBefehle.h"
#include "app/Sicherungsdateien.h"
#include "model/Meldung.h"
#include "model/Projektdatei.h"
#include "model/Projektoperationen.h"
#include "settings/Einstellungen.h"
#include "timeframe/ui/RahmenBefehle.h"
#include "ui/Dateiwahl.h"

#include <QDir>
#include <QFileInfo>

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

void TVELWnd::PDTneu1Click() {
    const TBefehlsWache wache(Dokument);
    if (!SpeichernFragen()) return;
    // A new project starts with the defaults of the settings store; it replaces the open one only
    // when its time frame is confirmed.
    auto neu = std::make_unique<TProjekt>();
    LayoutAusRegistry(Speicher, neu->Listenlayout);
    const TTerminwerte werte = TerminwerteLesen(Speicher);
    neu->MaximalBlock = werte.MaximalBlock;
    neu->MaximalBlock_El = werte.MaximalBlock_El;
    neu->BitteTag1 = werte.BitteTag1;
    neu->ListenSortierung = werte.SortierKrit;
    neu->LatKlBez = Programmwerte.LatKlBez;
    neu->NotizHaken.fill(false);

    if (!Rahmen->RahmenFuerNeuesProjekt(*neu)) return;

    ProjektNameVorgabe = NeuerProjektName(ProjektNameVorgabe);
    Dokument.Ersetzen(std::move(neu), QDir(Projektpfad).filePath(ProjektNameVorgabe));
    // Unsaved from the start, so that nothing typed into it is lost without a question.
    Dokument.Melden({});
    TitelAktualisieren();
    Eingabe->GefuehrteEingabeBeenden();
    Eingabe->StartFokus();
}

void TVELWnd::PDTopen1Click() {
    Oeffnen(TAltformat::Aktuell, false);
}

void TVELWnd::SichOpen1Click() {
    Oeffnen(TAltformat::Aktuell, true);
}

void TVELWnd::AltOhneNachname1Click() {
    Oeffnen(TAltformat::OhneKindNachname, false);
}

void TVELWnd::AltDatumText1Click() {
    Oeffnen(TAltformat::DatumAlsText, false);
}

void TVELWnd::Oeffnen(TAltformat format, bool sicherungskopie) {
    const TBefehlsWache wache(Dokument);
    if (!SpeichernFragen()) return;
    if (format != TAltformat::Aktuell)
        Meldungen.Meldung(QString::fromUtf8(AltformatMeldung), QStringLiteral("Hinweis"),
                          MeldungsArt::Warnung);
    const QString ordner = sicherungskopie ? DesktopOrdner() : Projektpfad;
    const QString datei =
        Dateiwahl.OeffnenWaehlen({QString::fromUtf8("Projekt öffnen"),
                                  QStringLiteral("VEL-Projekte (*.pdt);;Alle Dateien (*.*)"),
                                  QStringLiteral("pdt"),
                                  ordner,
                                  {}});
    if (!datei.isEmpty()) ProjektOeffnen(datei, format);
}

void TVELWnd::ProjektOeffnen(const QString& datei, TAltformat format) {
    const TBefehlsWache wache(Dokument);
    auto neu = std::make_unique<TProjekt>();
    TLeseOptionen optionen = AltformatOptionen(format);
    optionen.LatKlBez = Programmwerte.LatKlBez;
    LayoutAusRegistry(Speicher, optionen.Layout);

    const TLeseErgebnis gelesen = ProjektLaden(datei, *neu, Meldungen, optionen);
    QString laufwerk;
    if (gelesen == TLeseErgebnis::Gelesen) {
        laufwerk = Dateiwahl.Laufwerksart(datei);
        Dokument.Ersetzen(std::move(neu), datei);
        TitelAktualisieren();
        if (ProjektPruefen(*Projekt(), Meldungen)) Dokument.Melden(TAenderung::Plan);
    } else if (gelesen != TLeseErgebnis::KeinProjekt) {
        Meldungen.Meldung(LesefehlerText(datei, gelesen, format), QStringLiteral("Fehler"),
                          MeldungsArt::Fehler);
    }
    Dokument.RueckListe().Clear();
    Eingabe->GefuehrteEingabeBeenden();
    Eingabe->StartFokus();
    if (!laufwerk.isEmpty() &&
        Meldungen.Meldung(
            QString::fromUtf8("Sie haben diese Datei von einem %1-Laufwerk eingelesen.\rEs wird "
                              "empfohlen, sie zum Bearbeiten auf Ihrer Festplatte zu speichern.\r"
                              "Möchten Sie es jetzt tun?")
                .arg(laufwerk),
            QStringLiteral("Achtung"), MeldungsArt::Frage, Knoepfe::JaNein, Antwort::Ja) == Antwort::Ja)
        PDTsaveN1Click();
}

void TVELWnd::TitelAktualisieren() {
    bool wiederhergestellt = false;
    const QString titel = Fenstertitel(Dokument.Name(), &wiederhergestellt);
    // A restored backup has not been saved as a project yet.
    if (wiederhergestellt) Dokument.AlsGeaendertMarkieren();
    if (windowTitle() != titel) setWindowTitle(titel);
}

void TVELWnd::StartProjektOeffnen() {
    const QString gefunden = GefundeneSicherung(TempOrdner);
    if (gefunden.isEmpty()) {
        if (Programmwerte.DateiLaden && !StartDatei.isEmpty() && QFileInfo::exists(StartDatei))
            ProjektOeffnen(StartDatei);
        return;
    }
    TBackUpF dialog(gefunden, this);
    connect(&dialog, &TBackUpF::HilfeAngefordert, Hilfe, &THilfeBefehle::Inhalt1Click);
    if (dialog.exec() == QDialog::Accepted)
        ProjektOeffnen(gefunden);
    else
        SicherungenLoeschen(TempOrdner);
}
