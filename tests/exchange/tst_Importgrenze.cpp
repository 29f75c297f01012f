// An import refuses a record whose text a project file could not hold, before it changes anything.
#include "common/TestHaupt.h"
#include "exchange/Importgrenze.h"

#include <QTest>

class TstImportgrenze : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void zuLang_data() {
        QTest::addColumn<bool>("lehrer");
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<TFeldzuordnung>("zuordnung");
        QTest::addColumn<QString>("meldung");
        const QString passt(32767, u'A');
        const QString lang(32768, u'A');
        const TFeldzuordnung lehrer{-1, -1, -1, 0, 1, -1};
        const TFeldzuordnung schueler{0, -1, 1, -1, -1, -1};
        QTest::newRow("Name passt gerade") << true << passt + QStringLiteral(";MÜ") << lehrer << QString();
        QTest::newRow("Name zu lang")
            << true << lang + QStringLiteral(";MÜ") << lehrer
            << "Im 2. Datensatz ist das Feld „Name“ mit 32768 Zeichen zu lang: Ein Eintrag kann höchstens "
               "32767 Zeichen haben.\r„" +
                   QString(50, u'A') + u'…' +
                   "“\r\rOrdnen Sie dieses Feld nicht zu oder kürzen Sie den Eintrag in der Datei.";
        QTest::newRow("Blanken am Rand zählen nicht")
            << true << QStringLiteral("  ") + passt + QStringLiteral("  ;MÜ") << lehrer << QString();
        QTest::newRow("Kürzel zu lang")
            << true << QStringLiteral("Müller;") + lang << lehrer << "Im 2. Datensatz ist das Feld „Kürzel“";
        QTest::newRow("nicht zugeordnete Spalte")
            << true << QStringLiteral("Müller;MÜ;") + lang << lehrer << QString();
        // A character the code page lacks takes one byte as "?", though it is two in memory.
        QTest::newRow("Zeichen außerhalb der Code-Page")
            << true << QString::fromUtf8("😀").repeated(20000) + QStringLiteral(";MÜ") << lehrer << QString();
        // Vorname and full name may come to stand together in the child's first name.
        QTest::newRow("Vor- und Nachname zusammen")
            << false << QString(20000, u'A') + u';' + QString(20000, u'B') << schueler
            << "Im 2. Datensatz ist der Name aus Vorname, Namenszusatz und Nachname mit 40002 Zeichen zu "
               "lang: "
               "Ein Eintrag kann höchstens 32761 Zeichen haben.";
        QTest::newRow("Vor- und Nachname passen")
            << false << QString(16000, u'A') + u';' + QString(16000, u'B') << schueler << QString();
    }
    void zuLang() {
        QFETCH(bool, lehrer);
        QFETCH(QString, zeile);
        QFETCH(TFeldzuordnung, zuordnung);
        QFETCH(QString, meldung);
        const QString kopf = lehrer ? QStringLiteral("Name;Kürzel;X") : QStringLiteral("Vorname;Nachname");
        const TTextimport datei = TTextimport::Lesen(
            (kopf + QStringLiteral("\r\nÖztürk;ÖZ;x\r\n") + zeile + QStringLiteral("\r\n")).toUtf8());
        const QString grund = ZuLangesFeld(datei, zuordnung, lehrer);
        if (meldung.isEmpty())
            QCOMPARE(grund, QString());
        else
            QVERIFY2(grund.startsWith(meldung), qPrintable(grund.left(300)));
        QVERIFY(grund.size() < 400);
    }
};

VEL_TEST(TstImportgrenze)
#include "tst_Importgrenze.moc"
