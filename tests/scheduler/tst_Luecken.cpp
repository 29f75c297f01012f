#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "scheduler/Termin.h"

#include <QTest>

class TstLuecken : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void luecken_data() {
        QTest::addColumn<int>("tage");
        QTest::addColumn<bool>("familie");
        QTest::addColumn<QList<int>>("belegt");
        QTest::addColumn<QList<int>>("fehlend");
        QTest::addColumn<int>("kosten");
        QTest::newRow("keiner") << 1 << true << QList<int>{} << QList<int>{} << 0;
        QTest::newRow("eine Lücke von zwei") << 1 << true << QList<int>{3, 6} << QList<int>{} << 7;
        QTest::newRow("Toleranz bei drei Terminen") << 1 << true << QList<int>{3, 4, 6} << QList<int>{} << 0;
        QTest::newRow("Lehrer ohne Toleranz") << 1 << false << QList<int>{10, 12} << QList<int>{} << 2;
        QTest::newRow("Lehrer zwei Lücken") << 1 << false << QList<int>{1, 3, 6} << QList<int>{} << 10;
        QTest::newRow("fehlender Slot zählt als Lücke")
            << 1 << false << QList<int>{10, 12} << QList<int>{11} << 2;
        QTest::newRow("Toleranz über der Lücke")
            << 1 << true << QList<int>{0, 1, 2, 4, 6} << QList<int>{} << 2;
        QTest::newRow("zwei Tage kosten 12") << 2 << true << QList<int>{5, 60} << QList<int>{} << 12;
        QTest::newRow("zweiter Tag mit Lücke") << 2 << true << QList<int>{5, 60, 62} << QList<int>{} << 14;
        QTest::newRow("ein Tag ohne zweiten") << 1 << true << QList<int>{5, 60} << QList<int>{} << 0;
        QTest::newRow("dreizehn Termine")
            << 1 << true << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 16} << QList<int>{} << 10;
    }
    void luecken() {
        QFETCH(int, tage);
        QFETCH(bool, familie);
        QFETCH(QList<int>, belegt);
        QFETCH(QList<int>, fehlend);
        QFETCH(int, kosten);
        TProjektBauer b;
        b.Rahmen(tage, SlotsProTag);
        for (int s : fehlend)
            b.p.ZeitAktiv[s] = false;
        TZeiten z{};
        for (int s : belegt)
            z[s] = static_cast<int16_t>(s + 1);
        z[20] = SlotGesperrt; // blocked and pause slots are neither booked nor counted outside a gap
        z[21] = SlotPause;
        QCOMPARE(TTerminierung(b.p).Luecken(z, familie), kosten);
    }

    void verschiebungswert() {
        TProjektBauer b;
        b.Rahmen(1, 20);
        TZeiten z{};
        z[3] = 1;
        z[6] = 2;
        TTerminierung t(b.p);
        // 3 and 6 cost 7; moving 3 to 5 leaves no gap.
        QCOMPARE(t.Verschiebungswert(z, 3, 5), 7);
        QCOMPARE(t.Verschiebungswert(z, 3, 10), 7 - 2 * 3 - 2 - 1);
        QCOMPARE(z[3], 1); // the array is left as it was
        QCOMPARE(z[5], SlotFrei);
        z[5] = SlotGesperrt; // the entry at the source is restored whatever it held
        QCOMPARE(t.Verschiebungswert(z, 5, 4), 0);
        QCOMPARE(z[5], SlotGesperrt);
    }
};

VEL_TEST(TstLuecken)
#include "tst_Luecken.moc"
