#include "Run1.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

const QString SperrName = QStringLiteral("VEL_Run1.lock");
const QString ServerDatei = QStringLiteral("VEL_Run1.socket");

// Every file name travels as UTF-8 ended by a zero byte, which no path can contain; a message cut
// short by a dying sender leaves its last name without an end and that name is dropped.
QByteArray Nachricht(const QStringList& dateien) {
    QByteArray nachricht;
    for (const QString& datei : dateien)
        nachricht += datei.toUtf8() + '\0';
    return nachricht;
}

QStringList Dateien(QByteArray nachricht) {
    QStringList dateien;
    for (qsizetype ende; (ende = nachricht.indexOf('\0')) >= 0; nachricht.remove(0, ende + 1))
        dateien << QString::fromUtf8(nachricht.left(ende));
    return dateien;
}

} // namespace

TEinzelInstanz::TEinzelInstanz(const QString& ordner, QObject* parent)
    : QObject(parent)
    , Ordner(ordner)
    , Sperre(QDir(ordner).filePath(SperrName)) {
    // Only a dead process makes a lock stale, however long the running instance has been open.
    Sperre.setStaleLockTime(0);
}

TEinzelInstanz::~TEinzelInstanz() = default;

QString TEinzelInstanz::StandardOrdner() {
    const QString laufzeit = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return laufzeit.isEmpty() ? QDir::tempPath() : laufzeit;
}

QString TEinzelInstanz::ServerName() const {
    return QDir(Ordner).filePath(ServerDatei);
}

bool TEinzelInstanz::Erwerben() {
    if (!Sperre.tryLock(0)) return Sperre.error() != QLockFile::LockFailedError;
    // A socket file left by a crashed instance would block listening; the lock proves it is unused.
    QLocalServer::removeServer(ServerName());
    Server = std::make_unique<QLocalServer>();
    Server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(Server.get(), &QLocalServer::newConnection, this, &TEinzelInstanz::Annehmen);
    Server->listen(ServerName());
    return true;
}

void TEinzelInstanz::Annehmen() {
    while (QLocalSocket* verbindung = Server->nextPendingConnection()) {
        // The sender closes the connection once it has written everything.
        connect(verbindung, &QLocalSocket::disconnected, this, [this, verbindung] {
            verbindung->deleteLater();
            const QStringList dateien = Dateien(verbindung->readAll());
            if (!dateien.isEmpty()) Q_EMIT DateienGewuenscht(dateien);
            Q_EMIT VordergrundGewuenscht();
        });
    }
}

bool TEinzelInstanz::VordergrundAnfordern(const QStringList& dateien, int wartezeitMs) const {
    const QByteArray nachricht = Nachricht(dateien);
    // The running instance may still be starting and not yet listen.
    const QDeadlineTimer frist(wartezeitMs);
    do {
        QLocalSocket verbindung;
        verbindung.connectToServer(ServerName());
        if (verbindung.waitForConnected(200)) {
            verbindung.write(nachricht);
            const bool geschrieben = nachricht.isEmpty() || verbindung.waitForBytesWritten(2000);
            verbindung.disconnectFromServer();
            return geschrieben;
        }
        QThread::msleep(50);
    } while (!frist.hasExpired());
    return false;
}
