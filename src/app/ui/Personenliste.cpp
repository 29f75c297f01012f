#include "Personenliste.h"

#include "ui/Symbole.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>

QTreeView* Personenliste(QWidget* eltern, QAbstractItemModel* modell,
                         QAbstractItemView::SelectionMode auswahl) {
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

QPushButton* Listenknopf(QWidget* eltern, const char* text, const char* symbol) {
    auto* knopf = new QPushButton(Symbol(QLatin1String(symbol)), QString::fromUtf8(text), eltern);
    knopf->setAutoDefault(false);
    knopf->setEnabled(false);
    return knopf;
}

QHBoxLayout* Knopfreihe(std::initializer_list<QWidget*> knoepfe) {
    auto* reihe = new QHBoxLayout;
    for (QWidget* k : knoepfe)
        reihe->addWidget(k);
    return reihe;
}
