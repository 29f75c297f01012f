#include "Generator.h"
#include "model/Projekt.h"
#include "rooms/Doppelbelegung.h"
#include "rooms/RaumZeitplan.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Best and median of repeated runs in milliseconds.
void Messen(const char* name, const std::function<void()>& lauf) {
    constexpr int Wiederholungen = 11;
    std::vector<double> zeiten;
    for (int i = 0; i < Wiederholungen; ++i) {
        const auto start = std::chrono::steady_clock::now();
        lauf();
        zeiten.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("%-34s %10.2f %10.2f\n", name, zeiten.front(), zeiten[zeiten.size() / 2]);
}

// Books every conversation at the first slot free for both sides, without pauses: a full plan in no time.
void Buchen(TProjekt& p) {
    for (const auto& g : p.Gespraechsliste) {
        TEltern* e = g->Eltern();
        for (int s = 0; s < SlotAnzahl; ++s) {
            const auto i = static_cast<size_t>(s);
            if (!p.ZeitAktiv[i] || g->Lehrer->Zeiten[i] != SlotFrei || e->Zeiten[i] != SlotFrei) continue;
            g->Termin = static_cast<int16_t>(s);
            g->Lehrer->Zeiten[i] = e->Zeiten[i] = g->Nummer;
            break;
        }
    }
}

void Alles(const char* titel, TProjekt& p) {
    RaumplanVorbereiten(p);
    std::printf("%s: %zu Räume, %zu Raumkonflikte\n", titel, static_cast<size_t>(p.RaumListe.Raeume().size()),
                RaumkonflikteFinden(p).size());
    Messen("RaumkonflikteFinden", [&] { RaumkonflikteFinden(p); });
    Messen("RaumplanBauen (beide Tage)", [&] { RaumplanBauen(p, TTagesansicht::BeideTage); });
    const TRaumplan plan = RaumplanBauen(p, TTagesansicht::BeideTage);
    Messen("RaumplanCsv", [&] { RaumplanCsv(plan); });
}

} // namespace

// Times the room conflicts and the room plan on the generated XL project, one thread: once with the
// generator's rooms, once with a few rooms shared by everybody, which makes conflict pairs by the thousand.
int main() {
    TProjekt p;
    ProjektErzeugen(p, GroesseXL());
    Buchen(p);
    std::printf("XL: %d Lehrkräfte, %d Gespräche\n", p.Lehrerliste.Count(), p.Gespraechsliste.Count());
    std::printf("%-34s %10s %10s\n", "", "bester ms", "Median ms");
    Alles("Räume des Generators", p);
    int i = 0;
    for (const auto& l : p.Lehrerliste)
        l->Raum = QStringLiteral("Raum %1").arg(++i % 8);
    Alles("Acht Räume für alle", p);
    return 0;
}
