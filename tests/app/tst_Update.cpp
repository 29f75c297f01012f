// The update check: reading the version script's answer, and the command against a small HTTP server
// on the loopback address that this test starts itself.
#include "FensterTest.h"
#include "app/Updatepruefung.h"
#include "app/ui/Programmversion.h"
#include "app/ui/UpdateBefehle.h"
#include "common/TestHaupt.h"

#include <QAction>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace {

QString VersionText(const TVersion& v) {
    return QStringLiteral("%1.%2.%3.%4").arg(v.Major).arg(v.Minor).arg(v.Release).arg(v.Build);
}

QByteArray HttpAntwort(int status, const QByteArray& inhalt, const QByteArray& kopfzeilen = {}) {
    return "HTTP/1.1 " + QByteArray::number(status) +
           " X\r\nContent-Type: text/javascript\r\nContent-Length: " + QByteArray::number(inhalt.size()) +
           "\r\nConnection: close\r\n" + kopfzeilen + "\r\n" + inhalt;
}

// Answers each path from its table and keeps silent on any other; records the request heads.
class TVersionsserver : public QObject {
public:
    QTcpServer Server;
    QHash<QByteArray, QByteArray> Antworten;
    QList<QByteArray> Anfragen;

    TVersionsserver() {
        Server.listen(QHostAddress::LocalHost);
        connect(&Server, &QTcpServer::newConnection, this, &TVersionsserver::Annehmen);
    }
    QString Adresse(const QString& pfad) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(Server.serverPort()).arg(pfad);
    }

private:
    void Annehmen() {
        while (QTcpSocket* s = Server.nextPendingConnection())
            connect(s, &QTcpSocket::readyRead, this, [this, s] {
                if (!s->peek(s->bytesAvailable()).contains("\r\n\r\n")) return;
                const QByteArray kopf = s->readAll();
                Anfragen << kopf;
                const QByteArray pfad = kopf.split(' ').value(1);
                if (!Antworten.contains(pfad)) return;
                s->write(Antworten.value(pfad));
                s->disconnectFromHost();
            });
    }
};

enum TServer { Antwortet, Schweigt, Geschlossen };

const QString NichtGefunden = QStringLiteral("Die Version im Netz konnte nicht gefunden werden.");

QString Aktuell(const QString& imNetz) {
    return QStringLiteral(
               "Version im Netz: %1\rIhre Version: %2\rIhre Version ist bereits auf neuestem Stand.")
        .arg(imNetz, Programmversion());
}

QString Neuer(const QString& imNetz) {
    return QString::fromUtf8(
               "Eine neuere Version ist im Netz verfügbar!\rVersion im Netz: %1\rIhre Version: "
               "%2\r\rZum Updaten müssen Sie VEL beenden und die Setup-Datei (vel_pkg.exe) von\r"
               "DOWNLOAD\rherunter laden und starten.")
        .arg(imNetz, Programmversion());
}

QString Status(int status) {
    return QStringLiteral(
               "Offenbar konnte die Versionsnummer auf der Tarnwiek-Homepage nicht gefunden werden."
               "\r\rMeldung:\rStatus: %1")
        .arg(status);
}

} // namespace

