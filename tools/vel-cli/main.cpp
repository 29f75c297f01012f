#include "Befehle.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

struct TBefehl {
    const char* Name;
    int (*Ausfuehren)(const QStringList& argumente);
    const char* Hilfe;
};

const TBefehl Befehle[] = {
    {"generate", BefehlGenerate,
     "generate -o DATEI [--groesse M|L|XL] [--familien N] [--lehrer M] [--tage 1|2] [--slots S] [--saat X] "
     "[--hilfe]"},
    {"dump", BefehlDump, "dump DATEI [--compact]"},
    {"convert", BefehlConvert, "convert EIN AUS"},
    {"plan", BefehlPlan,
     "plan DATEI [-o AUS] [--cancel-after vorbereitung|verteilung|nachplatzieren|eltern|lehrer]"},
    {"check", BefehlCheck, "check DATEI"},
};

} // namespace

// Batch and inspection commands on project files.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList argumente = QCoreApplication::arguments().mid(1);
    const QString name = argumente.isEmpty() ? QString() : argumente.takeFirst();
    for (const TBefehl& b : Befehle)
        if (name == QLatin1String(b.Name)) return b.Ausfuehren(argumente);
    QTextStream fehler(stderr);
    fehler << "Aufruf: vel-cli BEFEHL [ARGUMENTE]\n";
    for (const TBefehl& b : Befehle)
        fehler << "  vel-cli " << b.Hilfe << '\n';
    return 2;
}
