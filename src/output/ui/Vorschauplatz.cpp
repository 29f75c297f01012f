#include "Vorschauplatz.h"

#include <algorithm>
#include <cmath>

namespace {

// The grey the preview leaves around the sheet.
constexpr int Luft = 5;
// Where the screen is high enough, the dialog stands this far below the work area's top.
constexpr int DialogOben = 280;

} // namespace

TVorschauplatz VorschauplatzTeilen(const QRect& flaeche, int kopf, const QSize& dialog,
                                   double seitenverhaeltnis) {
    const QRect unten = flaeche.adjusted(0, std::clamp(kopf, 0, flaeche.height()), 0, 0);
    // The sheet at the full height, as wide as its paper makes it.
    const int voll =
        2 * Luft + static_cast<int>(std::lround(std::max(0, unten.height() - 2 * Luft) * seitenverhaeltnis));
    const int blattMindestens = std::min(voll, unten.width() / 3);
    const int breite = std::clamp(dialog.width(), 0, unten.width() - blattMindestens);
    // Right beside the sheet; pushed left over the sheet's room where the dialog is wider than the rest.
    const int x = std::min(unten.left() + voll, unten.right() + 1 - breite);
    const int hoehe = std::clamp(dialog.height(), 0, unten.height());
    const int y = std::clamp(flaeche.top() + DialogOben, unten.top(), unten.bottom() + 1 - hoehe);
    return {QRect(unten.left(), unten.top(), x - unten.left(), unten.height()), QRect(x, y, breite, hoehe)};
}
