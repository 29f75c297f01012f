#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "scheduler/Planpruefung.h"

#include <QTest>
#include <functional>

using TStoerung = std::function<void(TProjektBauer&)>;
Q_DECLARE_METATYPE(TStoerung)

class TstPlanpruefung : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void befunde_data() {
        QTest::addColumn<TStoerung>("stoerung");
        QTest::addColumn<QStringList>("befunde");
        QTest::newRow("sauber") << TStoerung([](TProjektBauer&) {}) << QStringList();
        QTest::newRow("fehlt bei der Familie")
            << TStoerung([](TProjektBauer& b) { b.Familie("Maier")->Zeiten[0] = SlotFrei; })
            << QStringList{"Gespräch 1 steht am 01.03.27, 14:00 nicht bei Familie 1 (Maier)."};
        QTest::newRow("gesperrt beim Lehrer")
            << TStoerung([](TProjektBauer& b) { b.Lehrer("A")->Zeiten[0] = SlotGesperrt; })
            << QStringList{"Gespräch 1 steht am 01.03.27, 14:00, wo Lehrer A gesperrt ist."};
        QTest::newRow("Nummer an fremder Stelle")
            << TStoerung([](TProjektBauer& b) { b.Familie("Maier")->Zeiten[4] = 1; })
            << QStringList{
                   "Familie 1 (Maier): am 01.03.27, 14:40 steht Gespräch 1, das dort nicht terminiert ist."};
        QTest::newRow("unbekannte Nummer")
            << TStoerung([](TProjektBauer& b) { b.Lehrer("B")->Zeiten[5] = 99; })
            << QStringList{"Lehrer B: am 01.03.27, 14:50 steht Gespräch 99, das es nicht gibt."};
        QTest::newRow("fehlender Slot")
            << TStoerung([](TProjektBauer& b) { b.p.ZeitAktiv[0] = false; })
            << QStringList{"Gespräch 1 steht auf Slot 0, den es im Zeitrahmen nicht gibt."};
        QTest::newRow("zu langer Block")
            << TStoerung([](TProjektBauer& b) { b.Wunsch(b.Kind("Maier", "Anna"), "C", 2); })
            << QStringList{"Familie 1 (Maier): 3 Termine in Folge ab 01.03.27, 14:00, erlaubt sind 2."};
        QTest::newRow("Kürzel doppelt")
            << TStoerung([](TProjektBauer& b) { b.Lehrer("B")->Kuerzel = QStringLiteral("A"); })
            << QStringList{"Das Kürzel „A“ ist mehrfach vergeben."};
        QTest::newRow("Vorname doppelt")
            << TStoerung([](TProjektBauer& b) { b.Kind("Maier", "Ben")->Vorname = QStringLiteral("Anna"); })
            << QStringList{"Familie 1 (Maier): Der Vorname „Anna“ kommt mehrfach vor."};
        QTest::newRow("ohne Grenze") << TStoerung([](TProjektBauer& b) {
            b.Wunsch(b.Kind("Maier", "Anna"), "C", 2);
            b.p.MaximalBlock_El = 0;
        }) << QStringList();
    }
    void befunde() {
        QFETCH(TStoerung, stoerung);
        QFETCH(QStringList, befunde);
        TProjektBauer b;
        b.Rahmen(1, 8).Bloecke(6, 2);
        TKind* anna = b.Kind("Maier", "Anna");
        b.Wunsch(anna, "A", 0);
        b.Wunsch(anna, "B", 1);
        b.Wunsch(b.Kind("Huber", "Ben"), "A", 3);
        stoerung(b);
        QCOMPARE(PlanPruefen(b.p), befunde);
    }
};

VEL_TEST(TstPlanpruefung)
#include "tst_Planpruefung.moc"
