#pragma once

#include "Textimport.h"

#include <QString>
#include <QStringList>
#include <optional>

// Text read in the wrong code page gives itself away by signs that no name holds.

// DOS text read as Windows text: control characters, and signs such as „ ” ™ inside a word
// ("M\x81ller", "Sch„fer").
int DosSpuren(const QString& alsWindows);
// Windows text read as DOS text: box-drawing and arithmetic signs ("Stra▀e", "M³ller").
int WindowsSpuren(const QString& alsDos);
// The signs that text read with kodierung was written in another encoding.
int FremdeSpuren(const QString& text, TKodierung kodierung);

// Fields of the records that read better in another encoding than the one the file is read in.
struct TKodierungsverdacht {
    TKodierung Kodierung = TKodierung::Windows; // the encoding they read better in
    int Felder = 0;                             // fields with signs of it
    QStringList Gelesen;                        // the first of them as read
    QStringList Besser;                         // the same read in Kodierung
};
std::optional<TKodierungsverdacht> KodierungsverdachtPruefen(const TTextimport& datei);

// A file read as UTF-8 whose lines are not all UTF-8 shows their names with a replacement sign and
// stores them with "?": what is found, naming the first lines, or empty when the file is not mixed.
QString Utf8Mischbefund(const TTextimport& datei);
