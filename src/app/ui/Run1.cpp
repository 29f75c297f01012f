#include "Run1.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

const QString SperrName = QStringLiteral("VEL_Run1.lock");
const QString ServerDatei = QStringLiteral("VEL_Run1.socket");

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
    connect(Server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* verbindung = Server->nextPendingConnection()) {
            connect(verbindung, &QLocalSocket::disconnected, verbindung, &QObject::deleteLater);
            verbindung->disconnectFromServer();
            Q_EMIT VordergrundGewuenscht();
        }
    });
    Server->listen(ServerName());
    return true;
}

bool TEinzelInstanz::VordergrundAnfordern(int wartezeitMs) const {
    // The running instance may still be starting and not yet listen.
    const QDeadlineTimer frist(wartezeitMs);
    do {
        QLocalSocket verbindung;
        verbindung.connectToServer(ServerName());
        if (verbindung.waitForConnected(200)) {
            verbindung.disconnectFromServer();
            return true;
        }
        QThread::msleep(50);
    } while (!frist.hasExpired());
    return false;
}
