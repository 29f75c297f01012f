#include "UVerschieb.h"

#include "CheckNumDlg.h"
#include "UFarben.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "output/Gespraechsliste.h"
#include "scheduler/Termin.h"
#include "ui/Hilfekontext.h"
#include "ui/Zeilenhoehe.h"
#include "ui/Ziehzeiger.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace {

constexpr int MarkeRolle = Qt::UserRole;
// The rows' texts keep this distance from the edges of their cells.
constexpr int Textrand = 2;

// Tool tips break their lines with "\n" where the texts use "\r".
QString Hinweis(QString text) {
    return text.replace(u'\r', u'\n');
}

QString Hinweis(const char* text) {
    return Hinweis(QString::fromUtf8(text));
}

// Draws the rows as the board wants them: its own selection colours, the nail and the drop markers.
class TZeilenzeichner : public TZeilenDelegate {
public:
    TZeilenzeichner(TFVerschieb& board, QTreeWidget* tabelle, bool eltern)
        : TZeilenDelegate(tabelle)
        , Board(board)
        , Tabelle(tabelle)
        , Eltern(eltern) {}

    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const int zeile = index.row();
        const uint16_t marke = TFVerschieb::Marke(Tabelle, zeile);
        const bool gewaehlt = option.state & QStyle::State_Selected;
        const bool fokus = Tabelle->hasFocus();
        const bool slotzeile = zeile < Board.Slotzeilen();
        const bool zug = Board.Zug == TFVerschieb::TZug::Ziehen || Board.Zug == TFVerschieb::TZug::Tastatur;
        const bool hier = zug && Board.ZugTabelle == Tabelle;

        QColor grund = Eltern ? QColor(0xFA, 0xF7, 0xEF) : QColor(0xF0, 0xF9, 0xFF);
        if (hier && zeile == Board.AufgenommeneZeile)
            grund = QColor(0x00, 0x00, 0xFF);
        else if (hier && zeile == Board.ZielZeile)
            grund = QColor(0xE0, 0xE0, 0xE0);
        else if (hier && gewaehlt)
            grund = QColor(0xD0, 0xD0, 0xD0);
        else if (gewaehlt && !fokus)
            grund = QColor(0x77, 0xCC, 0xFF);
        else if (gewaehlt)
            grund = slotzeile && marke < Zeilenmarke::Hinweis ? QColor(0x33, 0x99, 0xFF)
                                                              : QColor(0x33, 0x77, 0xFF);
        maler->fillRect(option.rect, grund);

        const bool weiss = (gewaehlt && fokus && !hier) || (hier && zeile == Board.AufgenommeneZeile);
        QColor schrift = weiss ? Qt::white : Qt::black;
        if (marke == Zeilenmarke::Hinweis)
            schrift = gewaehlt ? Qt::white : QColor(0x00, 0x77, 0x00);
        else if (!gewaehlt && zeile == Board.Slotzeilen())
            schrift = QColor(0xC0, 0x00, 0x00);

        QRect rect = option.rect.adjusted(Textrand, 0, -Textrand, 0);
        if (index.column() == 2) {
            rect.setLeft(rect.left() + 12);
            const int mitte = option.rect.center().y();
            if (marke & Zeilenmarke::Genagelt) {
                const QColor nagel = gewaehlt && fokus ? QColor(Qt::yellow) : QColor(0x00, 0x00, 0xFF);
                maler->fillRect(QRect(rect.left() - 4, option.rect.top() + 2, 2, option.rect.height() - 4),
                                nagel);
                maler->fillRect(QRect(rect.left() - 12, mitte, 8, 1), nagel);
            }
            if (hier) Zielmarke(maler, option.rect, zeile, marke);
        }
        maler->setPen(schrift);
        maler->setFont(option.font);
        const QString text = index.data().toString();
        const Qt::Alignment ausrichtung =
            Qt::AlignVCenter | (text == QStringLiteral("ohne ") ? Qt::AlignRight : Qt::AlignLeft);
        maler->drawText(rect, ausrichtung | Qt::TextSingleLine,
                        option.fontMetrics.elidedText(text, Qt::ElideRight, rect.width()));
        if (option.state & QStyle::State_HasFocus && fokus && index.column() == 0) {
            QRect ganz = option.rect;
            ganz.setRight(Tabelle->viewport()->width());
            maler->setPen(QPen(Qt::DotLine));
            maler->drawRect(ganz.adjusted(0, 0, -1, -1));
        }
    }

private:
    void Zielmarke(QPainter* maler, const QRect& zelle, int zeile, uint16_t marke) const {
        const TAufnahme& a = Board.Aufnahme;
        if (!a.Gespraech) return;
        QColor farbe;
        if (zeile >= Board.Slotzeilen()) {
            if (a.Gespraech->Termin < 0) return;
            farbe = Board.FarbeNicht;
        } else {
            if (marke != Zeilenmarke::Leer) return;
            const TZielart art = ZielPruefen(*Board.Aufnahme.Gespraech->Eltern()->Projekt, a, zeile, -1);
            if (art == TZielart::Frei)
                farbe = Board.FarbeFrei;
            else if (art == TZielart::Pause)
                farbe = Board.FarbePause;
            else
                return;
        }
        const int seite = zelle.height() - 6;
        maler->fillRect(QRect(zelle.left() + 1, zelle.top() + 3, seite, seite), farbe);
    }

    TFVerschieb& Board;
    QTreeWidget* Tabelle;
    bool Eltern;
};

QTreeWidget* NeueTabelle(const QStringList& spalten) {
    auto* t = new QTreeWidget;
    t->setRootIsDecorated(false);
    t->setUniformRowHeights(true);
    t->setHeaderLabels(spalten);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setContextMenuPolicy(Qt::CustomContextMenu);
    t->header()->setStretchLastSection(false);
    t->header()->setSectionResizeMode(QHeaderView::Fixed);
    return t;
}

