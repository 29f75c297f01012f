#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "scheduler/Termin.h"

#include <QTest>

namespace {

// The keys of one conversation that the search order looks at.
struct TSchluessel {
    bool Genagelt = false;
    int Termin = TerminOffen;
    int LehrerFrei = 20;
    int LehrerZaehler = 0;
    int Rang = 0;
    int ElternZaehler = 2;
    int Kinder = 1;
    int ElternFrei = 20;
};

TGespraech* GespraechMit(TProjektBauer& b, const QString& name, const TSchluessel& k) {
    for (int i = 0; i < k.Kinder; ++i)
        b.Kind(name, QStringLiteral("Kind%1").arg(i));
    TGespraech* g = b.Wunsch(b.Kind(name, "Kind0"), name);
    g->SetGenagelt(k.Genagelt);
    g->Termin = static_cast<int16_t>(k.Termin);
    g->Rang = static_cast<int16_t>(k.Rang);
    g->Lehrer->FreieZeiten = static_cast<uint16_t>(k.LehrerFrei);
    g->Lehrer->Zaehler = static_cast<uint16_t>(k.LehrerZaehler);
    g->Eltern()->Zaehler = static_cast<uint16_t>(k.ElternZaehler);
    g->Eltern()->FreieZeiten = static_cast<uint16_t>(k.ElternFrei);
    return g;
}

bool HatPausen(const TProjekt& p) {
    auto pausen = [](const TPerson& x) {
        return std::count(x.Zeiten.begin(), x.Zeiten.end(), SlotPause) > 0;
    };
    return std::any_of(p.Elternliste.begin(), p.Elternliste.end(),
                       [&](const auto& e) { return pausen(*e); }) ||
           std::any_of(p.Lehrerliste.begin(), p.Lehrerliste.end(), [&](const auto& l) { return pausen(*l); });
}

} // namespace

Q_DECLARE_METATYPE(TSchluessel)

