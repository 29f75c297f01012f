#include "Dateiwahl.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString DesktopOrdner() {
    // Without a desktop folder the dialog would take the folder's name for a file name.
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return !desktop.isEmpty() && QFileInfo(desktop).isDir() ? desktop : QDir::homePath();
}

QString Dokumentenordner() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString Projektordner(const QString& ordner) {
    if (ordner.isEmpty()) return QDir::homePath();
    if (QFileInfo(ordner).isDir()) return ordner;
    // Only the program's own default is made: a folder the user named may lie on a drive not yet there.
    if (QDir::cleanPath(ordner) == QDir::cleanPath(Dokumentenordner()) && QDir().mkpath(ordner))
        return ordner;
    return QDir::homePath();
}
