#pragma once

#include <QString>
#include <utility>

class TLehrer;
class TLehrerliste;
class TProjekt;

// A typed room as it is stored: blanks trimmed, and a bare positive number becomes "Raum " and the number,
// so that "207" and "Raum 207" name the same room.
QString RaumbezeichnungNormieren(const QString& text);

// The stored room of the two typed ones (day 1 or both days, and day 2): the day-2 room only when one is
// typed and it differs, joined by RaumTrenner. An empty day-1 room with a day-2 room keeps the separator,
// so the teacher has no room on day 1.
QString RaumZusammensetzen(const QString& raum1, const QString& raum2);

// The two edits of the room dialog for a stored room: day 1 (or both days) and day 2, empty for one room.
std::pair<QString, QString> RaumTeile(const QString& raum);

// Takes the typed rooms over; true when the teacher's room changed.
bool RaumUebernehmen(TLehrer& lehrer, const QString& raum1, const QString& raum2);

// Empties the room of every teacher.
void AlleRaeumeLoeschen(TLehrerliste& lehrer);

// There are conversations and every teacher who has one has a room.
bool RaeumeZugeordnet(const TProjekt& projekt);

// After the rooms were changed: the note-pad mark "Räume zugeordnet" follows RaeumeZugeordnet.
void RaeumeZugeordnetVermerken(TProjekt& projekt);
