#pragma once

#include <cstdint>

class TProjekt;

// Realistic projects for tests and benchmarks: the same options always give the same project.
struct TGeneratorOptionen {
    int Familien = 700;
    int Lehrer = 80;
    int Tage = 1;
    int Slots = 36; // slots per day
    uint32_t Saat = 1;
};

// Fills an empty project: frame, teachers, families with children, requests and blocks; no appointments.
void ProjektErzeugen(TProjekt& projekt, const TGeneratorOptionen& optionen);

// The sizes the benchmarks use.
inline TGeneratorOptionen GroesseM() {
    return {700, 80, 1, 36, 1};
}
inline TGeneratorOptionen GroesseL() {
    return {1500, 120, 2, 40, 1};
}
inline TGeneratorOptionen GroesseXL() {
    return {3000, 200, 2, 48, 1};
}
