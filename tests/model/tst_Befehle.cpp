#include "Lesehilfe.h"
#include "common/TestHaupt.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct TAufruf {
    int Status = -1;
    QByteArray Ausgabe;
    QString Fehler;
};

TAufruf Aufruf(const QStringList& argumente,
               const QProcessEnvironment& umgebung = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(umgebung);
    p.start(QStringLiteral(VEL_CLI), argumente);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

// A small generated project in ordner; PROJEKT, ORDNER and AUS in the arguments become its path, the
// folder and a file "aus" in it. AUS goes first: a folder's random name may hold those letters. Empty
// where the project could not be made.
QStringList MitKleinemProjekt(const QTemporaryDir& ordner, QStringList argumente) {
    const QString projekt = ordner.filePath(QStringLiteral("p.pdt"));
    if (Aufruf({"generate", "-o", projekt, "--familien", "3", "--lehrer", "2"}).Status != 0) return {};
    argumente.replaceInStrings(QStringLiteral("AUS"), ordner.filePath(QStringLiteral("aus")));
    argumente.replaceInStrings(QStringLiteral("ORDNER"), ordner.path());
    argumente.replaceInStrings(QStringLiteral("PROJEKT"), projekt);
    return argumente;
}

QString Schreiben(const QTemporaryDir& ordner, const QString& name, const QByteArray& inhalt) {
    const QString pfad = ordner.filePath(name);
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly)) f.write(inhalt);
    return pfad;
}

const char* const Schluessel[] = {"Dateiversion",
                                  "LetzteElternNr",
                                  "LetzteGespraechNr",
                                  "LatKlBez",
                                  "Handverschoben",
                                  "ListenSortierung",
                                  "UnmoeglichBestimmt",
                                  "ReihenfolgeFest",
                                  "TermineBerechnet",
                                  "MaximalBlock",
                                  "MaximalBlock_El",
                                  "BitteTag1",
                                  "Zeittexte",
                                  "Datum",
                                  "ZweiTage",
                                  "LetzterSlot",
                                  "Standardsperre",
                                  "Elternliste",
                                  "Lehrerliste",
                                  "Gespraechsliste",
                                  "Listenlayout",
                                  "AnmerkungAlleEltern",
                                  "AnmerkungAlleLehrer",
                                  "NotizHaken",
                                  "NotizText",
                                  "Reserviert"};

} // namespace

class TstBefehle : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dump() {
        QTemporaryDir ordner;
        const QString pfad = Schreiben(ordner, QStringLiteral("b.pdt"), Projektdatei(Beispielprojekt()));
        const TAufruf a = Aufruf({QStringLiteral("dump"), pfad});
        QCOMPARE(a.Status, 0);
        QVERIFY(a.Fehler.isEmpty());
        QJsonParseError fehler;
        const QJsonObject o = QJsonDocument::fromJson(a.Ausgabe, &fehler).object();
        QCOMPARE(fehler.error, QJsonParseError::NoError);

        // The keys in the order of the fields.
        qsizetype vorher = -1;
        for (const char* s : Schluessel) {
            QVERIFY2(o.contains(QLatin1String(s)), s);
            const qsizetype pos = a.Ausgabe.indexOf(QByteArray("\n  \"") + s + "\": ");
            QVERIFY2(pos > vorher, s);
            vorher = pos;
        }
        QCOMPARE(o.size(), qsizetype(std::size(Schluessel)));

