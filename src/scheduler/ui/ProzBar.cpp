#include "ProzBar.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

TProzBar::TProzBar(QWidget* parent)
    : QWidget(parent) {
    resize(100, 100);
}

void TProzBar::setProgress(int wert) {
    wert = std::clamp(wert, 0, 100);
    if (wert == Prozent) return;
    Prozent = wert;
    update();
}

void TProzBar::setForeColor(const QColor& farbe) {
    if (farbe == Vordergrund) return;
    Vordergrund = farbe;
    update();
}

void TProzBar::setBackColor(const QColor& farbe) {
    if (farbe == Hintergrund) return;
    Hintergrund = farbe;
    update();
}

void TProzBar::setBorderStyle(int stil) {
    if (stil == Rahmen) return;
    Rahmen = stil;
    update();
}

void TProzBar::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    QRect flaeche = rect();
    if (Rahmen == 1) {
        maler.setPen(Qt::black);
        maler.drawRect(flaeche.adjusted(0, 0, -1, -1));
        flaeche.adjust(1, 1, -1, -1);
    }
    maler.fillRect(flaeche, Hintergrund);
    // Halves round to the even neighbour, as everywhere in the program.
    const int breite =
        std::min(flaeche.width(), static_cast<int>(std::nearbyint(Prozent * flaeche.width() / 100.0)));
    maler.fillRect(QRect(flaeche.topLeft(), QSize(breite, flaeche.height())), Vordergrund);
    maler.setPen(palette().color(QPalette::WindowText));
    maler.drawText(flaeche, Qt::AlignCenter, QStringLiteral("%1%").arg(Prozent));
}
