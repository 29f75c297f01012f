#include "Befehle.h"
#include "Konsole.h"

#include "model/Projekt.h"
#include "scheduler/Planpruefung.h"

#include <QStringList>
#include <QTextStream>

int BefehlCheck(const QStringList& argumente) {
    if (argumente.size() != 1) {
        QTextStream(stderr) << "Aufruf: vel-cli check DATEI\n";
        return 2;
    }
    TProjekt p;
    // Exit status 1 is taken by findings, so every reading failure reports 2.
    if (ProjektFuerBefehl(argumente[0], p)) return 2;
    const QStringList befunde = PlanPruefen(p);
    QTextStream aus(stdout);
    for (const QString& zeile : befunde)
        aus << zeile << '\n';
    return befunde.isEmpty() ? 0 : 1;
}