        QCOMPARE(o["Dateiversion"].toString(), QStringLiteral("VELProjekt04"));
        QCOMPARE(o["Datum"].toArray(), (QJsonArray{"2027-03-01", "2027-03-02"}));
        QCOMPARE(o["Zeittexte"].toArray().size(), 96);
        QCOMPARE(o["Zeittexte"][49].toString(), QStringLiteral("08:15"));
        QCOMPARE(o["Standardsperre"][0].toInt(), -1);
        const QJsonObject maier = o["Elternliste"][0].toObject();
        QCOMPARE(maier["Name"].toString(), QStringLiteral("Maier"));
        QCOMPARE(maier["Zeiten"][5].toInt(), 1);
        QCOMPARE(maier["Kinder"][1].toObject(),
                 (QJsonObject{{"Vorname", "Ben"}, {"Klasse", "7b"}, {"Nachname", "Schulz"}}));
        const QJsonObject mue = o["Lehrerliste"][0].toObject();
        QCOMPARE(mue["Raum"].toString(), QStringLiteral("A1ÿB2"));
        QCOMPARE(mue["HatTermin"].toBool(), true);
        QCOMPARE(o["Gespraechsliste"][0].toObject(), (QJsonObject{{"Nummer", 1},
                                                                  {"Flags", 1},
                                                                  {"Termin", 5},
                                                                  {"Rang", 0},
                                                                  {"ElternNr", 1},
                                                                  {"KindName", "Anna"},
                                                                  {"LehrerKuerzel", "MUE"}}));
        const QJsonObject layout = o["Listenlayout"].toObject();
        QCOMPARE(layout["Seitenraender"]["Links"].toDouble(), 2.2);
        QCOMPARE(layout["LogoBytes"].toInt(), 0);
        QVERIFY(layout.contains(QStringLiteral("LogoArt")) && !layout.contains(QStringLiteral("Logo")));
        QCOMPARE(o["NotizText"].toString(), QStringLiteral("Räume prüfen\r\nAula frei"));
        QCOMPARE(o["NotizHaken"].toArray().size(), 11);
        QCOMPARE(o["Reserviert"].toString(), QString(96, u'0'));