// The day and time columns are 45 pixels wide, or wider where the board's font needs it for a text.
int Inhaltsbreite(const QTreeWidget* t, int spalte) {
    const QFontMetrics fm(t->font());
    int breite = std::max(45, t->header()->sectionSizeHint(spalte));
    for (int i = 0; i < t->topLevelItemCount(); ++i)
        breite = std::max(breite, fm.horizontalAdvance(t->topLevelItem(i)->text(spalte)) + 2 * Textrand);
    return breite;
}

QPushButton* Knopf(const QString& text, const char* hinweis) {
    auto* b = new QPushButton(text);
    b->setAutoDefault(false);
    if (hinweis) b->setToolTip(Hinweis(hinweis));
    return b;
}

} // namespace

TFVerschieb::TFVerschieb(TProjektDokument& dokument, TMeldung& meldung, QWidget* eltern)
    : QDialog(eltern)
    , Dokument(dokument)
    , Meldungen(meldung) {
    HilfekontextSetzen(this, Hilfekontext::Handbearbeitung);
    setWindowTitle(QString::fromUtf8("VEL - Gespräche von Hand verschieben"));
    setModal(true);

    Label1 = new QLabel(QString::fromUtf8("Gesprächstabelle der &Eltern"));
    CombE = new QComboBox;
    LVE = NeueTabelle({QStringLiteral("Tag"), QStringLiteral("Zeit"), QStringLiteral("Lehrkraft"),
                       QStringLiteral("Kind"), QStringLiteral("Raum"), QStringLiteral("N")});
    Label1->setBuddy(CombE);
    Label2 = new QLabel(QString::fromUtf8("Gesprächstabelle der &Lehrkraft"));
    CombL = new QComboBox;
    LVL = NeueTabelle({QStringLiteral("Tag"), QStringLiteral("Zeit"), QStringLiteral("Eltern"),
                       QStringLiteral("Kind"), QStringLiteral("N")});
    Label2->setBuddy(CombL);
    // Below the last row the table keeps its colour.
    for (auto [t, farbe] :
         {std::pair{LVE, QColor(0xFA, 0xF7, 0xEF)}, std::pair{LVL, QColor(0xF0, 0xF9, 0xFF)}}) {
        QPalette palette = t->palette();
        palette.setColor(QPalette::Base, farbe);
        t->setPalette(palette);
    }
    LVE->setItemDelegate(new TZeilenzeichner(*this, LVE, true));
    LVL->setItemDelegate(new TZeilenzeichner(*this, LVL, false));

    Label3 = new QLabel(QString::fromUtf8("Termine\nverschieben,\n\nNägel und\nSperrungen\nändern"));
    Label3->setAutoFillBackground(true);
    Label3->setStyleSheet(QStringLiteral("background: navy; color: white; padding: 4px"));
    BtnX = Knopf(QStringLiteral("X"), "Schließen (F5)");
    BtnHoehe = Knopf(QStringLiteral("1"), "Höhe dem Bildschirm anpassen (F4)\r(Taskleiste verdecken)");
    BtnZurueck = Knopf(QString::fromUtf8("rückgängig"), nullptr);
    BtnVor = Knopf(QStringLiteral("wiederherstellen"), nullptr);
    ChBRueckfrage = new QCheckBox(QString::fromUtf8("Rückfrage"));
    ChBRueckfrage->setChecked(true);
    ChBRueckfrage->setToolTip(Hinweis("Rückfrage (mit Info) bei\rrückgängig/wiederherstellen\r(Strg-r)"));
    BtnNagel = Knopf(QStringLiteral("Nagel"), "Nagel setzen (Strg-n)");
    BtnZange = Knopf(QStringLiteral("Zange"), "Nagel ziehen (Strg-k)");
    BtnTipp = Knopf(QStringLiteral("Tipp"), "Tipp");
    BtnSchliessen = Knopf(QString::fromUtf8("Schließen"), "Schließen (F5)");
    for (QPushButton* b : {BtnX, BtnHoehe, BtnTipp})
        b->setFixedWidth(28);
    BtnTipp->setFixedWidth(QWIDGETSIZE_MAX);
    BtnTipp->setText(QStringLiteral("?"));

    auto* spalteE = new QVBoxLayout;
    spalteE->addWidget(Label1);
    spalteE->addWidget(CombE);
    spalteE->addWidget(LVE, 1);
    auto* spalteL = new QVBoxLayout;
    spalteL->addWidget(Label2);
    spalteL->addWidget(CombL);
    spalteL->addWidget(LVL, 1);
    auto* klein = new QHBoxLayout;
    klein->addWidget(BtnX);
    klein->addWidget(BtnHoehe);
    auto* steuer = new QVBoxLayout;
    steuer->addLayout(klein);
    steuer->addWidget(Label3);
    steuer->addSpacing(12);
    steuer->addWidget(BtnZurueck);
    steuer->addWidget(BtnVor);
    steuer->addWidget(ChBRueckfrage);
    steuer->addSpacing(12);
    steuer->addWidget(BtnNagel);
    steuer->addWidget(BtnZange);
    steuer->addStretch(1);
    steuer->addWidget(BtnTipp);
    steuer->addWidget(BtnSchliessen);
    auto* aussen = new QHBoxLayout(this);
    aussen->addLayout(spalteE);
    aussen->addLayout(spalteL);
    auto* steuerfeld = new QWidget;
    steuerfeld->setLayout(steuer);
    steuerfeld->setFixedWidth(130);
    steuer->setContentsMargins(0, 0, 0, 0);
    steuerfeld->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(steuerfeld, &QWidget::customContextMenuRequested, this,
            [this, steuerfeld](const QPoint& ort) { MenueZeigen(steuerfeld->mapToGlobal(ort)); });
    aussen->addWidget(steuerfeld);
    aussen->addStretch(1);
    aussen->setContentsMargins(4, 4, 4, 4);
    aussen->setSpacing(4);

    PopupMenu = new QMenu(this);

    connect(CombE, &QComboBox::activated, this, &TFVerschieb::CombEChange);
    connect(CombL, &QComboBox::activated, this, &TFVerschieb::CombLChange);
    for (QTreeWidget* t : {LVE, LVL}) {
        connect(t, &QTreeWidget::itemSelectionChanged, this, [this, t] { LVSelectItem(t); });
        connect(t, &QWidget::customContextMenuRequested, this,
                [this, t](const QPoint& ort) { MenueZeigen(t->viewport()->mapToGlobal(ort)); });
        t->installEventFilter(this);
        t->viewport()->installEventFilter(this);
        t->viewport()->setMouseTracking(true);
    }
    Label3->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Label3, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& ort) { MenueZeigen(Label3->mapToGlobal(ort)); });
    connect(BtnX, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnSchliessen, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnZurueck, &QPushButton::clicked, this, &TFVerschieb::BtnZurueckClick);
    connect(BtnVor, &QPushButton::clicked, this, &TFVerschieb::BtnVorClick);
    connect(BtnNagel, &QPushButton::clicked, this, &TFVerschieb::BtnNagelClick);
    connect(BtnZange, &QPushButton::clicked, this, &TFVerschieb::BtnZangeClick);
    connect(BtnHoehe, &QPushButton::clicked, this, &TFVerschieb::BtnHoeheClick);
    connect(BtnTipp, &QPushButton::clicked, this, &TFVerschieb::BtnTippClick);

    // The window's keys reach it from every control, also where the platform does not activate it.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);

    Rollzeit.setInterval(100);
    connect(&Rollzeit, &QTimer::timeout, this, &TFVerschieb::Rollen);
}

