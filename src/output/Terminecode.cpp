#include "Terminecode.h"

#include "Kalender.h"
#include "model/Meldung.h"

#include <algorithm>

namespace {

// The symbol with its quiet zone stays within about 5 cm.
constexpr int Hoechstbreite = 590;
constexpr int FeinstesModul = 3;
constexpr int GroebstesModul = 6;

} // namespace

TTerminecode TerminecodeBilden(const TProjekt& projekt, const TPerson& familie) {
    // UTC needs no description of the time zone: the shorter text gives the smaller symbol.
    const QByteArray kalender = KalenderText(projekt, familie, true, TKalenderzeit::Utc);
    if (kalender.isEmpty()) return {};
    std::optional<TQrMatrix> matrix = QrKodieren(kalender);
    const bool zuGross = !matrix;
    return {std::move(matrix), zuGross};
}

int Modulpunkte(int seite) {
    return std::clamp(Hoechstbreite / (seite + 2 * QrRuhezone), FeinstesModul, GroebstesModul);
}

void TTerminecodes::OhneCodeVermerken(const TPerson& familie) {
    const std::lock_guard lock(Sperre);
    Ohne.insert(&familie);
}

bool TTerminecodes::OhneCode(const TPerson& familie) const {
    const std::lock_guard lock(Sperre);
    return Ohne.count(&familie) > 0;
}

int TTerminecodes::OhneCodeAnzahl() const {
    const std::lock_guard lock(Sperre);
    return static_cast<int>(Ohne.size());
}

void OhneCodeMelden(TMeldung& meldung, int familien) {
    if (familien <= 0) return;
    const QString text =
        familien == 1
            ? QString::fromUtf8("Die Termine einer Familie sind zu umfangreich für einen QR-Code; ihre Liste "
                                "hat keinen Code.")
            : QString::fromUtf8("Die Termine von %1 Familien sind zu umfangreich für einen QR-Code; ihre "
                                "Listen haben keinen Code.")
                  .arg(familien);
    meldung.Meldung(text, QStringLiteral("QR-Code"), MeldungsArt::Information);
}
