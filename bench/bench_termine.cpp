#include "Generator.h"
#include "model/Projekt.h"
#include "scheduler/Lauf.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// CPU time of this thread, so that a busy machine distorts the figures less than wall-clock time does.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

// Times whole scheduling runs on the generated benchmark projects, one thread.
int main() {
    struct TGroesse {
        const char* Name;
        TGeneratorOptionen Optionen;
    };
    const TGroesse groessen[] = {{"M", GroesseM()}, {"L", GroesseL()}, {"XL", GroesseXL()}};
    constexpr int Wiederholungen = 7;
    std::printf("%-6s %9s %10s %10s %10s %10s\n", "Größe", "Gespräche", "terminiert", "Wand ms", "Median ms",
                "CPU ms");
    for (const TGroesse& g : groessen) {
        std::vector<double> wand;
        std::vector<double> cpu;
        int gespraeche = 0;
        int terminiert = 0;
        for (int i = 0; i < Wiederholungen; ++i) {
            TProjekt p;
            ProjektErzeugen(p, g.Optionen);
            TLaufBeobachter still;
            const double cpuStart = CpuMs();
            const auto start = std::chrono::steady_clock::now();
            Lauf(p, still);
            const std::chrono::duration<double, std::milli> dauer = std::chrono::steady_clock::now() - start;
            cpu.push_back(CpuMs() - cpuStart);
            wand.push_back(dauer.count());
            gespraeche = p.Gespraechsliste.Count();
            terminiert = static_cast<int>(std::count_if(p.Gespraechsliste.begin(), p.Gespraechsliste.end(),
                                                        [](const auto& x) { return x->Termin >= 0; }));
        }
        std::sort(wand.begin(), wand.end());
        std::sort(cpu.begin(), cpu.end());
        std::printf("%-5s %9d %10d %10.1f %10.1f %10.1f\n", g.Name, gespraeche, terminiert, wand.front(),
                    wand[wand.size() / 2], cpu.front());
    }
    return 0;
}