uint16_t TFVerschieb::Marke(const QTreeWidget* tabelle, int zeile) {
    QTreeWidgetItem* item = zeile >= 0 ? tabelle->topLevelItem(zeile) : nullptr;
    return item ? static_cast<uint16_t>(item->data(0, MarkeRolle).toUInt()) : Zeilenmarke::Hinweis;
}

void TFVerschieb::Vorbereiten(const TPerson* person, bool lehrerSeite) {
    TProjekt& p = *Dokument.Projekt();
    Zug = TZug::Keiner;
    Aufnahme = {};
    p.ZaehleGespraeche();
    p.BelegungMarkieren();
    TTerminierung(p).UnmoeglicheBestimmen();
    K = AktiveSlots(p);

    Aktualisierung = true;
    Familien.clear();
    Lehrkraefte.clear();
    CombE->clear();
    CombL->clear();
    for (const auto& e : p.Elternliste)
        if (e->Zaehler != 0) {
            Familien.push_back(e.get());
            CombE->addItem(e->Name);
        }
    for (const auto& l : p.Lehrerliste)
        if (l->Zaehler != 0) {
            Lehrkraefte.push_back(l.get());
            CombL->addItem(QStringLiteral("%1 (%2)").arg(l->Name, l->Kuerzel));
        }
    CombE->setCurrentIndex(-1);
    CombL->setCurrentIndex(-1);
    LVE->clear();
    LVL->clear();
    Aktualisierung = false;

    FamilienAktiv = !lehrerSeite;
    int index = 0;
    if (lehrerSeite) {
        const auto it = std::find(Lehrkraefte.begin(), Lehrkraefte.end(), person);
        if (it != Lehrkraefte.end()) index = static_cast<int>(it - Lehrkraefte.begin());
    } else {
        const auto it = std::find(Familien.begin(), Familien.end(), person);
        if (it != Familien.end()) index = static_cast<int>(it - Familien.begin());
    }
    PersonWaehlen(!lehrerSeite, index);
    AktiveTabelle()->setFocus();
    KnoepfeAktualisieren();

    Platzieren();
}

void TFVerschieb::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    SpaltenBreiten(LVE);
    SpaltenBreiten(LVL);
}

void TFVerschieb::SpaltenBreiten(QTreeWidget* t) {
    const TProjekt* p = Dokument.Projekt();
    const int n = p && (p->Listenlayout.MitNummer & 1) ? 20 * logicalDpiX() / 96 : 0;
    const int tag = Inhaltsbreite(t, 0);
    const int zeit = Inhaltsbreite(t, 1);
    int rest = t->viewport()->width() - tag - zeit - n;
    t->setColumnWidth(0, tag);
    t->setColumnWidth(1, zeit);
    if (t == LVE) {
        const int raum = rest / 4;
        rest -= raum;
        const int kind = rest / 2;
        t->setColumnWidth(2, rest - kind);
        t->setColumnWidth(3, kind);
        t->setColumnWidth(4, raum);
        t->setColumnWidth(5, n);
    } else {
        const int kind = rest / 2;
        t->setColumnWidth(2, rest - kind);
        t->setColumnWidth(3, kind);
        t->setColumnWidth(4, n);
    }
}

void TFVerschieb::CombEChange(int index) {
    PersonWaehlen(true, index);
    // A long table is worked with the keyboard at once.
    if (LVE->verticalScrollBar()->maximum() > 0) LVE->setFocus();
}

void TFVerschieb::CombLChange(int index) {
    PersonWaehlen(false, index);
    if (LVL->verticalScrollBar()->maximum() > 0) LVL->setFocus();
}

void TFVerschieb::PersonWaehlen(bool eltern, int index) {
    QComboBox* box = eltern ? CombE : CombL;
    if (index < 0 || index >= box->count()) return;
    FamilienAktiv = eltern;
    Aktualisierung = true;
    box->setCurrentIndex(index);
    (eltern ? CombL : CombE)->setCurrentIndex(-1);
    Andere(AktiveTabelle())->clear();
    Aktualisierung = false;
    TabelleFuellen(AktiveTabelle(), GezeigtePerson(AktiveTabelle()));
    KnoepfeAktualisieren();
}

void TFVerschieb::NaechstePerson(int schritt) {
    QComboBox* box = FamilienAktiv ? CombE : CombL;
    const int index = box->currentIndex() + schritt;
    if (box->currentIndex() < 0 || index < 0 || index >= box->count()) return;
    PersonWaehlen(FamilienAktiv, index);
}

void TFVerschieb::SeiteBenutzt(bool eltern) {
    if (FamilienAktiv == eltern) return;
    FamilienAktiv = eltern;
    KnoepfeAktualisieren();
}

