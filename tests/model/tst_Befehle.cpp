#include "Lesehilfe.h"
#include "common/TestHaupt.h"

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

TAufruf Aufruf(const QStringList& argumente) {
    QProcess p;
    p.start(QStringLiteral(VEL_CLI), argumente);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
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

    void dumpFehler_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("kein Projekt")
            << QByteArray("\x05Hallo") << 1 << QStringLiteral("Die Datei ist keine gültige Projektdatei.\n");
        QTest::newRow("beschädigt") << Projektdatei(Beispielprojekt()).left(60) << 2
                                    << QStringLiteral("Lesefehler");
    }
    void dumpFehler() {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        QTemporaryDir ordner;
        const TAufruf a =
            Aufruf({QStringLiteral("dump"), Schreiben(ordner, QStringLiteral("x.pdt"), inhalt)});
        QCOMPARE(a.Status, status);
        QVERIFY(a.Ausgabe.isEmpty());
        QVERIFY2(a.Fehler.startsWith(meldung), qPrintable(a.Fehler));
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
};

VEL_TEST(TstBefehle)
#include "tst_Befehle.moc"
