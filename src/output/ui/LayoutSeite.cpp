#include "LayoutSeite.h"

#include "ui/Eingabehilfen.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

TLayoutSeite::TLayoutSeite(TListenlayout& layout, QWidget* eltern)
    : QWidget(eltern)
    , L(layout) {}

void TLayoutSeite::Fuellen() {
    const bool vorher = std::exchange(Fuellend, true);
    Anzeigen();
    Fuellend = vorher;
}

void TLayoutSeite::Aendern(TListenArt art, const std::function<void()>& aenderung) {
    if (Fuellend) return;
    aenderung();
    Q_EMIT Geaendert(art);
}

void ZahlfeldEinrichten(QLineEdit* feld, bool minus, std::function<void()> escape) {
    FilterAnbringen(feld, [minus, escape = std::move(escape)](QEvent* ereignis) {
        if (ereignis->type() != QEvent::KeyPress && ereignis->type() != QEvent::ShortcutOverride)
            return false;
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() == Qt::Key_Escape) {
            if (ereignis->type() == QEvent::ShortcutOverride) {
                ereignis->accept();
                return true;
            }
            escape();
            return true;
        }
        if (ereignis->type() != QEvent::KeyPress) return false;
        switch (taste->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            break;
        }
        const QString text = taste->text();
        if (text.size() != 1) return true;
        const QChar z = text.front();
        return !(z.isDigit() || z == u',' || (minus && z == u'-'));
    });
}
