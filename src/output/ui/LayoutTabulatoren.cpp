#include "LayoutTabulatoren.h"

#include "model/Meldung.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QTreeWidget* Tabliste() {
    auto* liste = new QTreeWidget;
    liste->setHeaderLabels({QStringLiteral("Zweck"), QStringLiteral("Position in cm")});
    liste->setRootIsDecorated(false);
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    liste->header()->setStretchLastSection(false);
    // All eleven rows of the longest list without scrolling.
    liste->setMinimumHeight(liste->fontMetrics().height() * 13);
    return liste;
}

} // namespace

TLayoutTabulatoren::TLayoutTabulatoren(TListenlayout& layout, std::function<TSeitenmetrik()> metrik,
                                       TMeldung& meldung, QWidget* eltern)
    : TEingabeSeite(layout, eltern)
    , Metrik(std::move(metrik))
    , Meldungen(meldung) {
    LVElt = Tabliste();
    LVLeh = Tabliste();
    EdTAB = new QLineEdit;
    EdTAB->setMaximumWidth(EdTAB->fontMetrics().horizontalAdvance(QStringLiteral("-00,000")) * 2);
    BtnTab = new QPushButton(QString::fromUtf8("Tabulator ändern ..."));
    BtnStandard = new QPushButton(QStringLiteral("Standardwerte"));
    LRand = new QLabel;
    auto* raster = new QGridLayout(this);
    raster->addWidget(new QLabel(QStringLiteral("Für Eltern:")), 0, 0);
    raster->addWidget(new QLabel(QStringLiteral("Für Lehrer:")), 0, 1);
    raster->addWidget(LVElt, 1, 0);
    raster->addWidget(LVLeh, 1, 1);
    auto* eingabe = new QHBoxLayout;
    eingabe->addWidget(EdTAB);
    eingabe->addWidget(BtnTab);
    eingabe->addStretch();
    eingabe->addWidget(BtnStandard);
    raster->addLayout(eingabe, 2, 0, 1, 2);
    raster->addWidget(LRand, 3, 0, 1, 2);
    ZahlfeldEinrichten(EdTAB, true, [this] { Aufgeben(); });
    for (QTreeWidget* liste : {LVElt, LVLeh})
        connect(liste, &QTreeWidget::currentItemChanged, this, [this, liste](QTreeWidgetItem* zeile) {
            if (zeile) Gewaehlt(liste);
        });
    connect(EdTAB, &QLineEdit::textChanged, this, &TLayoutTabulatoren::KnopfStellen);
    connect(BtnTab, &QPushButton::clicked, this, [this] { Anwenden(); });
    connect(BtnStandard, &QPushButton::clicked, this, [this] {
        Aendern(TListenArt::Beide, [this] { L.Tabulatoren = TListenlayout().Tabulatoren; });
        Fuellen();
        Aufgeben();
    });
    Fuellen();
}

void TLayoutTabulatoren::ListeFuellen(QTreeWidget* liste, TListenArt art) {
    const QSignalBlocker still(liste);
    liste->clear();
    for (const TTabulatorEintrag& e : TabulatorEintraege(L, art)) {
        auto* zeile =
            new QTreeWidgetItem(liste, {e.Zweck, TabulatorText(L.Tabulatoren[static_cast<size_t>(e.Index)])});
        zeile->setData(0, Qt::UserRole, e.Index);
        zeile->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (e.Index == Index) liste->setCurrentItem(zeile);
    }
}

void TLayoutTabulatoren::Anzeigen() {
    ListeFuellen(LVElt, TListenArt::Eltern);
    ListeFuellen(LVLeh, TListenArt::Lehrer);
    // A stop no longer listed (its column is not printed now) cannot stay chosen.
    if (Gewaehlt() < 0) Index = -1;
    LRand->setText(
        QString::fromUtf8("Die Positionen beziehen sich auf den eingestellten linken Rand von %1 cm.")
            .arg(QLocale(QLocale::German).toString(L.Seitenraender.Links, 'f', 2)));
    KnopfStellen();
}

int TLayoutTabulatoren::Gewaehlt() const {
    for (const QTreeWidget* liste : {LVElt, LVLeh})
        if (const QTreeWidgetItem* zeile = liste->currentItem()) return zeile->data(0, Qt::UserRole).toInt();
    return -1;
}

void TLayoutTabulatoren::Gewaehlt(QTreeWidget* liste) {
    // One stop at a time: choosing in one list clears the other.
    QTreeWidget* andere = liste == LVElt ? LVLeh : LVElt;
    {
        const QSignalBlocker still(andere);
        andere->setCurrentItem(nullptr);
        andere->clearSelection();
    }
    Index = liste->currentItem()->data(0, Qt::UserRole).toInt();
    Aufgeben();
}

void TLayoutTabulatoren::Aufgeben() {
    EdTAB->setText(Index >= 0 ? TabulatorText(L.Tabulatoren[static_cast<size_t>(Index)]) : QString());
    KnopfStellen();
}

bool TLayoutTabulatoren::Offen() const {
    return Index >= 0 && EdTAB->text() != TabulatorText(L.Tabulatoren[static_cast<size_t>(Index)]);
}

void TLayoutTabulatoren::KnopfStellen() {
    BtnTab->setEnabled(Offen());
}

bool TLayoutTabulatoren::Anwenden() {
    if (!Offen()) return true;
    const TEingabePruefung p = TabulatorPruefen(EdTAB->text(), L, Metrik());
    if (!p.Wert) {
        Meldungen.Meldung(p.Text, p.Titel, MeldungsArt::Fehler);
        EdTAB->setFocus();
        return false;
    }
    const int index = Index;
    if (*p.Wert != L.Tabulatoren[static_cast<size_t>(index)])
        Aendern(TabulatorArt(index),
                [this, index, wert = *p.Wert] { L.Tabulatoren[static_cast<size_t>(index)] = wert; });
    Fuellen();
    Aufgeben();
    return true;
}
