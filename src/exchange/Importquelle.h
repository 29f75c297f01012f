#pragma once

#include <QString>

class TProjekt;

// Which reader an import file goes to: its extension decides, whatever the file dialog's filter was.
enum class TImportquelle { Text, Lehrerdatei, Projekt };
TImportquelle Importquelle(const QString& pfad);

// What follows a teacher import from any source: teacher order and the note-pad tick.
void LehrerImportAbschliessen(TProjekt& projekt);
// What follows a family import from any source: children and families in order, the note-pad tick
// while families exist.
void ElternImportAbschliessen(TProjekt& projekt);
