#include "Splash.h"

#include "Programmversion.h"
#include "Startbild.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int Breite = 400;
constexpr int Hoehe = 244;
constexpr int Bildhoehe = 176;

} // namespace

TSplash2F::TSplash2F(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(Breite, Hoehe);
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

void TSplash2F::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.fillRect(rect(), palette().window());
    StartbildMalen(maler, QRect(0, 0, Breite, Bildhoehe));
    maler.setPen(palette().windowText().color());
    const QRect text(16, Bildhoehe + 8, Breite - 32, Hoehe - Bildhoehe - 16);
    maler.drawText(text, Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("Version: ") + Programmversion() + QStringLiteral("\nTarnwiek"));
    maler.setPen(QColor(0x80, 0x80, 0x80));
    maler.drawLine(0, 0, Breite - 1, 0);
    maler.drawLine(0, 0, 0, Hoehe - 1);
}
