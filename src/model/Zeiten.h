#pragma once

#include <array>
#include <cstdint>

// One entry per slot: slots 0..47 are day 1, 48..95 day 2.
constexpr int SlotsProTag = 48;
constexpr int SlotAnzahl = 2 * SlotsProTag;

using TZeiten = std::array<int16_t, SlotAnzahl>;

// Values of a slot entry; a positive value is the Nummer of the conversation booked there.
constexpr int16_t SlotFrei = 0;
constexpr int16_t SlotGesperrt = -1;
constexpr int16_t SlotPause = -2;
constexpr int16_t SlotVorlaeufig = 32767;

// Values of TGespraech::Termin below 0.
constexpr int16_t TerminUnmoeglich = -1;
constexpr int16_t TerminOffen = -2;

constexpr int TagVonSlot(int slot) {
    return slot / SlotsProTag;
}
