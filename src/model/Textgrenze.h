#pragma once

#include <QString>

// The longest text a project or teacher file holds: its count is a uint16 of which the format leaves
// the upper half unused. One byte per character in the files' code page.
constexpr qsizetype MaxTextLaenge = 32767;

// How many bytes the text takes in the files: a character outside the code page is one "?".
qsizetype Speicherlaenge(const QString& text);

// The beginning of a text for quoting it in a message: one line of at most zeichen characters, with "…"
// where it was cut, so that a huge text neither fills the screen nor takes long to show.
QString Textanfang(const QString& text, qsizetype zeichen = 50);