class TstUpdatepruefung : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void versionImText_data() {
        QTest::addColumn<QString>("inhalt");
        QTest::addColumn<QString>("version");
        QTest::newRow("Leerzeichen, Anführungszeichen, Semikolon, var")
            << "var a = 1;\r\nvar velver = \"3.2.1.7\"; var b = 2;"
            << "3.2.1.7";
        QTest::newRow("ohne Leerzeichen") << "velver=\"1.2\";"
                                          << "1.2";
        QTest::newRow("var in der nächsten Zeile") << "velver = \"3.2.1.7\"\nvar b;"
                                                   << "3.2.1.7";
        QTest::newRow("einfache Anführungszeichen") << "velver = '2.0';"
                                                    << "2.0";
        QTest::newRow("ohne Schlüssel: der ganze Text") << "4.0.1\r\n"
                                                        << "4.0.1";
        QTest::newRow("Schlüssel ohne Wert") << "velver = ;"
                                             << "";
    }
    void versionImText() {
        QFETCH(QString, inhalt);
        QFETCH(QString, version);
        QCOMPARE(VersionImText(inhalt), version);
    }

    // Parts a text leaves out are 0, wherever they are left out; what is not a version is none.
    void versionLesen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("version"); // empty: no version
        QTest::newRow("vier Teile") << "3.2.1.7"
                                    << "3.2.1.7";
        QTest::newRow("zwei Teile") << "3.2"
                                    << "3.2.0.0";
        QTest::newRow("drei Teile") << "3.2.1"
                                    << "3.2.1.0";
        QTest::newRow("ein Teil") << "4"
                                  << "4.0.0.0";
        QTest::newRow("größter Teil") << "65535.0.0.65535"
                                      << "65535.0.0.65535";
        QTest::newRow("Teil zu groß") << "65536.0"
                                      << "";
        QTest::newRow("fünf Teile") << "1.2.3.4.5"
                                    << "";
        QTest::newRow("Buchstaben") << "3.2b"
                                    << "";
        QTest::newRow("leer") << ""
                              << "";
        QTest::newRow("Punkt am Ende") << "3.2."
                                       << "";
    }
    void versionLesen() {
        QFETCH(QString, text);
        QFETCH(QString, version);
        const std::optional<TVersion> v = VersionLesen(text);
        QCOMPARE(v ? VersionText(*v) : QString(), version);
    }

    void istNeuer_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("neuer");
        QTest::newRow("gleich") << "3.2.1.7"
                                << "3.2.1.7" << false;
        QTest::newRow("Build höher") << "3.2.1.8"
                                     << "3.2.1.7" << true;
        QTest::newRow("Minor schlägt Release") << "3.3"
                                               << "3.2.9.9" << true;
        QTest::newRow("Zahlen, nicht Text") << "3.2"
                                            << "3.10" << false;
        QTest::newRow("Major schlägt alles") << "4"
                                             << "3.65535.65535.65535" << true;
        QTest::newRow("Release bei gleichem Minor") << "3.2.0.1"
                                                    << "3.2" << true;
    }
    void istNeuer() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, neuer);
        QCOMPARE(IstNeuer(*VersionLesen(a), *VersionLesen(b)), neuer);
    }
};

class TstUpdatebefehl : public QObject {
    Q_OBJECT

    // The command as the help menu runs it, against the server; returns the messages shown.
    static void Pruefen(TFensterTest& t, const QString& skript, int zeitlimitMs) {
        TSchluessel s = t.Speicher.SchluesselSchreiben(QStringLiteral("Update"));
        s.TextSchreiben(QStringLiteral("Versionsskript"), skript);
        s.TextSchreiben(QStringLiteral("Downloadseite"), QStringLiteral("http://DOWNLOAD"));
        t.Fenster->Gruppen.Update->ZeitlimitMs = zeitlimitMs;
        QVERIFY(t.Fenster->VerTest1->isEnabled());
        t.Fenster->VerTest1->trigger();
    }

    QByteArray Proxy;

private Q_SLOTS:
    // A proxy set for the user must not catch the loopback address: no proxy could reach it.
    void initTestCase() {
        Proxy = qgetenv("http_proxy");
        qputenv("http_proxy", "http://127.0.0.1:9");
    }
    void cleanupTestCase() {
        if (Proxy.isEmpty())
            qunsetenv("http_proxy");
        else
            qputenv("http_proxy", Proxy);
    }

