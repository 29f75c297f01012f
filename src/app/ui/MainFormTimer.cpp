// The two timers of the window: closing the splash window, closing the pop-up time window.
#include "MainForm.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTimer>

void TVELWnd::TimerAnlegen() {
    Timer2 = new QTimer(this);
    Timer2->setInterval(2000);
    connect(Timer2, &QTimer::timeout, this, &TVELWnd::Timer2Timer);
    Timer3 = new QTimer(this);
    Timer3->setInterval(400);
    connect(Timer3, &QTimer::timeout, this, &TVELWnd::Timer3Timer);
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

void TVELWnd::Timer3Timer() {
    Timer3->stop();
    if (Zeitfenster && Zeitfenster->isVisible() && !Zeitfenster->frameGeometry().contains(QCursor::pos()))
        Zeitfenster->close();
}
