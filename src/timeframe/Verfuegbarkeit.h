#pragma once

#include "model/Zeiten.h"

#include <cstdint>

class TPerson;
class TProjekt;

// What applying an edited slot array changed.
namespace Zeitaenderung {
constexpr uint8_t TerminWeg = 1;     // an appointment was taken away
constexpr uint8_t SlotGeaendert = 4; // a slot value changed
} // namespace Zeitaenderung

// Applies an edited copy of a person's slots: blocking a booked slot takes the appointment away at both
// sides; freeing never removes an appointment, and a pause stays free. Inactive slots and slots beyond
// the frame stay as they are. The pauses are recomputed; returns the change bits.
uint8_t ZeitenUebernehmen(TProjekt& projekt, TPerson& person, const TZeiten& neu, bool istFamilie);

// Slots that changed or appointments taken away make the scheduler's knowledge of the plan stale.
void ZeitaenderungAuswerten(TProjekt& projekt, uint8_t bits);

// The three ways of the global blocking: free what the template frees, block what it blocks, or both.
enum class TGlobalModus { Freigeben = 0, Sperren = 1, Setzen = 2 };
enum class TZielgruppe { Lehrer, Eltern, Beide };

// Applies the template to every person of the group (teachers first); pauses are not recomputed.
// Returns the change bits as ZeitenUebernehmen does.
uint8_t GlobalSperren(TProjekt& projekt, TGlobalModus modus, TZielgruppe gruppe, const TZeiten& vorlage);

// Nails every booked conversation, or pulls every nail; the order of the plan is no longer fixed.
void AlleNageln(TProjekt& projekt);
void NaegelZiehen(TProjekt& projekt);
bool HatNaegel(const TProjekt& projekt);
