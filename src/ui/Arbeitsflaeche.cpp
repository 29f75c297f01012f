#include "Arbeitsflaeche.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace {

bool Rahmenlos(const QWidget* fenster) {
    const Qt::WindowFlags art = fenster->windowFlags();
    return art.testFlag(Qt::FramelessWindowHint) || fenster->windowType() == Qt::Popup ||
           fenster->windowType() == Qt::ToolTip || fenster->windowType() == Qt::SplashScreen;
}

QMargins Raender(const QWindow* fenster) {
    return fenster ? fenster->frameMargins() : QMargins();
}

} // namespace

QRect Arbeitsflaeche(const QPoint& ort) {
    const QScreen* schirm = QGuiApplication::screenAt(ort);
    if (!schirm) schirm = QGuiApplication::primaryScreen();
    return schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect Arbeitsflaeche(const QWidget* fenster) {
    const QWidget* w = fenster->window();
    if (!w->isVisible() && w->parentWidget()) w = w->parentWidget()->window();
    const QScreen* schirm = w->screen();
    if (!schirm) schirm = QGuiApplication::primaryScreen();
    return schirm ? schirm->availableGeometry() : QRect(0, 0, 1024, 768);
}

QMargins Fensterrahmen(const QWidget* fenster) {
    const QWidget* w = fenster->window();
    if (Rahmenlos(w)) return {};
    if (const QMargins eigen = Raender(w->windowHandle()); !eigen.isNull()) return eigen;
    for (const QWidget* anderes : QApplication::topLevelWidgets())
        if (anderes != w && anderes->isVisible() && !Rahmenlos(anderes))
            if (const QMargins rahmen = Raender(anderes->windowHandle()); !rahmen.isNull()) return rahmen;
    return {0, w->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, w), 0, 0};
}

QSize Hoechstgroesse(const QWidget* fenster, const QRect& flaeche) {
    const QMargins rahmen = Fensterrahmen(fenster);
    // At a fractional scaling the screen's pixels are rounded to whole ones of the window, which may
    // cost one more.
    const qreal faktor = fenster->devicePixelRatioF();
    const int rundung = faktor == std::floor(faktor) ? 0 : 1;
    return flaeche.size().shrunkBy(rahmen).shrunkBy({0, 0, rundung, rundung}).expandedTo(QSize(1, 1));
}

QRect Eingepasst(const QRect& wunsch, const QMargins& rahmen, const QRect& flaeche) {
    const QRect innen = flaeche.marginsRemoved(rahmen);
    const QSize groesse = wunsch.size().boundedTo(innen.size());
    const int x =
        std::clamp(wunsch.x(), innen.left(), std::max(innen.left(), innen.right() + 1 - groesse.width()));
    const int y =
        std::clamp(wunsch.y(), innen.top(), std::max(innen.top(), innen.bottom() + 1 - groesse.height()));
    return {QPoint(x, y), groesse};
}

void GroesseAnpassen(QWidget* fenster, const QRect& flaeche) {
    // A hidden window's layout imposes its minimum only as the window shows; it does so now.
    if (QLayout* layout = fenster->layout()) layout->activate();
    fenster->resize(fenster->sizeHint()
                        .boundedTo(Hoechstgroesse(fenster, flaeche))
                        .expandedTo(fenster->minimumSizeHint()));
}

void Anfangsgroesse(QWidget* fenster, const QSize& groesse) {
    fenster->resize(groesse.boundedTo(Hoechstgroesse(fenster, Arbeitsflaeche(fenster))));
}

namespace {

class TMindestgroesse : public QObject {
public:
    TMindestgroesse(QWidget* fenster, const QSize& groesse)
        : QObject(fenster)
        , Groesse(groesse) {
        Anwenden(fenster);
        fenster->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Show && objekt == parent()) Anwenden(static_cast<QWidget*>(objekt));
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    void Anwenden(QWidget* fenster) {
        fenster->setMinimumSize(Groesse.boundedTo(Hoechstgroesse(fenster, Arbeitsflaeche(fenster))));
    }
    const QSize Groesse;
};

} // namespace

void Mindestgroesse(QWidget* fenster, const QSize& groesse) {
    new TMindestgroesse(fenster, groesse);
}

void PaarAnordnen(QGridLayout* raster, QWidget* erstes, QWidget* zweites, bool nebeneinander) {
    raster->removeWidget(erstes);
    raster->removeWidget(zweites);
    raster->addWidget(erstes, 0, 0);
    raster->addWidget(zweites, nebeneinander ? 0 : 1, nebeneinander ? 1 : 0);
    // The layouts above keep their sizes until invalidated, and the window's size hint with them.
    for (QObject* o = raster; qobject_cast<QLayout*>(o); o = o->parent())
        static_cast<QLayout*>(o)->invalidate();
}
