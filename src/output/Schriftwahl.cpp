#include "Schriftwahl.h"

#include "Druckschriften.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>

namespace {

// Names fontconfig maps onto whatever face it prefers; a list drawn with them looks different on every
// machine.
const char* const Gattungen[] = {"Sans Serif", "Serif", "Monospace"};

// The names the schools' lists use, drawn here with their metric-compatible faces.
const char* const Stellvertreter[] = {"Times New Roman", "Arial"};

bool Gattung(const QString& familie) {
    return std::any_of(std::begin(Gattungen), std::end(Gattungen),
                       [&familie](const char* g) { return familie == QLatin1String(g); });
}

bool NormalAufrecht(const QString& familie) {
    const QStringList stile = QFontDatabase::styles(familie);
    return std::any_of(stile.begin(), stile.end(), [&familie](const QString& stil) {
        return !QFontDatabase::italic(familie, stil) && QFontDatabase::weight(familie, stil) == QFont::Normal;
    });
}

bool Passend(const QString& familie, TSchriftzweck zweck, bool sinnvoll) {
    if (!QFontDatabase::isScalable(familie) || QFontDatabase::isPrivateFamily(familie) || Gattung(familie) ||
        IstDruckkopie(familie))
        return false;
    // Measured at the size fonts are listed with: faces that are unusually wide or high are no list fonts.
    QFont schrift(familie);
    schrift.setPixelSize(14);
    const QFontMetrics mass(schrift);
    const int breiteste = zweck == TSchriftzweck::Gespraechslisten ? 18 : 27;
    if (mass.height() >= 40 || mass.averageCharWidth() >= breiteste) return false;
    if (!sinnvoll) return true;
    const QList<QFontDatabase::WritingSystem> schriften = QFontDatabase::writingSystems(familie);
    return !familie.startsWith(u'@') && !QFontDatabase::isFixedPitch(familie) &&
           schriften.contains(QFontDatabase::Latin) && !schriften.contains(QFontDatabase::Symbol) &&
           NormalAufrecht(familie);
}

} // namespace

QString Schriftersatz(const QString& name) {
    return QFontInfo(QFont(name)).family();
}

QStringList Schriftfamilien(TSchriftzweck zweck, bool sinnvoll) {
    QStringList familien;
    for (const QString& familie : QFontDatabase::families())
        if (Passend(familie, zweck, sinnvoll)) familien << familie;
    for (const char* name : Stellvertreter) {
        const QString stellvertreter = QLatin1String(name);
        const qsizetype ort = familien.indexOf(Schriftersatz(stellvertreter));
        if (ort >= 0 && !familien.contains(stellvertreter)) familien[ort] = stellvertreter;
    }
    std::sort(familien.begin(), familien.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return familien;
}

QStringList SchriftfamilienMit(const QStringList& familien, const QString& gewaehlt) {
    if (gewaehlt.isEmpty() || familien.contains(gewaehlt)) return familien;
    return QStringList{gewaehlt} + familien;
}
