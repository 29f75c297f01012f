#include "common/ProjektBauer.h"
#include "common/SkriptMeldung.h"
#include "common/TestHaupt.h"
#include "model/Datumstexte.h"
#include "timeframe/ZRahmen.h"

#include <QTest>

namespace {

// The dialog's input for the project as it stands, with the dates marked as changed.
TRahmenEingabe EingabeWieProjekt(const TProjekt& p) {
    TRahmenEingabe ein;
    ein.Zeiten = p.Zeittexte;
    ein.Datum1 = DatumAusWert(p.Datum[0]);
    ein.Datum2 = DatumAusWert(p.Datum[1]);
    ein.Abstand = ein.AbstandAlt = "10";
    return ein;
}

} // namespace

class TstZRahmen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void zeitNormieren_data() {
        QTest::addColumn<QString>("ein");
        QTest::addColumn<QString>("aus");
        QTest::addColumn<bool>("fehler");
        QTest::newRow("leer") << ""
                              << "" << false;
        QTest::newRow("8") << "8"
                           << "08:00" << false;
        QTest::newRow("8.15") << "8.15"
                              << "08:15" << false;
        QTest::newRow("14:5") << "14:5"
                              << "14:05" << false;
        QTest::newRow("9.3") << "9.3"
                             << "09:03" << false;
        QTest::newRow("Sekunden") << "8.15.30"
                                  << "08:15" << false;
        QTest::newRow("0") << "0"
                           << "00:00" << false;
        QTest::newRow("23:59") << "23:59"
                               << "23:59" << false;
        QTest::newRow("930") << "930"
                             << "" << true;
        QTest::newRow("25") << "25"
                            << "" << true;
        QTest::newRow("8:60") << "8:60"
                              << "" << true;
        QTest::newRow("8:") << "8:"
                            << "" << true;
        QTest::newRow("Buchstaben") << "ab"
                                    << "" << true;
    }
    void zeitNormieren() {
        QFETCH(QString, ein);
        QFETCH(QString, aus);
        QFETCH(bool, fehler);
        bool f = true;
        QCOMPARE(ZeitNormieren(ein, true, &f), aus);
        QCOMPARE(f, fehler);
        QCOMPARE(ZeitNormieren(ein, false, &f), aus);
        QVERIFY(!f);
    }

    void zweiTage() {
        TProjektBauer b;
        b.Rahmen(1, 10);
        b.p.Datum[1] = 46448;
        ZweiTageBestimmen(b.p);
        QVERIFY(!b.p.ZweiTage);
        QCOMPARE(b.p.LetzterSlot, 47);
        b.p.ZeitAktiv[60] = true;
        ZweiTageBestimmen(b.p);
        QVERIFY(b.p.ZweiTage);
        QCOMPARE(b.p.LetzterSlot, 95);
        b.p.Datum[1] = 0;
        ZweiTageBestimmen(b.p);
        QVERIFY(!b.p.ZweiTage);
    }

    void fuellenBisMitternacht() {
        TTagesZellen zellen;
        zellen.fill("x");
        zellen[1] = "22.00";
        TSkriptMeldung m;
        QVERIFY(ZeitenFuellen(zellen, 1, 60, m));
        QCOMPARE(zellen[0], "x");
        QCOMPARE(zellen[1], "22:00");
        QCOMPARE(zellen[2], "23:00");
        for (int i = 3; i < SlotsProTag; ++i)
            QVERIFY(zellen[i].isEmpty());
        QVERIFY(m.Protokoll.isEmpty());
    }

    void fuellenMitAbstand() {
        TTagesZellen zellen;
        zellen[0] = "8";
        TSkriptMeldung m;
        QVERIFY(ZeitenFuellen(zellen, 0, 15, m));
        QCOMPARE(zellen[3], "08:45");
        QCOMPARE(zellen[47], "19:45");
    }

    void fuellenOhneStartzeit() {
        TTagesZellen zellen;
        zellen[5] = "10:00";
        TSkriptMeldung m;
        QVERIFY(!ZeitenFuellen(zellen, 0, 10, m));
        QCOMPARE(m.Protokoll.size(), 1);
        QCOMPARE(m.Protokoll[0].Text,
                 QString::fromUtf8(
                     "Geben Sie zum automatischen Füllen\ran der Cursorposition eine Startzeit ein!"));
        QCOMPARE(m.Protokoll[0].Art, MeldungsArt::Information);
        QCOMPARE(zellen[5], "10:00");
    }

    void loeschen() {
        TTagesZellen zellen;
        zellen.fill("12:00");
        ZeitenLoeschen(zellen, 46);
        QCOMPARE(zellen[45], "12:00");
        QVERIFY(zellen[46].isEmpty() && zellen[47].isEmpty());
    }

    void vorgabeTexte() {
        TProjektBauer b;
        b.Rahmen(2, 9);
        const auto texte = ZeitVorgabeTexte(b.p.Zeittexte);
        QCOMPARE(texte[0], "14:00,14:10,14:20,14:30,14:40,14:50,15:00,15:10");
        QCOMPARE(texte[1], "15:20,,,,,,,");
        QCOMPARE(texte[6], texte[0]);
        QStringList liste(texte.begin(), texte.end());
        QVERIFY(ZeitenAusVorgabe(liste) == b.p.Zeittexte);
        QCOMPARE(ZeitenAusVorgabe({"13:00"})[0], "13:00");
    }

    // Removing the last time of day 1 in a planned project asks first; No keeps plan and times.
    void entfernenAbgelehnt() {
        TProjektBauer b;
        b.Rahmen(1, 10);
        TGespraech* g = b.Wunsch(b.Kind("Maier", "Anna"), "A", 9, true);
        TRahmenEingabe ein = EingabeWieProjekt(b.p);
        ein.Zeiten[9].clear();
        ein.Datum1 = QDate(2027, 4, 1);
        ein.DatumGeaendert = true;
        TSkriptMeldung m;
        m.Antworten = {Antwort::Nein};
        TRueckCollection rueck;
        rueck.Add(std::make_unique<TRueckgEintrag>());
        const TRahmenErgebnis erg = RahmenUebernehmen(b.p, rueck, ein, m);
        QCOMPARE(erg.RahmenErgebnis, 0);
        QCOMPARE(m.Titel(), QStringList{"Achtung: Neuer Zeitrahmen!"});
        QCOMPARE(m.Protokoll[0].Vorgabe, Antwort::Nein);
        QCOMPARE(b.p.Zeittexte[9], "15:30");
        QCOMPARE(g->Termin, 9);
        QCOMPARE(g->Lehrer->Zeiten[9], g->Nummer);
        QCOMPARE(DatumAusWert(b.p.Datum[0]), QDate(2027, 4, 1));
        QCOMPARE(rueck.Count(), 1);
    }

    void entfernenAngenommen() {
        TProjektBauer b;
        b.Rahmen(1, 10);
        TGespraech* g = b.Wunsch(b.Kind("Maier", "Anna"), "A", 2, true);
        b.Sperren(g->Lehrer, {4});
        b.p.Standardsperre[0] = SlotGesperrt;
        TRahmenEingabe ein = EingabeWieProjekt(b.p);
        ein.Zeiten[9].clear();
        TSkriptMeldung m;
        m.Antworten = {Antwort::Ja, Antwort::Ja};
        TRueckCollection rueck;
        rueck.Add(std::make_unique<TRueckgEintrag>());
        const TRahmenErgebnis erg = RahmenUebernehmen(b.p, rueck, ein, m);
        QCOMPARE(erg.RahmenErgebnis, RahmenBestaetigt | RahmenGeaendert | RahmenSlotsEntfernt);
        QCOMPARE(m.Titel(), (QStringList{"Achtung: Neuer Zeitrahmen!",
                                         QString::fromUtf8("Zeitrahmenänderung am aktuellen Projekt")}));
        QVERIFY(erg.GlobalSperrenOeffnen);
        QVERIFY(erg.VorgabeSchreiben);
        QVERIFY(!b.p.ZeitAktiv[9]);
        QVERIFY(b.p.Zeittexte[9].isEmpty());
        QCOMPARE(g->Termin, TerminOffen);
        QVERIFY(!g->IstGenagelt());
        QCOMPARE(g->Lehrer->Zeiten, TZeiten{});
        QCOMPARE(g->Eltern()->Zeiten, TZeiten{});
        QCOMPARE(b.p.Standardsperre, TZeiten{});
        QVERIFY(rueck.Leer());
    }

    // Adding a time keeps every appointment and frees the new slot at every person.
    void hinzufuegen() {
        TProjektBauer b;
        b.Rahmen(1, 10);
        TGespraech* g = b.Wunsch(b.Kind("Maier", "Anna"), "A", 9);
        b.Sperren(g->Lehrer, {10});
        b.Sperren(g->Eltern(), {10, 3});
        TRahmenEingabe ein = EingabeWieProjekt(b.p);
        ein.Zeiten[10] = "15.40";
        TSkriptMeldung m;
        TRueckCollection rueck;
        const TRahmenErgebnis erg = RahmenUebernehmen(b.p, rueck, ein, m);
        QCOMPARE(erg.RahmenErgebnis, RahmenBestaetigt | RahmenGeaendert);
        QCOMPARE(m.Titel(), QStringList{"Hinweis"});
        QCOMPARE(b.p.Zeittexte[10], "15:40");
        QVERIFY(b.p.ZeitAktiv[10]);
        QCOMPARE(g->Termin, 9);
        QCOMPARE(g->Lehrer->Zeiten[9], g->Nummer);
        QCOMPARE(g->Lehrer->Zeiten[10], SlotFrei);
        QCOMPARE(g->Eltern()->Zeiten[10], SlotFrei);
        QCOMPARE(g->Eltern()->Zeiten[3], SlotGesperrt);
    }

    void zweitenTagHinzufuegen() {
        TProjektBauer b;
        b.Rahmen(1, 10);
        b.p.Datum[1] = 0;
        TRahmenEingabe ein = EingabeWieProjekt(b.p);
        ein.Datum2 = ein.Datum1.addDays(1);
        ein.DatumGeaendert = true;
        ein.Zeiten[48] = "9";
        TSkriptMeldung m;
        TRueckCollection rueck;
        RahmenUebernehmen(b.p, rueck, ein, m);
        QVERIFY(b.p.ZweiTage);
        QCOMPARE(b.p.LetzterSlot, 95);
    }

    void nurDatumOderAbstand() {
        TProjektBauer b;
        b.Rahmen(1, 10);
        TRahmenEingabe ein = EingabeWieProjekt(b.p);
        TSkriptMeldung m;
        TRueckCollection rueck;
        TRahmenErgebnis erg = RahmenUebernehmen(b.p, rueck, ein, m);
        QCOMPARE(erg.RahmenErgebnis, RahmenBestaetigt);
        QVERIFY(!erg.VorgabeSchreiben);

        ein.Abstand = "05";
        erg = RahmenUebernehmen(b.p, rueck, ein, m);
        QCOMPARE(erg.RahmenErgebnis, RahmenBestaetigt);
        QVERIFY(erg.VorgabeSchreiben);
        QCOMPARE(erg.Zeitabstand, 5);

        ein.DatumGeaendert = true;
        erg = RahmenUebernehmen(b.p, rueck, ein, m);
        QCOMPARE(erg.RahmenErgebnis, RahmenBestaetigt | RahmenGeaendert);
        QVERIFY(m.Protokoll.isEmpty());
    }

    void neuesProjektDatumUnveraendert() {
        TProjekt p;
        TRahmenEingabe ein;
        ein.NeuesProjekt = true;
        ein.Zeiten[0] = "13:00";
        ein.Datum1 = QDate(2027, 3, 1);
        ein.Datum2 = QDate(2027, 3, 2);
        ein.Abstand = ein.AbstandAlt = "15";
        p.Standardsperre[0] = SlotGesperrt;

        TRueckCollection rueck;
        TSkriptMeldung nein;
        nein.Antworten = {Antwort::Nein};
        TRahmenErgebnis erg = RahmenUebernehmen(p, rueck, ein, nein);
        QVERIFY(erg.DialogOffenLassen);
        QCOMPARE(erg.RahmenErgebnis, 0);
        QCOMPARE(nein.Titel(), QStringList{"Sind die Datumseingaben korrekt?"});
        QVERIFY(p.Zeittexte[0].isEmpty());

        TSkriptMeldung ja;
        ja.Antworten = {Antwort::Ja};
        erg = RahmenUebernehmen(p, rueck, ein, ja);
        QCOMPARE(erg.RahmenErgebnis, RahmenBestaetigt | RahmenGeaendert);
        QCOMPARE(p.Zeittexte[0], "13:00");
        QVERIFY(!p.ZweiTage);
        QCOMPARE(p.Standardsperre, TZeiten{});
        QCOMPARE(DatumAusWert(p.Datum[1]), QDate(2027, 3, 2));
    }
};

VEL_TEST(TstZRahmen)
#include "tst_ZRahmen.moc"
