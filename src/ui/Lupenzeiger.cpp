#include "Lupenzeiger.h"

#include <QPainter>
#include <QPixmap>

QCursor Lupenzeiger(bool vergroessern) {
    // Neither the platform nor the icon theme has a zoom pointer on every desktop; it is drawn here.
    constexpr int Groesse = 32;
    QPixmap bild(Groesse, Groesse);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    const QRectF glas(2.5, 2.5, 17, 17);
    maler.setBrush(QColor(255, 255, 255, 200));
    for (const auto& [farbe, breite] :
         {std::pair{QColor(Qt::white), 5.0}, std::pair{QColor(Qt::black), 2.0}}) {
        maler.setPen(QPen(farbe, breite, Qt::SolidLine, Qt::RoundCap));
        maler.drawEllipse(glas);
        maler.drawLine(QPointF(17.5, 17.5), QPointF(28, 28));
        maler.drawLine(QPointF(7, 11), QPointF(15, 11));
        if (vergroessern) maler.drawLine(QPointF(11, 7), QPointF(11, 15));
        maler.setBrush(Qt::NoBrush);
    }
    maler.end();
    return QCursor(bild, 11, 11);
}
