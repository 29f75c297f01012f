#pragma once

#include "model/TypFunc.h"

#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

class TProjekt;

// The rows of a person's view-form table: the active slots in ascending order, then the conversations
// without appointment and the closing row.
int AktiveSlots(const TProjekt& projekt);
// The slot of a row, -1 for a negative row or one below the time table.
int ZeileZuSlot(const TProjekt& projekt, int zeile);
// The row of an active slot, -1 for an inactive one.
int SlotZuZeile(const TProjekt& projekt, int slot);

// A row tag that can be picked up: a conversation that is not nailed.
bool Verschiebbar(uint16_t marke);

// What the two persons' slots look like while the picked conversation is out of its slot.
struct TAufnahme {
    TGespraech* Gespraech = nullptr;
    TZeiten Familie{};
    TZeiten Lehrer{};
};
TAufnahme Aufnehmen(const TProjekt& projekt, TGespraech& g);

enum class TZielart { Ungueltig, Frei, Pause, NichtTerminiert };
// Whether the picked conversation may be dropped on zeile of the table in which it was picked at
// aufgenommen.
TZielart ZielPruefen(const TProjekt& projekt, const TAufnahme& aufnahme, int zeile, int aufgenommen);

// Moves g to slot (negative: not scheduled) without any availability check; pauses follow.
void TerminVerschieben(TProjekt& projekt, TGespraech& g, int slot);

void EintragHinzufuegen(TRueckCollection& rueck, const TRueckgEintrag& eintrag);
// Records a change of many appointments as one step: every conversation it moved, with its Termin before.
void PlanwechselEintragen(TRueckCollection& rueck, std::vector<std::pair<TGespraech*, int16_t>> alt);
void RueckListeLeeren(TRueckCollection& rueck);

// The recorded hand edits. The caller has checked the target with ZielPruefen.
void GespraechAblegen(TProjekt& projekt, TRueckCollection& rueck, TGespraech& g, int zeile);
void NagelUmschalten(TRueckCollection& rueck, TGespraech& g);
// Blocks a free or pause slot, frees a blocked one; a booked slot is left alone (returns false).
bool SlotUmschalten(TProjekt& projekt, TRueckCollection& rueck, TPerson& person, bool istFamilie, int slot);

// Undo (-1) and redo (+1).
const TRueckgEintrag* AnstehenderEintrag(const TRueckCollection& rueck, int richtung);
// The record an entry names, or null when it is no longer part of the project: a stale address is
// compared, never followed.
TGespraech* ZielGespraech(const TProjekt& projekt, const TRueckgEintrag& eintrag);
TPerson* ZielPerson(const TProjekt& projekt, const TRueckgEintrag& eintrag);
// Whether the entry's record still exists and its slot is still as the edit left it.
bool EintragAusfuehrbar(const TProjekt& projekt, const TRueckgEintrag& eintrag);

struct TRueckfrage {
    QString Titel;
    QString Text;
};
TRueckfrage RueckfrageText(const TProjekt& projekt, const TRueckgEintrag& eintrag, int richtung);
// The hint of the undo or redo button; empty when the button is disabled.
QString EintragBeschreiben(const TProjekt& projekt, const TRueckCollection& rueck, int index, int richtung);

// Executes the pending entry of that direction; false, with nothing changed, when there is none or it
// cannot be executed any more.
bool Zurueckspulen(TProjekt& projekt, TRueckCollection& rueck, int richtung);
