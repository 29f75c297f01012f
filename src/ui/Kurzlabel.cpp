#include "Kurzlabel.h"

#include <QPainter>
#include <QStyle>

QSize TKurzLabel::minimumSizeHint() const {
    // Narrow enough for the layout to give it the room there is, not the room its text wants.
    return {fontMetrics().horizontalAdvance(QStringLiteral("…")), QLabel::minimumSizeHint().height()};
}

QString TKurzLabel::Gezeigt() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void TKurzLabel::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    style()->drawItemText(&maler, contentsRect(), static_cast<int>(alignment()), palette(), isEnabled(),
                          Gezeigt(), foregroundRole());
}
