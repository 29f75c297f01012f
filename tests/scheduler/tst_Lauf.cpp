#include "Planhilfen.h"
#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "scheduler/Lauf.h"
#include "scheduler/Planpruefung.h"

#include <QTest>
#include <QThread>

namespace {

const QString AbbruchVerteilung = QStringLiteral("Sie haben die Terminierung abgebrochen.\rAlle ungenagelten "
                                                 "Gespräche wurden auf 'nicht terminiert' zurückgesetzt.");
const QString AbbruchOptimierung = QStringLiteral(
    "Sie haben die Optimierung abgebrochen und können nun die Termine weiter von Hand bearbeiten oder "
    "die Terminierung erneut aufrufen.");

void KleinesProjekt(TProjektBauer& b) {
    b.Rahmen(1, 8).Bloecke(3, 2);
    TKind* anna = b.Kind("Maier", "Anna");
    b.Wunsch(anna, "A");
    b.Wunsch(anna, "B");
    b.Wunsch(b.Kind("Maier", "Ben"), "C", 5, true);
    b.Wunsch(b.Kind("Huber", "Eva"), "A");
}

int Terminiert(const TProjekt& p) {
    return static_cast<int>(std::count_if(p.Gespraechsliste.begin(), p.Gespraechsliste.end(),
                                          [](const auto& g) { return g->Termin >= 0; }));
}

// The persons whose mark "has an appointment" does not say what the plan says.
QStringList BelegungFalsch(const TProjekt& p) {
    QStringList falsch;
    const auto pruefen = [&](const TPerson& person, const QString& name) {
        const bool gebucht =
            std::any_of(person.Zeiten.begin(), person.Zeiten.end(), [](int16_t z) { return z > 0; });
        if (bool(person.HatTermin) != gebucht) falsch << name;
    };
    for (const auto& l : p.Lehrerliste)
        pruefen(*l, l->Kuerzel);
    for (const auto& e : p.Elternliste)
        pruefen(*e, e->Name);
    return falsch;
}

} // namespace

Q_DECLARE_METATYPE(TGeneratorOptionen)

