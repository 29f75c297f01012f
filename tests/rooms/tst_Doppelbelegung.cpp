#include "Generator.h"
#include "Raumfall.h"
#include "common/TestHaupt.h"
#include "model/Cp1252.h"
#include "rooms/Doppelbelegung.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

QStringList Zeilen(const std::vector<TRaumkonflikt>& konflikte) {
    QStringList zeilen;
    for (const TRaumkonflikt& k : konflikte)
        zeilen << QStringLiteral("%1 %2 %3 %4").arg(k.Slot).arg(k.Raum, k.Lehrer1, k.Lehrer2);
    return zeilen;
}

} // namespace

class TstDoppelbelegung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Teachers "KÜRZEL|Raum|slots" in a two-day frame of six slots a day (day 2 begins at slot 48).
    void finden_data() {
        QTest::addColumn<QStringList>("lehrer");
        QTest::addColumn<QStringList>("konflikte");
        QTest::newRow("gleicher Raum, gleiche Zeit")
            << QStringList{"A|Raum 5|0", "B|Raum 5|0"} << QStringList{"0 Raum 5 A B"};
        QTest::newRow("verschiedene Räume") << QStringList{"A|Raum 5|0", "B|Raum 7|0"} << QStringList{};
        QTest::newRow("verschiedene Zeiten") << QStringList{"A|Raum 5|0", "B|Raum 5|1"} << QStringList{};
        QTest::newRow("ohne Raum") << QStringList{"A||0", "B||0"} << QStringList{};
        QTest::newRow("nicht terminiert") << QStringList{"A|Raum 5|-1", "B|Raum 5|-1"} << QStringList{};
        QTest::newRow("Groß und klein") << QStringList{"A|raum 5|0", "B|Raum 5|0"} << QStringList{};
        QTest::newRow("drei Lehrer, drei Paare")
            << QStringList{"C|Raum 5|2", "A|Raum 5|2", "B|Raum 5|2"}
            << QStringList{"2 Raum 5 A B", "2 Raum 5 A C", "2 Raum 5 B C"};
        QTest::newRow("kleineres Kürzel zuerst")
            << QStringList{"ZZ|Raum 5|0", "AA|Raum 5|0"} << QStringList{"0 Raum 5 AA ZZ"};
        // Ordinal: upper case before lower case, and "Ü" after every ASCII letter.
        QTest::newRow("nach Code, nicht nach Sprache")
            << QStringList{"b|R|0", "C|R|0", "Ü|R|1", "Z|R|1"} << QStringList{"0 R C b", "1 R Z Ü"};
        QTest::newRow("Raum 5 nur am 2. Tag")
            << QStringList{"A|Raum 7~Raum 5|0,48", "B|Raum 5|0,48"} << QStringList{"48 Raum 5 A B"};
        QTest::newRow("am 1. Tag ohne Raum")
            << QStringList{"A|~B3|0,48", "B|~B3|0,48"} << QStringList{"48 B3 A B"};
        QTest::newRow("nach Lehrer1, Lehrer2, Zeit")
            << QStringList{"D|Aula|1,0", "B|Aula|0,1", "E|R|3", "A|R|3,4", "C|R|4"}
            << QStringList{"4 R A C", "3 R A E", "0 Aula B D", "1 Aula B D"};
    }
    void finden() {
        QFETCH(QStringList, lehrer);
        QFETCH(QStringList, konflikte);
        TProjektBauer b;
        b.Rahmen(2, 6);
        Belegen(b, lehrer);
        QCOMPARE(Zeilen(RaumkonflikteFinden(b.p)), konflikte);
    }

    void zeittext() {
        TProjektBauer b;
        b.Rahmen(2, 6);
        Belegen(b, {"A|R|49", "B|R|49"});
        const auto k = RaumkonflikteFinden(b.p);
        QCOMPARE(k.size(), size_t{1});
        QCOMPARE(k[0].Zeit, "02.03.27, 14:10");
    }

    // Each column sorts by its chain of keys: texts by the German collation with case (lower case before
    // upper case, Ä beside A, "Raum 10" before "Raum 9"), the time by slot number.
    void sortieren_data() {
        QTest::addColumn<int>("spalte");
        QTest::addColumn<QString>("folge");
        QTest::newRow("Zeit") << int(TKonfliktSpalte::Zeit) << "dbeac";
        QTest::newRow("Raum") << int(TKonfliktSpalte::Raum) << "dbcea";
        QTest::newRow("Lehrer1") << int(TKonfliktSpalte::Lehrer1) << "cdbea";
        QTest::newRow("Lehrer2") << int(TKonfliktSpalte::Lehrer2) << "bedac";
    }
    void sortieren() {
        QFETCH(int, spalte);
        QFETCH(QString, folge);
        std::vector<TRaumkonflikt> k{{10, "a", "Raum 9", "MUE", "SCH"},
                                     {2, "b", "Raum 10", "MUE", "BER"},
                                     {48, "c", "Raum 10", QString::fromUtf8("ÄRT"), "ZZ"},
                                     {2, "d", "Aula", "mue", "SCH"},
                                     {10, "e", "Raum 9", "MUE", "BER"}};
        RaumkonflikteSortieren(k, static_cast<TKonfliktSpalte>(spalte));
        QString ergebnis;
        for (const TRaumkonflikt& r : k)
            ergebnis += r.Zeit;
        QCOMPARE(ergebnis, folge);
    }

    // A school-sized project with few rooms against the plain comparison of every pair of conversations.
    void grossesProjekt() {
        TProjekt p;
        ProjektErzeugen(p, GroesseL());
        QRandomGenerator zufall(7);
        const QStringList raeume{"A1", "A2", "a1", "B1"};
        for (const auto& l : p.Lehrerliste) {
            l->Raum = raeume[zufall.bounded(raeume.size())];
            if (zufall.bounded(5) == 0) l->Raum = p.RaumSetzen(l->Raum, raeume[zufall.bounded(4)], false);
        }
        for (const auto& g : p.Gespraechsliste)
            g->Termin = static_cast<int16_t>(zufall.bounded(4) == 0 ? -2 : zufall.bounded(SlotAnzahl));
        QVERIFY(p.Gespraechsliste.Count() > 3000);

        const int n = p.Gespraechsliste.Count();
        std::vector<QString> raum(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            const TGespraech* g = p.Gespraechsliste[i];
            if (g->Termin >= 0)
                raum[static_cast<size_t>(i)] = RaumAmTag(g->Lehrer->Raum, TagVonSlot(g->Termin));
        }
        QStringList erwartet;
        for (int i = 0; i < n; ++i) {
            const TGespraech* g = p.Gespraechsliste[i];
            if (g->Termin < 0 || raum[static_cast<size_t>(i)].isEmpty()) continue;
            for (int j = i + 1; j < n; ++j) {
                const TGespraech* h = p.Gespraechsliste[j];
                if (h->Termin != g->Termin || raum[static_cast<size_t>(j)] != raum[static_cast<size_t>(i)])
                    continue;
                QString k1 = g->Lehrer->Kuerzel;
                QString k2 = h->Lehrer->Kuerzel;
                if (NachCp1252(k2) < NachCp1252(k1)) std::swap(k1, k2);
                erwartet
                    << QStringLiteral("%1 %2 %3 %4").arg(g->Termin).arg(raum[static_cast<size_t>(i)], k1, k2);
            }
        }
        std::vector<TRaumkonflikt> gefunden = RaumkonflikteFinden(p);
        QVERIFY(gefunden.size() > 1000);
        RaumkonflikteSortieren(gefunden, TKonfliktSpalte::Zeit);
        QStringList zeilen = Zeilen(gefunden);
        zeilen.sort();
        erwartet.sort();
        QCOMPARE(zeilen, erwartet);
    }
};

VEL_TEST(TstDoppelbelegung)
#include "tst_Doppelbelegung.moc"
