#include "Generator.h"
#include "model/Projekt.h"
#include "scheduler/Lauf.h"
#include "scheduler/Verbesserung.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string_view>

namespace {

double CpuSekunden() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

void Planen(TProjekt& p, const TGeneratorOptionen& o) {
    ProjektErzeugen(p, o);
    TLaufBeobachter still;
    Lauf(p, still);
}

double Weniger(int vorher, int nachher) {
    return vorher > 0 ? 100.0 * (vorher - nachher) / vorher : 0.0;
}

// The generated projects after the scheduling run, then improved with the default budget: the families'
// waiting (a second day counts as twelve slots) before and after, and the time taken.
void Gross() {
    struct TFall {
        const char* Name;
        TGeneratorOptionen Optionen;
    };
    TGeneratorOptionen m2 = GroesseM();
    m2.Tage = 2;
    const TFall faelle[] = {{"M", GroesseM()}, {"M2", m2}, {"L", GroesseL()}, {"XL", GroesseXL()}};
    std::printf("%-4s %10s %10s %9s %9s %8s %8s %8s %8s %7s %7s\n", "", "terminiert", "danach", "Wartezeit",
                "danach", "weniger", "2 Tage", "danach", "Lehrer", "CPU s", "Wand s");
    for (const TFall& f : faelle) {
        TProjekt p;
        Planen(p, f.Optionen);
        TVerbesserungsBeobachter still;
        const double cpu = CpuSekunden();
        const TVerbesserungsErgebnis e = PlanVerbessern(p, TVerbesserungsOptionen(), still);
        std::printf("%-4s %10d %10d %9d %9d %7.1f%% %8d %8d %8d %7.2f %7.2f\n", f.Name, e.Vorher.Terminiert,
                    e.Nachher.Terminiert, e.Vorher.Wartezeit(), e.Nachher.Wartezeit(),
                    Weniger(e.Vorher.Wartezeit(), e.Nachher.Wartezeit()), e.Vorher.ZweiTage,
                    e.Nachher.ZweiTage, e.Nachher.LeerlaufLehrer - e.Vorher.LeerlaufLehrer,
                    CpuSekunden() - cpu, e.Sekunden);
    }
}

// Small projects: the default search against the best of many long searches with other seeds.
void Klein() {
    std::printf("\n%-6s %9s %9s %9s %9s\n", "Saat", "Lauf", "Standard", "lang", "Abstand");
    double summeAbstand = 0;
    double groesster = 0;
    constexpr int Anzahl = 12;
    for (uint32_t saat = 1; saat <= Anzahl; ++saat) {
        const TGeneratorOptionen o{40, 6, 1 + static_cast<int>(saat % 2), 14, saat};
        TProjekt p;
        Planen(p, o);
        TVerbesserungsBeobachter still;
        const TVerbesserungsErgebnis standard = PlanVerbessern(p, TVerbesserungsOptionen(), still);
        int lang = standard.Nachher.Wartezeit();
        int terminiert = standard.Nachher.Terminiert;
        for (uint32_t s = 2; s <= 9; ++s) {
            TProjekt q;
            Planen(q, o);
            TVerbesserungsOptionen lange;
            lange.Saat = s;
            lange.Schritte = 4000000;
            lange.Sekunden = 600;
            const TVerbesserungsErgebnis e = PlanVerbessern(q, lange, still);
            if (e.Nachher.Terminiert > terminiert ||
                (e.Nachher.Terminiert == terminiert && e.Nachher.Wartezeit() < lang)) {
                lang = e.Nachher.Wartezeit();
                terminiert = e.Nachher.Terminiert;
            }
        }
        const double abstand = lang > 0 ? 100.0 * (standard.Nachher.Wartezeit() - lang) / lang : 0.0;
        summeAbstand += abstand;
        groesster = std::max(groesster, abstand);
        std::printf("%-6u %9d %9d %9d %8.1f%%%s\n", saat, standard.Vorher.Wartezeit(),
                    standard.Nachher.Wartezeit(), lang, abstand,
                    terminiert > standard.Nachher.Terminiert ? "  (mehr terminiert)" : "");
    }
    std::printf("Abstand im Mittel %.1f%%, höchstens %.1f%%\n", summeAbstand / Anzahl, groesster);
}

} // namespace

// What "Plan verbessern" achieves after the scheduling run, and how close it comes to much longer searches.
int main(int argc, char* argv[]) {
    const bool nurGross = argc > 1 && std::string_view(argv[1]) == "--gross";
    Gross();
    if (!nurGross) Klein();
    return 0;
}
