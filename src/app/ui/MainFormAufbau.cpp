// The layout of the main window: families on the left, children and requests in the middle, teachers on
// the right, and the data entry that works across them.
#include "MainForm.h"

#include "AnredeBefehle.h"
#include "Eingabe.h"
#include "FamilienBefehle.h"
#include "FamilienPanel.h"
#include "GespraechBefehle.h"
#include "GespraechPanel.h"
#include "KinderPanel.h"
#include "LehrerBefehle.h"
#include "LehrerPanel.h"
#include "Zeitfensteraufruf.h"
#include "Ziehen.h"
#include "exchange/ui/AustauschBefehle.h"
#include "output/ui/AnmerkBefehle.h"
#include "ui/Rollflaeche.h"

#include <QAbstractButton>
#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

template <class G> void TVELWnd::Knopf(QAbstractButton* knopf, G* gruppe, void (G::*handler)()) {
    Zeitfenster->Vorschalten(knopf);
    connect(knopf, &QAbstractButton::clicked, gruppe, handler);
    MitHandler.insert(knopf);
}

void TVELWnd::FensterAufbauen() {
    auto* mitte = new QWidget(this);
    // Created from left to right, which is the order of the Tab key.
    Familienpanel = new TFamilienPanel(Dokument, ZeitfensterPerson, mitte);
    Familienpanel->setObjectName(QStringLiteral("Familienpanel"));
    QWidget* mittelteil = MittelTeil();
    Lehrerpanel = new TLehrerPanel(Dokument, ZeitfensterPerson, mitte);
    Lehrerpanel->setObjectName(QStringLiteral("Lehrerpanel"));
    auto* zeile = new QHBoxLayout(mitte);
    zeile->addWidget(Familienpanel, 5);
    zeile->addWidget(mittelteil, 4);
    zeile->addWidget(Lehrerpanel, 5);
    // On a small screen at a high scaling the panels scroll rather than push the window off the screen.
    setCentralWidget(new TRollflaeche(mitte, this));

    EingabeAnlegen();
    MenuesAnlegen();
    WerkzeugleisteAnlegen();
    KontextmenuesAnlegen();
    Eingabe->BuElt = BuElt;
    Eingabe->BuLeh = BuLeh;
    Eingabe->AlleGLoe = AlleGLoe;
    Eingabe->AnmerkE1 = AnmerkE1;
    Eingabe->EditE1 = EditE1;
    Eingabe->HeFrFa1 = HeFrFa1;
    Eingabe->AnmerkL1 = AnmerkL1;
    Eingabe->EditL1 = EditL1;
    new TZiehen(*this, *Eingabe, *Gruppen.Gespraechbefehle); // owned by the window
    StatusleisteAnlegen();
    TimerAnlegen();
}

QWidget* TVELWnd::MittelTeil() {
    auto* teil = new QWidget(this);
    Kinderpanel = new TKinderPanel(
        Dokument, [this]() -> const TEltern* { return Familienpanel->Familie(); }, ZeitfensterPerson, teil);
    Kinderpanel->setObjectName(QStringLiteral("Kinderpanel"));
    Gespraechpanel = new TGespraechPanel(teil);
    Gespraechpanel->setObjectName(QStringLiteral("Gespraechpanel"));

    auto* spalte = new QVBoxLayout(teil);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(Familienpanel->Filterleiste);
    spalte->addWidget(Kinderpanel, 1);
    spalte->addWidget(Gespraechpanel);
    spalte->addWidget(Gespraechpanel->LblEingabetaste);
    return teil;
}