class TstLauf : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void berichtetDenAblauf() {
        TProjektBauer b;
        KleinesProjekt(b);
        b.p.Handverschoben = 3;
        TProtokoll protokoll;
        const TLaufErgebnis e = Lauf(b.p, protokoll);
        QVERIFY(!e.Abgebrochen);
        QVERIFY(protokoll.IstFertig);
        QVERIFY(protokoll.Meldung.isEmpty());
        const QStringList erwartet{
            "Label2 VEL arbeitet,\r\nSie haben Pause!",
            "Label1 Für die Terminsuche wird die Reihenfolge ermittelt ...",
            "Label1 Die Reihenfolge für die Terminsuche ist fertig.",
            "Label3 Terminsuche...",
            "Label3 Terminsuche durchgeführt.",
            "Label5 1. Durchgang",
            "Label4 Suche für noch nicht terminierte Gespräche",
            "Label4 Optimierung der Termine für Eltern",
            "Label4 Optimierung der Termine für Lehrer",
            // Appointments moved to new places in the first pass, so a second one runs.
            "Label5 2. Durchgang",
            "Label4 Suche für noch nicht terminierte Gespräche",
            "Label4 Optimierung der Termine für Eltern",
            "Label4 Optimierung der Termine für Lehrer",
            "Label4 Optimierung abgeschlossen.",
            "Label2 \r\nFertig!",
        };
        QCOMPARE(protokoll.Texte, erwartet);
        QCOMPARE(protokoll.Balken0, (QList<int>{0, 5, 15, 25, 45, 100}));
        QCOMPARE(protokoll.Status,
                 (QStringList{"Es wird die Reihenfolge für die Terminvergabe festgelegt...",
                              "Für jedes Gespräch wird ein günstiger freier Termin gesucht ...",
                              "Die Terminierung wird verbessert...", QString()}));
        QVERIFY(b.p.TermineBerechnet);
        QVERIFY(b.p.ReihenfolgeFest);
        QVERIFY(b.p.UnmoeglichBestimmt);
        QCOMPARE(b.p.Handverschoben, 0);
        QVERIFY(b.p.Laufzeit > 0);
        QCOMPARE(Terminiert(b.p), 4);
        QCOMPARE(PlanPruefen(b.p), QStringList());
        QCOMPARE(BelegungFalsch(b.p), QStringList());
    }

    // The run's duration is kept in days, as a date difference: a run slowed to about 0.3 s.
    void laufzeit() {
        struct TLangsam : TLaufBeobachter {
            void Text(TLaufText label, const QString&) override {
                if (label == TLaufText::Label3) QThread::msleep(150);
            }
        } langsam;
        TProjektBauer b;
        KleinesProjekt(b);
        Lauf(b.p, langsam);
        const double sekunden = b.p.Laufzeit * 86400.0;
        QVERIFY2(sekunden >= 0.29 && sekunden < 10, qPrintable(QString::number(sekunden)));
    }

    void projektOhneGespraeche() {
        TProjektBauer b;
        b.Rahmen(2, 10);
        b.Lehrer("A");
        b.Kind("Maier", "Anna");
        TProtokoll protokoll;
        QVERIFY(!Lauf(b.p, protokoll).Abgebrochen);
        QCOMPARE(protokoll.Texte.last(), QStringLiteral("Label2 \r\nFertig!"));

        TProjekt leer;
        QVERIFY(!Lauf(leer, protokoll).Abgebrochen);
        QVERIFY(leer.TermineBerechnet);
    }

    void zweiterLaufOhneAenderung() {
        TProjektBauer b;
        ProjektAufbauen(b.p, {60, 10, 2, 12, 3}, 4, 2, true, TVorbelegung::Naegel);
        TLaufBeobachter still;
        QVERIFY(!BerechnungErledigt(b.p));
        Lauf(b.p, still);
        QVERIFY(BerechnungErledigt(b.p));
        const QString erster = PlanAbbild(b.p, false);
        TProtokoll protokoll;
        Lauf(b.p, protokoll);
        QVERIFY(protokoll.Texte.contains("Label1 Die Reihenfolge für die Terminsuche steht bereits fest."));
        // The same plan; only the work counters of the skipped ordering step stay cleared.
        QCOMPARE(ErsterUnterschied(PlanAbbild(b.p, false), erster), QString());
        b.p.Handverschoben = 1;
        QVERIFY(!BerechnungErledigt(b.p));
    }

    void festeReihenfolgeBleibt() {
        TProjektBauer b;
        b.Rahmen(1, 8);
        TGespraech* offen = b.Wunsch(b.Kind("Maier", "Anna"), "A");
        TGespraech* genagelt = b.Wunsch(b.Kind("Huber", "Ben"), "A", 3, true);
        b.p.ReihenfolgeFest = true;
        TLaufBeobachter still;
        Lauf(b.p, still);
        QCOMPARE(b.p.Gespraechsliste[0], offen);
        b.p.ReihenfolgeFest = false;
        Lauf(b.p, still);
        QCOMPARE(b.p.Gespraechsliste[0], genagelt);
    }

    void abbrechen_data() {
        QTest::addColumn<QString>("phase");
        QTest::addColumn<int>("nach");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("sofort") << QString() << 0 << AbbruchVerteilung;
        QTest::newRow("erste Verteilung") << "Terminsuche..." << 40 << AbbruchVerteilung;
        QTest::newRow("Nachplatzieren")
            << "Suche für noch nicht terminierte Gespräche" << 30 << AbbruchOptimierung;
        QTest::newRow("Eltern") << "Optimierung der Termine für Eltern" << 25 << AbbruchOptimierung;
        QTest::newRow("Lehrer") << "Optimierung der Termine für Lehrer" << 3 << AbbruchOptimierung;
    }
    void abbrechen() {
        QFETCH(QString, phase);
        QFETCH(int, nach);
        QFETCH(QString, meldung);
        TProjektBauer b;
        ProjektAufbauen(b.p, {80, 12, 2, 14, 5}, 3, 2, false, TVorbelegung::Naegel);
        const QString vorher = NaegelUndSperren(b.p);
        TProtokoll protokoll;
        protokoll.AbbruchPhase = phase;
        protokoll.AbbruchNach = nach;
        const TLaufErgebnis e = Lauf(b.p, protokoll);
        QVERIFY(e.Abgebrochen);
        QCOMPARE(e.Abbruchmeldung, meldung);
        QCOMPARE(protokoll.Meldung, meldung);
        QVERIFY(!protokoll.IstFertig);
        QVERIFY(!b.p.TermineBerechnet);
        QCOMPARE(b.p.Laufzeit, 0.0);
        // The cancel came in the chosen phase: no later phase was announced.
        if (!phase.isEmpty()) QVERIFY(protokoll.Texte.last().endsWith(phase));
        QCOMPARE(PlanPruefen(b.p), QStringList());
        QCOMPARE(NaegelUndSperren(b.p), vorher);
        const bool nurNaegel = std::all_of(b.p.Gespraechsliste.begin(), b.p.Gespraechsliste.end(),
                                           [](const auto& g) { return g->Termin < 0 || g->IstGenagelt(); });
        QCOMPARE(nurNaegel, meldung == AbbruchVerteilung);
        QCOMPARE(BelegungFalsch(b.p), QStringList());
    }

    void generierteProjekte_data() {
        QTest::addColumn<TGeneratorOptionen>("optionen");
        QTest::addColumn<int>("grenzeLehrer");
        QTest::addColumn<int>("grenzeEltern");
        QTest::addColumn<bool>("tag1");
        QTest::newRow("klein") << TGeneratorOptionen{40, 8, 1, 20, 1} << 6 << 4 << true;
        QTest::newRow("klein, andere Saat") << TGeneratorOptionen{40, 8, 1, 20, 9} << 2 << 1 << true;
        QTest::newRow("zwei Tage, Tag 2 zuerst") << TGeneratorOptionen{150, 20, 2, 24, 2} << 4 << 2 << false;
        QTest::newRow("ohne Grenzen") << TGeneratorOptionen{150, 20, 2, 30, 4} << 0 << 0 << true;
        QTest::newRow("mittel") << GroesseM() << 6 << 4 << true;
    }
    void generierteProjekte() {
        QFETCH(TGeneratorOptionen, optionen);
        QFETCH(int, grenzeLehrer);
        QFETCH(int, grenzeEltern);
        QFETCH(bool, tag1);
        TProjekt a;
        TProjekt b;
        ProjektAufbauen(a, optionen, grenzeLehrer, grenzeEltern, tag1, TVorbelegung::Naegel);
        ProjektAufbauen(b, optionen, grenzeLehrer, grenzeEltern, tag1, TVorbelegung::Naegel);
        const QString vorher = NaegelUndSperren(a);
        TLaufBeobachter still;
        QVERIFY(!Lauf(a, still).Abgebrochen);
        QCOMPARE(PlanPruefen(a), QStringList());
        QCOMPARE(NaegelUndSperren(a), vorher);
        QVERIFY(Terminiert(a) > a.Gespraechsliste.Count() / 2);
        QCOMPARE(BelegungFalsch(a), QStringList());
        Lauf(b, still);
        QCOMPARE(ErsterUnterschied(PlanAbbild(a), PlanAbbild(b)), QString());
    }
};

VEL_TEST(TstLauf)
#include "tst_Lauf.moc"
