#pragma once

#include <QString>

// The temporary backups of the open project: "<name>.pd~" in the temporary folder, and
// "~tmpproj.pd~", the previous backup, while a new one is being written.
QString SicherungsName(const QString& projektdatei);
extern const QString VorigeSicherung; // "~tmpproj.pd~"
// The backup a previous run left behind: "~tmpproj.pd~" first, else the first "*.pd~"; empty when none.
QString GefundeneSicherung(const QString& tempOrdner);
void SicherungenLoeschen(const QString& tempOrdner);

// Caption of the main window; a project opened from a backup "x.pd~" shows as "x.pdt - wiederhergestellt".
QString Fenstertitel(const QString& projektname, bool* wiederhergestellt = nullptr);
