#include "Konsole.h"

#include "model/Projekt.h"

#include <QDir>
#include <QTextStream>

Antwort TKonsolenMeldung::Meldung(const QString& text, const QString&, MeldungsArt, Knoepfe, Antwort vorgabe,
                                  int) {
    QString zeilen = text;
    zeilen.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QTextStream(stderr) << zeilen << '\n';
    return vorgabe;
}

namespace {

// In the window the user has just chosen the file; on the command line the message has to name it.
class TLadeMeldung : public TKonsolenMeldung {
public:
    explicit TLadeMeldung(const QString& pfad)
        : Pfad(pfad) {}
    Antwort Meldung(const QString& text, const QString& titel, MeldungsArt art, Knoepfe knoepfe,
                    Antwort vorgabe, int hilfekontext) override {
        return TKonsolenMeldung::Meldung(
            text == QString::fromUtf8(KeineProjektdateiText)
                ? QString::fromUtf8("Die Datei „%1“ ist keine gültige Projektdatei.")
                      .arg(QDir::toNativeSeparators(Pfad))
                : text,
            titel, art, knoepfe, vorgabe, hilfekontext);
    }

private:
    QString Pfad;
};

} // namespace

bool ProjektFuerBefehl(const QString& pfad, TProjekt& projekt) {
    TLadeMeldung meldung(pfad);
    switch (ProjektLaden(pfad, projekt, meldung, TLeseOptionen())) {
    case TLeseErgebnis::Gelesen:
        return true;
    case TLeseErgebnis::KeinProjekt: // the loader has said why
        return false;
    case TLeseErgebnis::Lesefehler:
    case TLeseErgebnis::AktuellesFormat: // only for the legacy modes, which no command uses
        break;
    }
    QTextStream(stderr) << QString::fromUtf8(
                               "Lesefehler: Die Datei „%1“ ist beschädigt oder unvollständig.\n")
                               .arg(QDir::toNativeSeparators(pfad));
    return false;
}

void Fehlerzeile(const QString& text) {
    QTextStream(stderr) << text << '\n';
}
