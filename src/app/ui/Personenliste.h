#pragma once

#include <QAbstractItemView>
#include <initializer_list>

class QAbstractItemModel;
class QHBoxLayout;
class QPushButton;
class QTreeView;

// What the family and the teacher list have in common.
inline constexpr const char* HotspotText = "Zeiten-Hotspots bei allen";

QTreeView* Personenliste(QWidget* eltern, QAbstractItemModel* modell,
                         QAbstractItemView::SelectionMode auswahl);
// A button under a list; it stays disabled until a command is connected to it.
QPushButton* Listenknopf(QWidget* eltern, const char* text, const char* symbol);
QHBoxLayout* Knopfreihe(std::initializer_list<QWidget*> knoepfe);
