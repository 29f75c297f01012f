// The splash window's timer.
#include "MainForm.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTimer>

void TVELWnd::TimerAnlegen() {
    Timer2 = new QTimer(this);
    Timer2->setInterval(2000);
    connect(Timer2, &QTimer::timeout, this, &TVELWnd::Timer2Timer);
}

void TVELWnd::SplashUebernehmen(QWidget* splash) {
    Splash = splash;
    qApp->installEventFilter(this);
    Timer2->start();
}

void TVELWnd::Timer2Timer() {
    Timer2->stop();
    if (Splash) {
        qApp->removeEventFilter(this);
        delete Splash.data();
    }
    DatumAnzeigen();
}

bool TVELWnd::eventFilter(QObject* objekt, QEvent* ereignis) {
    // A click anywhere in the main window ends the splash at once.
    if (Splash && ereignis->type() == QEvent::MouseButtonPress && objekt->isWidgetType() &&
        static_cast<QWidget*>(objekt)->window() == this)
        Timer2Timer();
    return QMainWindow::eventFilter(objekt, ereignis);
}
