// Project commands: new, open, the caption, and what happens with a leftover backup at start.
#include "MainForm.h"

#include "BackUpF.h"
#include "Dateiwahl.h"
#include "app/Sicherungsdateien.h"
#include "model/Meldung.h"
#include "model/Projektdatei.h"
#include "model/Projektoperationen.h"
#include "settings/Einstellungen.h"
#include "timeframe/ui/ZeitRahmenDlg.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The reader leaves the open project untouched on a damaged file, so the program goes on; the hint
// names the entries through which the older layouts are read.
const char* const LesefehlerMeldung =
    "Lesefehler: Vielleicht ein veraltetes Dateiformat?\rDas geöffnete Projekt bleibt unverändert.\r\r"
    "Möglicherweise haben Sie eine Chance, wenn Sie die Datei über \"Veraltetes Dateiformat öffnen\" im "
    "Menü \"Datei\" einlesen!";

const char* const AltformatMeldung =
    "Sie haben den Modus zum Öffnen eines veralteten Dateiformats eingeschaltet. Wählen Sie im Dialog zum "
    "Öffnen der Datei 'Abbrechen', wenn dies ein Versehen war und wiederholen dann den Vorgang über "
    "\"Projekt ö&ffnen...\"!\r(Eine Datei im aktuell gültigen Format wird sonst beim Einlesen einen Fehler "
    "verursachen!)";

} // namespace

void TVELWnd::PDTneu1Click() {
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

    TZeitRahmenDlg dialog(*neu, TZeitRahmenDlg::TModus::NeuesProjekt, Zeitabstand, Meldungen, this);
    if (const auto vorgabe = RahmenVorgabeLesen(Speicher))
        dialog.VorgabeSetzen(vorgabe->Abstand, vorgabe->Zeiten);
    connect(&dialog, &TZeitRahmenDlg::HilfeAngefordert, this, &TVELWnd::Inhalt1Click);
    Beschaeftigt = true;
    dialog.exec();
    Beschaeftigt = false;
    const TRahmenErgebnis& ergebnis = dialog.Ergebnis();
    if (ergebnis.RahmenErgebnis == 0) {
        AutoSicherung();
        return;
    }
    if (ergebnis.VorgabeSchreiben) {
        Zeitabstand = static_cast<uint16_t>(ergebnis.Zeitabstand);
        RahmenVorgabeSchreiben(Speicher, {ergebnis.Zeitabstand, neu->Zeittexte});
    }

    ProjektNameVorgabe = NeuerProjektName(ProjektNameVorgabe);
    Projektname = ProjektNameVorgabe;
    Projektdatei = QDir(Projektpfad).filePath(Projektname);
    ProjektErsetzen(std::move(neu));
    Geaendert = SicherungFaellig = true;
    TitelAktualisieren();
    AutoSicherung();
    GefuehrteEingabeBeenden();
    StartFokus();
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
    if (!SpeichernFragen()) return;
    if (format != TAltformat::Aktuell)
        Meldungen.Meldung(QString::fromUtf8(AltformatMeldung), QStringLiteral("Hinweis"),
                          MeldungsArt::Warnung);
    const QString ordner =
        sicherungskopie ? QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) : Projektpfad;
    const QString datei =
        Dateiwahl.OeffnenWaehlen({QString::fromUtf8("Projekt öffnen"),
                                  QStringLiteral("VEL-Projekte (*.pdt);;Alle Dateien (*.*)"),
                                  QStringLiteral("pdt"),
                                  ordner,
                                  {}});
    if (!datei.isEmpty()) ProjektOeffnen(datei, format);
}

void TVELWnd::ProjektOeffnen(const QString& datei, TAltformat format) {
    auto neu = std::make_unique<TProjekt>();
    TLeseOptionen optionen;
    optionen.OhneKindNachname = format != TAltformat::Aktuell;
    optionen.DatumAlsText = format == TAltformat::DatumAlsText;
    optionen.LatKlBez = Programmwerte.LatKlBez;
    LayoutAusRegistry(Speicher, optionen.Layout);

    const TLeseErgebnis gelesen = ProjektLaden(datei, *neu, Meldungen, optionen);
    QString laufwerk;
    if (gelesen == TLeseErgebnis::Gelesen) {
        laufwerk = Dateiwahl.Laufwerksart(datei);
        Geaendert = SicherungFaellig = false;
        Projektdatei = datei;
        Projektname = QFileInfo(datei).fileName();
        ProjektErsetzen(std::move(neu));
        TitelAktualisieren();
        if (ProjektPruefen(*Projekt, Meldungen)) Geaendert = SicherungFaellig = true;
    } else if (gelesen == TLeseErgebnis::Lesefehler) {
        Meldungen.Meldung(QString::fromUtf8(LesefehlerMeldung), QStringLiteral("Fehler"),
                          MeldungsArt::Fehler);
    }
    if (Projekt) Projekt->RueckListe.Clear();
    AutoSicherung();
    GefuehrteEingabeBeenden();
    StartFokus();
    if (!laufwerk.isEmpty() &&
        Meldungen.Meldung(
            QString::fromUtf8("Sie haben diese Datei von einem %1-Laufwerk eingelesen.\rEs wird "
                              "empfohlen, sie zum Bearbeiten auf Ihrer Festplatte zu speichern.\r"
                              "Möchten Sie es jetzt tun?")
                .arg(laufwerk),
            QStringLiteral("Achtung"), MeldungsArt::Frage, Knoepfe::JaNein, Antwort::Ja) == Antwort::Ja)
        PDTsaveN1Click();
}

void TVELWnd::GefuehrteEingabeBeenden() {
    FamilienEingabe = KindFolgt = false;
    LetzteKlasse.clear();
}

void TVELWnd::TitelAktualisieren() {
    bool wiederhergestellt = false;
    const QString titel = Fenstertitel(Projektname, &wiederhergestellt);
    // A restored backup has not been saved as a project yet.
    if (wiederhergestellt) Geaendert = true;
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
    connect(&dialog, &TBackUpF::HilfeAngefordert, this, &TVELWnd::Inhalt1Click);
    if (dialog.exec() == QDialog::Accepted)
        ProjektOeffnen(gefunden);
    else
        SicherungenLoeschen(TempOrdner);
}
