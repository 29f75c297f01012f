// The three timers: automatic backup, closing the splash window, closing the pop-up time window.
#include "MainForm.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTimer>

void TVELWnd::TimerAnlegen() {
    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &TVELWnd::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setInterval(2000);
    connect(Timer2, &QTimer::timeout, this, &TVELWnd::Timer2Timer);
    Timer3 = new QTimer(this);
    Timer3->setInterval(400);
    connect(Timer3, &QTimer::timeout, this, &TVELWnd::Timer3Timer);
}

void TVELWnd::Timer1Setzen() {
    const uint32_t minuten = Programmwerte.AutoSpeichZeit == 0 || Programmwerte.AutoSpeichZeit > 60
                                 ? 5
                                 : Programmwerte.AutoSpeichZeit;
    Timer1->setInterval(static_cast<int>(minuten) * 60000);
    if (Programmwerte.AutoSpeichern)
        Timer1->start();
    else
        Timer1->stop();
}

void TVELWnd::Timer1Timer() {
    // In the middle of a command the backup waits for the command's end.
    Dokument.SicherungAnfordern();
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