void TFVerschieb::TabelleFuellen(QTreeWidget* tabelle, const TPerson* person) {
    const bool warAktualisierung = Aktualisierung;
    Aktualisierung = true;
    tabelle->clear();
    if (person) {
        TAnsichtZeilen zeilen;
        ListeZusammenstellen(*Dokument.Projekt(), {person, tabelle == LVE, false}, zeilen);
        QList<QTreeWidgetItem*> items;
        for (const TAnsichtZeile& z : zeilen) {
            auto* item = new QTreeWidgetItem(QStringList{z.Titel} + z.Spalten);
            item->setData(0, MarkeRolle, z.Marke);
            items << item;
        }
        tabelle->addTopLevelItems(items);
    }
    SpaltenBreiten(tabelle);
    Aktualisierung = warAktualisierung;
}

QTreeWidget* TFVerschieb::AktiveTabelle() const {
    return FamilienAktiv ? LVE : LVL;
}

QTreeWidget* TFVerschieb::Andere(const QTreeWidget* tabelle) const {
    return tabelle == LVE ? LVL : LVE;
}

const TPerson* TFVerschieb::GezeigtePerson(const QTreeWidget* tabelle) const {
    if (tabelle == LVE) {
        const int i = CombE->currentIndex();
        return i >= 0 && i < static_cast<int>(Familien.size()) ? Familien[static_cast<size_t>(i)] : nullptr;
    }
    const int i = CombL->currentIndex();
    return i >= 0 && i < static_cast<int>(Lehrkraefte.size()) ? Lehrkraefte[static_cast<size_t>(i)] : nullptr;
}

int TFVerschieb::GewaehlteZeile(const QTreeWidget* tabelle) const {
    const QList<QTreeWidgetItem*> gewaehlt = tabelle->selectedItems();
    return gewaehlt.isEmpty() ? -1 : tabelle->indexOfTopLevelItem(gewaehlt.first());
}

void TFVerschieb::ZeileWaehlen(QTreeWidget* tabelle, int zeile) {
    QTreeWidgetItem* item = tabelle->topLevelItem(zeile);
    if (!item) return;
    tabelle->setCurrentItem(item);
    item->setSelected(true);
    tabelle->scrollToItem(item);
}

TGespraech* TFVerschieb::GespraechInZeile(const QTreeWidget* tabelle, int zeile) const {
    const uint16_t marke = Marke(tabelle, zeile) & 0x7FFF;
    if (marke < 1 || marke > 32765) return nullptr;
    return Dokument.Projekt()->Gespraechsliste.FindeNummer(marke);
}

int TFVerschieb::GespraechZeile(const QTreeWidget* tabelle, int nummer) const {
    for (int z = 0; z < tabelle->topLevelItemCount(); ++z)
        if ((Marke(tabelle, z) & 0x7FFF) == nummer && Marke(tabelle, z) != Zeilenmarke::Hinweis) return z;
    return -1;
}

void TFVerschieb::LVSelectItem(QTreeWidget* tabelle) {
    if (Aktualisierung || Zug == TZug::Tastatur) return;
    const int zeile = GewaehlteZeile(tabelle);
    if (zeile < 0) {
        KnoepfeAktualisieren();
        return;
    }
    FamilienAktiv = tabelle == LVE;
    QTreeWidget* andere = Andere(tabelle);
    QComboBox* box = tabelle == LVE ? CombL : CombE;
    Aktualisierung = true;
    const TGespraech* g = GespraechInZeile(tabelle, zeile);
    if (g) {
        int index = -1;
        if (tabelle == LVE) {
            const auto it = std::find(Lehrkraefte.begin(), Lehrkraefte.end(), g->Lehrer);
            if (it != Lehrkraefte.end()) index = static_cast<int>(it - Lehrkraefte.begin());
        } else {
            const auto it = std::find(Familien.begin(), Familien.end(), g->Eltern());
            if (it != Familien.end()) index = static_cast<int>(it - Familien.begin());
        }
        box->setCurrentIndex(index);
        TabelleFuellen(andere, GezeigtePerson(andere));
        ZeileWaehlen(andere, GespraechZeile(andere, g->Nummer));
    } else {
        box->setCurrentIndex(-1);
        andere->clear();
    }
    Aktualisierung = false;
    KnoepfeAktualisieren();
}

void TFVerschieb::KnoepfeAktualisieren() {
    const TProjekt* p = Dokument.Projekt();
    const TRueckCollection& rueck = Dokument.RueckListe();
    BtnZurueck->setEnabled(rueck.Position > 0);
    BtnVor->setEnabled(rueck.Position < rueck.Count());
    BtnZurueck->setToolTip(
        BtnZurueck->isEnabled() ? Hinweis(EintragBeschreiben(*p, rueck, rueck.Position - 1, -1)) : QString());
    BtnVor->setToolTip(BtnVor->isEnabled() ? Hinweis(EintragBeschreiben(*p, rueck, rueck.Position, 1))
                                           : QString());
    const QTreeWidget* t = AktiveTabelle();
    const int zeile = GewaehlteZeile(t);
    const uint16_t marke = Marke(t, zeile);
    BtnNagel->setEnabled(zeile >= 0 && marke < 32766);
    BtnZange->setEnabled(zeile >= 0 && (marke & Zeilenmarke::Genagelt));
}

void TFVerschieb::Geaendert() {
    TProjekt& p = *Dokument.Projekt();
    p.ZaehleGespraeche();
    p.BelegungMarkieren();
    Dokument.Melden(TAenderung::Plan | TAenderung::Zeiten);
}

void TFVerschieb::BtnNagelClick() {
    NagelAktion(true);
}

void TFVerschieb::BtnZangeClick() {
    NagelAktion(false);
}

