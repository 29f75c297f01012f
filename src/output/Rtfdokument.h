#pragma once

#include <QByteArray>
#include <QString>

class TProjekt;

// The window shows the lists one below the other with a visible marker where the file breaks the page.
enum class TRtfFassung { Bildschirm, Datei };

struct TRtfDokument {
    QByteArray Daten; // code page 1252
    int Listen = 0;
};

// A user's text as RTF: backslash and braces escaped, letters beyond ASCII as hexadecimal escapes,
// TAB as \tab and every line break as a new paragraph.
QByteArray RtfText(const QString& text);

// The conversation lists of every family (or teacher) with conversations as one document, with the
// annotations where the layout puts them. The persons' counters must be current (ZaehleGespraeche).
TRtfDokument RtfErzeugen(const TProjekt& projekt, bool fuerEltern, TRtfFassung fassung);
