#include "MainForm.h"

#include "Eingabe.h"
#include "FamilienPanel.h"
#include "GespraechPanel.h"
#include "HilfeBefehle.h"
#include "KinderPanel.h"
#include "LehrerPanel.h"
#include "NeuBefehle.h"
#include "ProjektBefehle.h"
#include "TelefonBefehle.h"
#include "UpdateBefehle.h"
#include "Zeitfensteraufruf.h"
#include "editing/ui/HandBefehle.h"
#include "exchange/ui/AustauschBefehle.h"
#include "model/Projektoperationen.h"
#include "output/ui/AnmerkBefehle.h"
#include "output/ui/DruckBefehle.h"
#include "output/ui/LayoutBefehle.h"
#include "output/ui/RtfBefehle.h"
#include "output/ui/SonstigeListen.h"
#include "output/ui/UebersichtBefehle.h"
#include "output/ui/VorschauBefehle.h"
#include "rooms/ui/RaumBefehle.h"
#include "scheduler/ui/TerminBefehle.h"
#include "settings/ui/NotizBefehle.h"
#include "settings/ui/SchulBefehle.h"
#include "timeframe/ui/RahmenBefehle.h"
#include "timeframe/ui/SperrBefehle.h"
#include "timeframe/ui/UZeitSplash.h"
#include "ui/Arbeitsflaeche.h"
#include "ui/Dateiwahl.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
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
    // Where the screen is smaller, fitting it wins: the panels scroll.
    Mindestgroesse(this, QSize(856, 800));
    Programmordner = QCoreApplication::applicationDirPath() + u'/';
    // Projects belong to the user, not beside the installed program: until the options name a folder,
    // the file dialogs start in the user's documents.
    Programmwerte = ProgrammwerteLesen(Speicher, Dokumentenordner());

    GruppenAnlegen();
    FensterAufbauen();
    Gespraechpanel->ChBxLDBL->setChecked(Programmwerte.DblClickLehrer);
    connect(&Dokument, &TProjektDokument::ProjektErsetzt, this, &TVELWnd::DokumentFolgen);
    connect(&Dokument, &TProjektDokument::Geaendert, this, &TVELWnd::DokumentFolgen);
    Eingabe->ProjektGewechselt();
    DokumentFolgen();
}

TVELWnd::~TVELWnd() {
    Gruppen.Projektdateien->ProgrammEnde();
    ProgrammwertSchreiben(Speicher, QStringLiteral("DblClickLehrer"), Gespraechpanel->ChBxLDBL->isChecked());
    // The panels' lists read the document, which goes before the window's widgets: they go first.
    delete takeCentralWidget();
}

void TVELWnd::ProjektErsetzen(std::unique_ptr<TProjekt> neu) {
    Dokument.Ersetzen(std::move(neu), Dokument.Datei());
}

void TVELWnd::DokumentFolgen() {
    StatusAktualisieren();
    BefehleAktualisieren();
}

TBefehlsumgebung TVELWnd::Umgebung() {
    return {Dokument,
            Meldungen,
            Dateiwahl,
            Speicher,
            Programmwerte,
            this,
            [this] { Gruppen.Hilfe->KontextZeigen(); }};
}