void TFVerschieb::NagelAktion(bool setzen) {
    QTreeWidget* t = AktiveTabelle();
    const int zeile = GewaehlteZeile(t);
    const uint16_t marke = Marke(t, zeile);
    if (zeile < 0 || (setzen ? marke >= 32766 : !(marke & Zeilenmarke::Genagelt))) return;
    const TBefehlsWache wache(Dokument);
    TProjekt& p = *Dokument.Projekt();
    if (TGespraech* g = GespraechInZeile(t, zeile)) {
        NagelUmschalten(Dokument.RueckListe(), *g);
        for (QTreeWidget* tabelle : {LVE, LVL}) {
            const int z = GespraechZeile(tabelle, g->Nummer);
            if (z >= 0)
                tabelle->topLevelItem(z)->setData(0, MarkeRolle, Marke(tabelle, z) ^ Zeilenmarke::Genagelt);
            tabelle->viewport()->update();
        }
    } else {
        auto* person = const_cast<TPerson*>(GezeigtePerson(t));
        if (!person || !SlotUmschalten(p, Dokument.RueckListe(), *person, t == LVE, ZeileZuSlot(p, zeile)))
            return;
        TabelleFuellen(t, person);
        Aktualisierung = true;
        ZeileWaehlen(t, zeile);
        Aktualisierung = false;
    }
    Geaendert();
    KnoepfeAktualisieren();
}

void TFVerschieb::PersonZeigen(bool eltern, const TPerson* person, int zeile) {
    const int index =
        eltern ? static_cast<int>(std::find(Familien.begin(), Familien.end(), person) - Familien.begin())
               : static_cast<int>(std::find(Lehrkraefte.begin(), Lehrkraefte.end(), person) -
                                  Lehrkraefte.begin());
    if (index >= (eltern ? static_cast<int>(Familien.size()) : static_cast<int>(Lehrkraefte.size()))) return;
    PersonWaehlen(eltern, index);
    QTreeWidget* t = eltern ? LVE : LVL;
    if (zeile >= 0) {
        t->clearSelection();
        ZeileWaehlen(t, zeile);
    }
}

void TFVerschieb::GespraechZeigen(const TGespraech& g, bool eltern) {
    PersonZeigen(eltern, eltern ? static_cast<const TPerson*>(g.Eltern()) : g.Lehrer, -1);
    QTreeWidget* t = eltern ? LVE : LVL;
    t->clearSelection();
    ZeileWaehlen(t, GespraechZeile(t, g.Nummer));
}

void TFVerschieb::Spulen(int richtung) {
    TProjekt& p = *Dokument.Projekt();
    TRueckCollection& rueck = Dokument.RueckListe();
    const TRueckgEintrag* e = AnstehenderEintrag(rueck, richtung);
    if (!e) return;
    const TBefehlsWache wache(Dokument);
    if (!EintragAusfuehrbar(p, *e)) {
        Meldungen.Meldung(QString::fromUtf8("Dieser Schritt lässt sich nicht mehr ausführen, weil der Plan "
                                            "inzwischen an anderer Stelle geändert wurde.\rDie Liste der "
                                            "Bearbeitungsschritte wird geleert."),
                          QStringLiteral("Hinweis"), MeldungsArt::Information);
        RueckListeLeeren(rueck);
        KnoepfeAktualisieren();
        return;
    }
    const uint8_t art = e->Art;
    TGespraech* g = ZielGespraech(p, *e);
    TPerson* person = ZielPerson(p, *e);
    const int slot = e->Wert;
    const bool eltern = art == TRueckgEintrag::ElternSperre || (g && FamilienAktiv);
    auto zeigen = [&] {
        if (g) {
            GespraechZeigen(*g, eltern);
        } else if (!person) {
            // A change of the whole plan has no one place to show.
        } else if (GezeigtePerson(eltern ? LVE : LVL) != person) {
            PersonZeigen(eltern, person, SlotZuZeile(p, slot));
        } else {
            QTreeWidget* t = eltern ? LVE : LVL;
            TabelleFuellen(t, person);
            FamilienAktiv = eltern;
            t->clearSelection();
            ZeileWaehlen(t, SlotZuZeile(p, slot));
        }
    };
    zeigen();
    if (ChBRueckfrage->isChecked()) {
        const TRueckfrage frage = RueckfrageText(p, *e, richtung);
        if (Meldungen.Meldung(frage.Text, frage.Titel, MeldungsArt::Frage, Knoepfe::JaNein, Antwort::Ja) !=
            Antwort::Ja)
            return;
    }
    Zurueckspulen(p, rueck, richtung);
    if (g) {
        GespraechZeigen(*g, eltern);
    } else if (!person) {
        for (QTreeWidget* t : {LVE, LVL})
            TabelleFuellen(t, GezeigtePerson(t));
    } else {
        QTreeWidget* t = eltern ? LVE : LVL;
        TabelleFuellen(t, person);
        FamilienAktiv = eltern;
        ZeileWaehlen(t, SlotZuZeile(p, slot));
    }
    Geaendert();
    KnoepfeAktualisieren();
    if ((richtung < 0 && rueck.Position == 0) || (richtung > 0 && rueck.Position == rueck.Count()))
        BtnSchliessen->setFocus();
}

void TFVerschieb::TabelleAnsteuern(bool eltern) {
    QComboBox* box = eltern ? CombE : CombL;
    QTreeWidget* t = eltern ? LVE : LVL;
    if (box->currentIndex() < 0) {
        if (box->count() == 0) return;
        PersonWaehlen(eltern, 0);
    }
    // The table may have the focus already, so its focus event cannot be relied on.
    SeiteBenutzt(eltern);
    t->setFocus();
    if (GewaehlteZeile(t) < 0 && t->topLevelItemCount() > 0) {
        QTreeWidgetItem* oben = t->itemAt(0, 1);
        QTreeWidgetItem* unten = t->itemAt(0, t->viewport()->height() - 2);
        const int a = oben ? t->indexOfTopLevelItem(oben) : 0;
        const int b = unten ? t->indexOfTopLevelItem(unten) : t->topLevelItemCount() - 1;
        ZeileWaehlen(t, (a + b) / 2);
    }
}

void TFVerschieb::BtnHoeheClick() {
    VolleHoehe = !VolleHoehe;
    BtnHoehe->setText(VolleHoehe ? QStringLiteral("2") : QStringLiteral("1"));
    BtnHoehe->setToolTip(VolleHoehe ? Hinweis("Höhe der Arbeitsfläche anpassen (F4)")
                                    : Hinweis("Höhe dem Bildschirm anpassen (F4)\r(Taskleiste verdecken)"));
    ObenBleiben(VolleHoehe);
    Platzieren();
}

