#include "Aufruf.h"
#include "Befehle.h"
#include "Konsole.h"

#include "model/Projekt.h"

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

int BefehlConvert(const QStringList& argumente) {
    QTextStream fehler(stderr);
    QCommandLineParser parser;
    if (const int status = Zerlegen(parser, QStringLiteral("Aufruf: vel-cli convert EIN AUS"),
                                    QString::fromUtf8("Liest ein Projekt in jedem bekannten Dateiformat und "
                                                      "schreibt es im aktuellen."),
                                    {}, argumente, 2);
        status >= 0)
        return status;
    const QStringList dateien = parser.positionalArguments();
    TProjekt p;
    if (!ProjektFuerBefehl(dateien[0], p)) return 2;
    TKonsolenMeldung meldung;
    ProjektPruefen(p, meldung);
    QString text;
    if (ProjektSpeichern(p, dateien[1], text)) return 0;
    fehler << text << '\n';
    return 3;
}