        const TAufruf kompakt = Aufruf({QStringLiteral("dump"), pfad, QStringLiteral("--compact")});
        QCOMPARE(kompakt.Status, 0);
        QCOMPARE(kompakt.Ausgabe.count('\n'), 1);
        QCOMPARE(QJsonDocument::fromJson(kompakt.Ausgabe).object(), o);
    }

    // Every command that reads a project answers a missing, foreign or damaged one alike: exit status 2,
    // nothing on standard output and nothing written, and a German message that names the file.
    void unlesbaresProjekt_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        const QList<QStringList> befehle{{"dump", "PROJEKT"},
                                         {"convert", "PROJEKT", "ORDNER/aus.pdt"},
                                         {"plan", "PROJEKT", "-o", "ORDNER/aus.pdt"},
                                         {"verbessern", "PROJEKT", "-o", "ORDNER/aus.pdt"},
                                         {"check", "PROJEKT"},
                                         {"pdf", "PROJEKT", "--eltern", "-o", "ORDNER/aus"},
                                         {"rtf", "PROJEKT", "--lehrer", "-o", "ORDNER/aus.rtf"},
                                         {"ics", "PROJEKT", "--eltern", "-o", "ORDNER/aus"},
                                         {"raeume", "PROJEKT", "--csv", "ORDNER/aus.csv"},
                                         {"statistik", "PROJEKT"},
                                         {"import-lehrer", "PROJEKT", "ORDNER/l.txt", "-o", "ORDNER/aus.pdt"},
                                         {"import-eltern", "PROJEKT", "ORDNER/e.txt", "-o", "ORDNER/aus.pdt"},
                                         {"export-lehrer", "PROJEKT", "ORDNER/aus.ldt"}};
        for (const QStringList& befehl : befehle) {
            const QByteArray name = befehl.constFirst().toUtf8();
            QTest::newRow(name + " fehlt")
                << befehl << "fehlt.pdt" << QByteArray()
                << "Die Datei „DATEI“ konnte nicht gelesen werden:\nDie Datei existiert nicht.\n";
            QTest::newRow(name + " kein Projekt") << befehl << "x.pdt" << QByteArray("\x05Hallo")
                                                  << "Die Datei „DATEI“ ist keine gültige Projektdatei.\n";
            QTest::newRow(name + " falsche Endung") << befehl << "x.txt" << Projektdatei(Beispielprojekt())
                                                    << "Die Datei „DATEI“ ist keine gültige Projektdatei.\n";
            QTest::newRow(name + " beschädigt")
                << befehl << "x.pdt" << Projektdatei(Beispielprojekt()).left(60)
                << "Lesefehler: Die Datei „DATEI“ ist beschädigt oder unvollständig.\n";
        }
    }
    void unlesbaresProjekt() {
        QFETCH(QStringList, argumente);
        QFETCH(QString, datei);
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        QTemporaryDir ordner;
        const QString pfad = inhalt.isEmpty() ? ordner.filePath(datei) : Schreiben(ordner, datei, inhalt);
        Schreiben(ordner, QStringLiteral("l.txt"), "Kuerzel;Name\nMUE;Müller\n");
        Schreiben(ordner, QStringLiteral("e.txt"), "Name;Vorname;Klasse\nMaier;Anna;5a\n");
        const QStringList vorher =
            QDir(ordner.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        argumente.replaceInStrings(QStringLiteral("PROJEKT"), pfad);
        argumente.replaceInStrings(QStringLiteral("ORDNER"), ordner.path());
        const TAufruf a = Aufruf(argumente);
        QCOMPARE(a.Status, 2);
        QCOMPARE(a.Fehler, meldung.replace(QStringLiteral("DATEI"), pfad));
        QVERIFY(a.Ausgabe.isEmpty());
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), vorher);
    }

    // The list commands take exactly one kind of lists and an output, and say which is wrong.
    void artUndAusgabe_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QString>("meldung");
        for (const auto& [befehl, wert] :
             {std::pair{"pdf", " ORDNER"}, {"rtf", " AUS.rtf"}, {"ics", " ORDNER"}}) {
            const QString aufruf = QStringLiteral("\nAufruf: vel-cli ") + befehl;
            QTest::newRow(QByteArray(befehl) + " keine Art")
                << QStringList{befehl, "PROJEKT", "-o", "AUS"} << "Es fehlt --eltern oder --lehrer." + aufruf;
            QTest::newRow(QByteArray(befehl) + " beide Arten, englisch")
                << QStringList{befehl, "PROJEKT", "--families", "--lehrer", "-o", "AUS"}
                << QString::fromUtf8("--families und --lehrer schließen einander aus.") + aufruf;
            QTest::newRow(QByteArray(befehl) + " ohne Ausgabe")
                << QStringList{befehl, "PROJEKT", "--teachers"}
                << QStringLiteral("Es fehlt die Ausgabe: -o") + wert + aufruf;
            QTest::newRow(QByteArray(befehl) + " leere Ausgabe")
                << QStringList{befehl, "PROJEKT", "--eltern", "--ausgabe="}
                << QStringLiteral("Es fehlt die Ausgabe: --ausgabe") + wert + aufruf;
        }
    }
    void artUndAusgabe() {
        QFETCH(QStringList, argumente);
        QFETCH(QString, meldung);
        QTemporaryDir ordner;
        argumente = MitKleinemProjekt(ordner, argumente);
        QVERIFY(!argumente.isEmpty());
        const TAufruf a = Aufruf(argumente);
        QCOMPARE(a.Status, 2);
        QVERIFY2(a.Fehler.startsWith(meldung), qPrintable(a.Fehler));
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("p.pdt")});
    }

    // An old file becomes a version-04 file; a generated project is written as one.
    void convertUndGenerate() {
        QTemporaryDir ordner;
        const QString alt = Schreiben(ordner, QStringLiteral("alt.pdt"), Projektdatei(Beispielprojekt(1)));
        const QString neu = ordner.filePath(QStringLiteral("neu.pdt"));
        QCOMPARE(Aufruf({QStringLiteral("convert"), alt, neu}).Status, 0);
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(ProjektLaden(neu, p, m, {}), TLeseErgebnis::Gelesen);
        QCOMPARE(p.Dateiversion, QStringLiteral("VELProjekt04"));
        QCOMPARE(p.Gespraechsliste.Count(), 4);

        const QString erzeugt = ordner.filePath(QStringLiteral("gen.pdt"));
        QCOMPARE(Aufruf({QStringLiteral("generate"), QStringLiteral("-o"), erzeugt,
                         QStringLiteral("--families"), QStringLiteral("30")})
                     .Status,
                 0);
        TProjekt g;
        QCOMPARE(ProjektLaden(erzeugt, g, m, {}), TLeseErgebnis::Gelesen);
        QCOMPARE(g.Elternliste.Count(), 30);
    }

    // Sizes by name, German and English option names, and every wrong call named on standard error.
    void generate_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("familien");
        QTest::addColumn<int>("lehrer");
        QTest::addColumn<bool>("zweiTage");
        QTest::addColumn<QString>("text");
        QTest::newRow("--size XL") << QStringList{"--size", "XL"} << 0 << 3000 << 200 << true << QString();
        QTest::newRow("Größe mit eigener Familienzahl")
            << QStringList{"--familien", "40", "--groesse", "l"} << 0 << 40 << 120 << true << QString();
        QTest::newRow("ohne Größe M")
            << QStringList{"--teachers", "9", "--saat", "3"} << 0 << 700 << 9 << false << QString();
        QTest::newRow("unbekannte Option")
            << QStringList{"--farben", "3"} << 2 << -1 << -1 << false << QStringLiteral("--farben");
        QTest::newRow("falsche Größe")
            << QStringList{"--size", "XXL"} << 2 << -1 << -1 << false << QStringLiteral("--size: XXL");
        QTest::newRow("drei Tage") << QStringList{"--tage", "3"} << 2 << -1 << -1 << false
                                   << QStringLiteral("--tage: 3");
        QTest::newRow("Familien keine Zahl") << QStringList{"--families", "viele"} << 2 << -1 << -1 << false
                                             << QStringLiteral("--families: viele");
        QTest::newRow("Wert fehlt") << QStringList{"--lehrer"} << 2 << -1 << -1 << false
                                    << QStringLiteral("--lehrer");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << -1 << -1 << false
                                << QStringLiteral("--groesse, --size M|L|XL");
    }
    void generate() {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(int, familien);
        QFETCH(int, lehrer);
        QFETCH(bool, zweiTage);
        QFETCH(QString, text);
        QTemporaryDir ordner;
        const QString ziel = ordner.filePath(QStringLiteral("gen.pdt"));
        const TAufruf a =
            Aufruf(QStringList{QStringLiteral("generate"), QStringLiteral("-o"), ziel} + argumente);
        QCOMPARE(a.Status, status);
        if (status != 0) QVERIFY2(a.Fehler.contains(text), qPrintable(a.Fehler));
        if (familien < 0) {
            // Neither a wrong call nor the help writes a project.
            QVERIFY(!QFile::exists(ziel));
            if (status == 0) QVERIFY2(QString::fromUtf8(a.Ausgabe).contains(text), a.Ausgabe.constData());
            return;
        }
        QVERIFY2(a.Fehler.isEmpty(), qPrintable(a.Fehler));
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(ProjektLaden(ziel, p, m, {}), TLeseErgebnis::Gelesen);
        QCOMPARE(p.Elternliste.Count(), familien);
        QCOMPARE(p.Lehrerliste.Count(), lehrer);
        QCOMPARE(p.ZweiTage, zweiTage);
    }

    // Every command answers --hilfe, takes its German option names and names what is wrong.
    void aufrufe_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        for (const char* befehl : {"dump", "convert", "plan", "check", "pdf", "generate"})
            QTest::newRow(befehl) << QStringList{befehl, "--hilfe"} << 0
                                  << QStringLiteral("Aufruf: vel-cli ") + befehl;
        QTest::newRow("dump kompakt")
            << QStringList{"dump", "PROJEKT", "--kompakt"} << 0 << "{\"Dateiversion\"";
        QTest::newRow("plan abbrechen-nach") << QStringList{"plan", "PROJEKT", "--abbrechen-nach", "foo"} << 2
                                             << "Ungültiger Wert für --abbrechen-nach: foo";
        QTest::newRow("check unbekannt")
            << QStringList{"check", "PROJEKT", "--farbe"} << 2 << "Unbekannte Option: --farbe";
        QTest::newRow("check zwei Dateien")
            << QStringList{"check", "PROJEKT", "b.pdt"} << 2 << "Unerwartetes Argument: b.pdt";
        QTest::newRow("convert ohne Ziel")
            << QStringList{"convert", "PROJEKT"} << 2 << "Aufruf: vel-cli convert";
    }
    void aufrufe() {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, text);
        QTemporaryDir ordner;
        argumente = MitKleinemProjekt(ordner, argumente);
        QVERIFY(!argumente.isEmpty());
        const TAufruf a = Aufruf(argumente);
        QCOMPARE(a.Status, status);
        const QString ausgabe = status == 0 ? QString::fromUtf8(a.Ausgabe) : a.Fehler;
        QVERIFY2(ausgabe.contains(text), qPrintable(ausgabe));
    }

    // Where no runtime folder is set (cron, containers, CI), no command has anything to say on stderr.
    void ohneLaufzeitordner_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::newRow("dump") << QStringList{"dump", "PROJEKT"};
        QTest::newRow("check") << QStringList{"check", "PROJEKT"};
        QTest::newRow("plan") << QStringList{"plan", "PROJEKT", "-o", "ORDNER/geplant.pdt"};
        QTest::newRow("statistik") << QStringList{"statistik", "PROJEKT", "--json"};
        QTest::newRow("raeume") << QStringList{"raeume", "PROJEKT", "--csv", "ORDNER/raeume.csv"};
        QTest::newRow("pdf") << QStringList{"pdf", "PROJEKT", "--lehrer", "--bis", "1", "-o", "ORDNER"};
    }
    void ohneLaufzeitordner() {
        QFETCH(QStringList, argumente);
        QTemporaryDir ordner;
        argumente = MitKleinemProjekt(ordner, argumente);
        QVERIFY(!argumente.isEmpty());
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        const TAufruf a = Aufruf(argumente, umgebung);
        QCOMPARE(a.Fehler, QString());
        QCOMPARE(a.Status, 0);
    }

    // The PDF lists of a scheduled project without a window: a range of the teachers' lists, written
    // into the year's folder; wrong calls name what is wrong.
    void pdf_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("dateien");
        QTest::addColumn<QString>("text");
        QTest::newRow("Lehrer 1 bis 2")
            << QStringList{"--lehrer", "--von", "1", "--bis", "2"} << 0 << 2 << "2 Dateien in";
        QTest::newRow("alle Familien, englisch") << QStringList{"--families"} << 0 << -1 << "Dateien in";
        QTest::newRow("keine Art") << QStringList{} << 2 << 0 << "Aufruf: vel-cli pdf";
        QTest::newRow("beide Arten") << QStringList{"--eltern", "--lehrer"} << 2 << 0
                                     << "Aufruf: vel-cli pdf";
        QTest::newRow("von 0") << QStringList{"--lehrer", "--von", "0"} << 2 << 0
                               << "Ungültiger Wert für --von: 0";
        QTest::newRow("bis zu groß") << QStringList{"--lehrer", "--bis", "99"} << 2 << 0
                                     << "Ungültiger Wert für --bis: 99";
        QTest::newRow("unbekannt") << QStringList{"--lehrer", "--farbe"} << 2 << 0
                                   << "Unbekannte Option: --farbe";
    }
    void pdf() {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(int, dateien);
        QFETCH(QString, text);
        QTemporaryDir ordner;
        const QString projekt = ordner.filePath(QStringLiteral("p.pdt"));
        QCOMPARE(Aufruf({"generate", "-o", projekt, "--familien", "8", "--lehrer", "4"}).Status, 0);
        QCOMPARE(Aufruf({"plan", projekt, "-o", projekt}).Status, 0);
        const TAufruf a = Aufruf(QStringList{"pdf", projekt, "-o", ordner.filePath("Listen")} + argumente);
        QCOMPARE(a.Status, status);
        QVERIFY2((status == 0 ? QString::fromUtf8(a.Ausgabe) : a.Fehler).contains(text),
                 qPrintable(a.Fehler));
        const QDir jahr(ordner.filePath("Listen/VEL2027PDF"));
        const QStringList geschrieben = jahr.entryList(QDir::Files);
        if (dateien >= 0) QCOMPARE(geschrieben.size(), dateien);
        if (status == 0) QVERIFY(!geschrieben.isEmpty() && geschrieben.constFirst().startsWith("VEL2027"));
    }
};

VEL_TEST(TstBefehle)
#include "tst_Befehle.moc"
