#include "app/ui/Run1.h"
#include "common/TestHaupt.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The desktop program, started in a runtime folder of the test's own.
struct TProgramm {
    QProcess Prozess;
    explicit TProgramm(const QString& laufzeitOrdner, const QStringList& argumente = {},
                       const QString& arbeitsordner = {}) {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("XDG_RUNTIME_DIR"), laufzeitOrdner);
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        umgebung.insert(QStringLiteral("XDG_CONFIG_HOME"), laufzeitOrdner);
        umgebung.insert(QStringLiteral("XDG_CACHE_HOME"), laufzeitOrdner);
        Prozess.setProcessEnvironment(umgebung);
        Prozess.setWorkingDirectory(arbeitsordner);
        Prozess.start(QStringLiteral(VEL_PROGRAMM), argumente);
    }
    ~TProgramm() {
        if (Prozess.state() != QProcess::NotRunning) {
            Prozess.kill();
            Prozess.waitForFinished();
        }
    }
};

} // namespace

class TstRun1 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A second instance hands its files over, whatever characters their names hold.
    void zweiteInstanzImProzess_data() {
        QTest::addColumn<QStringList>("dateien");
        QTest::newRow("ohne Datei") << QStringList{};
        QTest::newRow("eine") << QStringList{"/home/büro/Elternsprechtag im Mai.pdt"};
        QTest::newRow("zwei") << QStringList{"/a/Schule.pdt", "/a/Kollegium.ldt"};
    }
    void zweiteInstanzImProzess() {
        QFETCH(QStringList, dateien);
        QTemporaryDir ordner;
        TEinzelInstanz erste(ordner.path());
        QVERIFY(erste.Erwerben());
        QSignalSpy gewuenscht(&erste, &TEinzelInstanz::DateienGewuenscht);
        QSignalSpy nachVorne(&erste, &TEinzelInstanz::VordergrundGewuenscht);
        TEinzelInstanz zweite(ordner.path());
        QVERIFY(!zweite.Erwerben());
        QVERIFY(zweite.VordergrundAnfordern(dateien));
        QVERIFY(nachVorne.wait(2000));
        QCOMPARE(gewuenscht.size(), dateien.isEmpty() ? 0 : 1);
        if (!dateien.isEmpty()) QCOMPARE(gewuenscht[0][0].toStringList(), dateien);
    }

    // A second start of the program hands its files, with paths relative to the folder it was started
    // in, to the running one, asks it to come to the front and ends with 0.
    void zweiterProgrammstart_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<QStringList>("dateien");
        QTest::newRow("ohne Datei") << QStringList{} << QStringList{};
        QTest::newRow("Projekt") << QStringList{"Schule.pdt"} << QStringList{"Arbeit/Schule.pdt"};
        QTest::newRow("Lehrerdatei") << QStringList{"../Kollegium.ldt"} << QStringList{"Kollegium.ldt"};
    }
    void zweiterProgrammstart() {
        QFETCH(QStringList, argumente);
        QFETCH(QStringList, dateien);
        QTemporaryDir ordner;
        QVERIFY(QDir(ordner.path()).mkdir(QStringLiteral("Arbeit")));
        TEinzelInstanz laufende(ordner.path());
        QVERIFY(laufende.Erwerben());
        QSignalSpy gewuenscht(&laufende, &TEinzelInstanz::DateienGewuenscht);
        QSignalSpy nachVorne(&laufende, &TEinzelInstanz::VordergrundGewuenscht);
        TProgramm zweites(ordner.path(), argumente, ordner.filePath(QStringLiteral("Arbeit")));
        QVERIFY(nachVorne.wait(10000));
        QVERIFY(zweites.Prozess.waitForFinished(10000));
        QCOMPARE(zweites.Prozess.exitStatus(), QProcess::NormalExit);
        QCOMPARE(zweites.Prozess.exitCode(), 0);
        QCOMPARE(gewuenscht.size(), dateien.isEmpty() ? 0 : 1);
        for (QString& datei : dateien)
            datei = ordner.filePath(datei);
        if (!dateien.isEmpty()) QCOMPARE(gewuenscht[0][0].toStringList(), dateien);
    }

    // A crashed program leaves its lock and socket behind; the next start runs all the same.
    void nachAbsturz() {
        QTemporaryDir ordner;
        {
            TProgramm abgestuerzt(ordner.path());
            QVERIFY(abgestuerzt.Prozess.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ordner.filePath("VEL_Run1.socket")), 10000);
        }
        QVERIFY(QFile::exists(ordner.filePath("VEL_Run1.lock")));
        TEinzelInstanz neue(ordner.path());
        QVERIFY(neue.Erwerben());
        QSignalSpy nachVorne(&neue, &TEinzelInstanz::VordergrundGewuenscht);
        TEinzelInstanz dritte(ordner.path());
        QVERIFY(!dritte.Erwerben());
        QVERIFY(dritte.VordergrundAnfordern());
        QVERIFY(nachVorne.wait(2000));
    }
};

VEL_TEST(TstRun1)
#include "tst_Run1.moc"
