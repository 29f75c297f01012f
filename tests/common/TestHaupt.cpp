#include "TestHaupt.h"

#include <QByteArray>
#include <QMetaObject>
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
        const QMetaObject* art = klasse->metaObject();
        // A class that another test starts in a child process runs only when named: skipping it from its
        // initTestCase would leave Qt Test skipping every class after it.
        const bool nurEinzeln = art->indexOfClassInfo("NurEinzeln") >= 0;
        if (nur.isEmpty() ? !nurEinzeln : nur == art->className())
            fehler += QTest::qExec(klasse.get(), argc, argv);
    }
    return fehler == 0 ? 0 : 1;
}
