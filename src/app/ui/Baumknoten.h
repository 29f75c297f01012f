#pragma once

#include <QTreeWidgetItem>
#include <QVariant>

class QTreeWidget;
class TGespraech;
class TKind;

// Nodes of the children tree carry their record and whether it is a child or a conversation.
namespace Baumknoten {

constexpr int RolleDaten = Qt::UserRole;
constexpr int RolleArt = Qt::UserRole + 1;
enum TKnotenArt { KnotenKind = 1, KnotenGespraech = 2 };

template <class T> T* Daten(const QTreeWidgetItem* knoten, TKnotenArt art) {
    if (!knoten || knoten->data(0, RolleArt).toInt() != art) return nullptr;
    return reinterpret_cast<T*>(knoten->data(0, RolleDaten).value<quintptr>());
}

// The text of a conversation node: its position from 1, the teacher's full name and Kürzel.
QString GespraechText(int position, const TGespraech& g);

// The node of the child, or null when the tree does not show it.
QTreeWidgetItem* KindKnoten(const QTreeWidget* baum, const TKind* kind);

} // namespace Baumknoten
