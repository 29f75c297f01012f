#include "common/ProjektBauer.h"
#include "common/SkriptMeldung.h"
#include "common/TestHaupt.h"
#include "common/VelCli.h"
#include "model/Datumstexte.h"
#include "model/Projektdatei.h"
#include "output/Kalenderlauf.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char* const Python = "/usr/bin/python3";

// Reads every calendar file of a folder with Python's icalendar and gives per file its events as
// "summary|start|end|location" (times in Berlin) and their UIDs; fails on anything the reader objects to.
const char* const Leser = R"(
import json, os, sys, zoneinfo
from icalendar import Calendar
berlin = zoneinfo.ZoneInfo('Europe/Berlin')
ergebnis = {}
for name in sorted(os.listdir(sys.argv[1])):
    if not name.endswith('.ics'):
        continue
    with open(os.path.join(sys.argv[1], name), 'rb') as f:
        kalender = Calendar.from_ical(f.read())
    if kalender.errors or str(kalender['VERSION']) != '2.0' or not kalender.get('PRODID'):
        sys.exit('%s: %s' % (name, kalender.errors))
    termine, uids = [], []
    for e in kalender.walk('VEVENT'):
        if e.errors:
            sys.exit('%s: %s' % (name, e.errors))
        zeiten = [e.decoded(z) for z in ('DTSTART', 'DTEND')]
        if any(z.tzinfo is None for z in zeiten):
            sys.exit('%s: Zeit ohne Zone' % name)
        zeiten = [z.astimezone(berlin).strftime('%Y-%m-%d %H:%M') for z in zeiten]
        termine.append('|'.join([str(e['SUMMARY'])] + zeiten + [str(e.get('LOCATION', ''))]))
        uids.append(str(e['UID']))
    ergebnis[name] = {'termine': termine, 'uids': uids}
print(json.dumps(ergebnis))
)";

bool LeserDa() {
    QProcess p;
    p.start(QString::fromLatin1(Python), {"-c", "import icalendar, zoneinfo"});
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A school of two days around the switch to summer time: teachers and families with German, Turkish and
// Polish names and rooms, in the letters a project file keeps.
struct TSchule {
    TProjektBauer b;
    TGespraech* juergen;

    TSchule() {
        b.Rahmen(2, 8);
        b.p.Datum = {WertAusDatum(QDate(2027, 3, 27)), WertAusDatum(QDate(2027, 3, 29))};
        TLehrer* gro = b.Lehrer("GRO", "Groß");
        gro->Raum = QStringLiteral("Raum Ä1") + QChar(RaumTrenner) + QStringLiteral("Süd-Flügel, 2");
        TLehrer* kow = b.Lehrer("KOW", "Kowalczyk");
        kow->Anrede = QStringLiteral("Frau");
        kow->Raum = QStringLiteral("Sala Józefa; Nord");
        b.Lehrer("CEL", "Çelik");
        TKind* uemit = b.Kind("Öztürk", "Ümit", "7c");
        b.Wunsch(uemit, "GRO", 1);
        b.Wunsch(uemit, "KOW", SlotsProTag + 2);
        b.Wunsch(b.Kind("Öztürk", "Çiçek", "9a"), "CEL", 3);
        TKind* jozef = b.Kind("Wójcik", "Józef", "5b");
        b.Wunsch(jozef, "GRO", SlotsProTag);
        b.Wunsch(jozef, "KOW");
        juergen = b.Wunsch(b.Kind("Strauß", "Jürgen", "10d"), "KOW", 5);
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();
    }
};

// File name to the sorted events, and all UIDs per file.
struct TGelesen {
    QMap<QString, QStringList> Termine;
    QMap<QString, QStringList> Uids;
    QStringList AlleUids() const {
        QStringList alle;
        for (const QStringList& u : Uids)
            alle << u;
        alle.sort();
        return alle;
    }
};

} // namespace

class TstKalenderdateien : public QObject {
    Q_OBJECT