    void antworten_data() {
        QTest::addColumn<int>("server");
        QTest::addColumn<QByteArray>("antwort");
        QTest::addColumn<QString>("meldung");
        const QByteArray eigene = Programmversion().toLatin1();
        QTest::newRow("aktuelle Version")
            << int(Antwortet) << HttpAntwort(200, "var a = 1;\r\nvar velver = \"" + eigene + "\"; var b = 2;")
            << Aktuell(Programmversion());
        QTest::newRow("ältere Version im Netz")
            << int(Antwortet) << HttpAntwort(200, "velver = \"0.0.9\";") << Aktuell("0.0.9");
        QTest::newRow("neuere Version")
            << int(Antwortet) << HttpAntwort(200, "var velver = \"3.2.1.7\"; var x = 1;") << Neuer("3.2.1.7");
        QTest::newRow("ohne Schlüssel: nur die Nummer")
            << int(Antwortet) << HttpAntwort(200, "3.2\n") << Neuer("3.2");
        QTest::newRow("ohne Schlüssel: eine Seite")
            << int(Antwortet) << HttpAntwort(200, "<html><body>Willkommen</body></html>") << NichtGefunden;
        QTest::newRow("Unsinn") << int(Antwortet)
                                << HttpAntwort(200, QByteArray("\x00\xff\xfe\x01velver = ;;\x80", 14))
                                << NichtGefunden;
        QTest::newRow("leerer Inhalt") << int(Antwortet) << HttpAntwort(200, "") << NichtGefunden;
        QTest::newRow("Status 404") << int(Antwortet) << HttpAntwort(404, "velver = \"9.0\";") << Status(404);
        QTest::newRow("Status 500") << int(Antwortet) << HttpAntwort(500, "") << Status(500);
        QTest::newRow("umgeleitet") << int(Antwortet) << HttpAntwort(302, "", "Location: /script/neu.js\r\n")
                                    << Neuer("5.1");
        QTest::newRow("keine Antwort vor Ablauf der Zeit") << int(Schweigt) << QByteArray() << NichtGefunden;
        QTest::newRow("geschlossener Port") << int(Geschlossen) << QByteArray() << NichtGefunden;
    }
    // Every answer ends in one plain information message; meanwhile the window goes on and shows the
    // wait cursor, and nothing of the project changes.
    void antworten() {
        QFETCH(int, server);
        QFETCH(QByteArray, antwort);
        QFETCH(QString, meldung);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        TVersionsserver netz;
        QVERIFY(netz.Server.isListening());
        if (server == Antwortet) netz.Antworten.insert("/script/myjs.js", antwort);
        netz.Antworten.insert("/script/neu.js", HttpAntwort(200, "velver = \"5.1\";"));
        const QString adresse = netz.Adresse(QStringLiteral("/script/myjs.js"));
        if (server == Geschlossen) netz.Server.close();
        constexpr int Zeitlimit = 400;
        QElapsedTimer uhr;
        uhr.start();
        Pruefen(t, adresse, Zeitlimit);
        QVERIFY(t.Meldung.Protokoll.isEmpty());
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);

        QTRY_COMPARE_WITH_TIMEOUT(t.Meldung.Protokoll.size(), 1, 5000);
        const TSkriptMeldung::Eintrag& m = t.Meldung.Protokoll[0];
        QCOMPARE(m.Text,
                 QString(meldung).replace(QStringLiteral("DOWNLOAD"), QStringLiteral("http://DOWNLOAD")));
        QCOMPARE(m.Art, MeldungsArt::Information);
        QCOMPARE(m.Knopfsatz, Knoepfe::OK);
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
        if (server == Schweigt) QVERIFY(uhr.elapsed() >= Zeitlimit);
        if (server != Geschlossen) {
            QVERIFY(!netz.Anfragen.isEmpty());
            const QByteArray& anfrage = netz.Anfragen[0];
            QVERIFY2(anfrage.startsWith("GET /script/myjs.js HTTP/1.1\r\n"), anfrage);
            QVERIFY2(anfrage.contains("\r\nUser-Agent: InetURL:/1.0\r\n"), anfrage);
            QVERIFY2(anfrage.contains("\r\nCache-Control: no-cache\r\n"), anfrage);
        }
    }

    // A second call while the server has not answered yet starts no second check and no second
    // message.
    void einmalZurZeit() {
        TFensterTest t;
        TVersionsserver netz;
        const QString adresse = netz.Adresse(QStringLiteral("/script/myjs.js"));
        Pruefen(t, adresse, 300);
        t.Fenster->VerTest1->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(t.Meldung.Protokoll.size(), 1, 5000);
        QTest::qWait(500);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(netz.Anfragen.size(), 1);
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

VEL_TEST(TstUpdatepruefung)
VEL_TEST(TstUpdatebefehl)
#include "tst_Update.moc"
