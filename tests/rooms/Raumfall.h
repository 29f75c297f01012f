#pragma once

#include "common/ProjektBauer.h"

#include <QStringList>

// Builds the teachers of a room test from short descriptions "KÜRZEL|Raum|slot,slot": "~" in the room
// stands for the separator of the two days' rooms; each slot is a conversation with a family of its own.
inline void Belegen(TProjektBauer& b, const QStringList& lehrer) {
    int familie = 0;
    for (const QString& zeile : lehrer) {
        const QStringList teile = zeile.split(u'|');
        TLehrer* l = b.Lehrer(teile.value(0));
        l->Raum = QString(teile.value(1)).replace(u'~', QChar(RaumTrenner));
        for (const QString& slot : teile.value(2).split(u',', Qt::SkipEmptyParts)) {
            TKind* k = b.Kind(QStringLiteral("F%1").arg(++familie), QStringLiteral("Kind"));
            b.Wunsch(k, l->Kuerzel, slot.toInt());
        }
    }
}
