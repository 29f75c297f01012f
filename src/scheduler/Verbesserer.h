#pragma once

#include "Planwerte.h"
#include "Termin.h"

#include <cstdint>
#include <vector>

class TGespraech;
class TProjekt;

// The booked slots of one person on both days, and how many there are on each.
struct TBelegung {
    TTagesmaske Maske[2] = {0, 0};
    int Anzahl[2] = {0, 0};

    bool Hat(int slot) const { return Maske[slot / SlotsProTag] >> (slot % SlotsProTag) & 1; }
    void Buchen(int slot) {
        Maske[slot / SlotsProTag] |= TTagesmaske{1} << (slot % SlotsProTag);
        ++Anzahl[slot / SlotsProTag];
    }
    void Loesen(int slot) {
        Maske[slot / SlotsProTag] &= ~(TTagesmaske{1} << (slot % SlotsProTag));
        --Anzahl[slot / SlotsProTag];
    }
};

// The same sequence for the same seed on every machine, without the standard library's distributions.
class TZufallsquelle {
public:
    explicit TZufallsquelle(uint64_t saat)
        : Zustand(saat * 0x9E3779B97F4A7C15u + 0x632BE59BD9B4E019u) {}
    uint64_t Naechste() {
        uint64_t z = (Zustand += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    // 0 .. n-1.
    int Zahl(int n) { return static_cast<int>(((Naechste() >> 32) * static_cast<uint64_t>(n)) >> 32); }
    // In [0, 1).
    double Anteil() { return static_cast<double>(Naechste() >> 11) * 0x1.0p-53; }

private:
    uint64_t Zustand;
};

// Up to three appointments that change their slot together.
struct TZug {
    int Anzahl = 0;
    int Termin[3] = {};
    int Nach[3] = {};
    void Dazu(int termin, int nach) {
        Termin[Anzahl] = termin;
        Nach[Anzahl] = nach;
        ++Anzahl;
    }
};

// A plan as flat bit masks for the local search: which slots every person has booked and may use, which
// appointment stands where, and the plan's cost. Only conversations that are consistently booked and not
// nailed move; everything else stays where it is and only occupies its slots.
class TVerbesserer {
public:
    // The weights make the cost compare as the objective does, for whole plans of any size a school has:
    // one slot of a family's waiting outweighs all teachers' idle slots together, and one of those all
    // appointments on the day not asked for first.
    static constexpr int64_t GewichtEltern = int64_t{1} << 40;
    static constexpr int64_t GewichtLehrer = int64_t{1} << 16;

    TVerbesserer(const TProjekt& projekt, uint64_t saat);

    int64_t Kosten() const { return Gesamtkosten; }
    int Terminiert() const { return Summen.Terminiert; }
    bool HatBewegliche() const { return !Platziert.empty(); }
    int AnzahlBeweglich() const { return static_cast<int>(Termine.size()); }
    // Figures of the current plan.
    const TPlanwerte& Werte() const { return Summen; }
    // The slot of every appointment that may move, for Uebernehmen.
    void SlotsMerken(std::vector<int16_t>& slots) const;

    // One random step of the search, taken when its cost change passes the test.
    template <class Annahme> void Schritt(Annahme&& annehmen);
    // Tries to give every conversation without appointment a slot, moving one other appointment if need be;
    // each one placed is taken whatever it costs.
    void Einfuegen();

    // Writes the slots into the project: the appointments that moved, then the pauses. Returns every
    // conversation whose slot changed, with the slot it had before.
    std::vector<std::pair<TGespraech*, int16_t>> Uebernehmen(TProjekt& projekt,
                                                             const std::vector<int16_t>& slots) const;

private:
    struct TStand {
        TBelegung Belegt;
        uint32_t Aenderungen = 0;        // counts every change of Belegt
        TTagesmaske Nutzbar[2] = {0, 0}; // existing and not blocked
        int Grenze = 0;
        bool Familie = false;
        int64_t Kosten = 0;
    };
    struct TTermin {
        int Familie = 0;
        int Lehrer = 0;
        int Slot = KeinSlot;
        int16_t Anfang = TerminOffen; // Termin before the search
        TGespraech* Gespraech = nullptr;
        // Without appointment: the changes of its family and teacher when it was last tried, +1.
        uint32_t Versucht = 0;
    };
    struct TBetroffen {
        int Person = 0;
        TBelegung Neu;
        int64_t Kosten = 0;
    };

    std::vector<TStand> Personen; // families first, then teachers
    std::vector<TTermin> Termine;
    // Appointment standing at person * SlotAnzahl + slot, or -1 for none that may move.
    std::vector<int> Wer;
    // Appointments with a slot, and those without, by index into Termine.
    std::vector<int> Platziert;
    std::vector<int> Offen;
    int AndererTag = 1;
    int64_t Gesamtkosten = 0;
    TPlanwerte Summen;
    TZufallsquelle Zufall;

    // The persons a step touches, with their bookings after it, from the last Bewerten.
    TBetroffen Betroffen[6];
    int AnzahlBetroffen = 0;

    int64_t PersonKosten(const TStand& person, const TBelegung& b) const;
    void Zaehlen(const TStand& person, const TBelegung& b, int richtung);
    TTagesmaske Frei(int person, int tag) const {
        return Personen[static_cast<size_t>(person)].Nutzbar[tag] &
               ~Personen[static_cast<size_t>(person)].Belegt.Maske[tag];
    }
    TBelegung& Neu(int person);
    // Whether the step keeps every slot single, usable and within the block limits; its cost change then.
    bool Bewerten(const TZug& zug, int64_t& aenderung);
    void Ausfuehren(const TZug& zug, int64_t aenderung);
    int WerSteht(int person, int slot) const { return Wer[static_cast<size_t>(person * SlotAnzahl + slot)]; }
    // A random one of the slots set in both day masks, or KeinSlot.
    int ZufallsSlot(const TTagesmaske maske[2]);
    bool Vorschlagen(TZug& zug);
    bool BestenPlatzSuchen(int termin, TZug& bester);
    // The slots among kandidaten at which one more appointment keeps the person within the block limit.
    TTagesmaske Anbaubar(int person, int tag, TTagesmaske kandidaten) const;
};

template <class Annahme> void TVerbesserer::Schritt(Annahme&& annehmen) {
    TZug zug;
    int64_t aenderung = 0;
    if (!Vorschlagen(zug) || !Bewerten(zug, aenderung)) return;
    if (aenderung <= 0 || annehmen(aenderung, Zufall.Anteil())) Ausfuehren(zug, aenderung);
}
