#include "Druckschriften.h"

#include "Schriftwahl.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>
#include <algorithm>

namespace {

struct TKopie {
    const char* Vorbild;
    const char* Familie;
    const char* Datei;
};

// Built from the machine's faces when the program is built; the copies carry names of their own, as
// the fonts' licence asks of modified versions.
const TKopie Kopien[] = {{"Liberation Serif", "VEL Serif", "VELSerif"},
                         {"Liberation Sans", "VEL Sans", "VELSans"}};

QHash<QString, QString> Laden() {
    QHash<QString, QString> ersatz;
    for (const TKopie& k : Kopien) {
        bool alle = true;
        for (const char* stil : {"Regular", "Bold", "Italic", "BoldItalic"}) {
            const QString datei =
                QStringLiteral(":/druckschriften/%1-%2.ttf").arg(QLatin1String(k.Datei), QLatin1String(stil));
            if (QFontDatabase::addApplicationFont(datei) < 0) alle = false;
        }
        if (alle) ersatz.insert(QLatin1String(k.Vorbild), QLatin1String(k.Familie));
    }
    return ersatz;
}

} // namespace

bool IstDruckkopie(const QString& familie) {
    return std::any_of(std::begin(Kopien), std::end(Kopien),
                       [&familie](const TKopie& k) { return familie == QLatin1String(k.Familie); });
}

QFont Druckschrift(QFont schrift) {
    static const QHash<QString, QString> ersatz = Laden();
    const QString familie = ersatz.value(Schriftersatz(schrift.family()));
    if (!familie.isEmpty()) schrift.setFamily(familie);
    return schrift;
}
