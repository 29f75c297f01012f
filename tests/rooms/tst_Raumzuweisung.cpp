#include "Raumfall.h"
#include "common/TestHaupt.h"
#include "rooms/Raumzuweisung.h"

#include <QTest>

namespace {

const QString Trenner = QChar(RaumTrenner);

} // namespace

class TstRaumzuweisung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void normieren_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("raum");
        QTest::newRow("Zahl mit Blanks") << "  207  "
                                         << "Raum 207";
        QTest::newRow("Blanks innen") << "Raum  12"
                                      << "Raum 12";
        QTest::newRow("null") << "0"
                              << "0";
        QTest::newRow("negativ") << "-3"
                                 << "-3";
        QTest::newRow("Zahl mit Buchstabe") << "12a"
                                            << "12a";
        QTest::newRow("führende Null") << "007"
                                       << "Raum 007";
        QTest::newRow("zu groß für eine Zahl") << "99999999999"
                                               << "99999999999";
        QTest::newRow("zwei Zahlen") << "1 2"
                                     << "1 2";
        QTest::newRow("nur Blanks") << "   "
                                    << "";
        QTest::newRow("Text bleibt") << "Aula"
                                     << "Aula";
    }
    void normieren() {
        QFETCH(QString, eingabe);
        QFETCH(QString, raum);
        QCOMPARE(RaumbezeichnungNormieren(eingabe), raum);
    }

    // The two edits of the dialog make the stored room, and the stored room gives the edits back.
    void zusammensetzen_data() {
        QTest::addColumn<QString>("raum1");
        QTest::addColumn<QString>("raum2");
        QTest::addColumn<QString>("raum");
        QTest::addColumn<QString>("edit1");
        QTest::addColumn<QString>("edit2");
        QTest::newRow("ein Raum") << "207"
                                  << ""
                                  << "Raum 207"
                                  << "Raum 207"
                                  << "";
        QTest::newRow("gleiche Räume") << "A12"
                                       << "A12"
                                       << "A12"
                                       << "A12"
                                       << "";
        QTest::newRow("gleich nach dem Normieren") << "207"
                                                   << " Raum 207"
                                                   << "Raum 207"
                                                   << "Raum 207"
                                                   << "";
        QTest::newRow("zwei Räume") << "A12"
                                    << "B3"
                                    << "A12" + Trenner + "B3"
                                    << "A12"
                                    << "B3";
        QTest::newRow("nur am 2. Tag") << ""
                                       << "B3" << Trenner + "B3"
                                       << ""
                                       << "B3";
        QTest::newRow("2. Tag nur Blanks") << "A12"
                                           << "   "
                                           << "A12"
                                           << "A12"
                                           << "";
        QTest::newRow("keiner") << ""
                                << ""
                                << ""
                                << ""
                                << "";
    }
    void zusammensetzen() {
        QFETCH(QString, raum1);
        QFETCH(QString, raum2);
        QFETCH(QString, raum);
        QFETCH(QString, edit1);
        QFETCH(QString, edit2);
        QCOMPARE(RaumZusammensetzen(raum1, raum2), raum);
        const auto [teil1, teil2] = RaumTeile(raum);
        QCOMPARE(teil1, edit1);
        QCOMPARE(teil2, edit2);
    }

    void uebernehmen() {
        TProjektBauer b;
        TLehrer* l = b.Lehrer("MUE");
        QVERIFY(RaumUebernehmen(*l, "207", ""));
        QCOMPARE(l->Raum, "Raum 207");
        QVERIFY(!RaumUebernehmen(*l, "Raum  207", "207"));
        QVERIFY(RaumUebernehmen(*l, "207", "B3"));
        QCOMPARE(l->Raum, "Raum 207" + Trenner + "B3");
        AlleRaeumeLoeschen(b.p.Lehrerliste);
        QVERIFY(l->Raum.isEmpty());
    }

    // The note-pad mark: conversations exist and each teacher who has one has a room; a teacher without
    // conversations needs none.
    void zugeordnet_data() {
        QTest::addColumn<QStringList>("lehrer");
        QTest::addColumn<bool>("zugeordnet");
        QTest::newRow("keine Gespräche") << QStringList{"A|R1|"} << false;
        QTest::newRow("alle mit Raum") << QStringList{"A|R1|0", "B|R2|-1", "C||"} << true;
        QTest::newRow("ungeplant ohne Raum") << QStringList{"A|R1|0", "B||-1"} << false;
        QTest::newRow("Raum nur am 2. Tag") << QStringList{"A|~R2|0"} << true;
    }
    void zugeordnet() {
        QFETCH(QStringList, lehrer);
        QFETCH(bool, zugeordnet);
        TProjektBauer b;
        b.Rahmen(2, 6);
        Belegen(b, lehrer);
        QCOMPARE(RaeumeZugeordnet(b.p), zugeordnet);
        b.p.NotizHaken.fill(!zugeordnet);
        RaeumeZugeordnetVermerken(b.p);
        QCOMPARE(b.p.NotizHaken[5], zugeordnet);
        QCOMPARE(b.p.NotizHaken[4], !zugeordnet);
    }
};

VEL_TEST(TstRaumzuweisung)
#include "tst_Raumzuweisung.moc"
