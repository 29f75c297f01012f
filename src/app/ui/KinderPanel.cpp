#include "KinderPanel.h"

#include "Kindermodell.h"
#include "Listendelegate.h"
#include "Personenliste.h"
#include "document/ProjektDokument.h"
#include "model/TypFunc.h"
#include "ui/Kurzlabel.h"

#include <QItemSelectionModel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

TKinderPanel::TKinderPanel(TProjektDokument& dokument, std::function<const TEltern*()> familie,
                           const TPerson* const& zeitfensterPerson, QWidget* eltern)
    : QGroupBox(QStringLiteral("Kinder"), eltern)
    , FamilieHolen(std::move(familie)) {
    Modell = new TKinderModell(FamilieHolen, this);
    LbEltern = new TKurzLabel(QStringLiteral("aus welcher Familie?"), this);
    TVKinder = new QTreeView(this);
    TVKinder->setObjectName(QStringLiteral("TVKinder"));
    TVKinder->setModel(Modell);
    TVKinder->setHeaderHidden(true);
    TVKinder->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The rows keep the list's own selection colours, also in front of the branch lines.
    TVKinder->setSelectionBehavior(QAbstractItemView::SelectItems);
    TVKinder->setContextMenuPolicy(Qt::CustomContextMenu);
    TVKinder->setItemDelegate(
        new TListenDelegate(TVKinder, TListenDelegate::TArt::Kinder, zeitfensterPerson));
    connect(TVKinder, &QTreeView::expanded, Modell,
            [this](const QModelIndex& i) { Modell->Aufgeklappt(i, true); });
    connect(TVKinder, &QTreeView::collapsed, Modell,
            [this](const QModelIndex& i) { Modell->Aufgeklappt(i, false); });
    connect(TVKinder->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TKinderPanel::AuswahlGeaendert);

    BtnKindHinzu = Listenknopf(this, "hinzu ...", "list-add");
    BtnLoeschK = Listenknopf(this, "löschen ...", "edit-delete");
    BtnEditK = Listenknopf(this, "ändern ...", "accessories-text-editor");
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(LbEltern);
    spalte->addWidget(TVKinder, 1);
    spalte->addLayout(Knopfreihe({BtnKindHinzu, BtnLoeschK, BtnEditK}));

    connect(&dokument, &TProjektDokument::Geaendert, this, [this](TAenderungen was) {
        if (was & (TAenderung::Kinder | TAenderung::Gespraeche | TAenderung::Lehrer | TAenderung::Plan))
            Auffrischen();
    });
}

void TKinderPanel::Auffrischen() {
    const quintptr gemerkt = Knoten().data(TKinderModell::RolleDaten).value<quintptr>();
    const TEltern* familie = FamilieHolen();
    {
        const QSignalBlocker sperre(TVKinder->selectionModel());
        Modell->Zeigen();
        LbEltern->setText(familie ? familie->Anschrift(false) : QString());
        Ausklappen();
        const QModelIndex wieder = Modell->Suchen(gemerkt);
        if (wieder.isValid())
            TVKinder->selectionModel()->setCurrentIndex(wieder, QItemSelectionModel::ClearAndSelect);
    }
    TVKinder->viewport()->update();
    Q_EMIT AuswahlGeaendert();
}

// Children with requests show them unfolded.
void TKinderPanel::Ausklappen() {
    for (int i = 0; i < Modell->rowCount(); ++i) {
        const QModelIndex kind = Modell->index(i, 0);
        if (Modell->rowCount(kind) > 0) TVKinder->expand(kind);
    }
}

void TKinderPanel::Loslassen() {
    Modell->Leeren();
}

QModelIndex TKinderPanel::Knoten() const {
    const QModelIndexList auswahl = TVKinder->selectionModel()->selectedIndexes();
    return auswahl.isEmpty() ? QModelIndex() : auswahl.constFirst();
}

TKind* TKinderPanel::Kind() const {
    return Modell->Kind(Knoten());
}

TGespraech* TKinderPanel::Gespraech() const {
    return Modell->Gespraech(Knoten());
}

void TKinderPanel::Waehlen(const QModelIndex& index) {
    if (!index.isValid()) {
        TVKinder->selectionModel()->clear();
        return;
    }
    TVKinder->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    TVKinder->scrollTo(index);
}

void TKinderPanel::KindWaehlen(const TKind* kind) {
    const QModelIndex index = Modell->KindIndex(kind);
    if (index.isValid()) Waehlen(index);
}