// The data entry and its three command groups, with the panels' buttons.
void TVELWnd::EingabeAnlegen() {
    Eingabe = new TEingabe(
        Dokument, Programmwerte, Familienpanel, Kinderpanel, Lehrerpanel, Gespraechpanel,
        [this](QObject* befehl, bool an) { Freigeben(befehl, an); }, this);
    const TBefehlsumgebung umgebung = Umgebung();
    Gruppen.Familienbefehle = new TFamilienBefehle(umgebung, *Eingabe, this);
    Gruppen.Lehrerbefehle = new TLehrerBefehle(umgebung, *Eingabe, this);
    Gruppen.Gespraechbefehle = new TGespraechBefehle(umgebung, *Eingabe, *Gruppen.Lehrerbefehle, this);
    Gruppen.Anreden = new TAnredeBefehle(umgebung, *Lehrerpanel, this);
    Gruppen.Austausch->AnredeEditor = [this] { Gruppen.Anreden->AnrEdit1Click(); };
    connect(Gruppen.Gespraechbefehle, &TGespraechBefehle::KindKommtMitGesetzt, Gruppen.Anmerkungen,
            &TAnmerkBefehle::KindKommtMitGesetzt);
    Gruppen.Anmerkungen->Familie = [this] { return Eingabe->AktuelleFamilie(); };
    Gruppen.Anmerkungen->Lehrkraft = [this] { return Lehrerpanel->Einer(); };
    // The menu's entry takes the person of the list that has the focus.
    Gruppen.Anmerkungen->Fokusperson = [this]() -> const TPerson* {
        if (Familienpanel->LVEltern->hasFocus()) return Eingabe->AktuelleFamilie();
        if (Lehrerpanel->LVLehrer->hasFocus()) return Lehrerpanel->Einer();
        return nullptr;
    };
    Zeitfenster = new TZeitfensterAufruf(umgebung, *Eingabe, ZeitfensterPerson, this);
    connect(Gruppen.Familienbefehle, &TFamilienBefehle::NeuesProjektGewuenscht, this, [this] {
        if (PDTneu1->isEnabled()) PDTneu1->trigger();
    });
    connect(Gruppen.Lehrerbefehle, &TLehrerBefehle::ProjektFehlt, Gruppen.Familienbefehle,
            &TFamilienBefehle::BtnElternHinzuClick);

    Knopf(Familienpanel->BtnElternHinzu, Gruppen.Familienbefehle, &TFamilienBefehle::BtnElternHinzuClick);
    Knopf(Familienpanel->BtnLoeschE, Gruppen.Familienbefehle, &TFamilienBefehle::BtnLoeschEClick);
    Knopf(Familienpanel->BtnEditE, Gruppen.Familienbefehle, &TFamilienBefehle::BtnEditEClick);
    Knopf(Kinderpanel->BtnKindHinzu, Gruppen.Familienbefehle, &TFamilienBefehle::BtnKindHinzuClick);
    Knopf(Kinderpanel->BtnLoeschK, Gruppen.Familienbefehle, &TFamilienBefehle::BtnLoeschKClick);
    Knopf(Kinderpanel->BtnEditK, Gruppen.Familienbefehle, &TFamilienBefehle::BtnEditKClick);
    Knopf(Lehrerpanel->BtnLehrerHinzu, Gruppen.Lehrerbefehle, &TLehrerBefehle::BtnLehrerHinzuClick);
    Knopf(Lehrerpanel->BtnLoeschL, Gruppen.Lehrerbefehle, &TLehrerBefehle::BtnLoeschLClick);
    Knopf(Lehrerpanel->BtnEditL, Gruppen.Lehrerbefehle, &TLehrerBefehle::BtnEditLClick);
    Knopf(Gespraechpanel->BtnAddG, Gruppen.Gespraechbefehle, &TGespraechBefehle::BtnAddGClick);
    Knopf(Gespraechpanel->SpBLoeG, Gruppen.Gespraechbefehle, &TGespraechBefehle::SpBLoeGClick);
    Knopf(Gespraechpanel->TipBtn, Gruppen.Gespraechbefehle, &TGespraechBefehle::TipBtnClick);
    Gespraechpanel->TipBtn->setEnabled(true);
}
