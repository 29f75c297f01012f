#include "Startbild.h"

#include "ui/Symbole.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRect>

void StartbildMalen(QPainter& maler, const QRect& flaeche) {
    maler.save();
    QLinearGradient verlauf(flaeche.topLeft(), flaeche.bottomRight());
    verlauf.setColorAt(0, QColor(0x1F, 0x4E, 0x9A));
    verlauf.setColorAt(1, QColor(0x33, 0x88, 0xFF));
    maler.fillRect(flaeche, verlauf);

    const int rand = flaeche.height() / 10;
    const int bildGroesse = flaeche.height() / 3;
    const QRect bild(flaeche.right() - rand - bildGroesse, flaeche.top() + rand, bildGroesse, bildGroesse);
    Symbol(QStringLiteral("x-office-calendar")).paint(&maler, bild);

    QFont titel = maler.font();
    titel.setBold(true);
    titel.setPixelSize(flaeche.height() * 2 / 5);
    maler.setFont(titel);
    maler.setPen(Qt::white);
    const QRect titelFlaeche(flaeche.left() + rand, flaeche.top() + rand / 2, flaeche.width() - 2 * rand,
                             flaeche.height() / 2);
    maler.drawText(titelFlaeche, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VEL"));

    QFont unter = maler.font();
    unter.setBold(false);
    unter.setPixelSize(qMax(10, flaeche.height() / 10));
    maler.setFont(unter);
    const QRect unterFlaeche(titelFlaeche.left(), titelFlaeche.bottom(), titelFlaeche.width(),
                             flaeche.bottom() - titelFlaeche.bottom());
    maler.drawText(unterFlaeche, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   QStringLiteral("Elternsprechtage planen"));
    maler.restore();
}
