#include "Generator.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "model/Schuldaten.h"
#include "output/Pdflauf.h"
#include "scheduler/Lauf.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

// Writes the PDF conversation lists of every family and every teacher of the scheduled XL project, as
// the PDF run does, and reports the time and the size of the files.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TProjekt p;
    ProjektErzeugen(p, GroesseXL());
    TLaufBeobachter still;
    Lauf(p, still);
    p.ZaehleGespraeche();
    p.BelegungMarkieren();
    const TSchuldaten schule{QStringLiteral("Gymnasium Am Wall"),
                             QString::fromUtf8("Wallstraße 3"),
                             QStringLiteral("28195 Bremen"),
                             QStringLiteral("0421 1234"),
                             {}};
    QTemporaryDir ordner;
    TStilleMeldung meldung;
    std::printf("%-9s %7s %10s %10s %8s %10s\n", "Listen", "Anzahl", "Wand s", "CPU s", "ms/Liste",
                "KB/Datei");
    for (const bool eltern : {true, false}) {
        TPdfAuftrag auftrag{p, schule, eltern, ordner.filePath(eltern ? "E" : "L"), {}, true};
        if (eltern)
            for (const auto& e : p.Elternliste)
                auftrag.Listen.push_back(
                    {e.get(), QStringLiteral("VEL2027E - %1 %2").arg(e->Nummer).arg(e->Name)});
        else
            for (const auto& l : p.Lehrerliste)
                auftrag.Listen.push_back(
                    {l.get(), QStringLiteral("VEL2027L - %1 (%2)").arg(l->Name, l->Kuerzel)});
        const double cpu = CpuMs();
        const auto start = std::chrono::steady_clock::now();
        const TPdfErgebnis e = PdfLauf(auftrag, meldung);
        const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - start;
        qint64 bytes = 0;
        for (const QFileInfo& f : QDir(auftrag.Zielordner).entryInfoList(QDir::Files))
            bytes += f.size();
        std::printf("%-9s %7d %10.2f %10.2f %8.1f %10.1f\n", eltern ? "Eltern" : "Lehrer", e.Geschrieben,
                    dauer.count(), (CpuMs() - cpu) / 1e3, dauer.count() * 1e3 / std::max(1, e.Geschrieben),
                    bytes / 1024.0 / std::max(1, e.Geschrieben));
    }
    return 0;
}
