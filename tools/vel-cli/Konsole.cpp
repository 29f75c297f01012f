#include "Konsole.h"

#include "model/Projekt.h"

#include <QTextStream>

Antwort TKonsolenMeldung::Meldung(const QString& text, const QString&, MeldungsArt, Knoepfe, Antwort vorgabe,
                                  int) {
    QString zeilen = text;
    zeilen.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QTextStream(stderr) << zeilen << '\n';
    return vorgabe;
}

int ProjektFuerBefehl(const QString& pfad, TProjekt& projekt) {
    TKonsolenMeldung meldung;
    switch (ProjektLaden(pfad, projekt, meldung, TLeseOptionen())) {
    case TLeseErgebnis::Gelesen:
        return 0;
    case TLeseErgebnis::KeinProjekt:
        return 1;
    case TLeseErgebnis::Lesefehler:
    case TLeseErgebnis::AktuellesFormat: // only for the legacy modes, which no command uses
        break;
    }
    QTextStream(stderr) << "Lesefehler: Die Datei " << pfad << " ist beschädigt oder unvollständig.\n";
    return 2;
}

void Fehlerzeile(const QString& text) {
    QTextStream(stderr) << text << '\n';
}
