#pragma once

#include <QString>

// What a file dialog is opened with. Filter in the form "VEL-Projekte (*.pdt);;Alle Dateien (*.*)".
struct TDateiAuswahl {
    QString Titel;
    QString Filter;
    QString Endung; // appended when the user types a name without one
    QString Ordner;
    QString Name; // preset file name
};

// How windows and commands let the user choose files and folders; tests script the answers.
class TDateiwahl {
public:
    virtual ~TDateiwahl() = default;
    // An existing file; empty when cancelled.
    virtual QString OeffnenWaehlen(const TDateiAuswahl& auswahl) = 0;
    // A file to write, asking before an existing one is overwritten; empty when cancelled.
    virtual QString SpeichernWaehlen(const TDateiAuswahl& auswahl) = 0;
    // Empty when cancelled.
    virtual QString OrdnerWaehlen(const QString& titel, const QString& ordner) = 0;
    // "USB", "CD" or "RAM-Disk" when the file lies on a removable, optical or memory drive, from which a
    // project should not be edited; empty otherwise.
    virtual QString Laufwerksart(const QString& datei) = 0;
    // The filter of the last file choice, counted from 0; -1 when it is not known.
    virtual int GewaehlterFilter() const { return -1; }
};

// The user's desktop folder when it exists, else the home folder.
QString DesktopOrdner();

// The user's documents folder, where projects go until the options name another folder.
QString Dokumentenordner();
// The folder the project dialogs start in: ordner when it exists. The documents folder is made when it
// is the one named and missing (a fresh account has none); the home folder stands in for a folder that
// is gone or cannot be made.
QString Projektordner(const QString& ordner);
