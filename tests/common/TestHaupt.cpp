#include "TestHaupt.h"

#include <QTest>
#ifdef VEL_TEST_WIDGETS
#include <QApplication>
using TTestAnwendung = QApplication;
#else
#include <QGuiApplication>
using TTestAnwendung = QGuiApplication;
#endif

std::vector<std::function<std::unique_ptr<QObject>()>>& TestKlassen() {
    static std::vector<std::function<std::unique_ptr<QObject>()>> klassen;
    return klassen;
}

int main(int argc, char* argv[]) {
    TTestAnwendung app(argc, argv);
    int fehler = 0;
    for (const auto& erzeugen : TestKlassen())
        fehler += QTest::qExec(erzeugen().get(), argc, argv);
    return fehler == 0 ? 0 : 1;
}
