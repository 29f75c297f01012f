#include "Befehle.h"
#include "Konsole.h"

#include "model/Projekt.h"

#include <QStringList>
#include <QTextStream>

int BefehlConvert(const QStringList& argumente) {
    QTextStream fehler(stderr);
    if (argumente.size() != 2) {
        fehler << "Aufruf: vel-cli convert EIN AUS\n";
        return 2;
    }
    TProjekt p;
    if (const int status = ProjektFuerBefehl(argumente[0], p)) return status;
    TKonsolenMeldung meldung;
    ProjektPruefen(p, meldung);
    QString text;
    if (ProjektSpeichern(p, argumente[1], text)) return 0;
    fehler << text << '\n';
    return 3;
}
