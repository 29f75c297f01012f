#include "Generator.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "model/Projektdatei.h"

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class TStill : public TMeldung {
public:
    Antwort Meldung(const QString&, const QString&, MeldungsArt, Knoepfe, Antwort vorgabe, int) override {
        return vorgabe;
    }
};

// Best and median of repeated runs in milliseconds; vor prepares each run outside the measurement.
void Messen(
    const char* name, const std::function<void()>& lauf, const std::function<void()>& vor = [] {}) {
    constexpr int Wiederholungen = 21;
    std::vector<double> zeiten;
    for (int i = 0; i < Wiederholungen; ++i) {
        vor();
        const auto start = std::chrono::steady_clock::now();
        lauf();
        zeiten.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::printf("%-28s %10.2f %10.2f\n", name, zeiten.front(), zeiten[zeiten.size() / 2]);
}

} // namespace

// Times writing and reading the generated XL project, one thread.
int main() {
    TProjekt p;
    ProjektErzeugen(p, GroesseXL());
    QString fehler;
    const QByteArray daten = ProjektDaten(p, fehler);
    std::printf("XL: %d Familien, %d Lehrkräfte, %d Gespräche, %lld Bytes\n", p.Elternliste.Count(),
                p.Lehrerliste.Count(), p.Gespraechsliste.Count(), static_cast<long long>(daten.size()));
    std::printf("%-28s %10s %10s\n", "", "bester ms", "Median ms");

    Messen("Schreiben (im Speicher)", [&] { ProjektDaten(p, fehler); });
    TStill still;
    // Each run reads into a fresh project; freeing the one before is not measured.
    auto gelesen = std::make_unique<TProjekt>();
    const auto frisch = [&] { gelesen = std::make_unique<TProjekt>(); };
    Messen(
        "Lesen (aus dem Speicher)", [&] { ProjektLesen(daten, *gelesen, still, {}); }, frisch);
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("xl.pdt"));
    Messen("Speichern (Datei)", [&] { ProjektSpeichern(p, pfad, fehler); });
    Messen(
        "Laden (Datei)", [&] { ProjektLaden(pfad, *gelesen, still, {}); }, frisch);
    return fehler.isEmpty() ? 0 : 1;
}
