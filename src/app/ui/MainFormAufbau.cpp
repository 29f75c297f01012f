// The layout of the main window: families on the left, children and requests in the middle, teachers on
// the right.
#include "MainForm.h"

#include "Listendelegate.h"
#include "Personenmodell.h"
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
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char* const HotspotText = "Zeiten-Hotspots bei allen";

QTreeView* Personenliste(QWidget* eltern, TPersonenModell* modell, QAbstractItemView::SelectionMode auswahl) {
    auto* liste = new QTreeView(eltern);
    liste->setModel(modell);
    liste->setRootIsDecorated(false);
    liste->setItemsExpandable(false);
    liste->setUniformRowHeights(true);
    // The delegate draws the focus round the whole row itself, in the row's colours.
    liste->setAllColumnsShowFocus(false);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste->setSelectionMode(auswahl);
    liste->setTextElideMode(Qt::ElideRight);
    liste->setContextMenuPolicy(Qt::CustomContextMenu);
    liste->header()->setStretchLastSection(true);
    liste->header()->setSectionsMovable(false);
    return liste;
}

QHBoxLayout* Knopfreihe(std::initializer_list<QWidget*> knoepfe) {
    auto* reihe = new QHBoxLayout;
    for (QWidget* k : knoepfe)
        reihe->addWidget(k);
    return reihe;
}

} // namespace

QPushButton* TVELWnd::Knopf(const char* text, const char* symbol, THandler handler) {
    auto* knopf = new QPushButton(Symbol(QLatin1String(symbol)), QString::fromUtf8(text), this);
    knopf->setAutoDefault(false);
    if (handler) {
        connect(knopf, &QPushButton::clicked, this, handler);
        MitHandler.insert(knopf);
    }
    knopf->setEnabled(false);
    return knopf;
}

void TVELWnd::FensterAufbauen() {
    MenuesAnlegen();
    WerkzeugleisteAnlegen();

    auto* mitte = new QWidget(this);
    auto* zeile = new QHBoxLayout(mitte);
    zeile->addWidget(ElternTeil(), 5);
    zeile->addWidget(MittelTeil(), 4);
    zeile->addWidget(LehrerTeil(), 5);
    setCentralWidget(mitte);

    KontextmenuesAnlegen();
    EingabeAnschliessen();
    ZiehenAnschliessen();
    StatusleisteAnlegen();
    TimerAnlegen();
}

QWidget* TVELWnd::ElternTeil() {
    auto* teil = new QGroupBox(QStringLiteral("Eltern"), this);
    ElternModell = new TPersonenModell(
        {QStringLiteral("Anrede"), QStringLiteral("Elternname")},
        [](const TPerson& p, int spalte) { return spalte == 0 ? p.Anrede : p.VollName(); }, this);
    LVEltern = Personenliste(teil, ElternModell, QAbstractItemView::SingleSelection);
    LVEltern->setObjectName(QStringLiteral("LVEltern"));
    LVEltern->header()->resizeSection(0, 102);
    auto* elternDelegate =
        new TListenDelegate(LVEltern, TListenDelegate::TArt::Eltern, ElternModell, ZeitfensterPerson);
    LVEltern->setItemDelegate(elternDelegate);
    connect(LVEltern->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TVELWnd::LVElternSelectItem);

    BtnElternHinzu = Knopf("hinzu ...", "list-add", &TVELWnd::BtnElternHinzuClick);
    BtnLoeschE = Knopf("löschen ...", "edit-delete", &TVELWnd::BtnLoeschEClick);
    BtnEditE = Knopf("ändern...", "accessories-text-editor", &TVELWnd::BtnEditEClick);
    ChBhotZE = new QCheckBox(QString::fromUtf8(HotspotText), teil);
    connect(ChBhotZE, &QCheckBox::toggled, elternDelegate, &TListenDelegate::UhrenBeiAllen);

    auto* spalte = new QVBoxLayout(teil);
    spalte->addWidget(LVEltern, 1);
    spalte->addLayout(Knopfreihe({BtnElternHinzu, BtnLoeschE, BtnEditE}));
    spalte->addWidget(ChBhotZE);
    return teil;
}

