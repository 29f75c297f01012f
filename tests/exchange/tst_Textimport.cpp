#include "common/TestHaupt.h"
#include "exchange/Kodierungsspuren.h"
#include "exchange/Textimport.h"
#include "settings/Einstellungen.h"

#include <QTest>

class TstTextimport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The separator of the first line, and the fields a line then splits into.
    void zerlegen_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<QStringList>("kopf");
        QTest::addColumn<QStringList>("erste");
        QTest::newRow("Semikolon vor Komma")
            << QByteArray("Name;Vorname,Klasse\r\nA;B,7a\r\n") << QStringList{"Name", "Vorname,Klasse"}
            << QStringList{"A", "B,7a"};
        QTest::newRow("Trennzeichen allein") << QByteArray(";\nName;Vorname\nA;B\n")
                                             << QStringList{"Name", "Vorname"} << QStringList{"A", "B"};
        QTest::newRow("mit Satzende") << QByteArray(",#\rName,Vorname#\rA,B#\r")
                                      << QStringList{"Name", "Vorname"} << QStringList{"A", "B"};
        QTest::newRow("Anführungszeichen")
            << QByteArray("Name;Ort\n\"Müller; Hans\";\"Köln\"\n") << QStringList{"Name", "Ort"}
            << QStringList{"Müller; Hans", "Köln"};
        QTest::newRow("Trennzeichen am Ende")
            << QByteArray("a;b;c\nx;y;\n") << QStringList{"a", "b", "c"} << QStringList{"x", "y", ""};
        QTest::newRow("Tabulator, Leerzeichen")
            << QByteArray("Name\tKlasse\n  Berg \t 5a\t\n") << QStringList{"Name", "Klasse"}
            << QStringList{"Berg", "5a", ""};
        QTest::newRow("ohne Trennzeichen")
            << QByteArray("Name\nBerg\n") << QStringList{"Name"} << QStringList{"Berg"};
        QTest::newRow("Dateiende-Zeichen")
            << QByteArray("a;b\r\nx;y\r\n\x1A") << QStringList{"a", "b"} << QStringList{"x", "y"};
    }
    void zerlegen() {
        QFETCH(QByteArray, datei);
        QFETCH(QStringList, kopf);
        QFETCH(QStringList, erste);
        const TTextimport t = TTextimport::Lesen(datei);
        QCOMPARE(t.Kopf, kopf);
        QCOMPARE(t.Zeilen.size(), size_t(1));
        QCOMPARE(t.Zeilen.front(), erste);
    }

    // The encoding from the byte-order mark or the first lines, which choices stay open, and the lines
    // of the file that UTF-8 cannot read. A file of UTF-8 with lines of another encoding leaves every
    // choice open.
    void kodierung_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<int>("kodierung");
        QTest::addColumn<bool>("frei");
        QTest::addColumn<bool>("dos");
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("fremd");
        QTest::newRow("UTF-8 mit BOM") << QByteArray("\xEF\xBB\xBFName\nYılmaz\n") << 2 << false << false
                                       << true << QString::fromUtf8("Yılmaz") << QList<int>{};
        QTest::newRow("UTF-8 mit Umlaut") << QByteArray("Name\nM\xC3\xBCller\n") << 2 << false << false
                                          << true << QString::fromUtf8("Müller") << QList<int>{};
        QTest::newRow("DOS") << QByteArray("Name\nM\x81ller\n") << 0 << false << true << false
                             << QString::fromUtf8("Müller") << QList<int>{2};
        QTest::newRow("Windows mit ß")
            << QByteArray("Name\nStra\xDF"
                          "e\n")
            << 1 << false << false << false << QString::fromUtf8("Straße") << QList<int>{2};
        QTest::newRow("Windows, Ü nur") << QByteArray("Name\n\xDC\xC3\n") << 1 << false << false << false
                                        << QString::fromUtf8("ÜÃ") << QList<int>{2};
        QTest::newRow("reines ASCII")
            << QByteArray("Name\nBerg\n") << 1 << true << true << true << "Berg" << QList<int>{};
        // Without a German umlaut, but valid UTF-8 beyond ASCII further down the file.
        QTest::newRow("UTF-8 türkisch") << QByteArray("Name\nA\nB\nC\nD\nY\xC4\xB1lmaz\n") << 2 << false
                                        << false << true << "A" << QList<int>{};
        QTest::newRow("gemischt") << QByteArray("Name;Vorname\r\nJ\xE4ger;J\xF6rg\r\nM\xC3\xBC"
                                                "ller;J\xC3\xBCrgen\r\n")
                                  << 2 << true << true << true << QString::fromUtf8("J\uFFFDger")
                                  << QList<int>{2};
        // Lines count in the file as the user's editor counts them, empty ones too.
        QTest::newRow("gemischt mit BOM und Leerzeile")
            << QByteArray("\xEF\xBB\xBFName\n\nM\xC3\xBCller\r\n\r\nJ\xE4ger\n") << 2 << true << true << true
            << QString::fromUtf8("Müller") << QList<int>{5};
    }
    void kodierung() {
        QFETCH(QByteArray, datei);
        QFETCH(int, kodierung);
        QFETCH(bool, frei);
        QFETCH(bool, dos);
        QFETCH(bool, utf8);
        QFETCH(QString, name);
        QFETCH(QList<int>, fremd);
        const TTextimport t = TTextimport::Lesen(datei);
        QCOMPARE(int(t.Kodierung), kodierung);
        QCOMPARE(t.Wahl.WahlFrei, frei);
        if (frei) {
            QCOMPARE(t.Wahl.DosMoeglich, dos);
            QCOMPARE(t.Wahl.Utf8Moeglich, utf8);
        }
        QCOMPARE(t.Feld(0, 0), name);
        QCOMPARE(t.Utf8Fehlzeilen, fremd);
    }

    // A file read as UTF-8 with lines of another encoding is told, naming the first three lines; a file
    // read in the encoding of all its lines is not.
    void mischbefund_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<int>("kodierung");
        QTest::addColumn<QString>("befund");
        const QByteArray utf8 = "Name\nM\xC3\xBCller\n";
        QTest::newRow("eine Zeile") << utf8 + "J\xE4ger\n"
                                    << 2
                                    << "Die Datei ist nicht durchgehend UTF-8: Zeile 3 enthält Zeichen einer "
                                       "anderen Kodierung, die als UTF-8 nicht lesbar sind und als \"?\" "
                                       "gespeichert werden.";
        QTest::newRow("drei Zeilen") << utf8 + "J\xE4ger\nBerg\nJ\xF6rg\nK\xF6hler\n"
                                     << 2 << "Zeilen 3, 5 und 6 enthalten Zeichen";
        QTest::newRow("fünf Zeilen") << utf8 + "\xC4\n\xD6\nBerg\n\xDC\n\xE4\n\xF6\n"
                                     << 2 << "Zeilen 3, 4, 6 und 2 weitere enthalten Zeichen";
        QTest::newRow("reines UTF-8") << utf8 << 2 << "";
        QTest::newRow("Windows gewählt") << utf8 + "J\xE4ger\n" << 1 << "";
        QTest::newRow("reines Windows") << QByteArray("Name\nJ\xE4ger\n") << 1 << "";
    }
    void mischbefund() {
        QFETCH(QByteArray, datei);
        QFETCH(int, kodierung);
        QFETCH(QString, befund);
        TTextimport t = TTextimport::Lesen(datei);
        if (int(t.Kodierung) != kodierung) t.KodierungSetzen(TKodierung(kodierung));
        const QString text = Utf8Mischbefund(t);
        QVERIFY2(befund.isEmpty() ? text.isEmpty() : text.contains(befund), qPrintable(text));
    }

    // Another encoding chosen later decodes the bytes again.
    void umkodieren() {
        TTextimport t = TTextimport::Lesen(QByteArray("Name\nM\x94ller\n"));
        QCOMPARE(t.Feld(0, 0), QString::fromUtf8("Möller"));
        t.KodierungSetzen(TKodierung::Windows);
        QCOMPARE(t.Feld(0, 0), QString::fromUtf8("M”ller"));
        t.KodierungSetzen(TKodierung::Dos);
        QCOMPARE(t.Feld(0, 0), QString::fromUtf8("Möller"));
    }

    // Beyond the first four lines the whole file decides between DOS and Windows text: umlauts of DOS
    // text read as Windows are control characters and quotes inside words. The choice stays open.
    void spaeteUmlaute_data() {
        QTest::addColumn<QByteArray>("zeilen");
        QTest::addColumn<int>("kodierung");
        QTest::addColumn<QStringList>("namen");
        QTest::newRow("DOS-ü") << QByteArray("Paul;M\x81ller\nEmre;\x99zt\x81rk\n") << 0
                               << QStringList{"Müller", "Öztürk"};
        QTest::newRow("DOS ohne ü") << QByteArray("Lena;Sch\x84"
                                                  "fer\nJ\x94rg;Berg\n")
                                    << 0 << QStringList{"Schäfer", "Berg"};
        QTest::newRow("Windows") << QByteArray("Paul;M\xFCller\nLena;Sch\xE4"
                                               "fer\n")
                                 << 1 << QStringList{"Müller", "Schäfer"};
        QTest::newRow("Windows mit Zeichen aus 0x80..0x9F") << QByteArray("Sean;O\x92"
                                                                          "Brien\nDu\x9A"
                                                                          "an;\x84Hans\x93 Berg\n")
                                                            << 1 << QStringList{"O’Brien", "„Hans“ Berg"};
        QTest::newRow("mehr Windows als DOS") << QByteArray("Paul;M\xFCller\nLena;Sch\xE4"
                                                            "fer\nJ\x94rg;Berg\n")
                                              << 1 << QStringList{"Müller", "Schäfer"};
    }
    void spaeteUmlaute() {
        QFETCH(QByteArray, zeilen);
        QFETCH(int, kodierung);
        QFETCH(QStringList, namen);
        const TTextimport t = TTextimport::Lesen("Vorname;Name\nA;B\nC;D\nE;F\nG;H\n" + zeilen);
        QCOMPARE(int(t.Kodierung), kodierung);
        QVERIFY(t.Wahl.WahlFrei);
        QCOMPARE(t.Feld(4, 1), namen[0]);
        QCOMPARE(t.Feld(5, 1), namen[1]);
    }

    // Fields read in the wrong encoding are found, with how they read in the likelier one; names of
    // other languages and quotes raise no suspicion.
    void verdacht_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<int>("gelesen");
        QTest::addColumn<int>("besser");
        QTest::addColumn<QStringList>("beispiel");
        QTest::newRow("DOS als Windows") << QByteArray("Name\nSch\x84"
                                                       "fer\nM\x81ller\nBerg\n")
                                         << 1 << 0 << QStringList{"Sch„fer", "Schäfer"};
        QTest::newRow("Windows als DOS") << QByteArray("Name\nStra\xDF"
                                                       "e\n")
                                         << 0 << 1 << QStringList{"Stra▀e", "Straße"};
        QTest::newRow("UTF-8 als Windows")
            << QByteArray("Name\nW\xC4\x85sowski\n") << 1 << 2 << QStringList{"WÄ…sowski", "Wąsowski"};
        QTest::newRow("Windows als UTF-8")
            << QByteArray("Name\nM\xFCller\n") << 2 << 1 << QStringList{"M\uFFFDller", "Müller"};
        QTest::newRow("Windows, fremde Namen") << QByteArray("Name\nO\x92"
                                                             "Brien\nDu\x9A"
                                                             "an\n\x84Hans\x93\n\xC9lodie\n")
                                               << 1 << -1 << QStringList{};
        QTest::newRow("DOS, fremde Namen") << QByteArray("Name\n\x90lodie\nGon\x87"
                                                         "alves\n")
                                           << 0 << -1 << QStringList{};
    }
    void verdacht() {
        QFETCH(QByteArray, datei);
        QFETCH(int, gelesen);
        QFETCH(int, besser);
        QFETCH(QStringList, beispiel);
        TTextimport t = TTextimport::Lesen(datei);
        t.KodierungSetzen(TKodierung(gelesen));
        const auto v = KodierungsverdachtPruefen(t);
        QCOMPARE(v.has_value(), besser >= 0);
        if (!v) return;
        QCOMPARE(int(v->Kodierung), besser);
        QCOMPARE(v->Gelesen.value(0), beispiel[0]);
        QCOMPARE(v->Besser.value(0), beispiel[1]);
    }

    // Files that are no tables give an empty or one-column table, never a crash.
    void kaputt() {
        QVERIFY(TTextimport::Lesen({}).Zeilen.empty());
        QVERIFY(TTextimport::Lesen("\r\n\r\n\x1A").Kopf.isEmpty());
        QByteArray binaer;
        for (int i = 0; i < 4096; ++i)
            binaer += char(i * 7 % 256);
        const TTextimport t = TTextimport::Lesen(binaer);
        QVERIFY(t.Spalten() >= 0);
    }

    // A header without rows, or with an empty field, is a record itself; switching back restores it.
    void kopfzeile() {
        TTextimport t = TTextimport::Lesen("Berg;;5a\nMaier;Anna;6b\n");
        QVERIFY(t.KopfIstDatensatz);
        QCOMPARE(t.Zeilen.size(), size_t(2));
        t.KopfAlsDatensatz(false);
        QCOMPARE(t.Zeilen.size(), size_t(1));
    }

    // A file without records begins with its first record; a file that only looks empty (blank lines,
    // a byte-order mark alone) is empty: no columns, no records.
    void ohneDatensaetze_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("spalten");
        QTest::addColumn<int>("datensaetze");
        QTest::addColumn<bool>("kopfIstDatensatz");
        QTest::newRow("leer") << QByteArray() << 0 << 0 << true;
        QTest::newRow("Leerzeichen und Tabulatoren") << QByteArray("  \r\n\t\r\n \x1A") << 0 << 0 << true;
        QTest::newRow("nur Byte-Order-Mark") << QByteArray("\xEF\xBB\xBF\r\n") << 0 << 0 << true;
        QTest::newRow("nur Kopfzeile") << QByteArray("Name;K\xFCrzel\r\n") << 2 << 1 << true;
        QTest::newRow("Leerzeile vor dem Kopf")
            << QByteArray("  \r\nName;Raum\r\nAbel;101\r\n") << 2 << 1 << false;
    }
    void ohneDatensaetze() {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, spalten);
        QFETCH(int, datensaetze);
        QFETCH(bool, kopfIstDatensatz);
        TTextimport t = TTextimport::Lesen(inhalt);
        QCOMPARE(t.Spalten(), spalten);
        QCOMPARE(int(t.Zeilen.size()), datensaetze);
        QCOMPARE(t.KopfIstDatensatz, kopfIstDatensatz);
        // An empty first line is no record in either reading.
        t.KopfAlsDatensatz(!kopfIstDatensatz);
        t.KopfAlsDatensatz(kopfIstDatensatz);
        QCOMPARE(int(t.Zeilen.size()), datensaetze);
    }

    // The assignment comes back only when the same captions stand in the same columns.
    void zuordnung() {
        const TTextimport t = TTextimport::Lesen("Kuerzel;Name;Anrede\nAB;Abel;Frau\n");
        const TFeldzuordnung z{2, -1, -1, 1, 0, -1};
        const TImportVorgabe v = ZuordnungMerken(z, t, 1);
        QCOMPARE(v.Titel[3], "Name");
        QCOMPARE(ZuordnungWiederherstellen(v, t, 1), std::optional(z));
        QVERIFY(!ZuordnungWiederherstellen(v, t, 2));
        const TTextimport anders = TTextimport::Lesen("Name;Kuerzel;Anrede\nAbel;AB;Frau\n");
        QVERIFY(!ZuordnungWiederherstellen(v, anders, 1));
        QVERIFY(!ZuordnungWiederherstellen(TImportVorgabe{}, t, 1));
    }
};

VEL_TEST(TstTextimport)
#include "tst_Textimport.moc"
