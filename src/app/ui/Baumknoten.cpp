#include "Baumknoten.h"

#include "model/TypFunc.h"

#include <QTreeWidget>

namespace Baumknoten {

QString GespraechText(int position, const TGespraech& g) {
    const QString lehrer = g.Lehrer ? g.Lehrer->Anschrift(false) : QString();
    const QString kuerzel = g.Lehrer ? g.Lehrer->Kuerzel : QString();
    return QStringLiteral("%1. %2 (%3)").arg(position).arg(lehrer, kuerzel);
}

QTreeWidgetItem* KindKnoten(const QTreeWidget* baum, const TKind* kind) {
    for (int i = 0; i < baum->topLevelItemCount(); ++i)
        if (Daten<TKind>(baum->topLevelItem(i), KnotenKind) == kind) return baum->topLevelItem(i);
    return nullptr;
}

} // namespace Baumknoten
