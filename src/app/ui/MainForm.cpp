#include "MainForm.h"

#include "HilfeBefehle.h"
#include "Personenmodell.h"
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
#include <QTreeWidget>

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
    ChBxLDBL->setChecked(Programmwerte.DblClickLehrer);
    connect(&Dokument, &TProjektDokument::ProjektErsetzt, this, &TVELWnd::DokumentErsetzt);
    connect(&Dokument, &TProjektDokument::Geaendert, this, &TVELWnd::DokumentGeaendert);
    connect(&Dokument, &TProjektDokument::SicherungGewuenscht, this, &TVELWnd::AutoSicherung);
    DokumentErsetzt();
}

TVELWnd::~TVELWnd() {
    if (Programmwerte.DateiLaden)
        ProgrammtextSchreiben(Speicher, QStringLiteral("StartDatei"), Dokument.Datei());
    ProgrammwertSchreiben(Speicher, QStringLiteral("DblClickLehrer"), ChBxLDBL->isChecked());
    // The lists point into the project, so they let go of it first.
    ElternModell->Fuellen({});
    LehrerModell->Fuellen({});
    TVKinder->clear();
    SicherungenLoeschen(TempOrdner);
}

void TVELWnd::ProjektErsetzen(std::unique_ptr<TProjekt> neu) {
    Dokument.Ersetzen(std::move(neu), Dokument.Datei());
}

void TVELWnd::DokumentErsetzt() {
    // The views let go of the old project's records, which the document frees afterwards.
    AktuelleFamilie = nullptr;
    AktuellesKind = nullptr;
    ElternModell->Fuellen({});
    LehrerModell->Fuellen({});
    TVKinder->clear();

    KlassenfilterFuellen();
    LehrerlisteFuellen();
    ElternlisteFuellen();
    BefehleAktualisieren();
    ListenFreigeben();
    StatusAktualisieren();
}

void TVELWnd::DokumentGeaendert(TAenderungen was) {
    StatusAktualisieren();
    BefehleAktualisieren();
    // A new plan shows in the children's requests.
    if (was.testFlag(TAenderung::Plan)) KinderbaumFuellen();
}

void TVELWnd::GruppenAnlegen() {
    const TBefehlsumgebung umgebung{
        Dokument, Meldungen, Dateiwahl, Speicher, Programmwerte, this, [this] { Hilfe->Inhalt1Click(); }};
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
    FamilienKnoepfeAktualisieren();
    ListenFreigeben();
    if (LVEltern->isEnabled())
        LVEltern->setFocus();
    else
        BtnElternHinzu->setFocus();
    if (ComboKlassen->count() < 2) KlassenfilterFuellen();
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