    QTemporaryDir Ordner;

    // Writes the school's project and exports its calendars with the arguments into ordner.
    bool Exportieren(TSchule& s, const QString& ordner, const QStringList& argumente) {
        const QString projekt = Ordner.filePath("schule.pdt");
        QString fehler;
        if (!ProjektSpeichern(s.b.p, projekt, fehler)) {
            qWarning() << fehler;
            return false;
        }
        const TAufruf a = VelCliAufrufen(QStringList{"ics", projekt, "-o", ordner} + argumente);
        if (a.Status != 0) qWarning() << a.Ausgabe << a.Fehler;
        return a.Status == 0;
    }

    TGelesen Lesen(const QString& ordner) {
        QProcess p;
        p.start(QString::fromLatin1(Python), {"-c", QString::fromLatin1(Leser), ordner});
        TGelesen g;
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            qWarning() << p.readAllStandardError();
            return g;
        }
        const QJsonObject dateien = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
        for (auto it = dateien.begin(); it != dateien.end(); ++it) {
            QStringList termine, uids;
            for (const QJsonValue& t : it.value().toObject().value("termine").toArray())
                termine << t.toString();
            for (const QJsonValue& u : it.value().toObject().value("uids").toArray())
                uids << u.toString();
            termine.sort();
            g.Termine[it.key()] = termine;
            g.Uids[it.key()] = uids;
        }
        return g;
    }

