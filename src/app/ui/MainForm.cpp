#include "MainForm.h"

#include "Eingabe.h"
#include "FamilienPanel.h"
#include "GespraechPanel.h"
#include "HilfeBefehle.h"
#include "KinderPanel.h"
#include "LehrerPanel.h"
#include "app/Sicherungsdateien.h"
#include "model/Meldung.h"
#include "model/Projektdatei.h"
#include "model/VELMemStream.h"
#include "scheduler/ui/TerminBefehle.h"
#include "timeframe/ui/RahmenBefehle.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

TVELWnd::TVELWnd(TMeldung& meldung, TDateiwahl& dateiwahl, TEinstellungsSpeicher& speicher, QWidget* parent)
    : QMainWindow(parent)
    , Meldungen(meldung)
    , Dateiwahl(dateiwahl)
    , Speicher(speicher) {
    setWindowTitle(QStringLiteral("VEL"));
    setMinimumSize(856, 800);
    Programmordner = QCoreApplication::applicationDirPath() + u'/';
    TempOrdner = TempOrdnerBestimmen();
    Programmwerte = ProgrammwerteLesen(Speicher, Programmordner);
    AutoAnmerkFragen = !Programmwerte.autoAnmerk;
    Projektpfad = Programmwerte.ProjektPfad;
    StartDatei = Programmwerte.StartDatei;
    ProjektSchreiber = [](const TProjekt& projekt, const QString& datei) {
        QString fehler;
        const QByteArray daten = ProjektDaten(projekt, fehler);
        return !daten.isEmpty() && DateiSchreiben(datei, daten, fehler);
    };

    GruppenAnlegen();
    FensterAufbauen();
    Gespraechpanel->ChBxLDBL->setChecked(Programmwerte.DblClickLehrer);
    connect(&Dokument, &TProjektDokument::ProjektErsetzt, this, &TVELWnd::DokumentFolgen);
    connect(&Dokument, &TProjektDokument::Geaendert, this, &TVELWnd::DokumentFolgen);
    connect(&Dokument, &TProjektDokument::SicherungGewuenscht, this, &TVELWnd::AutoSicherung);
    Eingabe->ProjektGewechselt();
    DokumentFolgen();
}

TVELWnd::~TVELWnd() {
    if (Programmwerte.DateiLaden)
        ProgrammtextSchreiben(Speicher, QStringLiteral("StartDatei"), Dokument.Datei());
    ProgrammwertSchreiben(Speicher, QStringLiteral("DblClickLehrer"), Gespraechpanel->ChBxLDBL->isChecked());
    // The tree reads from the project, so it lets go of it first.
    Kinderpanel->Loslassen();
    SicherungenLoeschen(TempOrdner);
}

void TVELWnd::ProjektErsetzen(std::unique_ptr<TProjekt> neu) {
    Dokument.Ersetzen(std::move(neu), Dokument.Datei());
}

void TVELWnd::DokumentFolgen() {
    StatusAktualisieren();
    BefehleAktualisieren();
}

TBefehlsumgebung TVELWnd::Umgebung() {
    return {Dokument, Meldungen, Dateiwahl, Speicher, Programmwerte, this, [this] { Hilfe->Inhalt1Click(); }};
}

void TVELWnd::GruppenAnlegen() {
    const TBefehlsumgebung umgebung = Umgebung();
    Hilfe = new THilfeBefehle(umgebung, Programmordner, this);
    Rahmen = new TRahmenBefehle(umgebung, this);
    Termine = new TTerminBefehle(umgebung, this);
    connect(Termine, &TTerminBefehle::Statuszeile, this,
            [this](const QString& text) { Panels[3]->setText(text); });
    connect(Termine, &TTerminBefehle::ProgrammwerteGeaendert, this, &TVELWnd::ProgrammwerteUebernehmen);
    connect(Rahmen, &TRahmenBefehle::GlobalSperrenGewuenscht, this, [this] { ZeitGlob1->trigger(); });
}

void TVELWnd::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    if (ErstmalsAngezeigt) return;
    ErstmalsAngezeigt = true;
    ErsteAnzeige();
}

void TVELWnd::ErsteAnzeige() {
    StartProjektOeffnen();
    Timer1Setzen();
    Eingabe->FamilienKnoepfeAktualisieren();
    if (Familienpanel->LVEltern->isEnabled())
        Familienpanel->LVEltern->setFocus();
    else
        Familienpanel->BtnElternHinzu->setFocus();
}

bool TVELWnd::SpeichernFragen() {
    if (Dokument.IstGeaendert()) {
        const Antwort antwort = Meldungen.Meldung(
            QString::fromUtf8(
                "Änderungen am Projekt sind noch nicht auf dem Standardlaufwerk gespeichert.\r\r"
                "Möchten jetzt speichern?"),
            QStringLiteral("Rückfrage zur Sicherung Ihrer Daten:"), MeldungsArt::Frage,
            Knoepfe::JaNeinAbbrechen, Antwort::Ja);
        if (antwort == Antwort::Abbrechen) return false;
        // A save that did not happen (its file dialog cancelled) cancels the command that asked.
        if (antwort == Antwort::Ja) {
            Speichern(TSpeicherArt::Speichern);
            if (Dokument.IstGeaendert()) return false;
        }
    }
    Dokument.RueckListe().Clear();
    return true;
}

void TVELWnd::closeEvent(QCloseEvent* ereignis) {
    if (!SpeichernFragen()) {
        ereignis->ignore();
        return;
    }
    Timer1->stop();
    QMainWindow::closeEvent(ereignis);
}

void TVELWnd::changeEvent(QEvent* ereignis) {
    QMainWindow::changeEvent(ereignis);
    // While the pop-up time window is open, it keeps the keyboard.
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow() && Zeitfenster &&
        Zeitfenster->isVisible())
        Zeitfenster->activateWindow();
}

void TVELWnd::NachVorne() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}
