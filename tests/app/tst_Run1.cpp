#include "app/ui/Run1.h"
#include "common/TestHaupt.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The desktop program, started in a runtime folder of the test's own.
struct TProgramm {
    QProcess Prozess;
    explicit TProgramm(const QString& laufzeitOrdner) {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("XDG_RUNTIME_DIR"), laufzeitOrdner);
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        umgebung.insert(QStringLiteral("XDG_CONFIG_HOME"), laufzeitOrdner);
        umgebung.insert(QStringLiteral("XDG_CACHE_HOME"), laufzeitOrdner);
        Prozess.setProcessEnvironment(umgebung);
        Prozess.start(QStringLiteral(VEL_PROGRAMM), {});
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
    void zweiteInstanzImProzess() {
        QTemporaryDir ordner;
        TEinzelInstanz erste(ordner.path());
        QVERIFY(erste.Erwerben());
        QSignalSpy nachVorne(&erste, &TEinzelInstanz::VordergrundGewuenscht);
        TEinzelInstanz zweite(ordner.path());
        QVERIFY(!zweite.Erwerben());
        QVERIFY(zweite.VordergrundAnfordern());
        QVERIFY(nachVorne.wait(2000));
    }

    // A second start of the program asks the running one to come to the front and ends with 0.
    void zweiterProgrammstart() {
        QTemporaryDir ordner;
        TEinzelInstanz laufende(ordner.path());
        QVERIFY(laufende.Erwerben());
        QSignalSpy nachVorne(&laufende, &TEinzelInstanz::VordergrundGewuenscht);
        TProgramm zweites(ordner.path());
        QVERIFY(nachVorne.wait(10000));
        QVERIFY(zweites.Prozess.waitForFinished(10000));
        QCOMPARE(zweites.Prozess.exitStatus(), QProcess::NormalExit);
        QCOMPARE(zweites.Prozess.exitCode(), 0);
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
