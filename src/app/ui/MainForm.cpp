#include "MainForm.h"

#include "HilfeBefehle.h"
#include "Personenmodell.h"
#include "ProjektBefehle.h"
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
    Programmwerte = ProgrammwerteLesen(Speicher, Programmordner);
    AutoAnmerkFragen = !Programmwerte.autoAnmerk;

    GruppenAnlegen();
    FensterAufbauen();
    ChBxLDBL->setChecked(Programmwerte.DblClickLehrer);
    connect(&Dokument, &TProjektDokument::ProjektErsetzt, this, &TVELWnd::DokumentErsetzt);
    connect(&Dokument, &TProjektDokument::Geaendert, this, &TVELWnd::DokumentGeaendert);
    DokumentErsetzt();
}

TVELWnd::~TVELWnd() {
    Projektdateien->ProgrammEnde();
    ProgrammwertSchreiben(Speicher, QStringLiteral("DblClickLehrer"), ChBxLDBL->isChecked());
    // The lists point into the project, so they let go of it first.
    ElternModell->Fuellen({});
    LehrerModell->Fuellen({});
    TVKinder->clear();
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
    Projektdateien = new TProjektBefehle(umgebung, *Rahmen, this);
    connect(Projektdateien, &TProjektBefehle::OeffnenBeendet, this, [this] {
        GefuehrteEingabeBeenden();
        StartFokus();
    });
    // Writing the backup blocks the window, so its note is painted at once.
    connect(Projektdateien, &TProjektBefehle::Statuszeile, this, [this](const QString& text) {
        Panels[3]->setText(text);
        Panels[3]->repaint();
    });
    connect(Projektdateien, &TProjektBefehle::SicherungErledigt, this, &TVELWnd::DatumAnzeigen);
    connect(Termine, &TTerminBefehle::Statuszeile, this,
            [this](const QString& text) { Panels[3]->setText(text); });
    connect(Termine, &TTerminBefehle::ProgrammwerteGeaendert, Projektdateien,
            &TProjektBefehle::ProgrammwerteUebernehmen);
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
    Projektdateien->StartProjektOeffnen();
    Projektdateien->Timer1Setzen();
    FamilienKnoepfeAktualisieren();
    ListenFreigeben();
    if (LVEltern->isEnabled())
        LVEltern->setFocus();
    else
        BtnElternHinzu->setFocus();
    if (ComboKlassen->count() < 2) KlassenfilterFuellen();
}

void TVELWnd::GefuehrteEingabeBeenden() {
    FamilienEingabe = KindFolgt = false;
    LetzteKlasse.clear();
}

void TVELWnd::closeEvent(QCloseEvent* ereignis) {
    if (!Projektdateien->SpeichernFragen()) {
        ereignis->ignore();
        return;
    }
    // No backup after the user decided what becomes of the changes.
    Projektdateien->Timer1->stop();
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