void TFVerschieb::ObenBleiben(bool an) {
    // Changing the widget's flags would hide the board and end its modal loop; the platform window's
    // flag changes in place.
    if (QWindow* fenster = windowHandle())
        fenster->setFlag(Qt::WindowStaysOnTopHint, an);
    else
        setWindowFlag(Qt::WindowStaysOnTopHint, an);
}

void TFVerschieb::BtnTippClick() {
    Meldungen.Meldung(
        QString::fromUtf8(
            "Maus:\rVerschieben Sie den Termin mit gedrückter linker Maustaste.\r(Abbruch: Loslassen bei "
            "ungültigem Ziel oder ESC)\r\rTastatur:\rMarkieren Sie den Termin.\rStarten Sie das Verschieben "
            "mit F12 oder Strg-m.\rWählen Sie das Ziel mit den Pfeiltasten AUF/AB.\rMit F12 oder "
            "EINGABE-Taste setzen Sie das Gespräch an den Zielplatz.\r(Abbruch mit ESC)\r\rInfo zu weiteren "
            "Tastenkürzeln: Klicken Sie OK, tippen Sie dann F1."),
        QStringLiteral("Termin verschieben"), MeldungsArt::Information);
}

void TFVerschieb::MenueZeigen(const QPoint& ort) {
    if (Zug != TZug::Keiner) {
        // A right press during a move cancels it.
        ZugAbbrechen();
        return;
    }
    PopupMenu->clear();
    const QTreeWidget* t = AktiveTabelle();
    const int zeile = GewaehlteZeile(t);
    const uint16_t marke = Marke(t, zeile);
    QString text = QStringLiteral("Nagel setzen/ziehen");
    const bool nagelbar = zeile >= 0 && marke != Zeilenmarke::Hinweis;
    if (nagelbar) {
        const bool genagelt = marke & Zeilenmarke::Genagelt;
        if (GespraechInZeile(t, zeile))
            text = genagelt ? QString::fromUtf8("Nagel beim markierten Gespräch ziehen...")
                            : QString::fromUtf8("Markiertes Gespräch festnageln...");
        else
            text = genagelt ? QStringLiteral("Markierten Termin freigeben...")
                            : QStringLiteral("Markierten Termin sperren...");
    }
    QAction* nagel = PopupMenu->addAction(text);
    nagel->setEnabled(nagelbar);
    connect(nagel, &QAction::triggered, this, [this] {
        if (BtnNagel->isEnabled())
            BtnNagelClick();
        else
            BtnZangeClick();
    });
    PopupMenu->addSeparator();
    const TPerson* person = GezeigtePerson(t);
    const bool eltern = t == LVE;
    if (person)
        connect(PopupMenu->addAction(QString::fromUtf8("Anmerkung für ") + person->Anschrift(true) +
                                     QStringLiteral("...")),
                &QAction::triggered, this, [this, person, eltern] { AnmerkungClick(person, eltern); });
    connect(PopupMenu->addAction(QString::fromUtf8("Anmerkungen für alle Eltern...")), &QAction::triggered,
            this, [this] { AnmerkungClick(nullptr, true); });
    connect(PopupMenu->addAction(QString::fromUtf8("Anmerkungen für alle Lehrkräfte...")),
            &QAction::triggered, this, [this] { AnmerkungClick(nullptr, false); });
    if (person) {
        QAction* drucken = PopupMenu->addAction(QString::fromUtf8("Gesprächsliste für ") +
                                                person->Anschrift(true) + QStringLiteral(" direkt drucken"));
        connect(drucken, &QAction::triggered, this, [this, person, eltern] {
            if (VolleHoehe) BtnHoeheClick();
            if (Drucken) Drucken(*person, eltern);
        });
    }
    PopupMenu->addSeparator();
    connect(PopupMenu->addAction(QString::fromUtf8("Nummer des Gesprächswunsches bei den Eltern...")),
            &QAction::triggered, this, &TFVerschieb::NummerClick);
    connect(PopupMenu->addAction(QStringLiteral("Farben...")), &QAction::triggered, this,
            &TFVerschieb::FarbenClick);
    PopupMenu->popup(ort);
}

int TFVerschieb::Menuedialog(QDialog& dlg) {
    int ergebnis = QDialog::Rejected;
    MenueFenster([&] { ergebnis = dlg.exec(); });
    return ergebnis;
}

void TFVerschieb::MenueFenster(const std::function<void()>& zeigen) {
    // A board that covers the screen on top would hide the dialog.
    if (VolleHoehe) ObenBleiben(false);
    zeigen();
    if (VolleHoehe) ObenBleiben(true);
}

void TFVerschieb::AnmerkungClick(const TPerson* person, bool eltern) {
    if (Anmerken) MenueFenster([&] { Anmerken(person, eltern, this); });
}

void TFVerschieb::NummerClick() {
    TProjekt& p = *Dokument.Projekt();
    TCheckNumDlg dlg(p.Listenlayout.MitNummer, this);
    if (Menuedialog(dlg) != QDialog::Accepted) return;
    const uint8_t alt = p.Listenlayout.MitNummer;
    const uint8_t neu = dlg.MitNummer();
    if (neu == alt) return;
    const TBefehlsWache wache(Dokument);
    p.Listenlayout.MitNummer = neu;
    if ((neu ^ alt) & 1) {
        Aktualisierung = true;
        for (QTreeWidget* t : {LVE, LVL}) {
            const int zeile = GewaehlteZeile(t);
            TabelleFuellen(t, GezeigtePerson(t));
            ZeileWaehlen(t, zeile);
        }
        Aktualisierung = false;
    }
    Dokument.Melden(TAenderung::Layout);
    if (MitNummerSpeichern) MitNummerSpeichern(neu);
}

