#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "common/VelCli.h"
#include "model/Meldung.h"
#include "model/Projektdatei.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

TAufruf Aufruf(const QStringList& argumente) {
    return VelCliAufrufen(argumente);
}

void Schreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly)) f.write(inhalt);
}

// The teachers' names, or each child's first name with its family's name, of a written project; the
// note-pad tick of the list comes first, as "erfasst" when set.
QStringList Namen(const QString& pfad, bool lehrer) {
    TProjekt p;
    TStilleMeldung still;
    if (ProjektLaden(pfad, p, still, TLeseOptionen()) != TLeseErgebnis::Gelesen) return {"nicht lesbar"};
    QStringList namen;
    if (p.NotizHaken[lehrer ? Notizhaken::LehrerlisteErfasst : Notizhaken::ElternlisteErfasst])
        namen << QStringLiteral("erfasst");
    if (lehrer)
        for (const auto& l : p.Lehrerliste)
            namen << l->Name;
    else
        for (const auto& e : p.Elternliste)
            for (const auto& k : e->Kinder)
                namen << k->Vorname + u' ' + e->Name;
    return namen;
}

} // namespace

// vel-cli import-lehrer and import-eltern read what the import dialog reads: text files with or without
// header line in their encoding, teacher files and projects. What cannot be imported leaves the project.
class TstImportbefehle : public QObject {
    Q_OBJECT

private:
    QTemporaryDir Ordner;

    // A project with one teacher and one family, so that a replacement shows.
    QString Ziel() {
        TProjektBauer b;
        b.Rahmen(1, 12);
        b.Lehrer("AL", "Alt");
        b.Kind("Vorher", "Vera", "9a");
        const QString pfad = Ordner.filePath(QStringLiteral("ziel.pdt"));
        QString fehler;
        if (!ProjektSpeichern(b.p, pfad, fehler)) qWarning() << fehler;
        return pfad;
    }

