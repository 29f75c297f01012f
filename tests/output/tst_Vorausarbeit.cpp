#include "common/TestHaupt.h"
#include "output/Vorausarbeit.h"

#include <QTest>
#include <QThread>
#include <atomic>

class TstVorausarbeit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every piece arrives under its own number, however the workers share them out.
    void reihenfolge_data() {
        QTest::addColumn<int>("faeden");
        QTest::newRow("der Aufrufer allein") << 1;
        QTest::newRow("zwei Fäden") << 2;
        QTest::newRow("mehr Fäden als Kerne") << 5;
    }
    void reihenfolge() {
        QFETCH(int, faeden);
        constexpr int Anzahl = 200;
        std::atomic<int> gemacht = 0;
        TVorausarbeit arbeit(
            Anzahl,
            [&gemacht](int i) {
                ++gemacht;
                // Uneven pieces, so that later ones are often done before earlier ones.
                if (i % 7 == 0) QThread::usleep(200);
                return QByteArray::number(i);
            },
            faeden);
        for (int i = 0; i < Anzahl; ++i)
            QCOMPARE(arbeit.Holen(i), QByteArray::number(i));
        QCOMPARE(gemacht.load(), Anzahl);
    }

    // Stopping early neither waits for nor makes the pieces far ahead, and skipped numbers do not block.
    void abbruch() {
        std::atomic<int> gemacht = 0;
        {
            TVorausarbeit arbeit(
                10000,
                [&gemacht](int i) {
                    ++gemacht;
                    QThread::usleep(100);
                    return QByteArray::number(i);
                },
                2);
            QCOMPARE(arbeit.Holen(0), "0");
            QCOMPARE(arbeit.Holen(3), "3");
            // Without a window the workers would make hundreds of pieces meanwhile.
            QThread::msleep(50);
        }
        QVERIFY2(gemacht.load() < 100, qPrintable(QString::number(gemacht.load())));
    }

    // A run that ends before its first piece (a folder that cannot be made, a cancel at once) draws
    // nothing, and a first piece further on is not preceded by the ones before it.
    void ersterAbruf() {
        std::atomic<int> gemacht = 0;
        const auto zaehlen = [&gemacht](int i) {
            ++gemacht;
            return QByteArray::number(i);
        };
        {
            TVorausarbeit arbeit(100, zaehlen, 2);
            QThread::msleep(50);
        }
        QCOMPARE(gemacht.load(), 0);
        TVorausarbeit arbeit(20, zaehlen, 2);
        QCOMPARE(arbeit.Holen(15), "15");
        QCOMPARE(arbeit.Holen(19), "19");
        QCOMPARE(gemacht.load(), 5);
    }
};

VEL_TEST(TstVorausarbeit)
#include "tst_Vorausarbeit.moc"
