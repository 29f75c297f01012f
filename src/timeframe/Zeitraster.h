#pragma once

#include "model/Zeiten.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class TProjekt;

constexpr int RasterSpalten = 8;
constexpr int RasterZeilen = 6;

using TTageswerte = std::array<int16_t, SlotsProTag>;
using TTagestexte = std::array<QString, SlotsProTag>;

// One day's half of a person's slots, and back.
TTageswerte Tageswerte(const TZeiten& zeiten, int tag);
void TageswerteSetzen(TZeiten& zeiten, int tag, const TTageswerte& werte);

// What the user answers when blocking would take appointments away.
enum class TTerminSperre { Ja, Nein, Abbrechen };

// The slots of one day as a grid of switches: which cell may change, what blocking and freeing make of
// it, the keyboard cursor with its marked range, and the drag state of the mouse.
class TZeitraster {
public:
    TTageswerte Werte{};
    TTagestexte Beschriftung;
    // The person's values when editing began: freeing a cell brings its pause back.
    std::optional<TTageswerte> Ausgangswerte;
    bool Umschalten = false; // both buttons toggle; otherwise left blocks, right frees
    bool Testmodus = false;  // every cell active; cell 13 comes back as a pause
    std::array<bool, SlotsProTag> Aktiv{};

    // Loads the day's texts and active slots of the project's frame; tag 0 or 1.
    void RahmenLaden(const TProjekt& projekt, int tag);
    // The mouse options' test area: 12:00 to 19:50 in steps of ten minutes, all active and free.
    void TestrasterLaden();

    bool Sichtbar(int zelle) const;
    bool Bedienbar(int zelle) const;
    int ErsteZelle() const; // -1 when no cell is operable
    int LetzteZelle() const;
    int16_t Freigabewert(int zelle) const;

    // Asked when a single action would block booked cells; false keeps them.
    std::function<bool()> EinzelnFragen = [] { return false; };
    std::function<TTerminSperre()> BereichFragen = [] { return TTerminSperre::Abbrechen; };

    // Mouse: a press (links: left button) and a move over a cell with the button held. Both return
    // whether any cell changed.
    bool Druecken(int zelle, bool links, bool shift);
    bool Ziehen(int zelle, bool links);
    void Loslassen() { Gezogen = -1; }

    // Keyboard: the cursor moves by (schritt) cells within the operable ones; shift extends the mark.
    int Cursor = -1;
    int Anker = -1;
    void CursorSetzen(int zelle, bool shift);
    void CursorBewegen(int schritt, bool shift);
    void MarkierungAufheben() { Cursor = Anker = -1; }
    bool Markiert(int zelle) const;
    // Space and Shift+Space on the marked range; return whether any cell changed.
    bool BereichSperren();
    bool BereichFreigeben();

    // A whole day: block the free and pause cells (and the booked ones with termineAuch), or give back
    // the values of vorher where cells are blocked; only operable cells change.
    bool TagSperren(bool termineAuch);
    bool TagFreigeben(const TTageswerte& vorher);
    bool HatTermine() const;

private:
    bool Sperren(int zelle, bool fragen);
    bool Freigeben(int zelle);
    bool Anwenden(int zelle, bool links, bool einzeln);
    void FruehereMitnehmen(int zelle, bool gesperrt);

    int Gezogen = -1; // the last cell changed while the button is held
};

// The date above a day's grid, "dd.mm.yyyy"; without a date of its own day 2 is the day after day 1.
QString Tagesdatum(const TProjekt& projekt, int tag);

// The hint over a booked cell: who comes to that conversation. Empty for an unknown number.
QString Terminhinweis(const TProjekt& projekt, int nummer, bool istLehrer, bool& genagelt);
