// Where the update check asks and where it sends the user.
#include "common/TestHaupt.h"
#include "settings/UReg.h"
#include "settings/Updateadressen.h"

#include <QTemporaryDir>
#include <QTest>

class TstUpdateadressen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void adressen_data() {
        QTest::addColumn<QString>("gespeichert"); // "-": no value
        QTest::addColumn<QString>("skript");
        QTest::addColumn<QString>("seite");
        QTest::newRow("ohne Werte") << "-"
                                    << "https://www.tarnwiek.de/script/myjs.js"
                                    << "https://www.tarnwiek.de/download";
        QTest::newRow("leere Werte") << " "
                                     << "https://www.tarnwiek.de/script/myjs.js"
                                     << "https://www.tarnwiek.de/download";
        QTest::newRow("ohne Schema über HTTPS") << "schule.example/vel "
                                                << "https://schule.example/vel"
                                                << "https://schule.example/vel";
        QTest::newRow("ausdrücklich HTTP") << "http://127.0.0.1:8080/script/myjs.js"
                                           << "http://127.0.0.1:8080/script/myjs.js"
                                           << "http://127.0.0.1:8080/script/myjs.js";
    }
    void adressen() {
        QFETCH(QString, gespeichert);
        QFETCH(QString, skript);
        QFETCH(QString, seite);
        QTemporaryDir ordner;
        TEinstellungsSpeicher speicher(ordner.filePath(QStringLiteral("vel.ini")));
        if (gespeichert != u"-") {
            TSchluessel s = speicher.SchluesselSchreiben(QStringLiteral("Update"));
            s.TextSchreiben(QStringLiteral("Versionsskript"), gespeichert);
            s.TextSchreiben(QStringLiteral("downloadseite"), gespeichert);
        }
        const TUpdateAdressen a = UpdateAdressenLesen(speicher);
        QCOMPARE(a.Versionsskript, skript);
        QCOMPARE(a.Downloadseite, seite);
    }
};

VEL_TEST(TstUpdateadressen)
#include "tst_Updateadressen.moc"