    // Runs the command on datei and checks the status, a text of its output (standard error when it
    // fails) and the names of the written project (none written after a failure).
    void Pruefen(const QString& befehl, const QString& datei, const QStringList& argumente, int status,
                 const QStringList& namen, const QString& text) {
        const QString aus = Ordner.filePath(QStringLiteral("aus.pdt"));
        QFile::remove(aus);
        const TAufruf a = Aufruf(QStringList{befehl, Ziel(), datei, "-o", aus} + argumente);
        QVERIFY2(a.Status == status, qPrintable(a.Ausgabe + a.Fehler));
        QVERIFY2((status == 0 ? a.Ausgabe : a.Fehler).contains(text), qPrintable(a.Ausgabe + a.Fehler));
        if (status != 0) {
            QVERIFY(!QFile::exists(aus));
            return;
        }
        QCOMPARE(Namen(aus, befehl == QLatin1String("import-lehrer")), QStringList{"erfasst"} + namen);
    }

private Q_SLOTS:
    // The first line names the fields unless one of them is empty, or the options say otherwise; a file
    // without records is refused.
    void kopfzeile_data() {
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<QString>("text");
        const QByteArray lehrer = "M\xFCller;M\xDC\r\nSch\xE4"
                                  "fer;SC\r\n";
        QTest::newRow("Kopfzeile")
            << "import-lehrer"
            << "Name;K\xFCrzel\r\n" + lehrer << QStringList{"--feld", "Name=Name", "--feld", "Kürzel=Kürzel"}
            << 0 << QStringList{"Müller", "Schäfer"}
            << "Kopfzeile: Name, Kürzel (--ohne-kopfzeile, wenn sie schon ein Datensatz ist)";
        QTest::newRow("ohne Kopfzeile")
            << "import-lehrer" << lehrer
            << QStringList{"--ohne-kopfzeile", "--feld", "Name=1", "--feld", "Kürzel=2"} << 0
            << QStringList{"Müller", "Schäfer"} << "Keine Kopfzeile.";
        QTest::newRow("leeres Feld: Datensatz")
            << "import-lehrer"
            << QByteArray("Herr;;M\xFCller\r\nFrau;Dr.;Sch\xE4"
                          "fer\r\n")
            << QStringList{"--feld", "Name=3"} << 0 << QStringList{"Müller", "Schäfer"}
            << "Keine Kopfzeile: In der ersten Zeile ist ein Feld leer";
        QTest::newRow("leeres Feld in der Kopfzeile")
            << "import-lehrer" << QByteArray("Anrede;;Name\r\nHerr;;M\xFCller\r\n")
            << QStringList{"--mit-kopfzeile", "--feld", "Name=Name"} << 0 << QStringList{"Müller"}
            << "Kopfzeile: Anrede, , Name\n";
        QTest::newRow("nur Kopfzeile")
            << "import-lehrer" << QByteArray("Name;K\xFCrzel\r\n") << QStringList{"--feld", "Name=1"} << 2
            << QStringList{} << "enthält nur die Kopfzeile und keine Datensätze";
        QTest::newRow("leer") << "import-lehrer" << QByteArray("\r\n\r\n") << QStringList{"--feld", "Name=1"}
                              << 2 << QStringList{} << "enthält keine Datensätze";
        QTest::newRow("Spaltenname ohne Kopfzeile")
            << "import-lehrer" << lehrer << QStringList{"--ohne-kopfzeile", "--feld", "Name=Müller"} << 2
            << QStringList{} << "Keine Spalte Müller in der Datei (Spalten: Nummern 1 bis 2)";
        QTest::newRow("beide Optionen")
            << "import-lehrer" << lehrer << QStringList{"--ohne-kopfzeile", "--mit-kopfzeile"} << 2
            << QStringList{} << "--ohne-kopfzeile und --mit-kopfzeile schließen einander aus";
        const QStringList schueler{"--feld", "Vorname=1", "--feld", "Nachname=2"};
        QTest::newRow("Eltern ohne Kopfzeile")
            << "import-eltern" << QByteArray("Anna;Berg\r\nTom;Cordes\r\n")
            << QStringList{"--ohne-kopfzeile"} + schueler << 0 << QStringList{"Anna Berg", "Tom Cordes"}
            << "Familien angelegt: 2";
        QTest::newRow("Eltern nur Kopfzeile") << "import-eltern" << QByteArray("Vorname;Nachname\r\n")
                                              << schueler << 2 << QStringList{} << "nur die Kopfzeile";
        QTest::newRow("Eltern ohne Vornamen")
            << "import-eltern" << QByteArray("Vorname;Nachname\r\n;Berg\r\n") << schueler << 2
            << QStringList{} << "Kein Datensatz hat einen Vornamen";
    }
    void kopfzeile() {
        QFETCH(QString, befehl);
        QFETCH(QByteArray, inhalt);
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QStringList, namen);
        QFETCH(QString, text);
        const QString datei = Ordner.filePath(QStringLiteral("liste.csv"));
        Schreiben(datei, inhalt);
        Pruefen(befehl, datei, argumente, status, namen, text);
    }

    // Teacher files and projects are read as the window reads them, the teacher file that export-lehrer
    // writes included; options of text files are refused for them.
    void quellen_data() {
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<QString>("quelle");
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<QString>("text");
        QTest::newRow("Lehrerdatei") << "import-lehrer"
                                     << "lehrer.ldt" << QStringList{} << 0 << QStringList{"Müller", "Öztürk"}
                                     << "Lehrkräfte übernommen: 2";
        QTest::newRow("Lehrerdatei, Endung groß")
            << "import-lehrer"
            << "LEHRER.LDT" << QStringList{} << 0 << QStringList{"Müller", "Öztürk"} << "übernommen: 2";
        QTest::newRow("Lehrer aus Projekt")
            << "import-lehrer"
            << "quelle.pdt" << QStringList{} << 0 << QStringList{"Müller", "Öztürk"} << "übernommen: 2";
        QTest::newRow("Familien aus Projekt")
            << "import-eltern"
            << "quelle.pdt" << QStringList{} << 0 << QStringList{"Lena Schäfer"} << "Familien übernommen: 1";
        QTest::newRow("Familien angehängt")
            << "import-eltern"
            << "quelle.pdt" << QStringList{"--anhaengen"} << 0 << QStringList{"Vera Vorher", "Lena Schäfer"}
            << "Familien übernommen: 1";
        QTest::newRow("Feld bei Lehrerdatei")
            << "import-lehrer"
            << "lehrer.ldt" << QStringList{"--feld", "Name=1"} << 2 << QStringList{}
            << "Die Option --feld gilt nur für Textdateien";
        QTest::newRow("keine Lehrerdatei")
            << "import-lehrer"
            << "text.ldt" << QStringList{} << 2 << QStringList{} << "keine Lehrerdatei";
        QTest::newRow("Familien aus Lehrerdatei")
            << "import-eltern"
            << "lehrer.ldt" << QStringList{} << 2 << QStringList{} << "enthält keine Familien";
        QTest::newRow("kein Projekt")
            << "import-eltern"
            << "text.pdt" << QStringList{} << 2 << QStringList{} << "keine Familien übernommen";
    }
    void quellen() {
        QFETCH(QString, befehl);
        QFETCH(QString, quelle);
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QStringList, namen);
        QFETCH(QString, text);
        TProjektBauer b;
        b.Rahmen(1, 12);
        b.Lehrer(QString::fromUtf8("ÖZ"), QString::fromUtf8("Öztürk"));
        b.Lehrer(QString::fromUtf8("MÜ"), QString::fromUtf8("Müller"));
        b.Kind(QString::fromUtf8("Schäfer"), "Lena", "5a");
        const QString projekt = Ordner.filePath(QStringLiteral("quelle.pdt"));
        QString fehler;
        QVERIFY2(ProjektSpeichern(b.p, projekt, fehler), qPrintable(fehler));
        for (const char* ldt : {"lehrer.ldt", "LEHRER.LDT"})
            QCOMPARE(Aufruf({"export-lehrer", projekt, Ordner.filePath(ldt)}).Status, 0);
        Schreiben(Ordner.filePath("text.ldt"), "Name;Kuerzel\r\nBerg;BE\r\n");
        Schreiben(Ordner.filePath("text.pdt"), "Name;Kuerzel\r\nBerg;BE\r\n");
        Pruefen(befehl, Ordner.filePath(quelle), argumente, status, namen, text);
    }

    // The encoding taken is told; DOS text with its first umlaut far down is recognised, and fields that
    // read better in another encoding than the chosen one are shown with a warning.
    void kodierung_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<QStringList>("ausgabe");
        QTest::addColumn<QString>("warnung");
        const QByteArray kopf = "Vorname;Nachname;Klasse\r\nAnna;Berg;5a\r\nTom;Cordes;5b\r\nIda;Dorn;6a\r\n"
                                "Max;Ernst;6b\r\nUwe;Fink;7a\r\n";
        const QByteArray dos = kopf + "Emre;\x99zt\x81rk;7b\r\nLena;Sch\x84"
                                      "fer;8a\r\nPaul;M\x81ller;8b\r\n";
        const QByteArray windows = kopf + "Emre;\xD6zt\xFCrk;7b\r\nLena;Sch\xE4"
                                          "fer;8a\r\nPaul;M\xFCller;8b\r\n";
        const QStringList namen{"Anna Berg", "Tom Cordes",  "Ida Dorn",     "Max Ernst",
                                "Uwe Fink",  "Emre Öztürk", "Lena Schäfer", "Paul Müller"};
        QTest::newRow("DOS, Umlaute spät") << dos << QStringList{} << namen
                                           << QStringList{"Kodierung: DOS-Text (erkannt)",
                                                          "Weitere Namen mit Sonderzeichen: \"Emre Öztürk\", "
                                                          "\"Lena Schäfer\", \"Paul Müller\""}
                                           << "";
        QTest::newRow("DOS als Windows gelesen")
            << dos << QStringList{"--kodierung", "windows"} << QStringList{}
            << QStringList{"Kodierung: Windows-Text\n"}
            << "Warnung: Die Datei wurde als Windows-Text gelesen, aber 3 Felder sehen nach DOS-Text aus: "
               "\"™zt\\x81rk\" wäre \"Öztürk\", \"Sch„fer\" wäre \"Schäfer\", \"M\\x81ller\" wäre "
               "\"Müller\". "
               "Mit --kodierung dos wird sie als DOS-Text gelesen.";
        QTest::newRow("Windows, Umlaute spät")
            << windows << QStringList{} << namen << QStringList{"Kodierung: Windows-Text (erkannt)"} << "";
        QTest::newRow("Windows als DOS gelesen")
            << windows << QStringList{"--kodierung", "dos"} << QStringList{}
            << QStringList{"Kodierung: DOS-Text\n"}
            << "aber 3 Felder sehen nach Windows-Text aus: \"Ízt³rk\" wäre \"Öztürk\"";
        QTest::newRow("UTF-8") << kopf + "Jan;W\xC4\x85sowski;9a\r\n"
                               << QStringList{} << QStringList{"Anna Berg", "Tom Cordes", "Ida Dorn",
                                                               "Max Ernst", "Uwe Fink",   "Jan Wasowski"}
                               << QStringList{"Kodierung: UTF-8 (erkannt)",
                                              "Erste Namen: \"Anna Berg\", \"Tom Cordes\", "
                                              "\"Ida Dorn\"\nWeitere Namen mit "
                                              "Sonderzeichen: \"Jan Wąsowski\""}
                               << "";
        QTest::newRow("UTF-8 mit einer Zeile Windows-Text")
            << kopf + "Jan;W\xC4\x85sowski;9a\r\nEmre;\xC3\x96zt\xC3\xBCrk;9b\r\nPaul;M\xFCller;8b\r\n"
            << QStringList{} << QStringList{} << QStringList{"Kodierung: Windows-Text (erkannt)"}
            << "nach UTF-8 aus: \"WÄ…sowski\" wäre \"Wąsowski\", \"Ã–ztÃ¼rk\" wäre \"Öztürk\". Mit "
               "--kodierung utf8";
        // UTF-8 decided by an umlaut, with a line of Windows text before it: that line's names keep "?".
        QTest::newRow("UTF-8 mit Windows-Text gemischt")
            << QByteArray("Vorname;Nachname;Klasse\r\nJ\xF6rg;J\xE4ger;5a\r\nJ\xC3\xBCrgen;M\xC3\xBC"
                          "ller;5b\r\n")
            << QStringList{} << QStringList{"J?rg J?ger", "Jürgen Müller"}
            << QStringList{"Kodierung: UTF-8 (erkannt)"}
            << "Warnung: Die Datei ist nicht durchgehend UTF-8: Zeile 2 enthält Zeichen einer anderen "
               "Kodierung, die als UTF-8 nicht lesbar sind und als \"?\" gespeichert werden. Bitte prüfen "
               "Sie diese Namen oder wählen Sie mit --kodierung windows oder --kodierung dos eine andere "
               "Kodierung.";
    }
    void kodierung() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QStringList, argumente);
        QFETCH(QStringList, namen);
        QFETCH(QStringList, ausgabe);
        QFETCH(QString, warnung);
        const QString datei = Ordner.filePath(QStringLiteral("schueler.txt"));
        Schreiben(datei, inhalt);
        const QString aus = Ordner.filePath(QStringLiteral("aus.pdt"));
        const TAufruf a =
            Aufruf(QStringList{"import-eltern", Ziel(), datei, "-o", aus, "--feld", "Vorname=Vorname",
                               "--feld", "Nachname=Nachname", "--feld", "Klasse=Klasse"} +
                   argumente);
        QCOMPARE(a.Status, 0);
        for (const QString& text : ausgabe)
            QVERIFY2(a.Ausgabe.contains(text), qPrintable(a.Ausgabe));
        QVERIFY2(warnung.isEmpty() ? a.Fehler.isEmpty() : a.Fehler.contains(warnung), qPrintable(a.Fehler));
        if (!namen.isEmpty()) QCOMPARE(Namen(aus, false), QStringList{"erfasst"} + namen);
    }

    // The import commands explain themselves and name a wrong option.
    void aufrufe_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        for (const char* befehl : {"import-lehrer", "import-eltern"}) {
            QTest::newRow(befehl) << QStringList{befehl, "--hilfe"} << 0 << "--ohne-kopfzeile";
            QTest::newRow(qPrintable(QStringLiteral("%1 unbekannt").arg(befehl)))
                << QStringList{befehl, "P", "D", "--ohne-kopf"} << 2 << "Unbekannte Option: --ohne-kopf";
        }
    }
    void aufrufe() {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, text);
        const TAufruf a = Aufruf(argumente);
        QCOMPARE(a.Status, status);
        QVERIFY2((status == 0 ? a.Ausgabe : a.Fehler).contains(text), qPrintable(a.Ausgabe + a.Fehler));
    }
};

VEL_TEST(TstImportbefehle)
#include "tst_Importbefehle.moc"
