#include "LehrerPanel.h"

#include "Listendelegate.h"
#include "Personenliste.h"
#include "Personenmodell.h"
#include "model/Projekt.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

TLehrerPanel::TLehrerPanel(TProjektDokument& dokument, const TPerson* const& zeitfensterPerson,
                           QWidget* eltern)
    : QGroupBox(QString::fromUtf8("Lehrkräfte"), eltern)
    , Dokument(dokument)
    , Modell(new TLehrerModell(dokument, this)) {
    LVLehrer = Personenliste(this, Modell, QAbstractItemView::ExtendedSelection);
    LVLehrer->setObjectName(QStringLiteral("LVLehrer"));
    LVLehrer->header()->resizeSection(0, 70);
    LVLehrer->header()->resizeSection(1, 54);
    auto* delegate = new TListenDelegate(LVLehrer, TListenDelegate::TArt::Lehrer, zeitfensterPerson);
    LVLehrer->setItemDelegate(delegate);

    BtnLehrerHinzu = Listenknopf(this, "hinzu ...", "list-add");
    BtnLoeschL = Listenknopf(this, "löschen ...", "edit-delete");
    BtnEditL = Listenknopf(this, "ändern ...", "accessories-text-editor");
    ChBhotZL = new QCheckBox(QString::fromUtf8(HotspotText), this);
    connect(ChBhotZL, &QCheckBox::toggled, delegate, &TListenDelegate::UhrenBeiAllen);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(LVLehrer, 1);
    spalte->addLayout(Knopfreihe({BtnLehrerHinzu, BtnLoeschL, BtnEditL}));
    spalte->addWidget(ChBhotZL);

    const auto freigeben = [this] {
        LVLehrer->setEnabled(Dokument.Projekt() && !Dokument.Projekt()->Lehrerliste.Leer());
    };
    connect(&Dokument, &TProjektDokument::ProjektErsetzt, this, freigeben);
    connect(&Dokument, &TProjektDokument::Geaendert, this, freigeben);
    freigeben();
}

TLehrer* TLehrerPanel::LehrerInZeile(int zeile) const {
    return Modell->Lehrer(zeile);
}

int TLehrerPanel::Zeile(const TLehrer* l) const {
    return Modell->Zeile(l);
}

std::vector<TLehrer*> TLehrerPanel::Ausgewaehlt() const {
    QModelIndexList zeilen = LVLehrer->selectionModel()->selectedRows();
    std::sort(zeilen.begin(), zeilen.end());
    std::vector<TLehrer*> lehrer;
    for (const QModelIndex& i : zeilen)
        if (TLehrer* l = LehrerInZeile(i.row())) lehrer.push_back(l);
    return lehrer;
}

TLehrer* TLehrerPanel::Einer() const {
    const QModelIndexList zeilen = LVLehrer->selectionModel()->selectedRows();
    return zeilen.size() == 1 ? LehrerInZeile(zeilen.constFirst().row()) : nullptr;
}

void TLehrerPanel::ZeileWaehlen(int zeile) {
    const QModelIndex index = Modell->index(zeile, 0);
    LVLehrer->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
    LVLehrer->scrollTo(index);
}
