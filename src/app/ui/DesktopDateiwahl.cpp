#include "DesktopDateiwahl.h"

#include <QDir>
#include <QFileDialog>

QString TDesktopDateiwahl::Waehlen(const TDateiAuswahl& auswahl, bool speichern) {
    QFileDialog dialog(Eltern, auswahl.Titel, auswahl.Ordner, auswahl.Filter);
    dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(auswahl.Endung);
    if (!auswahl.Name.isEmpty()) dialog.selectFile(QDir(auswahl.Ordner).filePath(auswahl.Name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
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
