#pragma once

#include <QString>
#include <vector>

class TProjekt;

// Two conversations of two teachers at the same time in the same room.
struct TRaumkonflikt {
    int Slot = 0;
    QString Zeit;    // TerminText of the slot
    QString Raum;    // the room of both teachers at that slot
    QString Lehrer1; // the Kürzel that comes first by code
    QString Lehrer2;
};

// The columns of the conflict list; each sorts by its own chain of keys.
enum class TKonfliktSpalte { Zeit, Raum, Lehrer1, Lehrer2 };

// Every pair of booked conversations with the same slot and the same non-empty room (compared exactly):
// three teachers in one room at one time give three pairs. Ordered as by the column Lehrer1.
std::vector<TRaumkonflikt> RaumkonflikteFinden(const TProjekt& projekt);

// Zeit: slot, Lehrer1, Lehrer2. Raum: room, slot, Lehrer1, Lehrer2. Lehrer1: Lehrer1, Lehrer2, slot.
// Lehrer2: Lehrer2, Lehrer1, slot. Texts compare by the German collation with case; equal rows keep their
// order.
void RaumkonflikteSortieren(std::vector<TRaumkonflikt>& konflikte, TKonfliktSpalte spalte);
