#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "model/Projektoperationen.h"

#include <QTest>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

std::vector<int> Pausen(const TProjekt& p, const TZeiten& z) {
    std::vector<int> pausen;
    for (int s = 0; s <= p.LetzterSlot; ++s)
        if (z[s] == SlotPause) pausen.push_back(s);
    return pausen;
}

} // namespace

class TstModell : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pausenSetzen_data() {
        QTest::addColumn<int>("tage");
        QTest::addColumn<int>("grenze");
        QTest::addColumn<std::vector<int>>("belegt");
        QTest::addColumn<std::vector<int>>("fehlend");
        QTest::addColumn<std::vector<int>>("pausen");
        // Slots every 10 minutes from 13:00: slots 6 and 7 are 14:00 and 14:10.
        QTest::newRow("Block erreicht")
            << 1 << 2 << std::vector<int>{6, 7} << std::vector<int>{} << std::vector<int>{5, 8};
        QTest::newRow("Luecke würde verbinden")
            << 1 << 3 << std::vector<int>{4, 5, 7} << std::vector<int>{} << std::vector<int>{6};
        QTest::newRow("fehlender Slot trennt")
            << 1 << 3 << std::vector<int>{4, 5, 7} << std::vector<int>{6} << std::vector<int>{};
        QTest::newRow("unter der Grenze")
            << 1 << 3 << std::vector<int>{4, 5} << std::vector<int>{} << std::vector<int>{};
        QTest::newRow("Tagesende") << 2 << 2 << std::vector<int>{46, 47, 48, 49} << std::vector<int>{}
                                   << std::vector<int>{45, 50};
        QTest::newRow("fehlender Nachbar")
            << 1 << 2 << std::vector<int>{6, 7} << std::vector<int>{5} << std::vector<int>{8};
    }
    void pausenSetzen() {
        QFETCH(int, tage);
        QFETCH(int, grenze);
        QFETCH(std::vector<int>, belegt);
        QFETCH(std::vector<int>, fehlend);
        QFETCH(std::vector<int>, pausen);
        TProjektBauer b;
        b.Rahmen(tage, SlotsProTag, 13 * 60).Bloecke(grenze, grenze);
        for (int s : fehlend)
            b.p.ZeitAktiv[s] = false;
        TZeiten z{};
        z[20] = SlotPause; // an old pause goes away
        for (int s : belegt)
            z[s] = static_cast<int16_t>(s + 1);
        b.p.PausenSetzen(z, true);
        QCOMPARE(Pausen(b.p, z), pausen);
    }

    void pausenLassenSperrenStehen() {
        TProjektBauer b;
        b.Rahmen(1, 20).Bloecke(2, 2);
        TZeiten z{};
        z[3] = SlotGesperrt;
        z[4] = 10;
        z[5] = 11;
        b.p.PausenSetzen(z, false);
        QCOMPARE(z[3], SlotGesperrt);
        QCOMPARE(z[6], SlotPause);
    }

    void neuesGespraechZaehltWeiter() {
        TProjektBauer b;
        b.Rahmen(1, 10);
        TKind* k = b.Kind("Maier", "Anna");
        TGespraech* g1 = b.Wunsch(k, "A");
        TGespraech* g2 = b.Wunsch(k, "B");
        QCOMPARE(g1->Nummer, 1);
        QCOMPARE(g2->Nummer, 2);
        QCOMPARE(g2->Rang, 1);
        QCOMPARE(g2->Termin, TerminOffen);
        QCOMPARE(b.p.LetzteGespraechNr, 2);
        QCOMPARE(k->Eltern->Nummer, 1);
        QCOMPARE(b.p.LetzteElternNr, 1);
    }

    void entfernenGibtSlotFreiUndNummeriertRang() {
        TProjektBauer b;
        b.Rahmen(1, 12).Bloecke(2, 2);
        TKind* k = b.Kind("Maier", "Anna");
        TGespraech* g0 = b.Wunsch(k, "A", 2);
        TGespraech* g1 = b.Wunsch(k, "B", 3);
        TGespraech* g2 = b.Wunsch(k, "C");
        TEltern* e = k->Eltern;
        b.p.PausenSetzen(e->Zeiten, true);
        QCOMPARE(e->Zeiten[4], SlotPause);
        TLehrer* a = g0->Lehrer;
        b.p.ReihenfolgeFest = true;

        b.p.Gespraechsliste.Entfernen(g0);
        QCOMPARE(b.p.Gespraechsliste.Count(), 2);
        QCOMPARE(a->Zeiten[2], SlotFrei);
        QCOMPARE(e->Zeiten[2], SlotFrei);
        QCOMPARE(e->Zeiten[3], g1->Nummer);
        QCOMPARE(e->Zeiten[4], SlotFrei); // the pause went with the shorter run
        QCOMPARE(k->Gespraeche, (std::vector<TGespraech*>{g1, g2}));
        QCOMPARE(g1->Rang, 0);
        QCOMPARE(g2->Rang, 1);
        QVERIFY(!b.p.ReihenfolgeFest);

        b.p.Gespraechsliste.Entfernen(nullptr);
        QCOMPARE(b.p.Gespraechsliste.Count(), 2);
    }

    void kindNimmtGespraecheMit() {
        TProjektBauer b;
        b.Rahmen(1, 12);
        TKind* anna = b.Kind("Maier", "Anna");
        TKind* ben = b.Kind("Maier", "Ben");
        b.Wunsch(anna, "A", 1);
        b.Wunsch(anna, "B");
        TGespraech* bleibt = b.Wunsch(ben, "A", 2);
        TLehrer* a = b.p.Lehrerliste.FindeKuerzel("A");
        b.p.ZaehleGespraeche();
        QCOMPARE(a->Zaehler, 2);

        TEltern* e = anna->Eltern;
        e->Kinder.Delete(e->Kinder.IndexOf(anna));
        QCOMPARE(b.p.Gespraechsliste.Count(), 1);
        QCOMPARE(b.p.Gespraechsliste[0], bleibt);
        QCOMPARE(a->Zeiten[1], SlotFrei);
        QCOMPARE(a->Zeiten[2], bleibt->Nummer);
        QCOMPARE(a->Zaehler, 1);
        QCOMPARE(a->AnzTerminiert, 1);
        QCOMPARE(e->Zaehler, 1);
    }

    void familieLoeschenGibtLehrerFrei() {
        TProjektBauer b;
        b.Rahmen(1, 12);
        b.Wunsch(b.Kind("Maier", "Anna"), "A", 4);
        b.Wunsch(b.Kind("Maier", "Ben"), "B", 5);
        b.p.Elternliste.Delete(0);
        QVERIFY(b.p.Gespraechsliste.Leer());
        QCOMPARE(b.p.Lehrerliste.FindeKuerzel("A")->Zeiten[4], SlotFrei);
        QCOMPARE(b.p.Lehrerliste.FindeKuerzel("B")->Zeiten[5], SlotFrei);
    }

    void geleerteGespraechslisteLeertKinder() {
        TProjektBauer b;
        TKind* k = b.Kind("Maier", "Anna");
        b.Wunsch(k, "A");
        b.p.Gespraechsliste.Clear();
        QVERIFY(k->Gespraeche.empty());
    }

    void terminAufheben() {
        TProjektBauer b;
        b.Rahmen(1, 12).Bloecke(1, 1);
        TGespraech* g = b.Wunsch(b.Kind("Maier", "Anna"), "A", 4, true);
        b.p.PausenAlle();
        b.p.Gespraechsliste.TerminAufheben(g->Nummer);
        QCOMPARE(g->Termin, TerminOffen);
        QVERIFY(!g->IstGenagelt());
        QCOMPARE(g->Lehrer->Zeiten[4], SlotFrei);
        QCOMPARE(g->Eltern()->Zeiten[4], SlotFrei);
        QCOMPARE(g->Lehrer->Zeiten[5], SlotPause); // pauses stay until recomputed
        b.p.Gespraechsliste.TerminAufheben(999);
        QVERIFY(!b.p.Gespraechsliste.HatTermine());
    }

    void flags() {
        TGespraech g;
        g.SetKindKommtMit(true);
        g.SetGenagelt(true);
        QCOMPARE(g.Flags, 3);
        g.SetGenagelt(false);
        QVERIFY(!g.IstGenagelt());
        QVERIFY(g.KindKommtMit());
        QCOMPARE(g.Flags, 2);
    }

    void zaehlenUndBelegung() {
        TProjektBauer b;
        b.Rahmen(1, 12);
        TKind* anna = b.Kind("Maier", "Anna");
        b.Wunsch(anna, "A", 1);
        b.Wunsch(anna, "B");
        b.Wunsch(b.Kind("Schulz", "Tim"), "A");
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();
        TLehrer* a = b.p.Lehrerliste.FindeKuerzel("A");
        TLehrer* bb = b.p.Lehrerliste.FindeKuerzel("B");
        QCOMPARE(a->Zaehler, 2);
        QCOMPARE(a->AnzTerminiert, 1);
        QCOMPARE(bb->Zaehler, 1);
        QCOMPARE(anna->Eltern->Zaehler, 2);
        QVERIFY(a->HatTermin);
        QVERIFY(!bb->HatTermin);
        QVERIFY(anna->Eltern->HatTermin);
        QVERIFY(!b.Familie("Schulz")->HatTermin);
    }

    void lehrerSuchen() {
        TProjektBauer b;
        TLehrer* mue = b.Lehrer("Mue", "Müller");
        TLehrer* mue2 = b.Lehrer("MUE", "Müller");
        TLehrer* sch = b.p.NeuerLehrer("Frau", "SCH", "Müller");
        QCOMPARE(b.p.Lehrerliste.FindeKuerzel("MUE"), mue2);
        QCOMPARE(b.p.Lehrerliste.FindeKuerzel("mue"), nullptr);
        std::vector<TLehrer*> treffer;
        b.p.Lehrerliste.SucheKuerzel("mUe", treffer);
        QCOMPARE(treffer, (std::vector<TLehrer*>{mue, mue2}));

        b.p.Lehrerliste.NamenDoppeltMarkieren();
        QVERIFY(mue->NameDoppelt && mue2->NameDoppelt);
        QVERIFY(!sch->NameDoppelt); // same name, other salutation

        QVERIFY(!b.p.Lehrerliste.HatRaum());
        QCOMPARE(b.p.Lehrerliste.LehrerOhneRaum(), nullptr);
        mue2->HatTermin = true;
        mue2->Zaehler = 1;
        QCOMPARE(b.p.Lehrerliste.LehrerOhneRaum(), mue2);
        mue2->Raum = "104";
        QVERIFY(b.p.Lehrerliste.HatRaum());
        QCOMPARE(b.p.Lehrerliste.LehrerOhneRaum(), nullptr);
    }

    void raumListe() {
        TProjektBauer b;
        b.Lehrer("A")->Raum = "B12";
        b.Lehrer("B")->Raum = "a3" + QString(QChar(RaumTrenner)) + "b12";
        b.Lehrer("C")->Raum = "Aula";
        b.Lehrer("D");
        b.Lehrer("E")->Raum = QChar(RaumTrenner) + QStringLiteral("Aula");
        b.p.RaumListeAktualisieren();
        // A spelling of its own is a room of its own; no day without a room makes an empty one.
        QCOMPARE(b.p.RaumListe.Raeume(), (QStringList{"a3", "Aula", "b12", "B12"}));
    }

    void planZuruecksetzen() {
        TProjektBauer b;
        b.Rahmen(1, 12).Bloecke(2, 2);
        TKind* k = b.Kind("Maier", "Anna");
        TGespraech* g1 = b.Wunsch(k, "A", 1, true);
        TGespraech* g2 = b.Wunsch(k, "B", 2);
        b.Sperren(g1->Lehrer, {5});
        b.p.PausenAlle();
        b.p.TermineBerechnet = b.p.ReihenfolgeFest = b.p.UnmoeglichBestimmt = true;
        b.p.Handverschoben = 3;
        b.p.BelegungMarkieren();
        TRueckCollection rueck;
        rueck.Add(std::make_unique<TRueckgEintrag>());
        rueck.Position = 1;

        PlanZuruecksetzen(b.p, rueck, false);
        for (TGespraech* g : {g1, g2}) {
            QCOMPARE(g->Termin, TerminOffen);
            QVERIFY(!g->IstGenagelt());
        }
        QCOMPARE(g1->Lehrer->Zeiten[5], SlotGesperrt);
        for (const TPerson* person : {static_cast<TPerson*>(g1->Lehrer), static_cast<TPerson*>(k->Eltern)})
            for (int s : {0, 1, 2, 3})
                QCOMPARE(person->Zeiten[s], SlotFrei);
        QVERIFY(!b.p.TermineBerechnet && !b.p.ReihenfolgeFest && !b.p.UnmoeglichBestimmt);
        QCOMPARE(b.p.Handverschoben, 0);
        QVERIFY(!g1->Lehrer->HatTermin && !g2->Lehrer->HatTermin && !k->Eltern->HatTermin);
        QVERIFY(rueck.Leer());
        QCOMPARE(rueck.Position, 0);
    }

    void planZuruecksetzenOhneGespraeche() {
        TProjektBauer b;
        b.Rahmen(1, 12);
        b.p.TermineBerechnet = true;
        TRueckCollection rueck;
        rueck.Add(std::make_unique<TRueckgEintrag>());
        PlanZuruecksetzen(b.p, rueck, false);
        QVERIFY(b.p.TermineBerechnet);
        QCOMPARE(rueck.Count(), 1);
        PlanZuruecksetzen(b.p, rueck, true);
        QVERIFY(!b.p.TermineBerechnet);
        QVERIFY(rueck.Leer());
    }
};

VEL_TEST(TstModell)
#include "tst_Modell.moc"
