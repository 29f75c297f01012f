#pragma once

#include "Lauf.h"
#include "Planwerte.h"

#include <cstdint>
#include <utility>
#include <vector>

class TGespraech;
class TProjekt;

struct TVerbesserungsOptionen {
    uint32_t Saat = 1;
    // The search stops at this time at the latest and keeps the best plan found until then.
    double Sekunden = 2.0;
    // Steps of the search; 0 lets the size of the plan decide. The same seed and the same number of steps
    // give the same plan, unless the time ran out first.
    int64_t Schritte = 0;
};

// Watches the improvement of a plan; cancel is asked for through Abbruch() as in a scheduling run.
class TVerbesserungsBeobachter : public TLaufBeobachter {
public:
    // The figures of the best plan found so far and how much of the search is done.
    virtual void Zwischenstand(const TPlanwerte& /*bester*/, int /*prozent*/) {}
};

struct TVerbesserungsErgebnis {
    TPlanwerte Vorher;
    TPlanwerte Nachher;
    // Every conversation whose slot changed, with its Termin before.
    std::vector<std::pair<TGespraech*, int16_t>> Alt;
    bool Abgebrochen = false;
    int64_t Schritte = 0;
    double Sekunden = 0;
};

// Improves a finished plan by local search: no appointment is lost, some without one may get one, nailed
// conversations stay, and every block, missing slot, pause rule and block limit holds. Families wait less
// first (a second day counts as twelve slots), then teachers; in a two-day frame the day asked for first is
// preferred. Writes the best plan found into the project, also when cancelled.
TVerbesserungsErgebnis PlanVerbessern(TProjekt& projekt, const TVerbesserungsOptionen& optionen,
                                      TVerbesserungsBeobachter& beobachter);
