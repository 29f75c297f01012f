#include "Kurzlabel.h"

#include <QPainter>
#include <QStyle>

QSize TKurzLabel::minimumSizeHint() const {
    // Narrow enough for the layout to give it the room there is, not the room its text wants.
    return {fontMetrics().horizontalAdvance(QStringLiteral("…")), QLabel::minimumSizeHint().height()};
}

QString TKurzLabel::Gezeigt() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, Textflaeche().width());
}

QRect TKurzLabel::Textflaeche() const {
    return contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
}

void TKurzLabel::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    drawFrame(&maler);
    style()->drawItemText(&maler, Textflaeche(), static_cast<int>(alignment()), palette(), isEnabled(),
                          Gezeigt(), foregroundRole());
}
