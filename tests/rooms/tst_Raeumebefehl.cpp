#include "Raumfall.h"
#include "common/TestHaupt.h"
#include "model/Projektdatei.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct TAufruf {
    int Status = -1;
    QString Ausgabe;
    QString Fehler;
};

TAufruf Aufruf(const QStringList& argumente) {
    QProcess p;
    p.start(QStringLiteral(VEL_CLI), QStringList{QStringLiteral("raeume")} + argumente);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// vel-cli raeume on a saved project: the conflicts one a line, the plan as a text table.
class TstRaeumebefehl : public QObject {
    Q_OBJECT

private:
    QTemporaryDir Ordner;

    QString Projekt(const QStringList& lehrer) {
        TProjektBauer b;
        b.Rahmen(1, 4, 14 * 60, 15);
        Belegen(b, lehrer);
        const QString pfad = Ordner.filePath(QStringLiteral("p%1.pdt").arg(++Nummer));
        QString fehler;
        if (!ProjektSpeichern(b.p, pfad, fehler)) qWarning() << fehler;
        return pfad;
    }
    int Nummer = 0;

private Q_SLOTS:
    void aufrufe_data() {
        QTest::addColumn<QStringList>("lehrer");
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("ausgabe");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("keine Konflikte")
            << QStringList{"A|Raum 5|0", "B|Raum 7|0"} << QStringList{} << 0 << "Keine Raumkonflikte.\n"
            << "";
        QTest::newRow("Konflikte") << QStringList{"C|Raum 5|1", "B|Raum 5|1", "A|Aula|0", "D|Aula|0", "E||0"}
                                   << QStringList{} << 1
                                   << "Raumkonflikt: 01.03.27, 14:00 in \"Aula\": A und D\n"
                                      "Raumkonflikt: 01.03.27, 14:15 in \"Raum 5\": B und C\n"
                                   << "Hinweis: Herr E (E) hat Termine, aber keinen Raum.\n";
        QTest::newRow("Hilfe") << QStringList{} << QStringList{"--hilfe"} << 0
                               << "Aufruf: vel-cli raeume PROJEKTDATEI [--csv AUSGABE]"
                               << "";
        QTest::newRow("unbekannte Option") << QStringList{} << QStringList{"--farbe"} << 2 << ""
                                           << "Unbekannte Option: --farbe";
        QTest::newRow("csv ohne Datei") << QStringList{} << QStringList{"--csv"} << 2 << ""
                                        << "Wert fehlt nach --csv";
        QTest::newRow("zweite Datei") << QStringList{} << QStringList{"ZIEL"} << 2 << ""
                                      << "Unerwartetes Argument";
    }
    void aufrufe() {
        QFETCH(QStringList, lehrer);
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, ausgabe);
        QFETCH(QString, fehler);
        argumente.replaceInStrings(QStringLiteral("ZIEL"), Ordner.filePath(QStringLiteral("x.csv")));
        const TAufruf a = Aufruf(QStringList{Projekt(lehrer)} + argumente);
        QCOMPARE(a.Status, status);
        QVERIFY2(ausgabe.isEmpty() ? a.Ausgabe.isEmpty() : a.Ausgabe.startsWith(ausgabe),
                 qPrintable(a.Ausgabe));
        QVERIFY2(fehler.isEmpty() ? a.Fehler.isEmpty() : a.Fehler.contains(fehler), qPrintable(a.Fehler));
    }

    void csv() {
        const QString ziel = Ordner.filePath(QStringLiteral("belegung.csv"));
        const TAufruf a = Aufruf({Projekt({"A|Raum 5|0", "B|Raum 5|0", "D|Raum 7|1"}), "--csv", ziel});
        QCOMPARE(a.Status, 1);
        QCOMPARE(Lesen(ziel), QByteArray("\"R\xE4ume \\\xA0\xA0Zeiten\",\"14:00\",\"14:15\"\r\n"
                                         "\"Raum 5\",\"A\",\"\"\r\n"
                                         "\"Raum 7\",\"\",\"D\"\r\n"));
    }

    // A file that cannot be written, or nothing to write: a message, exit status 2, no file.
    void csvFehler_data() {
        QTest::addColumn<QStringList>("lehrer");
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("Ordner fehlt") << QStringList{"A|Raum 5|0"} << "fehlt/belegung.csv"
                                      << "Die Datei %1 kann nicht geschrieben werden: ";
        QTest::newRow("keine Räume") << QStringList{"A||0"} << "leer.csv"
                                     << QString::fromUtf8(
                                            "Es sind noch keine Räume festgelegt; %1 wird nicht "
                                            "geschrieben.");
    }
    void csvFehler() {
        QFETCH(QStringList, lehrer);
        QFETCH(QString, ziel);
        QFETCH(QString, fehler);
        ziel = Ordner.filePath(ziel);
        const TAufruf a = Aufruf({Projekt(lehrer), "--csv", ziel});
        QCOMPARE(a.Status, 2);
        QVERIFY2(a.Fehler.contains(fehler.arg(ziel)), qPrintable(a.Fehler));
        QVERIFY(!QFile::exists(ziel));
    }

    void keinProjekt() {
        const QString pfad = Ordner.filePath(QStringLiteral("kaputt.pdt"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\x05Hallo");
        f.close();
        const TAufruf a = Aufruf({pfad});
        QCOMPARE(a.Status, 2);
        QVERIFY(a.Ausgabe.isEmpty());
    }
};

VEL_TEST(TstRaeumebefehl)
#include "tst_Raeumebefehl.moc"
