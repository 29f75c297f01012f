#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "scheduler/Planpruefung.h"
#include "timeframe/Verfuegbarkeit.h"

#include <QTest>

namespace {

// Maier's Anna with MUE booked at slot 2, one day of six slots; a pause limit of two in a row.
struct TFall {
    TProjektBauer b;
    TGespraech* g;
    TLehrer* mue;
    TEltern* maier;

    TFall() {
        b.Rahmen(1, 6);
        g = b.Wunsch(b.Kind("Maier", "Anna"), "MUE", 2, true);
        mue = g->Lehrer;
        maier = g->Eltern();
    }
};

} // namespace

class TstVerfuegbarkeit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Applying an edited array slot by slot: the value before, the one asked for, what stays, the bits.
    void zeitenUebernehmen_data() {
        QTest::addColumn<int>("vorher");
        QTest::addColumn<int>("neu");
        QTest::addColumn<int>("danach");
        QTest::addColumn<int>("bits");
        QTest::newRow("frei -> gesperrt") << 0 << -1 << -1 << 4;
        QTest::newRow("gesperrt -> frei") << -1 << 0 << 0 << 4;
        QTest::newRow("Pause -> gesperrt") << -2 << -1 << -1 << 4;
        // The pause is left to the recomputation, which frees one nobody needs.
        QTest::newRow("Pause -> frei") << -2 << 0 << 0 << 0;
        QTest::newRow("Termin -> frei") << 1 << 0 << 1 << 0;
        QTest::newRow("Termin -> gesperrt") << 1 << -1 << -1 << 5;
        // A copy taken before the plan changed must not book a slot.
        QTest::newRow("frei -> alte Buchung") << 0 << 1 << 0 << 0;
    }
    void zeitenUebernehmen() {
        QFETCH(int, vorher);
        QFETCH(int, neu);
        QFETCH(int, danach);
        QFETCH(int, bits);
        TFall f;
        const int s = vorher > 0 ? 2 : 4;
        if (vorher <= 0) f.mue->Zeiten[s] = static_cast<int16_t>(vorher);
        TZeiten kopie = f.mue->Zeiten;
        kopie[s] = static_cast<int16_t>(neu);
        QCOMPARE(int(ZeitenUebernehmen(f.b.p, *f.mue, kopie, false)), bits);
        QCOMPARE(int(f.mue->Zeiten[s]), danach);
        if (vorher > 0 && neu == SlotGesperrt) {
            // The appointment went at both sides, with its nail.
            QCOMPARE(int(f.maier->Zeiten[s]), 0);
            QCOMPARE(int(f.g->Termin), int(TerminOffen));
            QVERIFY(!f.g->IstGenagelt());
        }
        QVERIFY2(PlanPruefen(f.b.p).isEmpty(), qPrintable(PlanPruefen(f.b.p).join('\n')));
    }

    // Inactive slots and slots beyond the frame stay, whatever the array says.
    void inaktiveSlots() {
        TFall f;
        TZeiten alles;
        alles.fill(SlotGesperrt);
        ZeitenUebernehmen(f.b.p, *f.mue, alles, false);
        QCOMPARE(int(f.mue->Zeiten[6]), 0);
        QCOMPARE(int(f.mue->Zeiten[SlotsProTag]), 0);
        GlobalSperren(f.b.p, TGlobalModus::Sperren, TZielgruppe::Eltern, alles);
        QCOMPARE(int(f.maier->Zeiten[7]), 0);
    }

    // The three global modes over a family with an appointment and a block.
    void globalSperren_data() {
        QTest::addColumn<int>("modus");
        QTest::addColumn<int>("gruppe");
        QTest::addColumn<QList<int>>("familie");
        QTest::addColumn<bool>("terminBleibt");
        QTest::addColumn<int>("bits");
        // The template frees slots 0 to 2 and blocks 3 to 5; the family had slot 1 blocked.
        QTest::newRow("freigeben, Eltern") << 0 << 1 << QList<int>{0, 0, 1, 0, 0, 0} << true << 4;
        QTest::newRow("sperren, Eltern") << 1 << 1 << QList<int>{0, -1, 1, -1, -1, -1} << true << 4;
        QTest::newRow("setzen, beide") << 2 << 2 << QList<int>{0, 0, 1, -1, -1, -1} << true << 4;
        QTest::newRow("sperren über den Termin, Lehrer")
            << 1 << 0 << QList<int>{0, -1, 0, 0, 0, 0} << false << 5;
    }
    void globalSperren() {
        QFETCH(int, modus);
        QFETCH(int, gruppe);
        QFETCH(QList<int>, familie);
        QFETCH(bool, terminBleibt);
        QFETCH(int, bits);
        TFall f;
        f.maier->Zeiten[1] = SlotGesperrt;
        TZeiten vorlage{};
        const bool ueberTermin = familie[2] == 0;
        for (int s = 3; s < 6; ++s)
            vorlage[s] = SlotGesperrt;
        if (ueberTermin) {
            vorlage.fill(0);
            vorlage[2] = SlotGesperrt;
        }
        QCOMPARE(int(GlobalSperren(f.b.p, static_cast<TGlobalModus>(modus), static_cast<TZielgruppe>(gruppe),
                                   vorlage)),
                 bits);
        QList<int> gezeigt;
        for (int s = 0; s < 6; ++s)
            gezeigt << f.maier->Zeiten[s];
        QCOMPARE(gezeigt, familie);
        QCOMPARE(f.g->Termin >= 0, terminBleibt);
        if (!terminBleibt) QCOMPARE(int(f.mue->Zeiten[2]), int(SlotGesperrt));
        QVERIFY2(PlanPruefen(f.b.p).isEmpty(), qPrintable(PlanPruefen(f.b.p).join('\n')));
    }

    void naegel() {
        TFall f;
        f.b.Wunsch(f.b.Kind("Maier", "Anna"), "BER", 4);
        f.b.p.ReihenfolgeFest = true;
        NaegelZiehen(f.b.p);
        QVERIFY(!HatNaegel(f.b.p));
        QVERIFY(!f.b.p.ReihenfolgeFest);
        f.b.Wunsch(f.b.Kind("Maier", "Anna"), "XYZ");
        AlleNageln(f.b.p);
        for (const auto& g : f.b.p.Gespraechsliste)
            QCOMPARE(g->IstGenagelt(), g->Termin >= 0);
        QVERIFY(PlanPruefen(f.b.p).isEmpty());
    }
};

VEL_TEST(TstVerfuegbarkeit)
#include "tst_Verfuegbarkeit.moc"
