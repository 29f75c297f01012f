#include "TelEd.h"

#include "Kinderhinweis.h"
#include "model/Meldung.h"
#include "model/Telefonliste.h"
#include "model/TypFunc.h"
#include "ui/Eingabehilfen.h"
#include "ui/Hilfekontext.h"
#include "ui/Symbole.h"
#include "ui/Zeilenhoehe.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QString OhneKuerzel(QString text) {
    return text.replace(u'&', QStringLiteral("&&"));
}

} // namespace

TFTelEd::TFTelEd(std::vector<TEltern*> familien, bool telefonInListen, bool latKlBez, TMeldung& meldung,
                 QWidget* eltern)
    : QDialog(eltern)
    , Familien(std::move(familien))
    , LatKlBez(latKlBez)
    , Meldung(meldung) {
    setWindowTitle(QString::fromUtf8("Telefonnummern für nicht terminierte Gespräche bearbeiten"));
    HilfekontextSetzen(this, Hilfekontext::Telefonnummern);

    L_tel = new QTableWidget(0, 3, this);
    L_tel->setHorizontalHeaderLabels(
        {QStringLiteral("Eltern"), QStringLiteral("Kind in Klasse ..."), QStringLiteral("Telefon")});
    L_tel->setShowGrid(true);
    L_tel->setSelectionBehavior(QAbstractItemView::SelectRows);
    L_tel->setSelectionMode(QAbstractItemView::SingleSelection);
    L_tel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    L_tel->setTabKeyNavigation(false);
    L_tel->setWordWrap(false);
    L_tel->verticalHeader()->hide();
    L_tel->verticalHeader()->setDefaultSectionSize(Zeilenhoehe(L_tel->fontMetrics()));
    L_tel->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    L_tel->horizontalHeader()->setStretchLastSection(false);
    L_tel->horizontalHeader()->setHighlightSections(false);
    L_tel->horizontalHeader()->setSectionsClickable(true);
    L_tel->viewport()->setMouseTracking(true);

    LblSuche = new QLabel(this);
    TipBtn = new QToolButton(this);
    TipBtn->setIcon(Symbol(QStringLiteral("dialog-information")));
    TipBtn->setToolTip(QStringLiteral("Suchen Sie Eltern?"));
    TipBtn->setAutoRaise(true);

    LblTelefon = new QLabel(QStringLiteral("Telefon:"), this);
    Edit1 = new QLineEdit(this);
    LblTelefon->setBuddy(Edit1);
    BtnUebernehmen = new QPushButton(QString::fromUtf8("Tel. übernehmen"), this);
    auto* kinderTitel = new QLabel(QStringLiteral("Kind(er)"), this);
    LBKinder = new QListWidget(this);
    LBKinder->setSelectionMode(QAbstractItemView::NoSelection);
    LBKinder->setFocusPolicy(Qt::NoFocus);
    LBKinder->setMaximumHeight(5 * Zeilenhoehe(LBKinder->fontMetrics()));
    UmlautZeilen(LBKinder);

    CBTelefon = new QCheckBox(QStringLiteral("Telefonnummern in Lehrergesprächslisten verwenden"), this);
    CBTelefon->setChecked(telefonInListen);
    BtnSchliessen = new QPushButton(QString::fromUtf8("Schli&eßen"), this);
    for (QPushButton* knopf : {BtnUebernehmen, BtnSchliessen})
        knopf->setAutoDefault(false);
    BtnSchliessen->setDefault(true);
    Hinweis = new TKinderHinweis(this);

    auto* suche = new QHBoxLayout;
    suche->addWidget(LblSuche, 1);
    suche->addWidget(TipBtn);
    auto* telefon = new QVBoxLayout;
    telefon->addWidget(LblTelefon);
    telefon->addWidget(Edit1);
    telefon->addWidget(BtnUebernehmen, 0, Qt::AlignLeft);
    telefon->addStretch(1);
    auto* kinder = new QVBoxLayout;
    kinder->addWidget(kinderTitel);
    kinder->addWidget(LBKinder);
    auto* eingabe = new QHBoxLayout;
    eingabe->addLayout(telefon, 1);
    eingabe->addLayout(kinder, 1);
    auto* fuss = new QHBoxLayout;
    fuss->addWidget(CBTelefon);
    fuss->addStretch(1);
    fuss->addWidget(BtnSchliessen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(L_tel, 1);
    layout->addLayout(suche);
    layout->addLayout(eingabe);
    layout->addLayout(fuss);

    connect(L_tel, &QTableWidget::itemSelectionChanged, this, &TFTelEd::L_telSelectItem);
    connect(L_tel->horizontalHeader(), &QHeaderView::sectionClicked, this, &TFTelEd::Spaltenklick);
    connect(L_tel->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { HinweisFolgen(L_tel->viewport()->mapFromGlobal(QCursor::pos())); });
    connect(Edit1, &QLineEdit::textEdited, this, &TFTelEd::Edit1Change);
    connect(BtnUebernehmen, &QPushButton::clicked, this, &TFTelEd::BtnUebernehmenClick);
    connect(TipBtn, &QToolButton::clicked, this, &TFTelEd::TipBtnClick);
    connect(CBTelefon, &QCheckBox::clicked, this, &TFTelEd::CBTelefonClick);
    connect(BtnSchliessen, &QPushButton::clicked, this, &QDialog::accept);
    FilterAnbringen(L_tel, [this](QEvent* e) { return ListenEreignis(e); });
    FilterAnbringen(L_tel->viewport(), [this](QEvent* e) { return FlaechenEreignis(e); });
    FilterAnbringen(Edit1, [this](QEvent* e) {
        if (e->type() == QEvent::FocusIn) BtnUebernehmen->setDefault(true);
        // Enter only leads back to the list: the number is taken over by the button alone.
        if (e->type() != QEvent::KeyPress || !IstEnter(static_cast<QKeyEvent*>(e))) return false;
        L_tel->setFocus();
        return true;
    });

    Fuellen();
    resize(600, 520);
    if (const QScreen* bildschirm = eltern ? eltern->screen() : screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

TFTelEd::~TFTelEd() {
    for (QObject* ziel : {static_cast<QObject*>(L_tel), static_cast<QObject*>(L_tel->viewport()),
                          static_cast<QObject*>(Edit1)})
        FilterEntfernen(ziel);
}

bool TFTelEd::TelefonInListen() const {
    return CBTelefon->isChecked();
}

void TFTelEd::Fuellen() {
    L_tel->setRowCount(static_cast<int>(Familien.size()));
    ZeilenSchreiben();
    L_tel->clearSelection();
    L_telSelectItem();
    SucheLeeren();
}

void TFTelEd::ZeilenSchreiben() {
    for (int z = 0; z < L_tel->rowCount(); ++z) {
        const TEltern& e = *Familien[static_cast<size_t>(z)];
        const QString texte[3] = {e.VollName(), KlassenDerKinder(e), e.Telefon};
        for (int s = 0; s < 3; ++s)
            L_tel->setItem(z, s, new QTableWidgetItem(texte[s]));
    }
}

TEltern* TFTelEd::Gewaehlt() const {
    const QModelIndexList zeilen = L_tel->selectionModel()->selectedRows();
    return zeilen.isEmpty() ? nullptr : Familien[static_cast<size_t>(zeilen.first().row())];
}

void TFTelEd::L_telSelectItem() {
    const TEltern* e = Gewaehlt();
    LblTelefon->setText(e ? OhneKuerzel(e->VollName()) : QStringLiteral("Telefon:"));
    Edit1->setText(e ? e->Telefon : QString());
    Edit1->setEnabled(e != nullptr);
    LBKinder->clear();
    if (e)
        for (const auto& k : e->Kinder)
            LBKinder->addItem(k->KindNameMitKlasse());
    BtnUebernehmen->setEnabled(false);
}

void TFTelEd::Edit1Change() {
    BtnUebernehmen->setEnabled(true);
    // A number being typed is meant to be taken over, also where the field got no focus event.
    BtnUebernehmen->setDefault(true);
}

void TFTelEd::BtnUebernehmenClick() {
    TEltern* e = Gewaehlt();
    if (!e) return;
    if (Uebernehmen) Uebernehmen(*e, Edit1->text());
    const auto zeile = std::find(Familien.begin(), Familien.end(), e) - Familien.begin();
    L_tel->item(static_cast<int>(zeile), 2)->setText(e->Telefon);
    BtnUebernehmen->setEnabled(false);
    L_tel->setFocus();
}

void TFTelEd::TipBtnClick() {
    Meldung.Meldung(QString::fromUtf8("Um Eltern an Hand ihres Namens aufzufinden, tippen Sie einfach die "
                                      "Anfangsbuchstaben (klein!) ein, während die Liste den Fokus hat.\r\r"
                                      "Die Sortierung können Sie durch Klick auf die Spaltenköpfe wählen."),
                    QString::fromUtf8("So finden Sie schnell die gewünschte Zeile:"),
                    MeldungsArt::Information);
}

void TFTelEd::CBTelefonClick() {
    BtnSchliessen->setText(QStringLiteral("&Ok"));
    BtnSchliessen->setDefault(true);
}

void TFTelEd::Spaltenklick(int spalte) {
    const TEltern* e = Gewaehlt();
    TelefonzeilenSortieren(Familien, static_cast<TTelefonSpalte>(spalte), LatKlBez);
    L_tel->horizontalHeader()->setSortIndicatorShown(true);
    L_tel->horizontalHeader()->setSortIndicator(spalte, Qt::AscendingOrder);
    // The same family stays selected, with whatever is typed for it.
    const QSignalBlocker still(L_tel);
    ZeilenSchreiben();
    const auto zeile = std::find(Familien.begin(), Familien.end(), e) - Familien.begin();
    if (e) L_tel->setCurrentCell(static_cast<int>(zeile), 0);
}

void TFTelEd::done(int ergebnis) {
    Hinweis->hide();
    if (const TEltern* e = Gewaehlt(); e && BtnUebernehmen->isEnabled()) {
        const QString frage = QString::fromUtf8("Sie haben eine Telefonnummer geändert, ohne die Änderung zu "
                                                "übernehmen.\rMöchten Sie für ") +
                              e->Anschrift(true) + QStringLiteral("\rdie Telefonnr: ") + Edit1->text() +
                              QString::fromUtf8("\rübernehmen?");
        if (Meldung.Meldung(frage, QString::fromUtf8("Änderung vor dem Schließen übernehmen?"),
                            MeldungsArt::Frage, Knoepfe::JaNein, Antwort::Ja) == Antwort::Ja)
            BtnUebernehmenClick();
    }
    QDialog::done(ergebnis);
}

bool TFTelEd::ListenEreignis(QEvent* ereignis) {
    switch (ereignis->type()) {
    case QEvent::KeyPress: {
        Hinweis->hide();
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() == Qt::Key_Escape) {
            // With no search running, Esc closes the dialog as everywhere.
            if (Suchtext.isEmpty()) return false;
            SucheLeeren();
            return true;
        }
        if (IstEnter(taste)) {
            SucheLeeren();
            if (Edit1->isEnabled()) Edit1->setFocus();
            return true;
        }
        const QString zeichen = taste->text();
        if (zeichen.isEmpty() || !zeichen.front().isPrint() ||
            (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        Suchen(zeichen);
        return true;
    }
    case QEvent::KeyRelease: {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (!taste->isAutoRepeat() && (taste->text().isEmpty() || !taste->text().front().isPrint()))
            SucheLeeren();
        return false;
    }
    case QEvent::FocusOut:
        SucheLeeren();
        Hinweis->hide();
        return false;
    default:
        return false;
    }
}

void TFTelEd::Suchen(const QString& zeichen) {
    const bool neu = Suchtext.isEmpty();
    Suchtext += zeichen.toLower();
    LblSuche->setText(Suchtext);
    const QModelIndexList gewaehlt = L_tel->selectionModel()->selectedRows();
    const int ab = neu || gewaehlt.isEmpty() ? 0 : gewaehlt.first().row();
    for (int z = ab; z < L_tel->rowCount(); ++z)
        if (Familien[static_cast<size_t>(z)]->Name.toLower().startsWith(Suchtext)) {
            L_tel->setCurrentCell(z, 0);
            L_tel->scrollToItem(L_tel->item(z, 0));
            return;
        }
    QApplication::beep();
    SucheLeeren();
}

void TFTelEd::SucheLeeren() {
    Suchtext.clear();
    LblSuche->clear();
}

bool TFTelEd::FlaechenEreignis(QEvent* ereignis) {
    switch (ereignis->type()) {
    case QEvent::MouseMove: {
        const auto* maus = static_cast<QMouseEvent*>(ereignis);
        if (maus->buttons() != Qt::NoButton)
            Hinweis->hide();
        else
            HinweisFolgen(maus->position().toPoint());
        return false;
    }
    case QEvent::MouseButtonPress:
        Hinweis->hide();
        SucheLeeren();
        return false;
    case QEvent::Leave:
        Hinweis->hide();
        return false;
    case QEvent::Resize:
        SpaltenBreiten();
        return false;
    default:
        return false;
    }
}

void TFTelEd::HinweisFolgen(const QPoint& ort) {
    QWidget* flaeche = L_tel->viewport();
    const int zeile = flaeche->rect().contains(ort) ? L_tel->rowAt(ort.y()) : -1;
    if (zeile < 0 || QGuiApplication::mouseButtons() != Qt::NoButton) {
        flaeche->unsetCursor();
        Hinweis->hide();
        return;
    }
    flaeche->setCursor(Qt::PointingHandCursor);
    QStringList kinder;
    for (const auto& k : Familien[static_cast<size_t>(zeile)]->Kinder)
        kinder << k->KindNameMitKlasse();
    const QPoint oben(L_tel->columnViewportPosition(0) + L_tel->columnWidth(0),
                      L_tel->rowViewportPosition(zeile));
    Hinweis->Zeigen(flaeche->mapToGlobal(oben), kinder, L_tel->font());
}

void TFTelEd::SpaltenBreiten() {
    const int breite = L_tel->viewport()->width();
    L_tel->horizontalHeader()->resizeSection(1, breite / 4);
    L_tel->horizontalHeader()->resizeSection(2, breite * 3 / 10);
}