void TVELWnd::GruppenAnlegen() {
    const TBefehlsumgebung umgebung = Umgebung();
    Gruppen.Hilfe = new THilfeBefehle(umgebung, Programmordner, this);
    Gruppen.Rahmen = new TRahmenBefehle(umgebung, this);
    Gruppen.Termine = new TTerminBefehle(umgebung, this);
    Gruppen.Druck = new TDruckBefehle(umgebung, this);
    Gruppen.Rtf = new TRtfBefehle(umgebung, this);
    Gruppen.Sperren = new TSperrBefehle(umgebung, this);
    Gruppen.Raeume = new TRaumBefehle(umgebung, this);
    // "Zur Raumzuordnung" ends the run; the room assignment opens once the print choice has closed.
    Gruppen.Druck->RaumkonflikteKlaeren = [this] {
        if (Gruppen.Raeume->RaumkonfliktePruefen() == 2) return true;
        QTimer::singleShot(0, Gruppen.Raeume, &TRaumBefehle::LRaumZw1Click);
        return false;
    };
    Gruppen.Uebersichten = new TUebersichtBefehle(umgebung, *Gruppen.Druck, this);
    Gruppen.Layout = new TLayoutBefehle(umgebung, *Gruppen.Druck, this);
    Gruppen.Termine->StatistikVergleichen = [this](const TPlanwerte& vorher) {
        Gruppen.Uebersichten->StatistikZeigen(&vorher);
    };
    Gruppen.Raeume->RaumlisteDrucken = [this](bool alle) { Gruppen.Uebersichten->RaumlisteDrucken(alle); };
    Gruppen.Druck->SonstigeListeZeigen = [this](int eintrag, bool alsPdf) {
        switch (eintrag) {
        case Statistikliste:
            return Gruppen.Uebersichten->StatistikZeigen();
        case Raumzuordnungsliste:
            return Gruppen.Uebersichten->UebersichtZeigen(TUebersichtArt::Raeume);
        case Anzahlenliste:
            return Gruppen.Uebersichten->UebersichtZeigen(TUebersichtArt::Anzahlen);
        case OhneTerminliste:
            return Gruppen.Uebersichten->UebersichtZeigen(TUebersichtArt::OhneTermin);
        case Genageltliste:
            return Gruppen.Uebersichten->UebersichtZeigen(TUebersichtArt::Genagelt);
        default:
            return Gruppen.Raeume->RaumplanAusgeben(alsPdf);
        }
    };
    Gruppen.Raeume->Druck = Gruppen.Druck;
    Gruppen.Hand = new THandBefehle(umgebung, *Gruppen.Raeume, this);
    // The board starts with the teacher selected when the teacher list has the focus, else the family.
    Gruppen.Hand->Vorauswahl = [this] {
        TVorauswahl wahl;
        wahl.Lehrer = Lehrerpanel->LVLehrer->hasFocus();
        wahl.Person =
            wahl.Lehrer ? static_cast<const TPerson*>(Lehrerpanel->Einer()) : Eingabe->AktuelleFamilie();
        return wahl;
    };
    Gruppen.Anmerkungen = new TAnmerkBefehle(umgebung, this);
    const auto anmerken = [this](const TPerson* person, bool eltern, QWidget* fenster) {
        Gruppen.Anmerkungen->Oeffnen(person, eltern, fenster);
    };
    Gruppen.Raeume->Anmerken = anmerken;
    Gruppen.Hand->Anmerken = anmerken;
    Gruppen.Vorschau = new TVorschauBefehle(umgebung, *Gruppen.Druck, this);
    Gruppen.Layout->Vorschau = Gruppen.Vorschau;
    Gruppen.Vorschau->Vorauswahl = [this] {
        return TVorschauAuswahl{Eingabe->AktuelleFamilie(), Lehrerpanel->Einer(),
                                Lehrerpanel->LVLehrer->hasFocus()};
    };
    Gruppen.Vorschau->PersonZeigen = [this](const TPerson* person, bool familie) {
        Eingabe->PersonZeigen(person, familie);
    };
    Gruppen.Schulbefehle = new TSchulBefehle(umgebung, this);
    Gruppen.Telefon = new TTelefonBefehle(umgebung, this);
    Gruppen.Update = new TUpdateBefehle(umgebung, this);
    Gruppen.Projektdateien = new TProjektBefehle(umgebung, *Gruppen.Rahmen, this);
    Gruppen.Sperren->SpeichernFragen = [this] { return Gruppen.Projektdateien->SpeichernFragen(); };
    Gruppen.Austausch = new TAustauschBefehle(umgebung, this);
    Gruppen.Austausch->SpeichernFragen = [this] { return Gruppen.Projektdateien->SpeichernFragen(); };
    Gruppen.Notiz = new TNotizBefehle(umgebung, this);
    connect(Gruppen.Vorschau, &TVorschauBefehle::NotizzettelVerbergen, Gruppen.Notiz,
            &TNotizBefehle::Verbergen);
    connect(Gruppen.Vorschau, &TVorschauBefehle::NotizzettelWiederherstellen, Gruppen.Notiz,
            &TNotizBefehle::Wiederherstellen);
    Gruppen.Neu = new TNeuBefehle(umgebung, *Gruppen.Projektdateien, *Gruppen.Sperren, *Gruppen.Austausch,
                                  *Gruppen.Notiz, this);
    Gruppen.Austausch->NeuerName = [this] {
        TProjektBefehle* g = Gruppen.Projektdateien;
        g->ProjektNameVorgabe = NeuerProjektName(g->ProjektNameVorgabe);
        Dokument.DateiSetzen(QDir(g->Startordner()).filePath(g->ProjektNameVorgabe));
        g->TitelAktualisieren();
    };
    connect(Gruppen.Projektdateien, &TProjektBefehle::OeffnenBeendet, this, [this] {
        Eingabe->GefuehrteEingabeBeenden();
        Eingabe->StartFokus();
    });
    // Writing the backup blocks the window, so its note is painted at once.
    connect(Gruppen.Projektdateien, &TProjektBefehle::Statuszeile, this, [this](const QString& text) {
        Panels[3]->setText(text);
        Panels[3]->repaint();
    });
    connect(Gruppen.Projektdateien, &TProjektBefehle::SicherungErledigt, this, &TVELWnd::DatumAnzeigen);
    connect(Gruppen.Termine, &TTerminBefehle::Statuszeile, this,
            [this](const QString& text) { Panels[3]->setText(text); });
    connect(Gruppen.Termine, &TTerminBefehle::ProgrammwerteGeaendert, Gruppen.Projektdateien,
            &TProjektBefehle::ProgrammwerteUebernehmen);
    // The date line shows the backup state where a backup was just written.
    connect(Gruppen.Termine, &TTerminBefehle::ProgrammwerteGeaendert, this,
            [this](const TProgrammwerte&, bool sicherungGeaendert) {
                if (sicherungGeaendert) DatumAnzeigen();
            });
    connect(Gruppen.Rahmen, &TRahmenBefehle::GlobalSperrenGewuenscht, this, [this] { ZeitGlob1->trigger(); });
    connect(Gruppen.Termine, &TTerminBefehle::LaufFertig, Gruppen.Uebersichten,
            [this] { Gruppen.Uebersichten->StatistikZeigen(); });
}