void TFVerschieb::FarbenClick() {
    TFFarben dlg({FarbeFrei, FarbePause, FarbeNicht}, this);
    if (Menuedialog(dlg) != QDialog::Accepted) return;
    if (dlg.Farben == std::array<QColor, 3>{FarbeFrei, FarbePause, FarbeNicht}) return;
    FarbeFrei = dlg.Farben[0];
    FarbePause = dlg.Farben[1];
    FarbeNicht = dlg.Farben[2];
    if (FarbenSpeichern) FarbenSpeichern(dlg.Farben);
}

bool TFVerschieb::eventFilter(QObject* objekt, QEvent* ereignis) {
    for (QTreeWidget* t : {LVE, LVL}) {
        if (objekt == t->viewport()) {
            if (ereignis->type() == QEvent::Resize) SpaltenBreiten(t);
            return Mausereignis(t, ereignis);
        }
        if (objekt == t && ereignis->type() == QEvent::KeyPress) {
            if (Zug == TZug::Keiner) SeiteBenutzt(t == LVE);
            if (Tabellentaste(t, static_cast<QKeyEvent*>(ereignis))) return true;
        }
    }
    if (ereignis->type() == QEvent::FocusIn && Zug == TZug::Keiner) {
        // Coming back from a message box or a menu is no use of a side.
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(ereignis)->reason();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason) {
            if (objekt == LVE || objekt == CombE)
                SeiteBenutzt(true);
            else if (objekt == LVL || objekt == CombL)
                SeiteBenutzt(false);
        }
    }
    if (ereignis->type() == QEvent::ShortcutOverride) {
        // The labels' mnemonics would only focus the combo boxes; Alt+E and Alt+L go to the tables.
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->modifiers() == Qt::AltModifier &&
            (taste->key() == Qt::Key_E || taste->key() == Qt::Key_L)) {
            ereignis->accept();
            return true;
        }
    }
    if (ereignis->type() == QEvent::KeyPress && Fenstertaste(static_cast<QKeyEvent*>(ereignis))) return true;
    return QDialog::eventFilter(objekt, ereignis);
}

bool TFVerschieb::Mausereignis(QTreeWidget* t, QEvent* ereignis) {
    switch (ereignis->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* maus = static_cast<QMouseEvent*>(ereignis);
        QTreeWidgetItem* item = t->itemAt(maus->position().toPoint());
        const int zeile = item ? t->indexOfTopLevelItem(item) : -1;
        Rechtsabbruch = false;
        if (Zug == TZug::Keiner) SeiteBenutzt(t == LVE);
        if (maus->button() == Qt::RightButton) {
            if (Zug == TZug::Keiner) return false;
            ZugAbbrechen();
            Rechtsabbruch = true;
            return true;
        }
        if (maus->button() != Qt::LeftButton) return false;
        if (Zug == TZug::Tastatur) {
            ZugAbbrechen();
            return true;
        }
        if (zeile < 0 || !Verschiebbar(Marke(t, zeile))) return false;
        t->setFocus();
        ZugBeginnen(t, zeile, TZug::Gedrueckt);
        return true;
    }
    case QEvent::MouseMove: {
        const QPoint ort = static_cast<QMouseEvent*>(ereignis)->position().toPoint();
        if (Zug == TZug::Tastatur) {
            // The keyboard move holds the mouse; taking the pointer out of the table ends it.
            if (ZugTabelle == t && !t->viewport()->rect().contains(ort)) ZugAbbrechen();
            return true;
        }
        if (Zug != TZug::Gedrueckt && Zug != TZug::Ziehen) return false;
        if (ZugTabelle != t) return true;
        if (ort.x() < 0 || ort.x() >= t->viewport()->width()) {
            ZugAbbrechen();
            return true;
        }
        Rollrichtung = ort.y() < 0 ? -1 : ort.y() >= t->viewport()->height() ? 1 : 0;
        if (Rollrichtung != 0) {
            if (!Rollzeit.isActive()) Rollzeit.start();
            return true;
        }
        Rollzeit.stop();
        QTreeWidgetItem* item = t->itemAt(ort);
        const int zeile = item ? t->indexOfTopLevelItem(item) : -1;
        if (Zug == TZug::Gedrueckt) {
            if (zeile == AufgenommeneZeile || zeile < 0) return true;
            Zug = TZug::Ziehen;
            t->viewport()->grabMouse();
        }
        ZielSetzen(zeile);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (static_cast<QMouseEvent*>(ereignis)->button() != Qt::LeftButton) return false;
        if (Zug == TZug::Gedrueckt) {
            const int zeile = AufgenommeneZeile;
            Zug = TZug::Keiner;
            t->clearSelection();
            ZeileWaehlen(t, zeile);
            return true;
        }
        if (Zug == TZug::Ziehen) {
            if (ZielPruefen(*Dokument.Projekt(), Aufnahme, ZielZeile, AufgenommeneZeile) !=
                TZielart::Ungueltig)
                Ablegen();
            else
                ZugAbbrechen();
            return true;
        }
        return false;
    }
    case QEvent::ContextMenu: {
        // The platform follows a right press with the pop-up menu; during a move the press only cancels.
        const bool schlucken = Zug != TZug::Keiner || Rechtsabbruch;
        Rechtsabbruch = false;
        if (Zug != TZug::Keiner) ZugAbbrechen();
        return schlucken;
    }
    case QEvent::Leave:
        if (Zug == TZug::Ziehen && ZugTabelle == t && !t->viewport()->underMouse()) ZugAbbrechen();
        return false;
    default:
        return false;
    }
}

void TFVerschieb::keyPressEvent(QKeyEvent* taste) {
    if (!Fenstertaste(taste)) QDialog::keyPressEvent(taste);
}