private Q_SLOTS:
    void init() {
        if (LeserDa() || QByteArray(QTest::currentTestFunction()).startsWith("velCli")) return;
        const char* grund = "/usr/bin/python3 mit icalendar fehlt (scripts/install-deps installiert "
                            "python3-icalendar); die Kalenderdateien werden nicht zurückgelesen";
        if (!qEnvironmentVariableIsEmpty("VEL_ICSTEST")) QFAIL(grund);
        QSKIP(grund);
    }

    // An independent reader finds every appointment with its time, room and names in the files of the
    // families and of the teachers, written in Berlin time and in UTC alike; a conversation has the
    // same UID in both files and keeps it when exported again after the plan changed.
    void unabhaengigGelesen() {
        TSchule s;
        const QMap<QString, QStringList> eltern{
            {"VEL2027E - Öztürk.ics",
             {"Gespräch mit Frau Kowalczyk über Ümit|2027-03-29 14:20|2027-03-29 14:30|Sala Józefa; Nord",
              "Gespräch mit Herrn Groß über Ümit|2027-03-27 14:10|2027-03-27 14:20|Raum Ä1",
              "Gespräch mit Herrn Çelik über Çiçek|2027-03-27 14:30|2027-03-27 14:40|"}},
            {"VEL2027E - Strauß.ics",
             {"Gespräch mit Frau Kowalczyk über Jürgen|2027-03-27 14:50|2027-03-27 15:00|Sala Józefa; Nord"}},
            {"VEL2027E - Wójcik.ics",
             {"Gespräch mit Herrn Groß über Józef|2027-03-29 14:00|2027-03-29 14:10|Süd-Flügel, 2"}}};
        const QMap<QString, QStringList> lehrer{
            {"VEL2027L - Groß (GRO).ics",
             {"Gespräch mit Familie Wójcik über Józef (5b)|2027-03-29 14:00|2027-03-29 14:10|Süd-Flügel, 2",
              "Gespräch mit Familie Öztürk über Ümit (7c)|2027-03-27 14:10|2027-03-27 14:20|Raum Ä1"}},
            {"VEL2027L - Kowalczyk (KOW).ics",
             {"Gespräch mit Familie Strauß über Jürgen (10d)|2027-03-27 14:50|2027-03-27 15:00|Sala Józefa; "
              "Nord",
              "Gespräch mit Familie Öztürk über Ümit (7c)|2027-03-29 14:20|2027-03-29 14:30|Sala Józefa; "
              "Nord"}},
            {"VEL2027L - Çelik (CEL).ics",
             {"Gespräch mit Familie Öztürk über Çiçek (9a)|2027-03-27 14:30|2027-03-27 14:40|"}}};

        QVERIFY(Exportieren(s, Ordner.filePath("eltern"), {"--eltern"}));
        QVERIFY(Exportieren(s, Ordner.filePath("utc"), {"--families", "--utc"}));
        QVERIFY(Exportieren(s, Ordner.filePath("lehrer"), {"--lehrer"}));
        const TGelesen e = Lesen(Ordner.filePath("eltern/VEL2027PDF"));
        const TGelesen u = Lesen(Ordner.filePath("utc/VEL2027PDF"));
        const TGelesen l = Lesen(Ordner.filePath("lehrer/VEL2027PDF"));
        QCOMPARE(e.Termine, eltern);
        QCOMPARE(u.Termine, eltern);
        QCOMPARE(l.Termine, lehrer);
        const QStringList uids = e.AlleUids();
        QCOMPARE(uids.size(), 5);
        QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), 5);
        QCOMPARE(u.AlleUids(), uids);
        QCOMPARE(l.AlleUids(), uids);

        // Jürgen's appointment moves ten minutes later; the file written again replaces the old one.
        const QString alteUid = e.Uids.value("VEL2027E - Strauß.ics").value(0);
        s.juergen->Lehrer->Zeiten[5] = s.juergen->Eltern()->Zeiten[5] = SlotFrei;
        s.b.Buchen(s.juergen, 6);
        QVERIFY(Exportieren(s, Ordner.filePath("eltern"), {"--eltern"}));
        const TGelesen neu = Lesen(Ordner.filePath("eltern/VEL2027PDF"));
        QCOMPARE(neu.Termine.value("VEL2027E - Strauß.ics"),
                 QStringList{"Gespräch mit Frau Kowalczyk über Jürgen|2027-03-27 15:00|2027-03-27 15:10|Sala "
                             "Józefa; Nord"});
        QCOMPARE(neu.Uids.value("VEL2027E - Strauß.ics"), QStringList{alteUid});
        QCOMPARE(neu.AlleUids(), uids);
    }

    // Letters beyond those of a project file, as a project in memory holds them, come through the run in
    // the window unchanged.
    void alleBuchstaben() {
        TProjektBauer b;
        b.Rahmen(1, 4);
        TLehrer* wis = b.Lehrer("WIS", "Wiśniewski");
        wis->Anrede = QStringLiteral("Frau");
        wis->Raum = QStringLiteral("Sala Łódź");
        b.Wunsch(b.Kind("Yılmaz", "Ayşe Gökçe", "6a"), "WIS", 2);
        TSkriptMeldung meldung;
        for (const TKalenderzeit zeit : {TKalenderzeit::Berlin, TKalenderzeit::Utc}) {
            const QString ordner = Ordner.filePath(zeit == TKalenderzeit::Utc ? "alle-utc" : "alle");
            const TKalenderAuftrag auftrag{b.p,   true, ordner, {{b.Familie("Yılmaz"), "VEL2027E - Yılmaz"}},
                                           false, zeit};
            QCOMPARE(KalenderLauf(auftrag, meldung).Geschrieben, 1);
            QCOMPARE(Lesen(ordner).Termine.values(),
                     QList<QStringList>{{"Gespräch mit Frau Wiśniewski über Ayşe Gökçe|2027-03-01 14:20|"
                                         "2027-03-01 14:30|Sala Łódź"}});
        }
        QVERIFY(meldung.Protokoll.isEmpty());
    }

    void velCli_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("dateien");
        const QStringList alle{"VEL2027E - Strauß.ics", "VEL2027E - Wójcik.ics", "VEL2027E - Öztürk.ics"};
        QTest::newRow("Eltern") << QStringList{"PROJEKT", "--eltern", "-o", "ORDNER"} << 0
                                << "3 Kalenderdateien in ORDNER/VEL2027PDF" << alle;
        QTest::newRow("Lehrer, --ordner")
            << QStringList{"PROJEKT", "--lehrer", "--ordner", "ORDNER"} << 0
            << "3 Kalenderdateien in ORDNER/VEL2027PDF"
            << QStringList{"VEL2027L - Groß (GRO).ics", "VEL2027L - Kowalczyk (KOW).ics",
                           "VEL2027L - Çelik (CEL).ics"};
        QTest::newRow("Hilfe") << QStringList{"--hilfe"} << 0 << "Aufruf: vel-cli ics" << QStringList{};
        QTest::newRow("keine Art") << QStringList{"PROJEKT", "-o", "ORDNER"} << 2 << "Aufruf: vel-cli ics"
                                   << QStringList{};
        QTest::newRow("beide Arten") << QStringList{"PROJEKT", "--eltern", "--lehrer", "-o", "ORDNER"} << 2
                                     << "Aufruf: vel-cli ics" << QStringList{};
        QTest::newRow("ohne Ordner") << QStringList{"PROJEKT", "--eltern"} << 2 << "Aufruf: vel-cli ics"
                                     << QStringList{};
        QTest::newRow("Wert fehlt") << QStringList{"PROJEKT", "--eltern", "-o"} << 2 << "Wert fehlt nach -o"
                                    << QStringList{};
        QTest::newRow("Datei fehlt") << QStringList{"ORDNER/fehlt.pdt", "--eltern", "-o", "ORDNER"} << 2
                                     << "Die Datei existiert nicht." << QStringList{};
        QTest::newRow("kein Projekt") << QStringList{"ORDNER/kein.pdt", "--eltern", "-o", "ORDNER"} << 2
                                      << "keine gültige Projektdatei" << QStringList{};
        QTest::newRow("Ordner nicht anzulegen")
            << QStringList{"PROJEKT", "--eltern", "-o", "ORDNER/kein.pdt"} << 1
            << "Der Ordner ORDNER/kein.pdt/VEL2027PDF kann nicht angelegt werden." << QStringList{};
        QTest::newRow("Datei nicht zu schreiben")
            << QStringList{"PROJEKT", "--eltern", "-o", "ORDNER", "--utc"} << 1
            << "Nicht geschrieben: ORDNER/VEL2027PDF/VEL2027E - Wójcik.ics"
            << QStringList{"VEL2027E - Strauß.ics", "VEL2027E - Öztürk.ics"};
    }
    void velCli() {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, text);
        QFETCH(QStringList, dateien);
        QTemporaryDir ordner;
        TSchule s;
        const QString projekt = ordner.filePath("schule.pdt");
        QString fehler;
        QVERIFY2(ProjektSpeichern(s.b.p, projekt, fehler), qPrintable(fehler));
        QFile kein(ordner.filePath("kein.pdt"));
        QVERIFY(kein.open(QIODevice::WriteOnly) && kein.write("kein Projekt") > 0);
        kein.close();
        // A folder where one family's file would go.
        if (text.startsWith("Nicht geschrieben"))
            QVERIFY(QDir().mkpath(ordner.filePath("VEL2027PDF/VEL2027E - Wójcik.ics")));
        argumente.replaceInStrings("PROJEKT", projekt);
        argumente.replaceInStrings("ORDNER", ordner.path());
        const TAufruf a = VelCliAufrufen(QStringList{"ics"} + argumente);
        QCOMPARE(a.Status, status);
        text.replace("ORDNER", ordner.path());
        QVERIFY2((status == 0 ? a.Ausgabe : a.Fehler).contains(text), qPrintable(a.Ausgabe + a.Fehler));
        QCOMPARE(QDir(ordner.filePath("VEL2027PDF")).entryList(QDir::Files, QDir::Name), dateien);
    }
};

VEL_TEST(TstKalenderdateien)
#include "tst_Kalenderdateien.moc"