void TVELWnd::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    if (ErstmalsAngezeigt) return;
    ErstmalsAngezeigt = true;
    ErsteAnzeige();
}

void TVELWnd::ErsteAnzeige() {
    Gruppen.Projektdateien->StartProjektOeffnen();
    Gruppen.Projektdateien->Timer1Setzen();
    Gruppen.Notiz->StartAnzeigen();
    Eingabe->FamilienKnoepfeAktualisieren();
    if (Familienpanel->LVEltern->isEnabled())
        Familienpanel->LVEltern->setFocus();
    else
        Familienpanel->BtnElternHinzu->setFocus();
}

void TVELWnd::closeEvent(QCloseEvent* ereignis) {
    // Blocks made in the pop-up time window belong to the project the question is about.
    Zeitfenster->Fenster->Schliessen();
    if (!Gruppen.Projektdateien->SpeichernFragen()) {
        ereignis->ignore();
        return;
    }
    // No backup after the user decided what becomes of the changes.
    Gruppen.Projektdateien->Timer1->stop();
    QMainWindow::closeEvent(ereignis);
    // The program ends with this window, whichever of its other windows are open, such as the handbook:
    // nothing may keep the discarded project in memory for the next start to show.
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
}

void TVELWnd::changeEvent(QEvent* ereignis) {
    QMainWindow::changeEvent(ereignis);
    // While the pop-up time window is open, it keeps the keyboard.
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow() && Zeitfenster &&
        Zeitfenster->Fenster->isVisible())
        Zeitfenster->Fenster->activateWindow();
}

void TVELWnd::NachVorne() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}
