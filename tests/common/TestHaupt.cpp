#include "TestHaupt.h"

#include <QByteArray>
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
    // VEL_TESTKLASSE=TstName runs one class alone (test function names apply to every class).
    const QByteArray nur = qgetenv("VEL_TESTKLASSE");
    int fehler = 0;
    for (const auto& erzeugen : TestKlassen()) {
        const std::unique_ptr<QObject> klasse = erzeugen();
        if (nur.isEmpty() || nur == klasse->metaObject()->className())
            fehler += QTest::qExec(klasse.get(), argc, argv);
    }
    return fehler == 0 ? 0 : 1;
}
