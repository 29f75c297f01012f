#include "Planhilfen.h"
#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "scheduler/Planpruefung.h"
#include "scheduler/Termin.h"

#include <QTest>

namespace {

void AllesSperrenAusser(TPerson* person, int slots, std::initializer_list<int> frei) {
    for (int s = 0; s < slots; ++s)
        if (std::find(frei.begin(), frei.end(), s) == frei.end()) person->Zeiten[s] = SlotGesperrt;
}

} // namespace

class TstOptimierung : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The only common slot is held by the family's own conversation with another teacher.
    void nachplatzierenVerdraengtEigenesGespraech_data() {
        QTest::addColumn<bool>("genagelt");
        QTest::newRow("verschiebbar") << false;
        QTest::newRow("genagelt") << true;
    }
    void nachplatzierenVerdraengtEigenesGespraech() {
        QFETCH(bool, genagelt);
        TProjektBauer b;
        b.Rahmen(1, 4);
        TKind* anna = b.Kind("Maier", "Anna");
        TGespraech* h = b.Wunsch(anna, "B", 1, genagelt);
        b.Wunsch(anna, "X", 3, true); // the search runs outwards from the family's last appointment
        TGespraech* g = b.Wunsch(anna, "A");
        AllesSperrenAusser(b.Lehrer("A"), 4, {1});
        TTerminierung t(b.p);
        t.Nachplatzieren();
        QCOMPARE(g->Termin, genagelt ? TerminOffen : 1);
        QCOMPARE(h->Termin, genagelt ? 1 : 2);
        QCOMPARE(PlanPruefen(b.p), QStringList());
    }

    void nachplatzierenVerdraengtGespraechDesLehrers() {
        TProjektBauer b;
        b.Rahmen(1, 4);
        TKind* anna = b.Kind("Maier", "Anna");
        TKind* ben = b.Kind("Huber", "Ben");
        TGespraech* h = b.Wunsch(ben, "A", 2);
        TGespraech* g = b.Wunsch(anna, "A");
        AllesSperrenAusser(anna->Eltern, 4, {2});
        b.Sperren(ben->Eltern, {0, 1});
        TTerminierung t(b.p);
        t.Nachplatzieren();
        QCOMPARE(g->Termin, 2);
        QCOMPARE(h->Termin, 3);
        QCOMPARE(PlanPruefen(b.p), QStringList());
    }

    void kandidatSuchen() {
        TProjektBauer b;
        b.Rahmen(1, 8);
        TKind* anna = b.Kind("Maier", "Anna");
        TKind* ben = b.Kind("Huber", "Ben");
        TGespraech* h = b.Wunsch(ben, "T", 1);
        b.Wunsch(ben, "X", 5);
        b.Sperren(anna->Eltern, {0});
        TTerminierung t(b.p);
        TZeiten& familie = anna->Eltern->Zeiten;
        TZeiten& lehrer = b.Lehrer("T")->Zeiten;
        // Moving Ben's appointment from 1 to 4, next to his other one, gains 9.
        const TVerdraengung bis1 = t.KandidatSuchen(familie, lehrer, 0, +1, 1, TVerworfen());
        QCOMPARE(bis1.Slot, 1);
        QCOMPARE(bis1.Wert, 9);
        QCOMPARE(bis1.Alternative, 4);
        QCOMPARE(ben->Eltern->Zeiten[1], h->Nummer); // restored after the evaluation
        // A slot free for both ends the scan and wins over the displacement before it.
        const TVerdraengung frei = t.KandidatSuchen(familie, lehrer, 0, +1, 7, TVerworfen());
        QCOMPARE(frei.Slot, 2);
        QCOMPARE(frei.Wert, 0);
        QCOMPARE(frei.Alternative, 2);
        TVerworfen verworfen;
        verworfen.set(1);
        QVERIFY(!t.KandidatSuchen(familie, lehrer, 1, -1, 0, verworfen).Gefunden());
    }

    // A hand edit left a run longer than the family's limit: the slot of the appointment that would have to
    // give way is rejected, and its booking stays intact.
    void abgelehnterSlotBehaeltBuchung() {
        TProjektBauer b;
        b.Rahmen(1, 6).Bloecke(6, 1);
        TKind* anna = b.Kind("Maier", "Anna");
        b.Wunsch(anna, "X", 3, true);
        TGespraech* h = b.Wunsch(anna, "H", 2);
        TGespraech* g = b.Wunsch(anna, "T");
        AllesSperrenAusser(b.Lehrer("T"), 6, {2});
        TTerminierung t(b.p);
        t.Nachplatzieren();
        QCOMPARE(g->Termin, TerminOffen);
        QCOMPARE(h->Termin, 2);
        QCOMPARE(anna->Eltern->Zeiten[2], h->Nummer);
        QCOMPARE(b.Lehrer("H")->Zeiten[2], h->Nummer);
    }

    // The first appointment of the day moves next to the second one, where the family's gap closes.
    void verbessernSchliesstLuecke_data() {
        QTest::addColumn<int>("alterTermin");
        QTest::addColumn<bool>("keinNeuerPlatz");
        QTest::newRow("neuer Platz") << int(TerminOffen) << false;
        QTest::newRow("zurück an den alten Platz") << 5 << true;
    }
    void verbessernSchliesstLuecke() {
        QFETCH(int, alterTermin);
        QFETCH(bool, keinNeuerPlatz);
        TProjektBauer b;
        b.Rahmen(1, 10);
        TKind* anna = b.Kind("Maier", "Anna");
        TGespraech* a = b.Wunsch(anna, "A", 2);
        b.Wunsch(anna, "B", 6);
        a->AlterTermin = alterTermin;
        TTerminierung t(b.p);
        t.Verbessern(*anna->Eltern, true, 0, +1);
        QCOMPARE(a->Termin, 5);
        QCOMPARE(a->AlterTermin, 2);
        QVERIFY(t.Verbessert);
        QVERIFY(t.SweepGeaendert);
        QVERIFY(!t.KeineVerschiebung);
        QCOMPARE(t.KeinNeuerPlatz, keinNeuerPlatz);
        QCOMPARE(PlanPruefen(b.p), QStringList());
    }

    // With the family's gap cost equal everywhere, the last slot with any gain for the teacher wins.
    void lehrerGewinnEntscheidetGleichstand() {
        TProjektBauer b;
        b.Rahmen(1, 12);
        TGespraech* a = b.Wunsch(b.Kind("Maier", "Anna"), "A", 2);
        b.Wunsch(b.Kind("Huber", "Ben"), "A", 5);
        b.Wunsch(b.Kind("Vogel", "Eva"), "A", 7);
        TTerminierung t(b.p);
        t.Verbessern(*a->Eltern(), true, 0, +1);
        QCOMPARE(a->Termin, 9);
    }

    // The scan stops when it reaches the end of the day right after a candidate: the last slot is not tried
    // then, although the teacher would gain there too.
    void tagesendeNachKandidatNichtProbiert_data() {
        QTest::addColumn<int>("richtung");
        QTest::addColumn<int>("lehrer");
        QTest::addColumn<int>("slot");
        QTest::newRow("vorwärts") << +1 << 45 << 46;
        QTest::newRow("rückwärts") << -1 << 2 << 1;
    }
    void tagesendeNachKandidatNichtProbiert() {
        QFETCH(int, richtung);
        QFETCH(int, lehrer);
        QFETCH(int, slot);
        TProjektBauer b;
        b.Rahmen(1, SlotsProTag);
        TGespraech* a = b.Wunsch(b.Kind("Maier", "Anna"), "A", 20);
        b.Wunsch(b.Kind("Huber", "Ben"), "A", lehrer);
        TTerminierung t(b.p);
        t.Verbessern(*a->Eltern(), true, 0, richtung);
        QCOMPARE(a->Termin, slot);
    }

    void genagelterTerminBleibt() {
        TProjektBauer b;
        b.Rahmen(1, 10);
        TKind* anna = b.Kind("Maier", "Anna");
        TGespraech* a = b.Wunsch(anna, "A", 0, true);
        TGespraech* c = b.Wunsch(anna, "B", 8, true);
        TTerminierung t(b.p);
        t.Verbessern(*anna->Eltern, true, 0, +1);
        t.Verbessern(*b.Lehrer("B"), false, 0, -1);
        QCOMPARE(a->Termin, 0);
        QCOMPARE(c->Termin, 8);
        QVERIFY(!t.Verbessert);
    }

    void markiertePersonWirdUebersprungen() {
        TProjektBauer b;
        b.Rahmen(1, 10);
        TKind* anna = b.Kind("Maier", "Anna");
        TGespraech* a = b.Wunsch(anna, "A", 2);
        b.Wunsch(anna, "B", 6);
        anna->Eltern->Zaehler = 0x8000;
        TTerminierung(b.p).Verbessern(*anna->Eltern, true, 0, +1);
        QCOMPARE(a->Termin, 2);
    }

    // Nothing to improve: one pass, then the passes stop; the marks are cleared and the pauses rebuilt.
    void einDurchgangOhneVerschiebung() {
        TProjektBauer b;
        b.Rahmen(1, 10).Bloecke(2, 2);
        TKind* anna = b.Kind("Maier", "Anna");
        b.Wunsch(anna, "A", 0);
        b.Wunsch(anna, "B", 1);
        TProtokoll protokoll;
        TTerminierung t(b.p, &protokoll);
        t.Optimieren();
        QCOMPARE(t.Durchgang, 1);
        QVERIFY(protokoll.Texte.contains(QStringLiteral("Label4 Optimierung abgeschlossen.")));
        QCOMPARE(protokoll.Status.last(), QString());
        QCOMPARE(anna->Eltern->Zaehler, 0);
        QCOMPARE(anna->Eltern->Zeiten[2], SlotPause);
    }
};

VEL_TEST(TstOptimierung)
#include "tst_Optimierung.moc"
