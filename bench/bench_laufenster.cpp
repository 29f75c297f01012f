#include "Generator.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "scheduler/Lauf.h"
#include "scheduler/ui/Status.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// CPU time of this thread: the window paints on the same thread, and a busy machine distorts it less
// than wall-clock time.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

int Terminiert(const TProjekt& p) {
    return static_cast<int>(std::count_if(p.Gespraechsliste.begin(), p.Gespraechsliste.end(),
                                          [](const auto& g) { return g->Termin >= 0; }));
}

struct TMessung {
    double Ms = 0;
    double CpuMs = 0;
    int Terminiert = 0;
};

template <class F> TMessung Messen(const TGeneratorOptionen& optionen, F lauf) {
    TProjekt p;
    ProjektErzeugen(p, optionen);
    const double cpuStart = CpuMs();
    const auto start = std::chrono::steady_clock::now();
    lauf(p);
    const std::chrono::duration<double, std::milli> dauer = std::chrono::steady_clock::now() - start;
    return {dauer.count(), CpuMs() - cpuStart, Terminiert(p)};
}

} // namespace

// Times the same scheduling run without an interface and in the progress window, which starts the run
// when it is shown: the difference is what showing the progress costs.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    struct TGroesse {
        const char* Name;
        TGeneratorOptionen Optionen;
    };
    const TGroesse groessen[] = {{"M", GroesseM()}, {"L", GroesseL()}, {"XL", GroesseXL()}};
    constexpr int Wiederholungen = 5;
    std::printf("%-6s %10s %10s %10s %7s %10s %10s %7s\n", "Größe", "terminiert", "still ms", "Fenster ms",
                "Faktor", "still CPU", "Fenst. CPU", "Faktor");
    for (const TGroesse& g : groessen) {
        std::vector<TMessung> still;
        std::vector<TMessung> fenster;
        // Alternating the two kinds spreads the load of a busy machine over both.
        for (int i = 0; i < Wiederholungen; ++i) {
            still.push_back(Messen(g.Optionen, [](TProjekt& p) {
                TLaufBeobachter beobachter;
                Lauf(p, beobachter);
            }));
            fenster.push_back(Messen(g.Optionen, [](TProjekt& p) {
                // A cancelled run would show a message box; this benchmark never cancels.
                TStilleMeldung meldung;
                QString statuszeile;
                TStatusF status(p, meldung, [&statuszeile](const QString& text) { statuszeile = text; });
                status.exec();
            }));
        }
        if (still.back().Terminiert != fenster.back().Terminiert) {
            std::fprintf(stderr, "%s: still %d terminiert, im Fenster %d\n", g.Name, still.back().Terminiert,
                         fenster.back().Terminiert);
            return 1;
        }
        // The fastest of the repetitions is the one least disturbed by other work on the machine.
        const auto kleinste = [](const std::vector<TMessung>& m, double TMessung::*wert) {
            double k = m.front().*wert;
            for (const TMessung& x : m)
                k = std::min(k, x.*wert);
            return k;
        };
        const double s = kleinste(still, &TMessung::Ms);
        const double f = kleinste(fenster, &TMessung::Ms);
        const double sCpu = kleinste(still, &TMessung::CpuMs);
        const double fCpu = kleinste(fenster, &TMessung::CpuMs);
        std::printf("%-5s %10d %10.1f %10.1f %7.2f %10.1f %10.1f %7.2f\n", g.Name, still.back().Terminiert, s,
                    f, f / s, sCpu, fCpu, fCpu / sCpu);
    }
    return 0;
}
