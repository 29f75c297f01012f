#pragma once

#include "Textimport.h"

#include <QByteArray>

class TLehrer;
class TLehrerliste;
class TProjekt;

// What a teacher import did: replacement Kürzel made for duplicates, and whether numeric salutation
// codes were translated (the user may want to check them).
struct TLehrerImport {
    int Ersatzzaehler = 0;
    bool AnredeUebersetzt = false;
    int Angelegt = 0;
};

// One teacher from a record (texts by target field); a duplicate or empty Kürzel gets a replacement.
TLehrer* LehrerAnlegen(TProjekt& projekt, int zeile, std::array<QString, 6> texte,
                       const TFeldzuordnung& zuordnung, TLehrerImport& stand);
// Replaces the teacher list with one teacher per record.
TLehrerImport LehrerImportieren(TProjekt& projekt, const TTextimport& datei, const TFeldzuordnung& zuordnung);

extern const char* const ErsatzkuerzelText;

// The teacher list as semicolon-separated text in the code page of the files, with a header line.
QByteArray LehrerTextExport(const TLehrerliste& lehrer);
