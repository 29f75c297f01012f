#pragma once

#include <cstdint>

class TProjekt;

// The options word of a project file: scheduler and list-layout switches as bits.
constexpr uint32_t OptionMitLogo = 0x800;
constexpr uint32_t OptionMitTitel = 0x10000;

uint32_t OptionenWort(const TProjekt& projekt);
// Sets every switch of the word; a clear title bit means the standard title.
void OptionenSetzen(TProjekt& projekt, uint32_t wort);