class TstVorbereitung : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void unmoeglicheBestimmen_data() {
        QTest::addColumn<QList<int>>("sperrenEltern");
        QTest::addColumn<QList<int>>("sperrenLehrer");
        QTest::addColumn<QList<int>>("pausenEltern");
        QTest::addColumn<QList<int>>("fehlend");
        QTest::addColumn<int>("termin");
        QTest::newRow("ein gemeinsamer Slot")
            << QList<int>{0, 1, 2} << QList<int>{3, 4} << QList<int>{} << QList<int>{} << int(TerminOffen);
        QTest::newRow("Sperren ergänzen sich") << QList<int>{0, 1, 2} << QList<int>{3, 4, 5} << QList<int>{}
                                               << QList<int>{} << int(TerminUnmoeglich);
        QTest::newRow("Pause zählt nicht als Sperre")
            << QList<int>{0, 1, 2} << QList<int>{3, 4} << QList<int>{5} << QList<int>{} << int(TerminOffen);
        QTest::newRow("fehlender Slot zählt nicht") << QList<int>{0, 1, 2} << QList<int>{3, 4} << QList<int>{}
                                                    << QList<int>{5} << int(TerminUnmoeglich);
    }
    void unmoeglicheBestimmen() {
        QFETCH(QList<int>, sperrenEltern);
        QFETCH(QList<int>, sperrenLehrer);
        QFETCH(QList<int>, pausenEltern);
        QFETCH(QList<int>, fehlend);
        QFETCH(int, termin);
        TProjektBauer b;
        b.Rahmen(1, 6);
        TGespraech* g = b.Wunsch(b.Kind("Maier", "Anna"), "A");
        for (int s : sperrenEltern)
            g->Eltern()->Zeiten[s] = SlotGesperrt;
        for (int s : sperrenLehrer)
            g->Lehrer->Zeiten[s] = SlotGesperrt;
        for (int s : pausenEltern)
            g->Eltern()->Zeiten[s] = SlotPause;
        for (int s : fehlend)
            b.p.ZeitAktiv[s] = false;
        g->Termin = TerminUnmoeglich; // an old classification is redone
        TTerminierung(b.p).UnmoeglicheBestimmen();
        QCOMPARE(g->Termin, termin);
        QVERIFY(b.p.UnmoeglichBestimmt);
    }

    void unmoeglicheBestimmenLaesstTermineUndGueltigeKlassen() {
        TProjektBauer b;
        b.Rahmen(1, 4);
        TKind* anna = b.Kind("Maier", "Anna");
        TGespraech* gebucht = b.Wunsch(anna, "A", 2);
        TGespraech* offen = b.Wunsch(anna, "B");
        // The booking at slot 2 counts as not blocked: the family's other conversation stays searchable.
        b.Sperren(anna->Eltern, {0, 1, 3});
        TTerminierung(b.p).UnmoeglicheBestimmen();
        QCOMPARE(gebucht->Termin, 2);
        QCOMPARE(offen->Termin, TerminOffen);

        b.Sperren(b.Lehrer("B"), {2});
        TTerminierung(b.p).UnmoeglicheBestimmen();
        QCOMPARE(offen->Termin, TerminOffen); // still classified: nothing happens
        b.p.UnmoeglichBestimmt = false;
        TTerminierung(b.p).UnmoeglicheBestimmen();
        QCOMPARE(offen->Termin, TerminUnmoeglich);
    }

    void freigebenBehaeltNaegel() {
        TProjektBauer b;
        b.Rahmen(1, 8).Bloecke(2, 2);
        TKind* anna = b.Kind("Maier", "Anna");
        TGespraech* genagelt = b.Wunsch(anna, "A", 2, true);
        TGespraech* lose = b.Wunsch(anna, "B", 3);
        TGespraech* unmoeglich = b.Wunsch(b.Kind("Huber", "Ben"), "A");
        unmoeglich->Termin = TerminUnmoeglich;
        b.p.PausenAlle();
        QVERIFY(HatPausen(b.p));
        for (const auto& e : b.p.Elternliste)
            e->Zaehler = e->FreieZeiten = 7;
        for (const auto& l : b.p.Lehrerliste)
            l->Zaehler = 0x8003;

        TTerminierung(b.p).Freigeben();
        QCOMPARE(genagelt->Termin, 2);
        QCOMPARE(anna->Eltern->Zeiten[2], genagelt->Nummer);
        QCOMPARE(b.Lehrer("A")->Zeiten[2], genagelt->Nummer);
        QCOMPARE(lose->Termin, TerminOffen);
        QCOMPARE(anna->Eltern->Zeiten[3], SlotFrei);
        QCOMPARE(b.Lehrer("B")->Zeiten[3], SlotFrei);
        QCOMPARE(unmoeglich->Termin, TerminUnmoeglich);
        QVERIFY(!HatPausen(b.p));
        for (const auto& e : b.p.Elternliste)
            QCOMPARE(e->Zaehler + e->FreieZeiten, 0);
        for (const auto& l : b.p.Lehrerliste)
            QCOMPARE(l->Zaehler, 0);
    }

    void kapazitaetZaehlen() {
        TProjektBauer b;
        b.Rahmen(1, 6);
        TKind* anna = b.Kind("Maier", "Anna");
        TKind* ben = b.Kind("Maier", "Ben");
        b.Wunsch(anna, "A");
        b.Wunsch(anna, "B")->Termin = TerminUnmoeglich;
        b.Wunsch(ben, "A", 2, true);
        b.Wunsch(ben, "C")->SetGenagelt(true); // nailed without a slot: not to be placed
        TKind* eva = b.Kind("Huber", "Eva");
        b.Wunsch(eva, "A");
        b.Wunsch(eva, "B");
        b.Sperren(b.Lehrer("A"), {0});
        b.Sperren(anna->Eltern, {5});
        b.Sperren(eva->Eltern, {0, 1, 2, 3, 4});

        TTerminierung t(b.p);
        t.Freigeben();
        t.KapazitaetZaehlen();
        QCOMPARE(b.Lehrer("A")->FreieZeiten, 5);
        QCOMPARE(b.Lehrer("A")->Zaehler, 1);
        QCOMPARE(b.Lehrer("B")->FreieZeiten, 6);
        QCOMPARE(b.Lehrer("B")->Zaehler, 0);
        QCOMPARE(anna->Eltern->FreieZeiten, 5);
        QCOMPARE(anna->Eltern->Zaehler, 2);
        // Two conversations, but only one usable slot.
        QCOMPARE(eva->Eltern->FreieZeiten, 1);
        QCOMPARE(eva->Eltern->Zaehler, 1);
    }

    void suchreihenfolge_data() {
        QTest::addColumn<TSchluessel>("a");
        QTest::addColumn<TSchluessel>("b");
        QTest::addColumn<int>("vorzeichen");
        TSchluessel k;
        auto mit = [&](auto feld, int wert) {
            TSchluessel x = k;
            x.*feld = wert;
            return x;
        };
        TSchluessel genagelt = k;
        genagelt.Genagelt = true;
        QTest::newRow("genagelt zuerst") << genagelt << k << -1;
        QTest::newRow("offen vor terminiert") << k << mit(&TSchluessel::Termin, 3) << -1;
        QTest::newRow("terminierte gleich")
            << mit(&TSchluessel::Termin, 4) << mit(&TSchluessel::Termin, 3) << 0;
        QTest::newRow("unmöglich nach offen") << mit(&TSchluessel::Termin, TerminUnmoeglich) << k << 1;
        QTest::newRow("vollster Lehrer zuerst") << mit(&TSchluessel::LehrerZaehler, 5) << k << -1;
        QTest::newRow("dann weniger Lehrerzeiten") << mit(&TSchluessel::LehrerFrei, 19) << k << -1;
        QTest::newRow("dann Rang") << k << mit(&TSchluessel::Rang, 1) << -1;
        QTest::newRow("dann Gespräche je Kind") << mit(&TSchluessel::ElternZaehler, 3) << [&] {
            TSchluessel x = mit(&TSchluessel::ElternZaehler, 4);
            x.Kinder = 2;
            return x;
        }() << 1;
        QTest::newRow("dann Elternzeiten") << k << mit(&TSchluessel::ElternFrei, 10) << 1;
        QTest::newRow("alles gleich") << k << k << 0;
    }
    void suchreihenfolge() {
        QFETCH(TSchluessel, a);
        QFETCH(TSchluessel, b);
        QFETCH(int, vorzeichen);
        TProjektBauer bauer;
        bauer.Rahmen(1, 20);
        TGespraech* ga = GespraechMit(bauer, "A", a);
        TGespraech* gb = GespraechMit(bauer, "B", b);
        auto zeichen = [](int x) { return (x > 0) - (x < 0); };
        QCOMPARE(zeichen(TTerminierung::Suchreihenfolge(*ga, *gb)), vorzeichen);
        QCOMPARE(zeichen(TTerminierung::Suchreihenfolge(*gb, *ga)), -vorzeichen);
    }

    void kleinererRangZuerst() {
        TProjektBauer b;
        b.Rahmen(1, 10);
        TKind* anna = b.Kind("Maier", "Anna");
        TKind* ben = b.Kind("Maier", "Ben");
        b.Wunsch(anna, "B");
        TGespraech* spaeter = b.Wunsch(anna, "A");
        TGespraech* frueher = b.Wunsch(ben, "A");
        TTerminierung t(b.p);
        t.Freigeben();
        t.KapazitaetZaehlen();
        t.ReihenfolgeSortieren();
        QVERIFY(b.p.Gespraechsliste.IndexOf(frueher) < b.p.Gespraechsliste.IndexOf(spaeter));
    }
};

VEL_TEST(TstVorbereitung)
#include "tst_Vorbereitung.moc"