bool TFVerschieb::Fenstertaste(QKeyEvent* taste) {
    const int key = taste->key();
    const Qt::KeyboardModifiers mit = taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    const bool strg = mit == Qt::ControlModifier;
    if (key == Qt::Key_F12 || (strg && key == Qt::Key_M)) {
        if (Zug == TZug::Tastatur) {
            Ablegen();
        } else if (Zug == TZug::Keiner) {
            QTreeWidget* t = AktiveTabelle();
            const int zeile = GewaehlteZeile(t);
            if (zeile >= 0 && Verschiebbar(Marke(t, zeile))) ZugBeginnen(t, zeile, TZug::Tastatur);
        }
        return true;
    }
    if (Zug != TZug::Keiner) return key == Qt::Key_PageUp || key == Qt::Key_PageDown;
    if (mit == Qt::NoModifier && (key == Qt::Key_PageUp || key == Qt::Key_PageDown)) {
        NaechstePerson(key == Qt::Key_PageUp ? -1 : 1);
    } else if ((strg || mit == Qt::AltModifier) && (key == Qt::Key_E || key == Qt::Key_L)) {
        TabelleAnsteuern(key == Qt::Key_E);
    } else if (strg && key == Qt::Key_K) {
        if (BtnZange->isEnabled()) BtnZangeClick();
    } else if (strg && key == Qt::Key_N) {
        if (BtnNagel->isEnabled()) BtnNagelClick();
    } else if (strg && key == Qt::Key_R) {
        ChBRueckfrage->toggle();
    } else if (strg && key == Qt::Key_Z) {
        if (BtnZurueck->isEnabled()) Spulen(-1);
    } else if (strg && key == Qt::Key_W) {
        if (BtnVor->isEnabled()) Spulen(1);
    } else if (key == Qt::Key_F4) {
        BtnHoeheClick();
    } else if (key == Qt::Key_F5) {
        accept();
    } else {
        return false;
    }
    return true;
}

bool TFVerschieb::Tabellentaste(QTreeWidget* t, QKeyEvent* taste) {
    const int key = taste->key();
    if (Zug != TZug::Keiner) {
        if (key == Qt::Key_Escape) {
            ZugAbbrechen();
            return true;
        }
        if (Zug == TZug::Tastatur && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            Ablegen();
            return true;
        }
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            if (Zug == TZug::Tastatur) {
                const int zeile =
                    std::clamp(ZielZeile + (key == Qt::Key_Up ? -1 : 1), 0, t->topLevelItemCount() - 1);
                t->scrollToItem(t->topLevelItem(zeile));
                ZielSetzen(zeile);
            }
            return true;
        }
        return key == Qt::Key_PageUp || key == Qt::Key_PageDown;
    }
    if (key == Qt::Key_Left && t == LVL && CombE->count() > 0) {
        TabelleAnsteuern(true);
        return true;
    }
    if (key == Qt::Key_Right && t == LVE && CombL->count() > 0) {
        TabelleAnsteuern(false);
        return true;
    }
    return false;
}

void TFVerschieb::ZugBeginnen(QTreeWidget* t, int zeile, TZug art) {
    TGespraech* g = GespraechInZeile(t, zeile);
    if (!g) return;
    Aufnahme = Aufnehmen(*Dokument.Projekt(), *g);
    AufgenommeneZeile = zeile;
    ZielZeile = zeile;
    ZugTabelle = t;
    Zug = art;
    FamilienAktiv = t == LVE;
    if (art == TZug::Tastatur) {
        const QRect rect = t->visualItemRect(t->topLevelItem(zeile));
        QCursor::setPos(t->viewport()->mapToGlobal(QPoint(t->viewport()->width() / 2, rect.top() + 4)));
        t->viewport()->setCursor(ZiehzeigerLaden(TZiehzeiger::NichtAblegen));
        t->viewport()->grabMouse();
        t->viewport()->update();
    }
}

void TFVerschieb::ZielSetzen(int zeile) {
    ZielZeile = zeile;
    const bool gueltig =
        ZielPruefen(*Dokument.Projekt(), Aufnahme, zeile, AufgenommeneZeile) != TZielart::Ungueltig;
    ZugTabelle->viewport()->setCursor(
        ZiehzeigerLaden(gueltig ? TZiehzeiger::Ablegen : TZiehzeiger::NichtAblegen));
    ZugTabelle->viewport()->update();
}

void TFVerschieb::Rollen() {
    if ((Zug != TZug::Ziehen && Zug != TZug::Tastatur) || Rollrichtung == 0) {
        Rollzeit.stop();
        return;
    }
    QTreeWidget* t = ZugTabelle;
    QTreeWidgetItem* rand = Rollrichtung > 0 ? t->itemAt(1, t->viewport()->height() - 2) : t->itemAt(1, 1);
    const int zeile = rand ? t->indexOfTopLevelItem(rand) + Rollrichtung : -1;
    if (zeile < 0 || zeile >= t->topLevelItemCount()) return;
    t->scrollToItem(t->topLevelItem(zeile));
    ZielSetzen(zeile);
}

void TFVerschieb::ZugAbbrechen() {
    QTreeWidget* t = ZugTabelle;
    const int zeile = AufgenommeneZeile;
    Rollzeit.stop();
    Zug = TZug::Keiner;
    Aufnahme = {};
    ZielZeile = -1;
    AufgenommeneZeile = -1;
    ZugTabelle = nullptr;
    if (!t) return;
    t->viewport()->releaseMouse();
    t->viewport()->unsetCursor();
    t->clearSelection();
    ZeileWaehlen(t, zeile);
    t->viewport()->update();
}

void TFVerschieb::Ablegen() {
    TProjekt& p = *Dokument.Projekt();
    QTreeWidget* t = ZugTabelle;
    TGespraech* g = Aufnahme.Gespraech;
    const int ziel = ZielZeile;
    if (!g || ZielPruefen(p, Aufnahme, ziel, AufgenommeneZeile) == TZielart::Ungueltig) {
        ZugAbbrechen();
        return;
    }
    Rollzeit.stop();
    Zug = TZug::Keiner;
    Aufnahme = {};
    AufgenommeneZeile = ZielZeile = -1;
    ZugTabelle = nullptr;
    t->viewport()->releaseMouse();
    t->viewport()->unsetCursor();
    {
        const TBefehlsWache wache(Dokument);
        GespraechAblegen(p, Dokument.RueckListe(), *g, ziel);
        Geaendert();
    }
    GespraechZeigen(*g, t == LVE);
    KnoepfeAktualisieren();
}
