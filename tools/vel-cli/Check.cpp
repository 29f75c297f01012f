#include "Aufruf.h"
#include "Befehle.h"
#include "Konsole.h"

#include "model/Projekt.h"
#include "scheduler/Planpruefung.h"

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

int BefehlCheck(const QStringList& argumente) {
    QCommandLineParser parser;
    if (const int status =
            Zerlegen(parser, QStringLiteral("Aufruf: vel-cli check DATEI"),
                     QString::fromUtf8("Prüft den Plan eines Projekts; jeder Befund eine Zeile, "
                                       "Rückgabe 1 bei Befunden."),
                     {}, argumente, 1);
        status >= 0)
        return status;
    TProjekt p;
    if (!ProjektFuerBefehl(parser.positionalArguments().constFirst(), p)) return 2;
    const QStringList befunde = PlanPruefen(p);
    QTextStream aus(stdout);
    for (const QString& zeile : befunde)
        aus << zeile << '\n';
    return befunde.isEmpty() ? 0 : 1;
}
