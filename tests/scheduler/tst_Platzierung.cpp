#include "Planhilfen.h"
#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "scheduler/Termin.h"

#include <QTest>

namespace {

QList<int> Pausen(const TZeiten& z) {
    QList<int> pausen;
    for (int s = 0; s < SlotAnzahl; ++s)
        if (z[s] == SlotPause) pausen << s;
    return pausen;
}

} // namespace

class TstPlatzierung : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void slotSuche() {
        TProjektBauer b;
        b.Rahmen(2, 10);
        b.p.ZeitAktiv[3] = false;
        TTerminierung t(b.p);
        TZeiten f{};
        TZeiten l{};
        f[3] = 7; // a slot that does not exist is never free or booked
        l[1] = SlotGesperrt;
        f[2] = SlotPause;
        QCOMPARE(t.FreiFuerBeide(f, l, 1, +1, 9), 4);
        QCOMPARE(t.FreiFuerBeide(f, l, 4, -1, 0), 4);
        QCOMPARE(t.FreiFuerBeide(f, l, 2, -1, 0), 0);
        QCOMPARE(t.FreiFuerBeide(f, l, 2, -1, 1), KeinSlot);   // the limit is examined, and it is blocked
        QCOMPARE(t.FreiFuerBeide(f, l, 10, +1, 47), KeinSlot); // slots 10 to 47 do not exist
        QCOMPARE(t.FreiFuerBeide(f, l, -1, -1, 0), KeinSlot);
        QCOMPARE(t.ErsterTermin(f, 0), KeinSlot);
        f[6] = 8;
        f[50] = 9;
        QCOMPARE(t.ErsterTermin(f, 0), 6);
        QCOMPARE(t.LetzterTermin(f, 0), 6);
        QCOMPARE(t.LetzterTermin(f, SlotsProTag), 50);
        QCOMPARE(t.Abstand(f, 4), 2);
        QCOMPARE(t.Abstand(f, 9), 3);
        QCOMPARE(t.Abstand(f, 49), 1);
        QCOMPARE(t.Abstand(l, 5), SlotsProTag);
    }

    void blockPruefenUndPausenLoesen() {
        TProjektBauer b;
        b.Rahmen(1, 12);
        TTerminierung t(b.p);
        TZeiten z{};
        z[4] = 1;
        z[5] = 2;
        z[7] = 3;
        QVERIFY(t.BlockPruefen(0, 8, z, 2));
        QCOMPARE(z[8], SlotFrei);
        QVERIFY(!t.BlockPruefen(0, 6, z, 3)); // 4, 5, 6 and 7 would form a run of four
        QCOMPARE(z[6], SlotPause);
        QVERIFY(t.BlockPruefen(0, 6, z, 4));
        z[3] = SlotPause;
        z[1] = SlotPause;
        z[6] = SlotPause;
        t.PausenLoesen(5, z);
        QCOMPARE(Pausen(z), QList<int>{1}); // only the two pauses bounding the run around slot 5
    }

    void findeTermin_data() {
        QTest::addColumn<QList<int>>("familie");
        QTest::addColumn<QList<int>>("lehrerBelegt");
        QTest::addColumn<QList<int>>("lehrerGesperrt");
        QTest::addColumn<int>("grenzeLehrer");
        QTest::addColumn<int>("grenzeEltern");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QList<int>>("pausenFamilie");
        QTest::addColumn<QList<int>>("pausenLehrer");
        QTest::newRow("ohne Termin der früheste") << QList<int>{} << QList<int>{} << QList<int>{0, 1} << 6
                                                  << 4 << 2 << QList<int>{} << QList<int>{};
        QTest::newRow("Gleichstand geht nach vorn") << QList<int>{10} << QList<int>{} << QList<int>{9, 11}
                                                    << 6 << 4 << 8 << QList<int>{} << QList<int>{};
        QTest::newRow("danach näher") << QList<int>{6} << QList<int>{} << QList<int>{4, 5, 7} << 6 << 4 << 8
                                      << QList<int>{} << QList<int>{};
        QTest::newRow("Abstand zum nächsten Termin")
            << QList<int>{3, 10} << QList<int>{} << QList<int>{5, 6, 7, 8, 9} << 6 << 4 << 4 << QList<int>{}
            << QList<int>{};
        QTest::newRow("Familiengrenze setzt Pausen") << QList<int>{9, 10} << QList<int>{} << QList<int>{} << 6
                                                     << 2 << 7 << QList<int>{8, 11} << QList<int>{};
        QTest::newRow("Lehrergrenze setzt Pause")
            << QList<int>{} << QList<int>{1} << QList<int>{0} << 1 << 4 << 3 << QList<int>{} << QList<int>{2};
        QTest::newRow("kein gemeinsamer Slot")
            << QList<int>{5} << QList<int>{0, 1, 2, 3} << QList<int>{4, 6, 7, 8, 9, 10, 11} << 6 << 4
            << KeinSlot << QList<int>{} << QList<int>{};
    }
    void findeTermin() {
        QFETCH(QList<int>, familie);
        QFETCH(QList<int>, lehrerBelegt);
        QFETCH(QList<int>, lehrerGesperrt);
        QFETCH(int, grenzeLehrer);
        QFETCH(int, grenzeEltern);
        QFETCH(int, slot);
        QFETCH(QList<int>, pausenFamilie);
        QFETCH(QList<int>, pausenLehrer);
        TProjektBauer b;
        b.Rahmen(1, 12).Bloecke(grenzeLehrer, grenzeEltern);
        TKind* anna = b.Kind("Maier", "Anna");
        TLehrer* lehrer = b.Lehrer("T");
        for (int i = 0; i < familie.size(); ++i)
            b.Wunsch(anna, QStringLiteral("F%1").arg(i), familie[i]);
        for (int i = 0; i < lehrerBelegt.size(); ++i)
            b.Wunsch(b.Kind(QStringLiteral("Fam%1").arg(i), "Kind"), "T", lehrerBelegt[i]);
        for (int s : lehrerGesperrt)
            lehrer->Zeiten[s] = SlotGesperrt;
        TTerminierung t(b.p);
        QCOMPARE(t.FindeTermin(anna->Eltern->Zeiten, lehrer->Zeiten, 0), slot);
        QCOMPARE(Pausen(anna->Eltern->Zeiten), pausenFamilie);
        QCOMPARE(Pausen(lehrer->Zeiten), pausenLehrer);
    }

    void ersteVerteilung_data() {
        QTest::addColumn<int>("tage");
        QTest::addColumn<bool>("tag1");
        QTest::addColumn<QList<int>>("gesperrt");
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("tag1Danach");
        QTest::newRow("ein Tag") << 1 << true << QList<int>{0} << 1 << true;
        QTest::newRow("ein Tag sucht immer Tag 1") << 1 << false << QList<int>{} << 0 << true;
        QTest::newRow("Tag 2 bevorzugt") << 2 << false << QList<int>{48} << 49 << false;
        QTest::newRow("Tag 1 voll") << 2 << true << QList<int>{0, 1, 2, 3} << 48 << true;
        QTest::newRow("kein Tag frei")
            << 2 << true << QList<int>{0, 1, 2, 3, 48, 49, 50, 51} << int(TerminOffen) << true;
    }
    void ersteVerteilung() {
        QFETCH(int, tage);
        QFETCH(bool, tag1);
        QFETCH(QList<int>, gesperrt);
        QFETCH(int, slot);
        QFETCH(bool, tag1Danach);
        TProjektBauer b;
        b.Rahmen(tage, 4);
        b.p.BitteTag1 = tag1;
        TKind* anna = b.Kind("Maier", "Anna");
        TGespraech* g = b.Wunsch(anna, "A");
        TGespraech* unmoeglich = b.Wunsch(anna, "B");
        unmoeglich->Termin = TerminUnmoeglich;
        TGespraech* genagelt = b.Wunsch(b.Kind("Huber", "Ben"), "A");
        genagelt->SetGenagelt(true);
        for (int s : gesperrt)
            b.Lehrer("A")->Zeiten[s] = SlotGesperrt;
        TProtokoll protokoll;
        TTerminierung t(b.p, &protokoll);
        t.ErsteVerteilung();
        QCOMPARE(g->Termin, slot);
        QCOMPARE(unmoeglich->Termin, TerminUnmoeglich);
        QCOMPARE(genagelt->Termin, TerminOffen);
        QCOMPARE(b.p.BitteTag1, tag1Danach);
        QCOMPARE(protokoll.Abfragen, 3); // once per conversation
        QCOMPARE(protokoll.Status, QStringList{QStringLiteral(
                                       "Für jedes Gespräch wird ein günstiger freier Termin gesucht ...")});
    }
};

VEL_TEST(TstPlatzierung)
#include "tst_Platzierung.moc"
