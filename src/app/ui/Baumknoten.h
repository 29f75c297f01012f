#pragma once

#include <QTreeWidgetItem>
#include <QVariant>

// Nodes of the children tree carry their record and whether it is a child or a conversation.
namespace Baumknoten {

constexpr int RolleDaten = Qt::UserRole;
constexpr int RolleArt = Qt::UserRole + 1;
enum TKnotenArt { KnotenKind = 1, KnotenGespraech = 2 };

template <class T> T* Daten(const QTreeWidgetItem* knoten, TKnotenArt art) {
    if (!knoten || knoten->data(0, RolleArt).toInt() != art) return nullptr;
    return reinterpret_cast<T*>(knoten->data(0, RolleDaten).value<quintptr>());
}

} // namespace Baumknoten
