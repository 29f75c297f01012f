#pragma once

#include <QString>
#include <vector>

class TEltern;
class TElternliste;

// The families the office phones because a request of theirs found no appointment.

// Every family with a request without appointment (Termin < 0), in list order.
std::vector<TEltern*> FamilienOhneTermin(const TElternliste& eltern);

// The classes of the family's children in child order, joined by ", ".
QString KlassenDerKinder(const TEltern& e);

// The columns of the phone list; each sorts the rows its own way.
enum class TTelefonSpalte { Eltern, Klasse, Telefon };

// Name then class, class then name (the family list's orders), or the phone text ignoring case; the
// project's own order setting is left alone.
void TelefonzeilenSortieren(std::vector<TEltern*>& zeilen, TTelefonSpalte spalte, bool latKlBez);
