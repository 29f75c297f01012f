#pragma once

#include "QrCode.h"

#include <mutex>
#include <optional>
#include <set>

class TMeldung;
class TPerson;
class TProjekt;

// The code on a family's list that carries all its appointments as one calendar, for a phone's camera
// to add them. No symbol when the family has no appointment, or when its calendar does not fit into the
// largest symbol the lists print (ZuGross).
struct TTerminecode {
    std::optional<TQrMatrix> Matrix;
    bool ZuGross = false;
};
TTerminecode TerminecodeBilden(const TProjekt& projekt, const TPerson& familie);

// One module in dots of a 300 dpi printer for a symbol of seite modules: as coarse as a symbol of about
// 5 cm with its quiet zone allows, so that small symbols scan from further away, yet never finer than
// three dots nor coarser than six.
int Modulpunkte(int seite);

// The families' codes of one print run, PDF run or preview: whether the lists carry them, and the
// families whose appointments were too many for one. Lists drawn on several threads at once share it.
class TTerminecodes {
public:
    explicit TTerminecodes(bool drucken)
        : Drucken(drucken) {}

    const bool Drucken;
    void OhneCodeVermerken(const TPerson& familie);
    bool OhneCode(const TPerson& familie) const;
    int OhneCodeAnzahl() const;

private:
    mutable std::mutex Sperre;
    std::set<const TPerson*> Ohne;
};

// Tells once after a run that the lists of so many families went out without their code; nothing when
// there are none.
void OhneCodeMelden(TMeldung& meldung, int familien);
