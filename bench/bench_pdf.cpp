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
#include <QThread>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// CPU time of all threads: the lists are drawn on worker threads.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

// Writes the PDF conversation lists of every family and every teacher of the scheduled XL project, as
// the PDF run does, on one thread and on every core, and reports the time and the size of the files.
// An argument chooses the thread counts instead, e.g. "bench_pdf 2".
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
    // VEL_BENCH_BEHALTEN names a folder that keeps the files, e.g. to compare two builds' output.
    const QString behalten = qEnvironmentVariable("VEL_BENCH_BEHALTEN");
    TStilleMeldung meldung;
    std::vector<int> faeden;
    for (int i = 1; i < argc; ++i)
        faeden.push_back(std::max(1, QString::fromLocal8Bit(argv[i]).toInt()));
    if (faeden.empty()) faeden = {1, std::max(1, QThread::idealThreadCount())};
    std::printf("%-9s %6s %7s %10s %10s %8s %10s\n", "Listen", "Fäden", "Anzahl", "Wand s", "CPU s",
                "ms/Liste", "KB/Datei");
    for (const int n : faeden)
        for (const bool eltern : {true, false}) {
            const QString ziel =
                QDir(behalten.isEmpty() ? ordner.path() : behalten).filePath(eltern ? "E" : "L");
            TPdfAuftrag auftrag{p, schule, eltern, ziel, {}, true, n};
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
            const TDateilaufErgebnis e = PdfLauf(auftrag, meldung);
            const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - start;
            qint64 bytes = 0;
            for (const QFileInfo& f : QDir(auftrag.Zielordner).entryInfoList(QDir::Files))
                bytes += f.size();
            std::printf("%-9s %5d %7d %10.2f %10.2f %8.2f %10.1f\n", eltern ? "Eltern" : "Lehrer", n,
                        e.Geschrieben, dauer.count(), (CpuMs() - cpu) / 1e3,
                        dauer.count() * 1e3 / std::max(1, e.Geschrieben),
                        bytes / 1024.0 / std::max(1, e.Geschrieben));
        }
    return 0;
}
