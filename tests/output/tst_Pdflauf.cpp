#include "common/ProjektBauer.h"
#include "common/SkriptMeldung.h"
#include "common/TestHaupt.h"
#include "common/Testdrucker.h"
#include "model/Schuldaten.h"
#include "output/Pdflauf.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
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
    TPdfAuftrag Auftrag(int faeden = 0) {
        TPdfAuftrag a{b.p, schule, true, ordner.filePath("VEL2027PDF"), {}, false, faeden};
        for (const auto& e : b.p.Elternliste)
            a.Listen.push_back({e.get(), QStringLiteral("VEL2027E - ") + e->Name});
        return a;
    }
    QStringList Dateien() { return QDir(ordner.filePath("VEL2027PDF")).entryList(QDir::Files, QDir::Name); }
};

// A school of two days: fourteen families with three children each, every list long enough to break
// onto a second page, a logo that all lists share, a note for all families and notes of single
// families and teachers, and some requests without appointment.
struct TSchule {
    TProjektBauer b;
    TSchuldaten schule{QStringLiteral("Gymnasium Am Wall"),
                       QString::fromUtf8("Wallstraße 3"),
                       QStringLiteral("28195 Bremen"),
                       QStringLiteral("0421 1234"),
                       {}};

    TSchule() {
        b.Rahmen(2, 24);
        const QStringList lehrer{"ABC", "DEF", "GHI", "JKL"};
        const QStringList namen{"Ahrens", "Böhm",   "Claßen", "Dürr", "Ernst", "Fuchs",  "Groß",
                                "Haas",   "Illner", "Jäger",  "Kühn", "Lang",  "Möller", "Nagel"};
        for (int f = 0; f < 14; ++f) {
            const QString name = namen[f];
            for (int k = 0; k < 3; ++k) {
                TKind* kind =
                    b.Kind(name, QString::fromUtf8("Kind %1ß").arg(k + 1), QStringLiteral("%1b").arg(5 + k));
                b.Wunsch(kind, lehrer[k], f % 4 == 3 && k == 2 ? -1 : (f + 7 * k) % 48);
            }
            if (f % 5 == 0)
                b.Familie(name)->Anmerkung = QString::fromUtf8("Bitte melden Sie sich im Sekretariat.");
        }
        b.Wunsch(b.Kind("Ahrens", "Nachzug", "9a"), "JKL");
        b.p.AnmerkungAlleEltern = QString::fromUtf8("Bitte bringen Sie das letzte Zeugnis mit.");
        b.Lehrer("ABC")->Anmerkung = QString::fromUtf8("Raumwechsel nach der Pause möglich.");
        QImage logo(240, 120, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        b.p.Listenlayout.Logo = logo;
        b.p.Listenlayout.MitLogo = true;
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();
    }
    TPdfAuftrag Auftrag(bool eltern, const QString& ordner, int faeden) {
        TPdfAuftrag a{b.p, schule, eltern, ordner, {}, false, faeden};
        int n = 0;
        if (eltern)
            for (const auto& e : b.p.Elternliste)
                a.Listen.push_back(
                    {e.get(), QStringLiteral("VEL2027E - %1 %2").arg(++n, 3, 10, QChar(u'0')).arg(e->Name)});
        else
            for (const auto& l : b.p.Lehrerliste)
                a.Listen.push_back({l.get(), QStringLiteral("VEL2027L - %1 (%2)").arg(l->Name, l->Kuerzel)});
        return a;
    }
};

// The text of a PDF as pdftotext lays it out, columns kept apart by their positions.
QString LayoutText(const QString& datei) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                          QStringLiteral("UTF-8"), datei, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TstPdflauf : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

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
        const TDateilaufErgebnis e = PdfLauf(l.Auftrag(), l.meldung);
        QCOMPARE(e.Geschrieben, 2);
        QVERIFY(e.Fehlgeschlagen.isEmpty());
        QCOMPARE(l.Dateien(),
                 (QStringList{"VEL2027E - Maier.pdf", QString::fromUtf8("VEL2027E - Öztürk.pdf")}));
        QFile f(l.ordner.filePath("VEL2027PDF/VEL2027E - Maier.pdf"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(5) == "%PDF-");
        QVERIFY(l.meldung.Protokoll.isEmpty());
    }

