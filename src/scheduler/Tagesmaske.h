#pragma once

#include "Termin.h"

#include <algorithm>
#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The slots of one day (48 entries from z) as bits: which entries are free (0), booked (> 0) or pauses.
// Existence is not looked at here; callers mask with the day's existing slots.
struct TTagesbits {
    TTagesmaske Frei = 0;
    TTagesmaske Belegt = 0;
    TTagesmaske Pause = 0;
};

inline TTagesbits Tagesbits(const int16_t* z) {
    TTagesbits t;
#if defined(__SSE2__)
    const __m128i null = _mm_setzero_si128();
    const __m128i pause = _mm_set1_epi16(SlotPause);
    for (int i = 0; i < SlotsProTag; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(z + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(z + i + 8));
        const auto frei = static_cast<uint32_t>(
            _mm_movemask_epi8(_mm_packs_epi16(_mm_cmpeq_epi16(a, null), _mm_cmpeq_epi16(b, null))));
        const auto belegt = static_cast<uint32_t>(
            _mm_movemask_epi8(_mm_packs_epi16(_mm_cmpgt_epi16(a, null), _mm_cmpgt_epi16(b, null))));
        const auto pausen = static_cast<uint32_t>(
            _mm_movemask_epi8(_mm_packs_epi16(_mm_cmpeq_epi16(a, pause), _mm_cmpeq_epi16(b, pause))));
        t.Frei |= TTagesmaske{frei} << i;
        t.Belegt |= TTagesmaske{belegt} << i;
        t.Pause |= TTagesmaske{pausen} << i;
    }
#else
    for (int i = 0; i < SlotsProTag; ++i) {
        t.Frei |= TTagesmaske{z[i] == SlotFrei} << i;
        t.Belegt |= TTagesmaske{z[i] > 0} << i;
        t.Pause |= TTagesmaske{z[i] == SlotPause} << i;
    }
#endif
    return t;
}

constexpr TTagesmaske Bit(int i) {
    return TTagesmaske{1} << i;
}

// Bits from..to of a day, both included; empty when from > to.
constexpr TTagesmaske Bereich(int von, int bis) {
    return von > bis ? 0 : ((Bit(bis) << 1) - 1) & ~(Bit(von) - 1);
}

// Position in the day of the nearest slot below i that is not booked, or -1.
inline int LueckeDarunter(TTagesmaske belegt, int i) {
    const TTagesmaske nicht = ~belegt & (Bit(i) - 1);
    return nicht ? 63 - std::countl_zero(nicht) : -1;
}

// Position of the nearest slot above i that is not booked, or SlotsProTag.
inline int LueckeDarueber(TTagesmaske belegt, int i) {
    const int s = std::countr_zero(~belegt & ~((Bit(i) << 1) - 1));
    return s < SlotsProTag ? s : SlotsProTag;
}

// Length of the run of booked slots that a booking at i would stand in.
inline int Lauflaenge(TTagesmaske belegt, int i) {
    return LueckeDarueber(belegt, i) - LueckeDarunter(belegt, i) - 1;
}

// Distance from i to the nearest booked slot of the day, SlotsProTag on a side without one.
inline int AbstandIn(TTagesmaske belegt, int i) {
    const TTagesmaske unten = belegt & (Bit(i) - 1);
    const TTagesmaske oben = belegt & ~((Bit(i) << 1) - 1);
    return std::min(unten ? i - (63 - std::countl_zero(unten)) : SlotsProTag,
                    oben ? std::countr_zero(oben) - i : SlotsProTag);
}

// The number of set bits, spelt out: without a processor option std::popcount becomes a library call.
constexpr int Bitzahl(TTagesmaske x) {
    x = x - ((x >> 1) & 0x5555555555555555u);
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<int>((x * 0x0101010101010101u) >> 56);
}

inline TTagesmaske TTerminierung::BelegtTag(const TZeiten& p, int tag) const {
    return Tagesbits(p.data() + tag * SlotsProTag).Belegt & Aktiv[tag];
}
