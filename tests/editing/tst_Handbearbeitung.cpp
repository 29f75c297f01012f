#include "Generator.h"
#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "editing/Handbearbeitung.h"
#include "model/Dateneingabe.h"
#include "scheduler/Lauf.h"
#include "scheduler/Planpruefung.h"
#include "scheduler/Termin.h"
#include "scheduler/Verbesserung.h"
#include "timeframe/Verfuegbarkeit.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

namespace {

// Two days of six slots, block limits 2. Family Acker's request with MUE stands at slot 4; MUE talks
// with Berg at slots 0 and 1 (so slot 2 is MUE's pause) and with Cordes at 49; Acker is blocked at
// slot 3 and talks with ZED at 50. Acker's request with YPS has no appointment.
struct TFall {
    TProjektBauer b;
    TGespraech* g;
    TGespraech* offen;
    TEltern* acker;
    TLehrer* mue;

    TFall() {
        b.Rahmen(2, 6).Bloecke(2, 2);
        TKind* anna = b.Kind(QStringLiteral("Acker"), QStringLiteral("Anna"), QStringLiteral("5a"));
        g = b.Wunsch(anna, QStringLiteral("MUE"), 4);
        b.Wunsch(b.Kind(QStringLiteral("Berg"), QStringLiteral("Ben")), QStringLiteral("MUE"), 0);
        b.Wunsch(b.Kind(QStringLiteral("Berg"), QStringLiteral("Bea")), QStringLiteral("MUE"), 1);
        b.Wunsch(b.Kind(QStringLiteral("Cordes"), QStringLiteral("Cem")), QStringLiteral("MUE"), 49);
        b.Wunsch(anna, QStringLiteral("ZED"), 50);
        offen = b.Wunsch(anna, QStringLiteral("YPS"));
        acker = anna->Eltern;
        mue = g->Lehrer;
        b.Sperren(acker, {3});
        b.p.PausenAlle();
        b.p.ZaehleGespraeche();
        TTerminierung(b.p).UnmoeglicheBestimmen();
    }
    TProjekt& p() { return b.p; }
};

struct TStand {
    std::vector<int16_t> Termine;
    std::vector<int16_t> Flags;
    std::vector<TZeiten> Zeiten;
    bool operator==(const TStand&) const = default;
};

TStand StandAufnehmen(const TProjekt& p) {
    TStand s;
    for (const auto& g : p.Gespraechsliste) {
        s.Termine.push_back(g->Termin);
        s.Flags.push_back(g->Flags);
    }
    for (const auto& l : p.Lehrerliste)
        s.Zeiten.push_back(l->Zeiten);
    for (const auto& e : p.Elternliste)
        s.Zeiten.push_back(e->Zeiten);
    return s;
}

} // namespace

