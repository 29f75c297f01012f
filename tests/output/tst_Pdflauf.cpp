#include "common/ProjektBauer.h"
#include "common/SkriptMeldung.h"
#include "common/TestHaupt.h"
#include "model/Schuldaten.h"
#include "output/Pdflauf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Two families with one booked conversation each, and one without any.
struct TLauf {
    TProjektBauer b;
    TSchuldaten schule;
    QTemporaryDir ordner;
    TSkriptMeldung meldung;

    TLauf() {
        b.Rahmen(1, 4);
        b.Wunsch(b.Kind("Maier", "Anna", "5a"), "MUE", 0);
        b.Wunsch(b.Kind("Öztürk", "Ayşe"), "MUE", 1);
        b.Familie("Ohne");
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();
    }
    TPdfAuftrag Auftrag() {
        TPdfAuftrag a{b.p, schule, true, ordner.filePath("VEL2027PDF"), {}, false};
        for (const auto& e : b.p.Elternliste)
            a.Listen.push_back({e.get(), QStringLiteral("VEL2027E - ") + e->Name});
        return a;
    }
    QStringList Dateien() { return QDir(ordner.filePath("VEL2027PDF")).entryList(QDir::Files, QDir::Name); }
};

} // namespace

class TstPdflauf : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void zielordner_data() {
        QTest::addColumn<QString>("gewaehlt");
        QTest::addColumn<QString>("ziel");
        QTest::newRow("Ordner") << "/daten/Listen"
                                << "/daten/Listen/VEL2027PDF";
        QTest::newRow("schon der Jahresordner") << "/daten/Listen/VEL2027PDF"
                                                << "/daten/Listen/VEL2027PDF";
        QTest::newRow("mit Schrägstrich") << "/daten/Listen/VEL2027PDF/"
                                          << "/daten/Listen/VEL2027PDF";
        QTest::newRow("anderes Jahr") << "/daten/VEL2026PDF"
                                      << "/daten/VEL2026PDF/VEL2027PDF";
    }
    void zielordner() {
        QFETCH(QString, gewaehlt);
        QFETCH(QString, ziel);
        TProjektBauer b;
        b.Rahmen(1, 1);
        QCOMPARE(PdfZielordner(gewaehlt, b.p), ziel);
    }

    void dateinamen() {
        QCOMPARE(Dateinamensicher("a/b\\c:d*e?f\"g<h>i|j"), "a_b_c_d_e_f_g_h_i_j");
        QCOMPARE(Dateinamensicher(QString::fromUtf8("VEL2027E - 7b Müller")),
                 QString::fromUtf8("VEL2027E - 7b Müller"));
        const QString lang = Dateinamensicher(QString(300, QChar(0xE4)));
        QVERIFY(lang.toUtf8().size() <= 200);
        QVERIFY(lang.startsWith(QChar(0xE4)));
    }

    // One file per family with conversations; the folder is created; names keep their letters.
    void schreibtJeFamilieEineDatei() {
        TLauf l;
        const TPdfErgebnis e = PdfLauf(l.Auftrag(), l.meldung);
        QCOMPARE(e.Geschrieben, 2);
        QVERIFY(e.Fehlgeschlagen.isEmpty());
        QCOMPARE(l.Dateien(),
                 (QStringList{"VEL2027E - Maier.pdf", QString::fromUtf8("VEL2027E - Öztürk.pdf")}));
        QFile f(l.ordner.filePath("VEL2027PDF/VEL2027E - Maier.pdf"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        QVERIFY(l.meldung.Protokoll.isEmpty());
    }

    // A second run meets existing files: the four answers.
    void ueberschreiben_data() {
        QTest::addColumn<QList<int>>("antworten");
        QTest::addColumn<int>("fragen");
        QTest::addColumn<int>("geschrieben");
        QTest::addColumn<bool>("abgebrochen");
        QTest::newRow("JA für alle") << QList<int>{0} << 1 << 2 << false;
        QTest::newRow("Ja, Ja") << QList<int>{1, 1} << 2 << 2 << false;
        QTest::newRow("Überspringen, Ja") << QList<int>{2, 1} << 2 << 1 << false;
        QTest::newRow("Abbrechen") << QList<int>{3} << 1 << 0 << true;
        QTest::newRow("geschlossen") << QList<int>{-1} << 1 << 0 << true;
    }
    void ueberschreiben() {
        QFETCH(QList<int>, antworten);
        QFETCH(int, fragen);
        QFETCH(int, geschrieben);
        QFETCH(bool, abgebrochen);
        TLauf l;
        PdfLauf(l.Auftrag(), l.meldung);
        l.meldung.Auswahlen = antworten;
        const TPdfErgebnis e = PdfLauf(l.Auftrag(), l.meldung);
        QCOMPARE(l.meldung.Protokoll.size(), fragen);
        QCOMPARE(l.meldung.Protokoll[0].Text,
                 "Die Datei \"VEL2027E - Maier\" existiert bereits.\rÜberschreiben?");
        QCOMPARE(l.meldung.Protokoll[0].Titel, "Rückfrage");
        QCOMPARE(l.meldung.Protokoll[0].Knopftexte,
                 (QStringList{"JA für alle", "Ja", "Überspringen", "Abbrechen"}));
        QCOMPARE(e.Geschrieben, geschrieben);
        QCOMPARE(e.Abgebrochen, abgebrochen);
        TPdfAuftrag ohneFrage = l.Auftrag();
        ohneFrage.Ueberschreiben = true;
        QCOMPARE(PdfLauf(ohneFrage, l.meldung).Geschrieben, 2);
        QCOMPARE(l.meldung.Protokoll.size(), fragen);
    }

    // A folder that cannot be created writes nothing; a file that cannot be written is reported.
    void fehler() {
        TLauf l;
        QFile sperre(l.ordner.filePath("Datei"));
        QVERIFY(sperre.open(QIODevice::WriteOnly));
        sperre.close();
        TPdfAuftrag a = l.Auftrag();
        a.Zielordner = l.ordner.filePath("Datei/VEL2027PDF");
        const TPdfErgebnis ohneOrdner = PdfLauf(a, l.meldung);
        QVERIFY(ohneOrdner.OrdnerFehlt);
        QCOMPARE(ohneOrdner.Geschrieben, 0);

        QVERIFY(QDir().mkpath(l.ordner.filePath("VEL2027PDF/VEL2027E - Maier.pdf")));
        TPdfAuftrag ueber = l.Auftrag();
        ueber.Ueberschreiben = true;
        const TPdfErgebnis e = PdfLauf(ueber, l.meldung);
        QCOMPARE(e.Geschrieben, 1);
        QCOMPARE(e.Fehlgeschlagen, QStringList{l.ordner.filePath("VEL2027PDF/VEL2027E - Maier.pdf")});
    }
};

VEL_TEST(TstPdflauf)
#include "tst_Pdflauf.moc"
