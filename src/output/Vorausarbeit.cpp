#include "Vorausarbeit.h"

#include <algorithm>

namespace {

// Pieces each worker may have ready beyond the one the caller waits for: enough to bridge a slow write
// or an open question, few enough to keep memory small and a cancel quick.
constexpr int FensterJeFaden = 8;

} // namespace

TVorausarbeit::TVorausarbeit(int anzahl, THerstellung herstellen, int faeden)
    : Anzahl(std::max(0, anzahl))
    , Herstellen(std::move(herstellen))
    , Fenster(FensterJeFaden * std::max(1, faeden))
    , Faeden(std::min(faeden, Anzahl))
    , Parallel(faeden > 1 && Anzahl > 1)
    , Fertig(static_cast<size_t>(Parallel ? Anzahl : 0)) {}

TVorausarbeit::~TVorausarbeit() {
    {
        const std::lock_guard lock(Sperre);
        Ende = true;
    }
    Frei.notify_all();
    Arbeiter.waitForDone();
}

QByteArray TVorausarbeit::Holen(int nummer) {
    Q_ASSERT(nummer >= Geholt && nummer < Anzahl);
    if (!Parallel) return Herstellen(nummer);
    std::unique_lock lock(Sperre);
    Geholt = nummer;
    // The workers start with the first piece asked for: a run that ends before it draws nothing.
    if (!Begonnen) {
        Begonnen = true;
        Naechste = nummer;
        Arbeiter.setMaxThreadCount(Faeden);
        for (int i = 0; i < Faeden; ++i)
            Arbeiter.start([this] { Arbeiten(); });
    }
    Frei.notify_all();
    auto& stueck = Fertig[static_cast<size_t>(nummer)];
    Bereit.wait(lock, [&stueck] { return stueck.has_value(); });
    QByteArray ergebnis = std::move(*stueck);
    stueck.reset();
    return ergebnis;
}

void TVorausarbeit::Arbeiten() {
    std::unique_lock lock(Sperre);
    for (;;) {
        Frei.wait(lock, [this] { return Ende || Naechste >= Anzahl || Naechste < Geholt + Fenster; });
        if (Ende || Naechste >= Anzahl) return;
        const int nummer = Naechste++;
        lock.unlock();
        QByteArray stueck = Herstellen(nummer);
        lock.lock();
        Fertig[static_cast<size_t>(nummer)] = std::move(stueck);
        Bereit.notify_all();
    }
}
