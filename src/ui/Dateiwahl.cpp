#include "Dateiwahl.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString DesktopOrdner() {
    // Without a desktop folder the dialog would take the folder's name for a file name.
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return !desktop.isEmpty() && QFileInfo(desktop).isDir() ? desktop : QDir::homePath();
}
