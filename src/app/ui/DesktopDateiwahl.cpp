#include "DesktopDateiwahl.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStorageInfo>

QString TDesktopDateiwahl::Waehlen(const TDateiAuswahl& auswahl, bool speichern) {
    QFileDialog dialog(Eltern, auswahl.Titel, auswahl.Ordner, auswahl.Filter);
    dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(auswahl.Endung);
    if (!auswahl.Name.isEmpty()) dialog.selectFile(QDir(auswahl.Ordner).filePath(auswahl.Name));
    Filter = -1;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    Filter = static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles().constFirst();
}

QString TDesktopDateiwahl::OeffnenWaehlen(const TDateiAuswahl& auswahl) {
    return Waehlen(auswahl, false);
}

QString TDesktopDateiwahl::SpeichernWaehlen(const TDateiAuswahl& auswahl) {
    return Waehlen(auswahl, true);
}

QString TDesktopDateiwahl::OrdnerWaehlen(const QString& titel, const QString& ordner) {
    return QFileDialog::getExistingDirectory(Eltern, titel, ordner);
}

QString TDesktopDateiwahl::Laufwerksart(const QString& datei) {
    const QStorageInfo ort(QFileInfo(datei).absolutePath());
    const QByteArray typ = ort.fileSystemType();
    if (typ == "iso9660" || typ == "udf") return QStringLiteral("CD");
    if (typ == "tmpfs" || typ == "ramfs") return QStringLiteral("RAM-Disk");
    // The kernel marks removable disks; a partition inherits the mark of the disk it lies on.
    const QString geraet =
        QFileInfo(QFileInfo(QString::fromLocal8Bit(ort.device())).canonicalFilePath()).fileName();
    if (geraet.isEmpty()) return {};
    const QString block = QFileInfo(QStringLiteral("/sys/class/block/") + geraet).canonicalFilePath();
    for (const QString& kennung :
         {block + QStringLiteral("/removable"), block + QStringLiteral("/../removable")}) {
        QFile f(kennung);
        if (f.open(QIODevice::ReadOnly)) return f.read(1) == "1" ? QStringLiteral("USB") : QString();
    }
    return {};
}
