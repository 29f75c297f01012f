// The layout of the main window: families on the left, children and requests in the middle, teachers on
// the right.
#include "MainForm.h"

#include "FamilienPanel.h"
#include "KinderPanel.h"
#include "LehrerPanel.h"
#include "Listendelegate.h"
#include "Personenliste.h"
#include "ui/Kurzlabel.h"
#include "ui/Speicherbar.h"
#include "ui/Symbole.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

QPushButton* TVELWnd::Knopf(const char* text, const char* symbol, THandler handler) {
    QPushButton* knopf = Listenknopf(this, text, symbol);
    Anschliessen(knopf, handler);
    return knopf;
}

void TVELWnd::Anschliessen(QAbstractButton* knopf, THandler handler) {
    connect(knopf, &QAbstractButton::clicked, this, handler);
    MitHandler.insert(knopf);
}

void TVELWnd::FensterAufbauen() {
    MenuesAnlegen();
    WerkzeugleisteAnlegen();

    auto* mitte = new QWidget(this);
    // Created from left to right, which is the order of the Tab key.
    Familienpanel = new TFamilienPanel(Dokument, ZeitfensterPerson, mitte);
    Familienpanel->setObjectName(QStringLiteral("Familienpanel"));
    QWidget* mittelteil = MittelTeil();
    Lehrerpanel = new TLehrerPanel(Dokument, ZeitfensterPerson, mitte);
    Lehrerpanel->setObjectName(QStringLiteral("Lehrerpanel"));
    Anschliessen(Familienpanel->BtnElternHinzu, &TVELWnd::BtnElternHinzuClick);
    Anschliessen(Familienpanel->BtnLoeschE, &TVELWnd::BtnLoeschEClick);
    Anschliessen(Familienpanel->BtnEditE, &TVELWnd::BtnEditEClick);
    Anschliessen(Lehrerpanel->BtnLehrerHinzu, &TVELWnd::BtnLehrerHinzuClick);
    Anschliessen(Lehrerpanel->BtnLoeschL, &TVELWnd::BtnLoeschLClick);
    Anschliessen(Lehrerpanel->BtnEditL, &TVELWnd::BtnEditLClick);
    connect(Familienpanel, &TFamilienPanel::Gewaehlt, this, &TVELWnd::LVElternSelectItem);
    connect(Lehrerpanel->LVLehrer->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TVELWnd::LVLehrerSelectItem);
    auto* zeile = new QHBoxLayout(mitte);
    zeile->addWidget(Familienpanel, 5);
    zeile->addWidget(mittelteil, 4);
    zeile->addWidget(Lehrerpanel, 5);
    setCentralWidget(mitte);

    KontextmenuesAnlegen();
    EingabeAnschliessen();
    ZiehenAnschliessen();
    StatusleisteAnlegen();
    TimerAnlegen();
}

QWidget* TVELWnd::MittelTeil() {
    auto* teil = new QWidget(this);
    Kinderpanel = new TKinderPanel(
        Dokument, [this]() -> const TEltern* { return AktuelleFamilie(); }, ZeitfensterPerson, teil);
    Kinderpanel->setObjectName(QStringLiteral("Kinderpanel"));
    Anschliessen(Kinderpanel->BtnKindHinzu, &TVELWnd::BtnKindHinzuClick);
    Anschliessen(Kinderpanel->BtnLoeschK, &TVELWnd::BtnLoeschKClick);
    Anschliessen(Kinderpanel->BtnEditK, &TVELWnd::BtnEditKClick);
    connect(Kinderpanel, &TKinderPanel::AuswahlGeaendert, this, &TVELWnd::TVKinderChange);

    auto* gespraeche = new QGroupBox(QString::fromUtf8("Gespräche"), teil);
    LbKind = new QLabel(gespraeche);
    QFont fett = LbKind->font();
    fett.setBold(true);
    LbKind->setFont(fett);
    KuerzE = new QLineEdit(gespraeche);
    KuerzE->setEnabled(false);
    NurSpeicherbar(this, &Meldungen, {KuerzE});
    QPalette blau = KuerzE->palette();
    blau.setColor(QPalette::Text, Qt::blue);
    KuerzE->setPalette(blau);
    BtnAddG = Knopf("", "list-add", &TVELWnd::BtnAddGClick);
    BtnAddG->setToolTip(QString::fromUtf8("Gesprächswünsche hinzufügen"));
    SpBLoeG = new QToolButton(gespraeche);
    SpBLoeG->setIcon(Symbol(QStringLiteral("edit-delete")));
    SpBLoeG->setToolTip(QString::fromUtf8("Markierten Gesprächswunsch löschen"));
    SpBLoeG->setEnabled(false);
    TipBtn = new QToolButton(gespraeche);
    TipBtn->setIcon(Symbol(QStringLiteral("dialog-information")));
    TipBtn->setToolTip(QStringLiteral("Hinweise"));
    TipBtn->setEnabled(false);
    ChBxLDBL = new QCheckBox(gespraeche);
    connect(ChBxLDBL, &QCheckBox::toggled, this, [this](bool an) {
        ChBxLDBL->setText(an ? QStringLiteral("Lehrerdoppelklick ist aktiviert")
                             : QStringLiteral("Lehrerdoppelklick aktivieren"));
    });
    ChBxLDBL->setText(QStringLiteral("Lehrerdoppelklick aktivieren"));

    auto* ueber = new QHBoxLayout;
    ueber->addWidget(new QLabel(QString::fromUtf8("Gespräch über"), gespraeche));
    ueber->addWidget(LbKind, 1);
    auto* mit = new QHBoxLayout;
    mit->addWidget(new QLabel(QStringLiteral("mit"), gespraeche));
    LblKuerzel = new QLabel(QString::fromUtf8("(Kürzel)"), gespraeche);
    mit->addWidget(LblKuerzel, 1);
    auto* eingabe = new QHBoxLayout;
    eingabe->addWidget(KuerzE, 1);
    eingabe->addWidget(BtnAddG);
    eingabe->addWidget(SpBLoeG);
    eingabe->addWidget(TipBtn);
    auto* gespraechSpalte = new QVBoxLayout(gespraeche);
    LblHinzufuegen = new QLabel(QString::fromUtf8("Hinzufügen:"), gespraeche);
    gespraechSpalte->addWidget(LblHinzufuegen);
    gespraechSpalte->addLayout(ueber);
    gespraechSpalte->addLayout(mit);
    gespraechSpalte->addLayout(eingabe);
    gespraechSpalte->addWidget(ChBxLDBL);

    LblEingabetaste = new QLabel(teil);
    QPalette hinweis = LblEingabetaste->palette();
    hinweis.setColor(QPalette::WindowText, Qt::blue);
    LblEingabetaste->setPalette(hinweis);

    auto* spalte = new QVBoxLayout(teil);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(Familienpanel->Filterleiste);
    spalte->addWidget(Kinderpanel, 1);
    spalte->addWidget(gespraeche);
    spalte->addWidget(LblEingabetaste);
    return teil;
}
