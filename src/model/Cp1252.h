#pragma once

#include <QByteArray>
#include <QString>

// The one code page of every file boundary. All 256 byte values survive a round trip;
// a character the code page cannot hold is written as '?'.
QString AusCp1252(const char* daten, qsizetype laenge);
inline QString AusCp1252(const QByteArray& daten) {
    return AusCp1252(daten.constData(), daten.size());
}
QByteArray NachCp1252(const QString& text);

// The text as the files can hold it, for everything a user types or imports: a letter outside the
// code page becomes its base letter (ł → l, ş → s), any other such character "?".
QString Speicherform(const QString& text);
