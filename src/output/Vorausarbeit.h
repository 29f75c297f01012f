#pragma once

#include <QByteArray>
#include <QThreadPool>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

// Makes numbered pieces of work on worker threads while the caller takes them one after another in
// their order, so that everything the caller does with a piece keeps its order. Workers keep at most a
// small window ahead of the caller; with one thread the caller makes each piece itself when it takes it.
// Nothing is made before the first piece is asked for, nor below its number. The pieces still being
// made when the object ends are finished and thrown away, those not begun are never made.
class TVorausarbeit {
public:
    using THerstellung = std::function<QByteArray(int)>;

    // herstellen is called from several threads at once and must only read what it shares.
    TVorausarbeit(int anzahl, THerstellung herstellen, int faeden);
    ~TVorausarbeit();
    TVorausarbeit(const TVorausarbeit&) = delete;
    TVorausarbeit& operator=(const TVorausarbeit&) = delete;

    // The piece with this number, waiting until it is made; numbers must grow from call to call.
    QByteArray Holen(int nummer);

private:
    void Arbeiten();

    const int Anzahl;
    const THerstellung Herstellen;
    const int Fenster;
    const int Faeden;
    const bool Parallel;
    std::mutex Sperre;
    std::condition_variable Frei;   // the caller moved on, or the work ends
    std::condition_variable Bereit; // a piece is done
    std::vector<std::optional<QByteArray>> Fertig;
    int Naechste = 0;
    int Geholt = 0;
    bool Begonnen = false;
    bool Ende = false;
    QThreadPool Arbeiter;
};
