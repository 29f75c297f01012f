#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class TPerson;
class TProjekt;

// How the appointments' times are written: local time of the school with its zone described in the
// file, or UTC, which is shorter (a QR code holds little) and needs no zone.
enum class TKalenderzeit { Berlin, Utc };

// The calendar (UTF-8, CRLF, folded) of every appointment of one family (fuerEltern) or teacher.
// Empty when the person has no appointment.
QByteArray KalenderText(const TProjekt& projekt, const TPerson& person, bool fuerEltern,
                        TKalenderzeit zeit = TKalenderzeit::Berlin,
                        const QDateTime& jetzt = QDateTime::currentDateTimeUtc());

// A text value as calendar files write it: backslash, semicolon and comma escaped, a line break as "\n".
QString KalenderTextwert(const QString& text);
// One content line: ended by CRLF and folded after 75 octets, never inside a UTF-8 character; each
// continuation line starts with a space.
QByteArray KalenderZeile(const QByteArray& inhalt);

// How long one appointment lasts, in minutes: the step the frame's times were filled with.
int Terminminuten(const TProjekt& projekt);