class TstHandbearbeitung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void zeilen() {
        TFall f;
        QCOMPARE(AktiveSlots(f.p()), 12);
        QCOMPARE(ZeileZuSlot(f.p(), -1), -1);
        QCOMPARE(ZeileZuSlot(f.p(), 5), 5);
        QCOMPARE(ZeileZuSlot(f.p(), 6), 48);
        QCOMPARE(ZeileZuSlot(f.p(), 12), -1);
        QCOMPARE(SlotZuZeile(f.p(), 49), 7);
        QCOMPARE(SlotZuZeile(f.p(), 6), -1);
    }

    void verschiebbar_data() {
        QTest::addColumn<int>("marke");
        QTest::addColumn<bool>("erwartet");
        QTest::newRow("freier Slot") << 0 << false;
        QTest::newRow("Gespräch") << 5 << true;
        QTest::newRow("größte Nummer") << 32765 << true;
        QTest::newRow("genagelt") << 0x8005 << false;
        QTest::newRow("gesperrt") << 0x8000 << false;
        QTest::newRow("Schlusszeile") << 0x7FFF << false;
        QTest::newRow("Überschrift") << 0x7FFE << false;
    }
    void verschiebbar() {
        QFETCH(int, marke);
        QFETCH(bool, erwartet);
        QCOMPARE(Verschiebbar(static_cast<uint16_t>(marke)), erwartet);
    }

    void ziele_data() {
        QTest::addColumn<bool>("ohneTermin");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("erwartet");
        const auto U = static_cast<int>(TZielart::Ungueltig);
        QTest::newRow("Lehrer belegt") << false << 0 << U;
        QTest::newRow("Pause des Lehrers") << false << 2 << static_cast<int>(TZielart::Pause);
        QTest::newRow("Familie gesperrt") << false << 3 << U;
        QTest::newRow("eigene Zeile") << false << 4 << U;
        QTest::newRow("frei") << false << 5 << static_cast<int>(TZielart::Frei);
        QTest::newRow("frei am zweiten Tag") << false << 6 << static_cast<int>(TZielart::Frei);
        QTest::newRow("Lehrer am zweiten Tag belegt") << false << 7 << U;
        QTest::newRow("Familie am zweiten Tag belegt") << false << 8 << U;
        QTest::newRow("unter dem Zeitplan") << false << 12 << static_cast<int>(TZielart::NichtTerminiert);
        QTest::newRow("ohne Termin: frei") << true << 5 << static_cast<int>(TZielart::Frei);
        QTest::newRow("ohne Termin: unter dem Zeitplan") << true << 13 << U;
        QTest::newRow("ohne Termin: Familie belegt") << true << 4 << U;
    }
    void ziele() {
        QFETCH(bool, ohneTermin);
        QFETCH(int, zeile);
        QFETCH(int, erwartet);
        TFall f;
        TGespraech* g = ohneTermin ? f.offen : f.g;
        const TAufnahme a = Aufnehmen(f.p(), *g);
        QCOMPARE(static_cast<int>(ZielPruefen(f.p(), a, zeile, ohneTermin ? 12 : 4)), erwartet);
        // Taking the snapshot leaves the plan alone.
        QCOMPARE(f.mue->Zeiten[4], f.g->Nummer);
    }

    // Dropping records the old slot; undo and redo swap it with the current one.
    void verschiebenRueckgaengig() {
        TFall f;
        TRueckCollection rueck;
        const TStand vorher = StandAufnehmen(f.p());
        GespraechAblegen(f.p(), rueck, *f.g, 5);
        QCOMPARE(f.g->Termin, 5);
        QCOMPARE(f.mue->Zeiten[5], f.g->Nummer);
        QCOMPARE(f.acker->Zeiten[5], f.g->Nummer);
        QCOMPARE(f.acker->Zeiten[4], SlotFrei);
        QCOMPARE(f.p().Handverschoben, -1);
        QCOMPARE(rueck.Count(), 1);
        QCOMPARE(rueck.Position, 1);
        QCOMPARE(rueck[0]->Art, TRueckgEintrag::Terminverschiebung);
        QCOMPARE(rueck[0]->Wert, 4);
        QVERIFY(PlanPruefen(f.p()).isEmpty());

        QCOMPARE(EintragBeschreiben(f.p(), rueck, 0, -1), QStringLiteral("Terminverschiebung:\rAcker + MUE"));
        const TRueckfrage frage = RueckfrageText(f.p(), *rueck[0], -1);
        QCOMPARE(frage.Titel, QString::fromUtf8("Verschiebung zurücknehmen:"));
        QCOMPARE(frage.Text,
                 QString::fromUtf8("Soll das Gespräch von ") + f.acker->Anschrift(true) +
                     QStringLiteral("\rmit ") + f.mue->Anschrift(true) +
                     QString::fromUtf8(" (MUE)\rüber Anna (5a)\r\rzurückgesetzt werden\r\rvon: ") +
                     f.p().TerminText(5) + QStringLiteral("\rauf:  ") + f.p().TerminText(4) +
                     QStringLiteral(" ?"));

        QVERIFY(Zurueckspulen(f.p(), rueck, -1));
        QCOMPARE(StandAufnehmen(f.p()), vorher);
        QCOMPARE(rueck.Position, 0);
        QCOMPARE(rueck[0]->Wert, 5);
        QVERIFY(!Zurueckspulen(f.p(), rueck, -1));
        QVERIFY(
            RueckfrageText(f.p(), *rueck[0], 1).Text.contains(QStringLiteral("erneut verschoben werden")));

        QVERIFY(Zurueckspulen(f.p(), rueck, 1));
        QCOMPARE(f.g->Termin, 5);
        QCOMPARE(rueck[0]->Wert, 4);
        QVERIFY(!Zurueckspulen(f.p(), rueck, 1));
    }

    void pauseErsetzen() {
        TFall f;
        TRueckCollection rueck;
        GespraechAblegen(f.p(), rueck, *f.g, 2);
        QCOMPARE(f.mue->Zeiten[2], f.g->Nummer);
        // The pauses follow the new run 0..2 of MUE.
        QCOMPARE(f.mue->Zeiten[3], SlotPause);
        QCOMPARE(f.mue->Zeiten[4], SlotFrei);
        QVERIFY(PlanPruefen(f.p()).isEmpty());
    }

    void nichtTerminiert() {
        TFall f;
        TRueckCollection rueck;
        GespraechAblegen(f.p(), rueck, *f.g, 12);
        QCOMPARE(f.g->Termin, TerminOffen);
        QCOMPARE(f.mue->Zeiten[4], SlotFrei);
        QCOMPARE(f.acker->Zeiten[4], SlotFrei);
        QVERIFY(PlanPruefen(f.p()).isEmpty());
        QVERIFY(Zurueckspulen(f.p(), rueck, -1));
        QCOMPARE(f.g->Termin, 4);
        QCOMPARE(f.acker->Zeiten[4], f.g->Nummer);
    }

    void nagel() {
        TFall f;
        TRueckCollection rueck;
        NagelUmschalten(rueck, *f.g);
        QVERIFY(f.g->IstGenagelt());
        QCOMPARE(rueck[0]->Art, TRueckgEintrag::Nagel);
        QCOMPARE(EintragBeschreiben(f.p(), rueck, 0, -1), QStringLiteral("Nagelsetzen :\rAcker + MUE"));
        const TRueckfrage frage = RueckfrageText(f.p(), *rueck[0], -1);
        QCOMPARE(frage.Titel, QString::fromUtf8("Nagel-Aktion rückgängig:"));
        QVERIFY(frage.Text.startsWith(QString::fromUtf8("Soll beim Gespräch von ")));
        QVERIFY(frage.Text.endsWith(QString::fromUtf8("\r\rder Nagel wieder entfernt werden?")));
        QVERIFY(Zurueckspulen(f.p(), rueck, -1));
        QVERIFY(!f.g->IstGenagelt());
        QCOMPARE(EintragBeschreiben(f.p(), rueck, 0, 1), QStringLiteral("Nagelsetzen :\rAcker + MUE"));
        QCOMPARE(RueckfrageText(f.p(), *rueck[0], 1).Titel, QStringLiteral("Nagel-Aktion wiederherstellen:"));
        QVERIFY(Zurueckspulen(f.p(), rueck, 1));
        QVERIFY(f.g->IstGenagelt());
    }

    // Nail on a free slot row of a family blocks it, pliers free it again: two entries.
    void sperren_data() {
        QTest::addColumn<bool>("familie");
        QTest::addColumn<int>("slot");
        QTest::newRow("Familie, freier Slot") << true << 5;
        QTest::newRow("Lehrer, Pause") << false << 2;
        QTest::newRow("Lehrer, zweiter Tag") << false << 53;
    }
    void sperren() {
        QFETCH(bool, familie);
        QFETCH(int, slot);
        TFall f;
        TRueckCollection rueck;
        TPerson& person = familie ? static_cast<TPerson&>(*f.acker) : *f.mue;
        const TStand vorher = StandAufnehmen(f.p());
        QVERIFY(SlotUmschalten(f.p(), rueck, person, familie, slot));
        QCOMPARE(person.Zeiten[slot], SlotGesperrt);
        QCOMPARE(rueck[0]->Art, familie ? TRueckgEintrag::ElternSperre : TRueckgEintrag::LehrerSperre);
        QCOMPARE(rueck[0]->Wert, slot);
        QCOMPARE(EintragBeschreiben(f.p(), rueck, 0, -1), QStringLiteral("Zeitsperrung bei ") + person.Name);
        QCOMPARE(RueckfrageText(f.p(), *rueck[0], -1).Text,
                 QStringLiteral("Soll bei ") + person.Anschrift(true) + QStringLiteral("\rdie Zeit ") +
                     f.p().TerminText(slot) + QStringLiteral("\rwieder freigegeben werden?"));
        QVERIFY(SlotUmschalten(f.p(), rueck, person, familie, slot));
        QCOMPARE(StandAufnehmen(f.p()), vorher);
        QCOMPARE(rueck.Count(), 2);
        QCOMPARE(EintragBeschreiben(f.p(), rueck, 1, -1), QStringLiteral("Zeitfreigabe bei ") + person.Name);

        QVERIFY(Zurueckspulen(f.p(), rueck, -1));
        QCOMPARE(person.Zeiten[slot], SlotGesperrt);
        QVERIFY(Zurueckspulen(f.p(), rueck, -1));
        QCOMPARE(StandAufnehmen(f.p()), vorher);
        QVERIFY(Zurueckspulen(f.p(), rueck, 1));
        QCOMPARE(person.Zeiten[slot], SlotGesperrt);
    }

    // A booked slot is not blocked by hand, and blocking reclassifies the unscheduled requests.
    void sperrenKlassifiziert() {
        TFall f;
        TRueckCollection rueck;
        QVERIFY(!SlotUmschalten(f.p(), rueck, *f.mue, false, 4));
        QCOMPARE(rueck.Count(), 0);
        TLehrer* yps = f.offen->Lehrer;
        QCOMPARE(f.offen->Termin, TerminOffen);
        for (int s : {0, 1, 2, 4, 5, 48, 49, 51, 52, 53})
            QVERIFY(SlotUmschalten(f.p(), rueck, *yps, false, s));
        // Slot 3 is blocked for the family, 50 booked, which does not count: still possible.
        QCOMPARE(f.offen->Termin, TerminOffen);
        QVERIFY(SlotUmschalten(f.p(), rueck, *yps, false, 50));
        QCOMPARE(f.offen->Termin, TerminUnmoeglich);
        QVERIFY(Zurueckspulen(f.p(), rueck, -1));
        QCOMPARE(f.offen->Termin, TerminOffen);
    }

    void speichergrenze() {
        TFall f;
        TRueckCollection rueck;
        for (int i = 0; i < MaxRueckSchritte; ++i)
            NagelUmschalten(rueck, i == 0 ? *f.offen : *f.g);
        QCOMPARE(rueck.Count(), 150);
        QCOMPARE(rueck.Position, 150);
        QCOMPARE(static_cast<TGespraech*>(rueck[0]->Ziel), f.offen);
        NagelUmschalten(rueck, *f.g);
        QCOMPARE(rueck.Count(), 150);
        QCOMPARE(rueck.Position, 150);
        QCOMPARE(static_cast<TGespraech*>(rueck[0]->Ziel), f.g);

        // A new edit after two undos drops the two entries that could have been redone.
        QVERIFY(Zurueckspulen(f.p(), rueck, -1));
        QVERIFY(Zurueckspulen(f.p(), rueck, -1));
        QCOMPARE(rueck.Position, 148);
        NagelUmschalten(rueck, *f.offen);
        QCOMPARE(rueck.Count(), 149);
        QCOMPARE(rueck.Position, 149);
        QVERIFY(!AnstehenderEintrag(rueck, 1));
        RueckListeLeeren(rueck);
        QCOMPARE(rueck.Count(), 0);
        QCOMPARE(rueck.Position, 0);
    }

    // Entries never reach records that left the project, nor slots that changed elsewhere meanwhile.
    void veralteteEintraege() {
        TFall f;
        TRueckCollection rueck;
        GespraechAblegen(f.p(), rueck, *f.g, 5);
        // Blocking the old slot in the blocking dialog does not empty the store.
        TZeiten neu = f.mue->Zeiten;
        neu[4] = SlotGesperrt;
        QCOMPARE(ZeitenUebernehmen(f.p(), *f.mue, neu, false) & Zeitaenderung::TerminWeg, 0);
        QVERIFY(!EintragAusfuehrbar(f.p(), *rueck[0]));
        const TStand vorher = StandAufnehmen(f.p());
        QVERIFY(!Zurueckspulen(f.p(), rueck, -1));
        QCOMPARE(StandAufnehmen(f.p()), vorher);
        QCOMPARE(rueck.Position, 1);

        TLehrer fremd(f.p().Standardsperre, QStringLiteral("Herr"), QStringLiteral("X"), QStringLiteral("X"),
                      {}, {});
        const TRueckgEintrag eintrag{TRueckgEintrag::LehrerSperre, &fremd, 5};
        QVERIFY(!EintragAusfuehrbar(f.p(), eintrag));
        QCOMPARE(EintragBeschreiben(f.p(), rueck, 5, -1), QString());

        // Deleting the family empties the store, as its entries would point at freed records.
        NagelUmschalten(rueck, *f.offen);
        FamilieLoeschen(f.p(), rueck, f.acker);
        QCOMPARE(rueck.Count(), 0);
    }

    // "Plan verbessern" is one step of the store: undo puts back every appointment it moved, redo every
    // improvement, after and before the hand edits around it.
    void planverbesserung() {
        TProjekt p;
        ProjektErzeugen(p, {60, 8, 2, 12, 4});
        TLaufBeobachter still;
        Lauf(p, still);
        p.PausenAlle();
        TRueckCollection rueck;
        const TStand anfang = StandAufnehmen(p);
        // A hand edit first: the first conversation that has a slot free for both.
        bool abgelegt = false;
        for (int i = 0; i < p.Gespraechsliste.Count() && !abgelegt; ++i) {
            TGespraech* g = p.Gespraechsliste[i];
            const TAufnahme a = Aufnehmen(p, *g);
            for (int zeile = 0; zeile < AktiveSlots(p) && !abgelegt; ++zeile)
                if (ZielPruefen(p, a, zeile, g->Termin >= 0 ? SlotZuZeile(p, g->Termin) : -1) ==
                    TZielart::Frei) {
                    GespraechAblegen(p, rueck, *g, zeile);
                    abgelegt = true;
                }
        }
        QVERIFY(abgelegt);
        const TStand vorher = StandAufnehmen(p);

        TVerbesserungsOptionen o;
        o.Schritte = 20000;
        TVerbesserungsBeobachter beobachter;
        TVerbesserungsErgebnis e = PlanVerbessern(p, o, beobachter);
        QVERIFY(e.Alt.size() > 10);
        PlanwechselEintragen(rueck, e.Alt);
        const TStand nachher = StandAufnehmen(p);
        QCOMPARE(rueck.Count(), 2);
        QCOMPARE(rueck.Position, 2);
        QCOMPARE(EintragBeschreiben(p, rueck, 1, -1),
                 QStringLiteral("Planverbesserung:\r%1 Gespräche verlegt").arg(e.Alt.size()));
        QCOMPARE(RueckfrageText(p, *rueck[1], -1).Titel, QStringLiteral("Planverbesserung zurücknehmen:"));
        QCOMPARE(RueckfrageText(p, *rueck[1], 1).Titel, QStringLiteral("Planverbesserung wiederherstellen:"));

        for (int runde = 0; runde < 2; ++runde) {
            QVERIFY(Zurueckspulen(p, rueck, -1));
            QCOMPARE(StandAufnehmen(p), vorher);
            QVERIFY(PlanPruefen(p).isEmpty());
            QVERIFY(Zurueckspulen(p, rueck, 1));
            QCOMPARE(StandAufnehmen(p), nachher);
        }
        QVERIFY(Zurueckspulen(p, rueck, -1));
        QVERIFY(Zurueckspulen(p, rueck, -1));
        QCOMPARE(StandAufnehmen(p), anfang);

        // A slot the plan would go back to, blocked meanwhile, stops it.
        QVERIFY(Zurueckspulen(p, rueck, 1));
        QVERIFY(Zurueckspulen(p, rueck, 1));
        const auto& termine = rueck[1]->Termine;
        const auto bewegt =
            std::find_if(termine.begin(), termine.end(), [](const auto& t) { return t.second >= 0; });
        QVERIFY(bewegt != termine.end());
        bewegt->first->Lehrer->Zeiten[static_cast<size_t>(bewegt->second)] = SlotGesperrt;
        QVERIFY(!EintragAusfuehrbar(p, *rueck[1]));
        QVERIFY(!Zurueckspulen(p, rueck, -1));
    }

    // Random edits, undos and redos on a computed plan keep it sound; undoing all restores it exactly.
    void zufallsfolge() {
        TProjekt p;
        ProjektErzeugen(p, {60, 12, 2, 10, 3});
        TLaufBeobachter still;
        Lauf(p, still);
        p.UnmoeglichBestimmt = false;
        TTerminierung(p).UnmoeglicheBestimmen();
        // Every edit recomputes the pauses of whom it touches; the start must look the same.
        p.PausenAlle();
        QVERIFY(PlanPruefen(p).isEmpty());
        const TStand anfang = StandAufnehmen(p);
        const int k = AktiveSlots(p);
        QVERIFY(k > 10);

        TRueckCollection rueck;
        QRandomGenerator zufall(11);
        int verschoben = 0;
        for (int schritt = 0; schritt < 600; ++schritt) {
            const int wahl = static_cast<int>(zufall.bounded(10));
            if (wahl < 2) {
                Zurueckspulen(p, rueck, -1);
            } else if (wahl < 3) {
                Zurueckspulen(p, rueck, 1);
            } else if (rueck.Position < MaxRueckSchritte) {
                TGespraech* g =
                    p.Gespraechsliste[static_cast<int>(zufall.bounded(p.Gespraechsliste.Count()))];
                if (wahl < 7 && !g->IstGenagelt()) {
                    const TAufnahme a = Aufnehmen(p, *g);
                    const int von = g->Termin >= 0 ? SlotZuZeile(p, g->Termin) : k;
                    std::vector<int> ziele;
                    for (int z = 0; z <= k; ++z)
                        if (ZielPruefen(p, a, z, von) != TZielart::Ungueltig) ziele.push_back(z);
                    if (ziele.empty()) continue;
                    GespraechAblegen(p, rueck, *g, ziele[zufall.bounded(static_cast<quint32>(ziele.size()))]);
                    ++verschoben;
                } else if (wahl < 8) {
                    NagelUmschalten(rueck, *g);
                } else {
                    const bool familie = zufall.bounded(2) == 0;
                    TPerson& person = familie ? static_cast<TPerson&>(*g->Eltern()) : *g->Lehrer;
                    SlotUmschalten(p, rueck, person, familie,
                                   ZeileZuSlot(p, static_cast<int>(zufall.bounded(k))));
                }
            }
            const QStringList befunde = PlanPruefen(p);
            QVERIFY2(befunde.isEmpty(), qPrintable(befunde.join(u'\n')));
        }
        QVERIFY(verschoben > 100);

        const TStand ende = StandAufnehmen(p);
        const int position = rueck.Position;
        while (rueck.Position > 0)
            QVERIFY(Zurueckspulen(p, rueck, -1));
        QCOMPARE(StandAufnehmen(p), anfang);
        QVERIFY(PlanPruefen(p).isEmpty());
        while (rueck.Position < position)
            QVERIFY(Zurueckspulen(p, rueck, 1));
        QCOMPARE(StandAufnehmen(p), ende);
    }
};

VEL_TEST(TstHandbearbeitung)
#include "tst_Handbearbeitung.moc"
