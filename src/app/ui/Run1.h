#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

// Keeps the program to one instance per user: a lock file in the user's runtime folder shows that an
// instance runs (a lock left behind by a crash counts as stale), and a local server beside it lets a
// second start hand its files to the running instance and ask it to come to the front.
class TEinzelInstanz : public QObject {
    Q_OBJECT
public:
    // ordner: where lock and server live; by default the user's runtime folder, else the temp folder.
    explicit TEinzelInstanz(const QString& ordner = StandardOrdner(), QObject* parent = nullptr);
    ~TEinzelInstanz() override;

    static QString StandardOrdner();

    // True when this is the only instance: it then holds the lock and listens for later starts. Also
    // true when no lock can be made at all, so that the program still starts.
    bool Erwerben();
    // Hands the files (absolute paths) to the running instance and asks it to come to the front; false
    // when it cannot be reached.
    bool VordergrundAnfordern(const QStringList& dateien = {}, int wartezeitMs = 2000) const;

Q_SIGNALS:
    // A later start named these files; emitted before VordergrundGewuenscht.
    void DateienGewuenscht(const QStringList& dateien);
    void VordergrundGewuenscht();

private:
    QString ServerName() const;
    void Annehmen();

    QString Ordner;
    QLockFile Sperre;
    std::unique_ptr<QLocalServer> Server;
};
