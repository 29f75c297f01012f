#include "common/ProjektBauer.h"
#include "common/SkriptMeldung.h"
#include "common/TestHaupt.h"
#include "settings/Notizzettel.h"

#include <QTest>

namespace {

// The shapes a project can have for the note pad's rules.
enum class TStand { KeinProjekt, Leer, NurLehrer, NurFamilie, Wuensche, MitRaum, Geplant };

std::unique_ptr<TProjekt> Bauen(TStand stand) {
    if (stand == TStand::KeinProjekt) return nullptr;
    TProjektBauer b;
    b.Rahmen(1, 6);
    NotizenLeeren(b.p);
    if (stand == TStand::NurLehrer) b.Lehrer("MUE");
    if (stand == TStand::NurFamilie) b.Kind("Maier", "Anna", "5a");
    if (stand >= TStand::Wuensche) {
        TGespraech* g = b.Wunsch(b.Kind("Maier", "Anna", "5a"), "MUE", stand == TStand::Geplant ? 2 : -1);
        if (stand == TStand::MitRaum) g->Lehrer->Raum = QStringLiteral("A1");
    }
    return b.Abgeben();
}

} // namespace

Q_DECLARE_METATYPE(TStand)

// The work steps of the note pad: which marks the user may tick by hand and why not, and which marks
// the shape of the project clears by itself.
class TstNotizzettel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void beschriftungen() {
        QCOMPARE(NotizBeschriftung(1), "Zeitrahmen festgelegt");
        QCOMPARE(NotizBeschriftung(6), "Elternliste: Zeiten gesperrt,\rGesprächswünsche eingegeben");
        QCOMPARE(NotizBeschriftung(12), "Gesprächslisten für Eltern gedruckt");
        QVERIFY(NotizBeschriftung(13).isEmpty());
    }

    void vonHand_data() {
        QTest::addColumn<TStand>("stand");
        QTest::addColumn<int>("schritt");
        QTest::addColumn<QString>("grund"); // empty: the mark is ticked
        QTest::newRow("Zeitrahmen ohne Projekt") << TStand::KeinProjekt << 2 << "es keinen Zeitrahmen gibt";
        QTest::newRow("Standardsperre") << TStand::Leer << 2 << "";
        QTest::newRow("Lehrerliste leer") << TStand::NurFamilie << 3 << "die Lehrerliste leer ist";
        QTest::newRow("Lehrer erfasst") << TStand::NurLehrer << 3 << "";
        QTest::newRow("Lehrer bearbeitet, leer") << TStand::Leer << 5 << "die Lehrerliste leer ist";
        QTest::newRow("Elternliste leer") << TStand::NurLehrer << 4 << "die Elternliste leer ist";
        QTest::newRow("Eltern bearbeitet") << TStand::NurFamilie << 6 << "";
        QTest::newRow("kein Raum") << TStand::Wuensche << 7 << "es keinen Lehrer mit Raum gibt";
        QTest::newRow("Raum") << TStand::MitRaum << 7 << "";
        QTest::newRow("nicht terminiert") << TStand::MitRaum << 8 << "kein Gespräch terminiert ist";
        QTest::newRow("Eltern gedruckt ohne Plan")
            << TStand::Wuensche << 12 << "kein Gespräch terminiert ist";
        QTest::newRow("Termine berechnet") << TStand::Geplant << 8 << "";
        QTest::newRow("Lehrerlisten gedruckt") << TStand::Geplant << 11 << "";
    }
    // Ticking an empty mark asks for the step's condition and else says why not, leaving it empty; a
    // ticked mark can always be cleared.
    void vonHand() {
        QFETCH(TStand, stand);
        QFETCH(int, schritt);
        QFETCH(QString, grund);
        auto p = Bauen(stand);
        TSkriptMeldung m;
        QCOMPARE(HakenUmschalten(p.get(), schritt, m), grund.isEmpty());
        QCOMPARE(HakenGesetzt(p.get(), schritt), grund.isEmpty());
        if (!grund.isEmpty()) {
            QCOMPARE(m.Protokoll.size(), 1);
            QCOMPARE(m.Protokoll[0].Text, "Weil " + grund + ",\rkönnen Sie dieses Feld nicht abhaken.");
            if (!p) return;
            // Set by a command, it is cleared by hand whatever the project looks like.
            HakenSetzen(*p, schritt, true);
            QVERIFY(HakenUmschalten(p.get(), schritt, m));
            QVERIFY(!HakenGesetzt(p.get(), schritt));
            return;
        }
        QVERIFY(m.Protokoll.isEmpty());
        QVERIFY(p->NotizHaken[static_cast<size_t>(schritt - 2)]);
        QVERIFY(HakenUmschalten(p.get(), schritt, m));
        QVERIFY(!HakenGesetzt(p.get(), schritt));
    }

    // The time frame's step follows the open project; a click only says so.
    void zeitrahmen() {
        TSkriptMeldung m;
        QVERIFY(!HakenGesetzt(nullptr, 1));
        auto p = Bauen(TStand::Leer);
        QVERIFY(HakenGesetzt(p.get(), 1));
        QVERIFY(!HakenUmschalten(p.get(), 1, m));
        QVERIFY(HakenGesetzt(p.get(), 1));
        QCOMPARE(m.Protokoll.size(), 1);
        QCOMPARE(m.Protokoll[0].Text, "Dieses Feld verwaltet VEL für Sie.");
        HakenSetzen(*p, 1, false);
        QVERIFY(HakenGesetzt(p.get(), 1));
        QVERIFY(std::none_of(p->NotizHaken.begin(), p->NotizHaken.end(), [](bool b) { return b; }));
    }

    void abgleichen_data() {
        QTest::addColumn<TStand>("stand");
        QTest::addColumn<QList<int>>("bleiben");
        QTest::newRow("leer") << TStand::Leer << QList<int>{2};
        QTest::newRow("nur Lehrer") << TStand::NurLehrer << QList<int>{2, 3, 5};
        QTest::newRow("nur Familie") << TStand::NurFamilie << QList<int>{2, 4};
        QTest::newRow("Wünsche") << TStand::Wuensche << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    }
    // Without conversations every step from the request entry on goes, without teachers the teacher
    // and room steps, without families the family list's step.
    void abgleichen() {
        QFETCH(TStand, stand);
        QFETCH(QList<int>, bleiben);
        auto p = Bauen(stand);
        p->NotizHaken.fill(true);
        QCOMPARE(HakenAbgleichen(*p), bleiben.size() < NotizSchritte - 1);
        for (int s = 2; s <= NotizSchritte; ++s)
            QCOMPARE(HakenGesetzt(p.get(), s), bleiben.contains(s));
        QVERIFY(!HakenAbgleichen(*p));
    }
};

VEL_TEST(TstNotizzettel)
#include "tst_Notizzettel.moc"