QWidget* TVELWnd::MittelTeil() {
    auto* teil = new QWidget(this);
    ComboKlassen = new QComboBox(teil);
    ComboKlassen->setMaxVisibleItems(25);
    auto* klassenText = new QLabel(QStringLiteral("Ansicht auf eine Kl&asse reduzieren:"), teil);
    klassenText->setBuddy(ComboKlassen);
    connect(ComboKlassen, &QComboBox::activated, this, &TVELWnd::ComboKlassenClick);
    SuchE = new QLineEdit(teil);
    auto* suchText = new QLabel(QStringLiteral("Eltern &suchen ..."), teil);
    suchText->setBuddy(SuchE);
    NurSpeicherbar(this, nullptr, {SuchE});
    connect(SuchE, &QLineEdit::textChanged, this, &TVELWnd::SuchEChange);

    auto* kinder = new QGroupBox(QStringLiteral("Kinder"), teil);
    LbEltern = new TKurzLabel(QStringLiteral("aus welcher Familie?"), kinder);
    TVKinder = new QTreeWidget(kinder);
    TVKinder->setObjectName(QStringLiteral("TVKinder"));
    TVKinder->setHeaderHidden(true);
    TVKinder->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The rows keep the list's own selection colours, also in front of the branch lines.
    TVKinder->setSelectionBehavior(QAbstractItemView::SelectItems);
    TVKinder->setContextMenuPolicy(Qt::CustomContextMenu);
    TVKinder->setItemDelegate(
        new TListenDelegate(TVKinder, TListenDelegate::TArt::Kinder, nullptr, ZeitfensterPerson));
    connect(TVKinder, &QTreeWidget::itemSelectionChanged, this, &TVELWnd::TVKinderChange);
    connect(TVKinder, &QTreeWidget::itemExpanded, this, &TVELWnd::KindBildSetzen);
    connect(TVKinder, &QTreeWidget::itemCollapsed, this, &TVELWnd::KindBildSetzen);
    BtnKindHinzu = Knopf("hinzu ...", "list-add", &TVELWnd::BtnKindHinzuClick);
    BtnLoeschK = Knopf("löschen ...", "edit-delete", &TVELWnd::BtnLoeschKClick);
    BtnEditK = Knopf("ändern ...", "accessories-text-editor", &TVELWnd::BtnEditKClick);
    auto* kinderSpalte = new QVBoxLayout(kinder);
    kinderSpalte->addWidget(LbEltern);
    kinderSpalte->addWidget(TVKinder, 1);
    kinderSpalte->addLayout(Knopfreihe({BtnKindHinzu, BtnLoeschK, BtnEditK}));

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
    spalte->addWidget(klassenText);
    spalte->addWidget(ComboKlassen);
    spalte->addWidget(suchText);
    spalte->addWidget(SuchE);
    spalte->addWidget(kinder, 1);
    spalte->addWidget(gespraeche);
    spalte->addWidget(LblEingabetaste);
    return teil;
}

QWidget* TVELWnd::LehrerTeil() {
    auto* teil = new QGroupBox(QString::fromUtf8("Lehrkräfte"), this);
    LehrerModell = new TPersonenModell(
        {QString::fromUtf8("Kürzel"), QStringLiteral("Anrede"), QStringLiteral("Name")},
        [](const TPerson& p, int spalte) -> QString {
            const auto& l = static_cast<const TLehrer&>(p);
            if (spalte == 0) return l.Kuerzel;
            if (spalte == 1) return l.Anrede;
            QString name;
            for (const QString& teil : {l.AkadTitel, l.Zusatz})
                if (!teil.isEmpty()) name += teil + u' ';
            return name + l.Name;
        },
        this);
    LVLehrer = Personenliste(teil, LehrerModell, QAbstractItemView::ExtendedSelection);
    LVLehrer->setObjectName(QStringLiteral("LVLehrer"));
    LVLehrer->header()->resizeSection(0, 70);
    LVLehrer->header()->resizeSection(1, 54);
    auto* lehrerDelegate =
        new TListenDelegate(LVLehrer, TListenDelegate::TArt::Lehrer, LehrerModell, ZeitfensterPerson);
    LVLehrer->setItemDelegate(lehrerDelegate);
    connect(LVLehrer->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TVELWnd::LVLehrerSelectItem);

    BtnLehrerHinzu = Knopf("hinzu ...", "list-add", &TVELWnd::BtnLehrerHinzuClick);
    BtnLoeschL = Knopf("löschen ...", "edit-delete", &TVELWnd::BtnLoeschLClick);
    BtnEditL = Knopf("ändern ...", "accessories-text-editor", &TVELWnd::BtnEditLClick);
    ChBhotZL = new QCheckBox(QString::fromUtf8(HotspotText), teil);
    connect(ChBhotZL, &QCheckBox::toggled, lehrerDelegate, &TListenDelegate::UhrenBeiAllen);

    auto* spalte = new QVBoxLayout(teil);
    spalte->addWidget(LVLehrer, 1);
    spalte->addLayout(Knopfreihe({BtnLehrerHinzu, BtnLoeschL, BtnEditL}));
    spalte->addWidget(ChBhotZL);
    return teil;
}
