#include "FensterTest.h"
#include "Generator.h"
#include "common/TestHaupt.h"
#include "editing/Handbearbeitung.h"
#include "output/ui/Statisik.h"
#include "scheduler/Planpruefung.h"
#include "scheduler/ui/ProzBar.h"
#include "scheduler/ui/Verbesserungsfenster.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {

std::unique_ptr<TProjekt> Geplant(const TGeneratorOptionen& optionen) {
    auto p = std::make_unique<TProjekt>();
    ProjektErzeugen(*p, optionen);
    TLaufBeobachter still;
    Lauf(*p, still);
    return p;
}

// Watches the modal windows the command opens: the progress window (cancelled when asked), then the
// statistics, whose comparison it reads before closing it.
class TBeobachter : public QObject {
public:
    explicit TBeobachter(bool abbrechen)
        : Abbrechen(abbrechen) {
        connect(&Uhr, &QTimer::timeout, this, &TBeobachter::Nachsehen);
        Uhr.start(1);
    }

    QPointer<TVerbesserungF> Fortschritt;
    TVerbesserungsErgebnis Ergebnis;
    bool Gesehen = false;
    bool Statistik = false;
    QStringList Vorher;
    QStringList Nachher;

private:
    void Nachsehen() {
        QWidget* oben = QApplication::activeModalWidget();
        if (auto* f = qobject_cast<TVerbesserungF*>(oben); f && f->LaeuftGerade() && !Gesehen) {
            Gesehen = true;
            Fortschritt = f;
            Bild(f, QStringLiteral("verbessern.png"));
            if (Abbrechen) f->Canc1->click();
        }
        if (auto* s = qobject_cast<TStatisk*>(oben)) {
            Statistik = true;
            // The progress window lives until the command ends.
            if (Fortschritt) Ergebnis = Fortschritt->Ergebnis();
            for (const auto& [vorher, nachher] : s->Vergleich) {
                Vorher << vorher->text();
                Nachher << nachher->text();
            }
            Bild(s, QStringLiteral("statistik-verbessert.png"));
            s->accept();
        }
    }
    static void Bild(QWidget* w, const QString& name) {
        if (qEnvironmentVariableIsSet("VEL_BILDER"))
            w->grab().save(qEnvironmentVariable("VEL_BILDER") + u'/' + name);
    }

    bool Abbrechen;
    QTimer Uhr;
};

QStringList Zahlen(const TPlanwerte& w, bool zweiTage) {
    QStringList zahlen;
    for (const TPlanwertzeile& z : Planwertzeilen(zweiTage))
        zahlen << QString::number(z.Wert(w));
    return zahlen;
}

} // namespace

class TstVerbessern : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The command needs a plan to improve.
    void nurMitPlan() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(!t.Fenster->Verbessern1->isEnabled());
        t.Fenster->ProjektErsetzen(Geplant({20, 4, 1, 8, 2}));
        QVERIFY(t.Fenster->Verbessern1->isEnabled());
    }

    // The search runs in its window, the plan changes in one undoable step and the statistics show the
    // figures before and after.
    void verbessernImFenster_data() {
        QTest::addColumn<bool>("abbrechen");
        QTest::newRow("bis zum Ende") << false;
        QTest::newRow("abgebrochen") << true;
    }
    void verbessernImFenster() {
        QFETCH(bool, abbrechen);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(Geplant({400, 30, 2, 24, 6}));
        TProjekt& p = *t.Fenster->Projekt();
        const TPlanwerte vorher = PlanwerteBerechnen(p);
        TBeobachter beobachter(abbrechen);
        t.Fenster->Verbessern1->trigger();

        QVERIFY(beobachter.Gesehen);
        QVERIFY(beobachter.Statistik);
        const TVerbesserungsErgebnis& e = beobachter.Ergebnis;
        QCOMPARE(e.Abgebrochen, abbrechen);
        const TPlanwerte nachher = PlanwerteBerechnen(p);
        QCOMPARE(beobachter.Vorher, Zahlen(vorher, true));
        QCOMPARE(beobachter.Nachher, Zahlen(nachher, true));
        QVERIFY(nachher.Terminiert >= vorher.Terminiert);
        if (!abbrechen) QVERIFY(nachher.Wartezeit() < vorher.Wartezeit() * 3 / 4);
        QCOMPARE(PlanPruefen(p), QStringList());
        QVERIFY(t.Fenster->Dokument.IstGeaendert());
        QVERIFY(t.Meldung.Protokoll.isEmpty());

        TRueckCollection& rueck = t.Fenster->Dokument.RueckListe();
        if (e.Alt.empty()) {
            QVERIFY(abbrechen);
            QCOMPARE(rueck.Count(), 0);
            return;
        }
        QCOMPARE(rueck.Count(), 1);
        QCOMPARE(rueck[0]->Art, TRueckgEintrag::Planwechsel);
        QVERIFY(Zurueckspulen(p, rueck, -1));
        QCOMPARE(PlanwerteBerechnen(p).Wartezeit(), vorher.Wartezeit());
    }
};

VEL_TEST(TstVerbessern)
#include "tst_Verbessern.moc"
