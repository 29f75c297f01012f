#include "Generator.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "output/Gespraechsliste.h"
#include "output/ui/FPreview.h"
#include "output/ui/Vorschaublatt.h"
#include "scheduler/Lauf.h"

#include <QApplication>
#include <QPrinter>
#include <QScrollArea>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;

double Ms(Uhr::time_point von) {
    return std::chrono::duration<double, std::milli>(Uhr::now() - von).count();
}

struct TLaengste {
    const TPerson* Person = nullptr;
    bool Eltern = true;
    size_t Zeilen = 0;
};

// The person of the scheduled project whose conversation list has the most lines.
TLaengste LaengsteListe(const TProjekt& p) {
    TLaengste l;
    TListenZeilen zeilen;
    const auto pruefen = [&](const TPerson& person, bool eltern) {
        zeilen.clear();
        ListeZusammenstellen(p, {&person, eltern, false}, zeilen);
        if (zeilen.size() > l.Zeilen) l = {&person, eltern, zeilen.size()};
    };
    for (const auto& e : p.Elternliste)
        pruefen(*e, true);
    for (const auto& t : p.Lehrerliste)
        pruefen(*t, false);
    return l;
}

double Median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

} // namespace

// The preview of the longest conversation list of the scheduled XL project, redrawn after a layout change
// as the layout dialog asks for it: composing, drawing the pages as pictures and painting the page shown
// into the window, at each zoom level.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    auto projekt = std::make_unique<TProjekt>();
    ProjektErzeugen(*projekt, GroesseXL());
    TLaufBeobachter still;
    Lauf(*projekt, still);
    projekt->ZaehleGespraeche();
    TProjektDokument dokument;
    dokument.Ersetzen(std::move(projekt), QStringLiteral("xl.pdt"));
    TProjekt& p = *dokument.Projekt();
    const TLaengste laengste = LaengsteListe(p);

    QPrinter drucker(QPrinter::HighResolution);
    TStilleMeldung meldung;
    TFPreview vorschau(dokument, drucker, meldung);
    const QRect fenster(0, 0, 1920, 1040);
    vorschau.VorschauOeffnen({laengste.Eltern, laengste.Person, nullptr}, {}, false, fenster);
    vorschau.showNormal();
    vorschau.setGeometry(fenster);
    QApplication::processEvents();
    std::printf("%s, %zu Zeilen, %d Seiten; Fenster %dx%d\n",
                qPrintable((laengste.Eltern ? QStringLiteral("Familie ") : QStringLiteral("Lehrer ")) +
                           laengste.Person->Name),
                laengste.Zeilen, vorschau.Seitenzahl(), vorschau.width(), vorschau.height());
    std::printf("%-6s %12s %12s %12s\n", "Zoom", "Median ms", "Max ms", "davon Malen");

    constexpr int Runden = 40;
    for (int stufe = 0; stufe < 3; ++stufe) {
        std::vector<double> gesamt;
        std::vector<double> malen;
        for (int i = 0; i < Runden; ++i) {
            // A tab stop moved, as the layout dialog changes the record before it asks for a redraw.
            p.Listenlayout.Tabulatoren[9] += i % 2 ? -10 : 10;
            const auto start = Uhr::now();
            vorschau.VorschauNeuZeichnen();
            const auto gemalt = Uhr::now();
            vorschau.Flaeche->viewport()->repaint();
            malen.push_back(Ms(gemalt));
            gesamt.push_back(Ms(start));
        }
        std::printf("%-6d %12.2f %12.2f %12.2f\n", stufe, Median(gesamt),
                    *std::max_element(gesamt.begin(), gesamt.end()), Median(malen));
        // A click on the sheet: the next zoom level.
        Q_EMIT vorschau.Blatt->Geklickt(vorschau.Blatt->Blatt().center(), true);
    }
    vorschau.Beenden();
    return 0;
}
