#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class TMeldung;
class TPerson;
class TProjekt;
struct TDruckbereich;

// One list of a run that writes a file per list: whose it is and the name its file gets.
struct TListenDatei {
    const TPerson* Person = nullptr;
    QString Name;
};

// The chosen part of a range as files, named as the lists of a PDF run.
std::vector<TListenDatei> ListenDateien(const TProjekt& projekt, const TDruckbereich& bereich);

// Where a run writes: the folder, the names (without extension) and their extension.
struct TDateilauf {
    QString Zielordner;
    QString Endung;
    QStringList Namen;
    // Existing files are overwritten without asking (for batch use).
    bool Ueberschreiben = false;
    // The question about an existing file names it with its extension.
    bool EndungNennen = false;
};

struct TDateilaufErgebnis {
    int Geschrieben = 0;
    int Uebersprungen = 0;
    QStringList Fehlgeschlagen; // files that could not be written
    bool Abgebrochen = false;
    bool OrdnerFehlt = false; // the target folder could not be created; nothing was written
    // The user answered "JA für alle", so a run that follows for the same lists need not ask again.
    bool AlleUeberschreiben = false;
};

// Writes the files of a run in their order, each replacing an existing one in one step, asking before
// an existing file is overwritten ("JA für alle", "Ja", "Überspringen", "Abbrechen"). inhalt gives
// the bytes of file i, asked for in growing order; empty ones are no file. fortschritt is told the index
// of each file before it is made; when it answers false the run ends there, as after "Abbrechen".
TDateilaufErgebnis DateienSchreiben(const TDateilauf& lauf, const std::function<QByteArray(int)>& inhalt,
                                    TMeldung& fragen, const std::function<bool(int)>& fortschritt = {});

// A file name's base made safe: Dateiname's replacements, control characters too, and a name too long
// for a file system cut, keeping it readable.
QString Dateinamensicher(const QString& name);
