#include "Ziehzeiger.h"

#include "Symbole.h"

#include <QPixmap>

namespace {

constexpr int Groesse = 32;

QCursor Bildzeiger(const char* symbol) {
    const QPixmap bild = Symbol(QLatin1String(symbol)).pixmap(Groesse, Groesse);
    if (bild.isNull()) return QCursor(Qt::DragMoveCursor);
    return QCursor(bild, Groesse / 2, Groesse / 2);
}

} // namespace

QCursor ZiehzeigerLaden(TZiehzeiger nummer) {
    switch (nummer) {
    case TZiehzeiger::Lehrer:
    case TZiehzeiger::LehrerMehrere:
        return QCursor(Qt::ClosedHandCursor);
    case TZiehzeiger::Ablegen:
    case TZiehzeiger::AblegenMehrere:
        return QCursor(Qt::DragCopyCursor);
    case TZiehzeiger::NichtAblegen:
    case TZiehzeiger::NichtAblegenMehrere:
        return QCursor(Qt::ForbiddenCursor);
    case TZiehzeiger::NachUnten:
        return Bildzeiger("go-down");
    case TZiehzeiger::Loeschen:
        return Bildzeiger("edit-delete");
    case TZiehzeiger::NachOben:
        return Bildzeiger("go-up");
    }
    return QCursor(Qt::ArrowCursor);
}
