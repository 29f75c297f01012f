#include "FamilienPanel.h"

#include "Familienfilter.h"
#include "Listendelegate.h"
#include "Personenliste.h"
#include "Personenmodell.h"
#include "model/Dateneingabe.h"
#include "model/Projekt.h"
#include "ui/Eingabehilfen.h"
#include "ui/Speicherbar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString Alle = QStringLiteral("(alle)");
const QString Unbekannt = QStringLiteral("unbekannt");

} // namespace

TFamilienPanel::TFamilienPanel(TProjektDokument& dokument, const TPerson* const& zeitfensterPerson,
                               QWidget* eltern)
    : QGroupBox(QStringLiteral("Eltern"), eltern)
    , Dokument(dokument)
    , Modell(new TElternModell(dokument, this))
    , Filter(new TFamilienFilter(Modell, this)) {
    LVEltern = Personenliste(this, Filter, QAbstractItemView::SingleSelection);
    LVEltern->setObjectName(QStringLiteral("LVEltern"));
    LVEltern->header()->resizeSection(0, 102);
    auto* delegate = new TListenDelegate(LVEltern, TListenDelegate::TArt::Eltern, zeitfensterPerson);
    LVEltern->setItemDelegate(delegate);
    connect(LVEltern->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TFamilienPanel::Gewaehlt);

    BtnElternHinzu = Listenknopf(this, "hinzu ...", "list-add");
    BtnLoeschE = Listenknopf(this, "löschen ...", "edit-delete");
    BtnEditE = Listenknopf(this, "ändern...", "accessories-text-editor");
    ChBhotZE = new QCheckBox(QString::fromUtf8(HotspotText), this);
    connect(ChBhotZE, &QCheckBox::toggled, delegate, &TListenDelegate::UhrenBeiAllen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(LVEltern, 1);
    spalte->addLayout(Knopfreihe({BtnElternHinzu, BtnLoeschE, BtnEditE}));
    spalte->addWidget(ChBhotZE);

    Filterleiste = new QWidget(eltern);
    ComboKlassen = new QComboBox(Filterleiste);
    ComboKlassen->setMaxVisibleItems(25);
    auto* klassenText = new QLabel(QStringLiteral("Ansicht auf eine Kl&asse reduzieren:"), Filterleiste);
    klassenText->setBuddy(ComboKlassen);
    connect(ComboKlassen, &QComboBox::activated, this, &TFamilienPanel::ComboKlassenClick);
    SuchE = new QLineEdit(Filterleiste);
    auto* suchText = new QLabel(QStringLiteral("Eltern &suchen ..."), Filterleiste);
    suchText->setBuddy(SuchE);
    NurSpeicherbar(this, {SuchE}, TSpeicherhinweis::Still);
    connect(SuchE, &QLineEdit::textChanged, this, &TFamilienPanel::SuchEChange);
    // Each label beside its field: the middle column is the tallest of the window, and on a small screen
    // at a high scaling every line there is taken from the children's tree. Each line apart, so that the
    // search field takes all the width its short label leaves.
    auto* filter = new QVBoxLayout(Filterleiste);
    filter->setContentsMargins(0, 0, 0, 0);
    for (const auto& [text, feld] :
         {std::pair<QWidget*, QWidget*>{klassenText, ComboKlassen}, {suchText, SuchE}}) {
        auto* zeile = new QHBoxLayout;
        zeile->addWidget(text);
        zeile->addWidget(feld, 1);
        filter->addLayout(zeile);
    }
    ComboKlassen->addItem(Alle);

    FilterAnbringen(LVEltern, [this](QEvent* e) {
        if (e->type() == QEvent::FocusOut) Tippsuche.clear();
        return e->type() == QEvent::KeyPress && Taste(static_cast<QKeyEvent*>(e));
    });
    FilterAnbringen(LVEltern->viewport(), [this](QEvent* e) {
        if (e->type() == QEvent::MouseButtonPress) Tippsuche.clear();
        return false;
    });
    connect(&Dokument, &TProjektDokument::ProjektErsetzt, this, [this] {
        KlassenAbgleichen();
        FilterAufheben();
        Freigeben();
    });
    connect(&Dokument, &TProjektDokument::Geaendert, this, [this](TAenderungen was) {
        if (!(was & (TAenderung::Familien | TAenderung::Kinder))) return;
        KlassenAbgleichen();
        Freigeben();
    });
    Freigeben();
}

TEltern* TFamilienPanel::ElternInZeile(int zeile) const {
    return Modell->Familie(Filter->mapToSource(Filter->index(zeile, 0)).row());
}

int TFamilienPanel::Zeile(const TEltern* e) const {
    return Filter->mapFromSource(Modell->index(Modell->Zeile(e), 0)).row();
}

int TFamilienPanel::Zeilen() const {
    return Filter->rowCount();
}

TEltern* TFamilienPanel::Familie() const {
    const QModelIndexList zeilen = LVEltern->selectionModel()->selectedRows();
    return zeilen.isEmpty() ? nullptr : ElternInZeile(zeilen.constFirst().row());
}

void TFamilienPanel::ZeileWaehlen(int zeile) {
    const QModelIndex index = Filter->index(zeile, 0);
    LVEltern->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
    LVEltern->scrollTo(index);
}

void TFamilienPanel::Waehlen(const TEltern* e) {
    const int zeile = Zeile(e);
    if (zeile >= 0)
        ZeileWaehlen(zeile);
    else
        LVEltern->selectionModel()->clear();
}

// The entries follow the children's classes; a chosen class that no child has any more falls back to
// every class.
void TFamilienPanel::KlassenAbgleichen() {
    QStringList eintraege{Alle};
    if (Dokument.Projekt())
        for (const QString& k : KlassenDerKinder(*Dokument.Projekt(), true))
            eintraege.append(k.isEmpty() ? Unbekannt : k);
    QStringList bisher;
    for (int i = 0; i < ComboKlassen->count(); ++i)
        bisher.append(ComboKlassen->itemText(i));
    if (eintraege == bisher) return;
    const QString gewaehlt = ComboKlassen->currentText();
    {
        const QSignalBlocker sperre(ComboKlassen);
        ComboKlassen->clear();
        ComboKlassen->addItems(eintraege);
        ComboKlassen->setCurrentIndex(std::max(0, static_cast<int>(eintraege.indexOf(gewaehlt))));
    }
    FilterAnwenden();
}

void TFamilienPanel::FilterAufheben() {
    {
        const QSignalBlocker sperreKlassen(ComboKlassen);
        const QSignalBlocker sperreSuche(SuchE);
        ComboKlassen->setCurrentIndex(0);
        SuchE->clear();
    }
    Tippsuche.clear();
    FilterAnwenden();
}

void TFamilienPanel::SucheBeenden() {
    {
        const QSignalBlocker sperre(SuchE);
        SuchE->clear();
    }
    FilterAnwenden();
}

bool TFamilienPanel::KlasseGewaehlt() const {
    return ComboKlassen->currentIndex() > 0 && ComboKlassen->currentText() != Unbekannt;
}

void TFamilienPanel::TippsucheBeenden() {
    Tippsuche.clear();
}

void TFamilienPanel::FilterAnwenden() {
    std::optional<QString> klasse;
    if (ComboKlassen->currentIndex() > 0)
        klasse = ComboKlassen->currentText() == Unbekannt ? QString() : ComboKlassen->currentText();
    Filter->Setzen(SuchE->text(), klasse);
}

void TFamilienPanel::SuchEChange() {
    FilterAnwenden();
    if (Zeilen() > 0) ZeileWaehlen(0);
}

void TFamilienPanel::ComboKlassenClick() {
    if (!SuchE->text().isEmpty())
        SuchE->clear();
    else
        SuchEChange();
    if (!ComboKlassen->view()->isVisible()) LVEltern->setFocus();
}

void TFamilienPanel::Freigeben() {
    const bool familien = Dokument.Projekt() && !Dokument.Projekt()->Elternliste.Leer();
    LVEltern->setEnabled(familien);
    SuchE->setEnabled(familien);
    ComboKlassen->setEnabled(familien && ComboKlassen->count() > 1);
}

bool TFamilienPanel::Taste(QKeyEvent* taste) {
    if (IstEnter(taste) || taste->key() == Qt::Key_Delete) {
        Tippsuche.clear();
        Q_EMIT IstEnter(taste) ? EnterGedrueckt() : EntfGedrueckt();
        return true;
    }
    if (taste->key() == Qt::Key_Escape) {
        Tippsuche.clear();
        return true;
    }
    const QString text = taste->text();
    if (text.size() != 1 || !text[0].isPrint() || (taste->modifiers() & Qt::ControlModifier)) {
        if (taste->key() != Qt::Key_Shift) Tippsuche.clear();
        return false;
    }
    // The search goes on from the selected row, so that typing on narrows it down.
    const int start = Tippsuche.isEmpty() ? 0 : std::max(0, LVEltern->currentIndex().row());
    Tippsuche += text.toLower();
    for (int zeile = start; zeile < Zeilen(); ++zeile)
        if (ElternInZeile(zeile)->VollName().toLower().startsWith(Tippsuche)) {
            ZeileWaehlen(zeile);
            return true;
        }
    Tippsuche.clear();
    return true;
}