    // A second run meets existing files: the four answers, on one thread and on several.
    void ueberschreiben_data() {
        QTest::addColumn<int>("faeden");
        QTest::addColumn<QList<int>>("antworten");
        QTest::addColumn<int>("fragen");
        QTest::addColumn<int>("geschrieben");
        QTest::addColumn<bool>("abgebrochen");
        for (const int faeden : {1, 3}) {
            const auto zeile = [faeden](const char* name) {
                return &(QTest::addRow("%s, %d Fäden", name, faeden) << faeden);
            };
            *zeile("JA für alle") << QList<int>{0} << 1 << 2 << false;
            *zeile("Ja, Ja") << QList<int>{1, 1} << 2 << 2 << false;
            *zeile("Überspringen, Ja") << QList<int>{2, 1} << 2 << 1 << false;
            *zeile("Abbrechen") << QList<int>{3} << 1 << 0 << true;
            *zeile("geschlossen") << QList<int>{-1} << 1 << 0 << true;
        }
    }
    void ueberschreiben() {
        QFETCH(int, faeden);
        QFETCH(QList<int>, antworten);
        QFETCH(int, fragen);
        QFETCH(int, geschrieben);
        QFETCH(bool, abgebrochen);
        TLauf l;
        PdfLauf(l.Auftrag(), l.meldung);
        l.meldung.Auswahlen = antworten;
        const TDateilaufErgebnis e = PdfLauf(l.Auftrag(faeden), l.meldung);
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
    void fehler_data() {
        QTest::addColumn<int>("faeden");
        QTest::newRow("ein Faden") << 1;
        QTest::newRow("drei Fäden") << 3;
    }
    void fehler() {
        QFETCH(int, faeden);
        TLauf l;
        QFile sperre(l.ordner.filePath("Datei"));
        QVERIFY(sperre.open(QIODevice::WriteOnly));
        sperre.close();
        TPdfAuftrag a = l.Auftrag(faeden);
        a.Zielordner = l.ordner.filePath("Datei/VEL2027PDF");
        const TDateilaufErgebnis ohneOrdner = PdfLauf(a, l.meldung);
        QVERIFY(ohneOrdner.OrdnerFehlt);
        QCOMPARE(ohneOrdner.Geschrieben, 0);

        QVERIFY(QDir().mkpath(l.ordner.filePath("VEL2027PDF/VEL2027E - Maier.pdf")));
        TPdfAuftrag ueber = l.Auftrag(faeden);
        ueber.Ueberschreiben = true;
        const TDateilaufErgebnis e = PdfLauf(ueber, l.meldung);
        QCOMPARE(e.Geschrieben, 1);
        QCOMPARE(e.Fehlgeschlagen, QStringList{l.ordner.filePath("VEL2027PDF/VEL2027E - Maier.pdf")});
        QCOMPARE(l.Dateien(), QStringList{QString::fromUtf8("VEL2027E - Öztürk.pdf")});
    }

    // A list written again replaces the file in one step and keeps its permissions.
    void ersetzt() {
        TLauf l;
        PdfLauf(l.Auftrag(), l.meldung);
        const QString maier = l.ordner.filePath("VEL2027PDF/VEL2027E - Maier.pdf");
        const QFile::Permissions rechte = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(maier, rechte));
        QFile alt(maier);
        QVERIFY(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
        alt.close();
        TPdfAuftrag ueber = l.Auftrag();
        ueber.Ueberschreiben = true;
        QCOMPARE(PdfLauf(ueber, l.meldung).Geschrieben, 2);
        QCOMPARE(QFile::permissions(maier), rechte | QFile::ReadUser | QFile::WriteUser);
        QVERIFY(alt.open(QIODevice::ReadOnly));
        QVERIFY(alt.read(5) == "%PDF-");
        QCOMPARE(l.Dateien(),
                 (QStringList{"VEL2027E - Maier.pdf", QString::fromUtf8("VEL2027E - Öztürk.pdf")}));
    }

    // Lists drawn on several threads are the files one thread writes: names, pages and text.
    void gleicheDateienWieEinFaden() {
        TSchule s;
        QTemporaryDir ordner;
        TSkriptMeldung meldung;
        for (const bool eltern : {true, false}) {
            const QString art = eltern ? "E" : "L";
            const TDateilaufErgebnis einzeln =
                PdfLauf(s.Auftrag(eltern, ordner.filePath(art + "1"), 1), meldung);
            const TDateilaufErgebnis parallel =
                PdfLauf(s.Auftrag(eltern, ordner.filePath(art + "4"), 4), meldung);
            QCOMPARE(parallel.Geschrieben, einzeln.Geschrieben);
            QVERIFY(parallel.Fehlgeschlagen.isEmpty());
            const QStringList namen = QDir(ordner.filePath(art + "1")).entryList(QDir::Files, QDir::Name);
            QCOMPARE(namen.size(), eltern ? 14 : 4);
            QCOMPARE(QDir(ordner.filePath(art + "4")).entryList(QDir::Files, QDir::Name), namen);
            int mehrseitig = 0;
            for (const QString& name : namen) {
                const QString a = ordner.filePath(art + "1/" + name);
                const QString b = ordner.filePath(art + "4/" + name);
                QCOMPARE(PdfSeitenzahl(b), PdfSeitenzahl(a));
                mehrseitig += PdfSeitenzahl(a) > 1;
                const QString text = LayoutText(a);
                QVERIFY2(text.contains(QString::fromUtf8("Gespräche für")), qPrintable(name));
                QCOMPARE(LayoutText(b), text);
            }
            // The comparison covers page breaks and continuation heads.
            QVERIFY(mehrseitig > 0);
        }
        QVERIFY(meldung.Protokoll.isEmpty());
    }

    // Cancelling stops at the list the progress was told about; the lists drawn ahead leave no file.
    void abbruch_data() {
        QTest::addColumn<int>("faeden");
        QTest::newRow("ein Faden") << 1;
        QTest::newRow("vier Fäden") << 4;
    }
    void abbruch() {
        QFETCH(int, faeden);
        TSchule s;
        QTemporaryDir ordner;
        TSkriptMeldung meldung;
        QList<int> gemeldet;
        const TDateilaufErgebnis e =
            PdfLauf(s.Auftrag(true, ordner.path(), faeden), meldung, [&gemeldet](int i) {
                gemeldet << i;
                return i < 5;
            });
        QVERIFY(e.Abgebrochen);
        QCOMPARE(gemeldet, (QList<int>{0, 1, 2, 3, 4, 5}));
        QCOMPARE(e.Geschrieben, 5);
        QCOMPARE(
            QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name),
            (QStringList{"VEL2027E - 001 Ahrens.pdf", "VEL2027E - 002 Böhm.pdf", "VEL2027E - 003 Claßen.pdf",
                         "VEL2027E - 004 Dürr.pdf", "VEL2027E - 005 Ernst.pdf"}));
    }
};

VEL_TEST(TstPdflauf)
#include "tst_Pdflauf.moc"
