#pragma once

#include "model/Projekt.h"

#include <QString>
#include <bitset>
#include <cstdint>
#include <vector>

class TLaufBeobachter;
struct TTagesbits;

// A slot search that found nothing.
constexpr int KeinSlot = -1;
constexpr int KeinWert = -32768;

// The slot found for a conversation by the search with displacement, and the slot the appointment standing
// there moves to (the same slot when it was free for both).
struct TVerdraengung {
    int Wert = KeinWert;
    int Slot = KeinSlot;
    int Alternative = KeinSlot;
    bool Gefunden() const { return Slot != KeinSlot; }
};

// Slots of one day as bits, bit i for slot base + i.
using TTagesmaske = uint64_t;

// Booked and free slots of one person's array, per day.
struct TSlotMasken {
    TTagesmaske Belegt[2] = {0, 0};
    TTagesmaske Frei[2] = {0, 0};
};

using TVerworfen = std::bitset<SlotAnzahl>;

// The scheduling engine on one project: preparation, first placement and improvement passes. It works on
// the live slot arrays, so the plan is consistent at every point where the observer is asked for cancel.
class TTerminierung {
public:
    // Without an observer nothing is reported and nothing cancels.
    explicit TTerminierung(TProjekt& projekt, TLaufBeobachter* beobachter = nullptr);

    // Preparation.
    void UnmoeglicheBestimmen();
    void Freigeben();
    void KapazitaetZaehlen();
    static int Suchreihenfolge(const TGespraech& a, const TGespraech& b);
    void ReihenfolgeSortieren();

    // Slot operations.
    void Buchen(TZeiten& familie, TZeiten& lehrer, TGespraech& g, int slot);
    void Loesen(TZeiten& familie, TZeiten& lehrer, int slot);
    int ErsterTermin(const TZeiten& p, int basis) const;
    int LetzterTermin(const TZeiten& p, int basis) const;
    int FreiFuerBeide(const TZeiten& a, const TZeiten& b, int start, int schritt, int grenze) const;
    int Abstand(const TZeiten& p, int slot) const;
    bool BlockPruefen(int basis, int slot, TZeiten& p, int grenze);
    void PausenLoesen(int slot, TZeiten& p);
    // The pause marks of one person recomputed as the project model does it, with the person's masks after.
    TSlotMasken PausenSetzen(TZeiten& p, bool istFamilie);
    void PausenAlle();
    int FindeTermin(TZeiten& familie, TZeiten& lehrer, int basis);
    void ErsteVerteilung();

    // Gap measure.
    int Luecken(const TZeiten& p, bool familie) const;
    int Verschiebungswert(const TZeiten& familie, int von, int nach) const;

    // Search with displacement and improvement passes.
    TVerdraengung VerdraengungBewerten(int slot, TZeiten& familie, TZeiten& lehrer);
    TVerdraengung KandidatSuchen(TZeiten& familie, TZeiten& lehrer, int start, int schritt, int grenze,
                                 const TVerworfen& verworfen);
    TVerdraengung TerminMitVerdraengung(TZeiten& familie, TZeiten& lehrer, int basis);
    void Nachplatzieren();
    void Verbessern(TPerson& person, bool istFamilie, int basis, int richtung);
    void Optimieren();

    // Lets the observer process events; a cancel request stays set for the rest of the run.
    void EreignisseVerarbeiten();

    int GrenzeFamilie() const;
    int GrenzeLehrer() const;
    int Tagesbasis1 = 0;
    int Tagesbasis2 = SlotsProTag;

    // State of a run, shared by the operations.
    bool Abbruch = false;
    QString Abbruchmeldung;
    int Durchgang = 0;
    bool KeineVerschiebung = true;
    bool KeinNeuerPlatz = true;
    bool SweepGeaendert = false;
    bool Verbessert = false;
    int KostenFamilie0 = 0;
    int KostenLehrer0 = 0;
    int BesterGewinn = 0;
    int BesterPlatz = KeinSlot;

private:
    // What the search needs of a conversation whose number it reads in a slot, in one small flat table:
    // following the records' pointers from every slot it looks at costs more than the search itself.
    struct TNummer {
        TZeiten* Familie = nullptr; // null without family
        TZeiten* Lehrer = nullptr;  // null without teacher
        bool Vorhanden = false;
        bool Genagelt = false;
        bool Gebucht = false; // Termin >= 0; Buchen and Freigeben keep it
    };

    TProjekt& P;
    TLaufBeobachter& Beobachter;
    // Counts the writes of the searches for displaced appointments that may reach the arrays a scan reads.
    int Geschrieben = 0;
    TTagesmaske Aktiv[2] = {0, 0};
    // Conversations by number, so that a number read from a slot is found at once.
    std::vector<TNummer> NachNummer;
    std::vector<TGespraech*> Gespraeche;

    void TagesbasenSetzen();
    const TNummer* MitNummer(int nummer) const;
    TNummer* Eintrag(const TGespraech& g);
    bool Existiert(int s) const { return P.ZeitAktiv[static_cast<size_t>(s)]; }
    int Blocklaenge(int basis, int slot, const TZeiten& p) const;
    bool BlockHaelt(int basis, int slot, TZeiten& p, int grenze, TVerworfen& verworfen);
    inline TTagesmaske BelegtTag(const TZeiten& p, int tag) const;
    TSlotMasken Masken(const TZeiten& p) const;
    int LueckenAusMasken(const TTagesmaske belegt[2], bool familie) const;
    int VerschiebungswertAus(const TTagesmaske belegt[2], int von, int nach) const;
    [[gnu::always_inline]] TVerdraengung Verdraengen(int slot, TZeiten& familie, TZeiten& lehrer);
    // The table entry of the conversation standing in a slot of the family or the teacher.
    const TNummer* EintragIn(const TZeiten& familie, const TZeiten& lehrer, int slot) const;
    // The same as the public operations on the bits of a day as read before the last writes into it; the
    // bits follow what they change.
    int FindeTerminIn(TZeiten& familie, TZeiten& lehrer, int basis, const TTagesbits& f, const TTagesbits& l);
    void PausenLoesenIn(int basis, int i, TZeiten& p, TTagesbits& t);
    TSlotMasken PausenSetzenAus(TZeiten& p, bool istFamilie, const TTagesbits bits[2]);
    void Probieren(const TSlotMasken& familie, const TSlotMasken& lehrer, int richtung, int basis);
    template <class Liste> bool Phase(const Liste& personen, bool familien, int richtung);
};

// Gap cost of one day from its booked slots.
int Tageskosten(TTagesmaske belegt, bool familie);
