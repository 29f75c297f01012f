#include "Sicherungsdateien.h"

#include <QDir>
#include <QFileInfo>

const QString VorigeSicherung = QStringLiteral("~tmpproj.pd~");

QString SicherungsName(const QString& projektdatei) {
    return QFileInfo(projektdatei).completeBaseName() + QStringLiteral(".pd~");
}

QString GefundeneSicherung(const QString& tempOrdner) {
    if (tempOrdner.isEmpty()) return {};
    const QDir ordner(tempOrdner);
    if (ordner.exists(VorigeSicherung)) return ordner.filePath(VorigeSicherung);
    const QStringList gefunden = ordner.entryList({QStringLiteral("*.pd~")}, QDir::Files, QDir::Name);
    return gefunden.isEmpty() ? QString() : ordner.filePath(gefunden.first());
}

void SicherungenLoeschen(const QString& tempOrdner) {
    if (tempOrdner.isEmpty()) return;
    QDir ordner(tempOrdner);
    for (const QString& datei : ordner.entryList({QStringLiteral("*.pd~")}, QDir::Files))
        ordner.remove(datei);
}

QString Fenstertitel(const QString& projektname, bool* wiederhergestellt) {
    QString name = projektname;
    const bool sicherung = name.endsWith(u'~');
    if (sicherung) name = name.left(name.size() - 1) + QStringLiteral("t - wiederhergestellt");
    if (wiederhergestellt) *wiederhergestellt = sicherung;
    return QStringLiteral("VEL - [") + name + u']';
}
