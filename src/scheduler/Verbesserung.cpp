#include "Verbesserung.h"

#include "Verbesserer.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

// Steps between two looks at the clock, the observer and the best plan.
constexpr int Takt = 2048;
// Steps per appointment that may move, when the caller leaves the number open, and at least so many that
// small plans get a thorough search, still in a fraction of a second.
constexpr int64_t SchritteJeTermin = 500;
constexpr int64_t SchritteMindestens = 2000000;
// Share of the steps at the end that only take what does not make the plan worse.
constexpr double Abstieg = 0.1;
// Temperature at the start and at the end of the annealing, in slots of a family's waiting.
constexpr double TemperaturAnfang = 6.0;
constexpr double TemperaturEnde = 0.3;

double Temperatur(double anteil) {
    if (anteil >= 1.0 - Abstieg) return 0.0;
    const double t = anteil / (1.0 - Abstieg);
    return TVerbesserer::GewichtEltern * TemperaturAnfang * std::pow(TemperaturEnde / TemperaturAnfang, t);
}

} // namespace

TVerbesserungsErgebnis PlanVerbessern(TProjekt& projekt, const TVerbesserungsOptionen& o,
                                      TVerbesserungsBeobachter& beobachter) {
    using Uhr = std::chrono::steady_clock;
    const auto start = Uhr::now();
    TVerbesserungsErgebnis e;
    e.Vorher = PlanwerteBerechnen(projekt);
    TVerbesserer v(projekt, o.Saat);
    v.Einfuegen();
    const int64_t schritte =
        o.Schritte > 0
            ? o.Schritte
            : std::max(SchritteMindestens, SchritteJeTermin * static_cast<int64_t>(v.AnzahlBeweglich()));

    std::vector<int16_t> beste;
    v.SlotsMerken(beste);
    int besteTerminiert = v.Terminiert();
    int64_t besteKosten = v.Kosten();
    TPlanwerte besteWerte = v.Werte();
    // Conversations without appointment are tried again now and then: the moves open new gaps.
    const int64_t einfuegenAlle = std::max<int64_t>(Takt, schritte / 4);
    int64_t getan = 0;
    while (getan < schritte && v.HatBewegliche()) {
        const double temperatur = Temperatur(static_cast<double>(getan) / static_cast<double>(schritte));
        const int64_t ende = std::min(schritte, getan + Takt);
        for (; getan < ende; ++getan)
            v.Schritt([temperatur](int64_t aenderung, double zufall) {
                return temperatur > 0 && zufall < std::exp(-static_cast<double>(aenderung) / temperatur);
            });
        if (getan % einfuegenAlle < Takt) v.Einfuegen();
        if (v.Terminiert() > besteTerminiert ||
            (v.Terminiert() == besteTerminiert && v.Kosten() < besteKosten)) {
            v.SlotsMerken(beste);
            besteTerminiert = v.Terminiert();
            besteKosten = v.Kosten();
            besteWerte = v.Werte();
        }
        beobachter.Zwischenstand(besteWerte, static_cast<int>(getan * 100 / schritte));
        if (beobachter.Abbruch()) {
            e.Abgebrochen = true;
            break;
        }
        if (std::chrono::duration<double>(Uhr::now() - start).count() >= o.Sekunden) break;
    }
    e.Alt = v.Uebernehmen(projekt, beste);
    e.Nachher = PlanwerteBerechnen(projekt);
    e.Schritte = getan;
    e.Sekunden = std::chrono::duration<double>(Uhr::now() - start).count();
    return e;
}
