#include "Befehle.h"

#include "Generator.h"
#include "model/Projekt.h"
#include "model/Projektdatei.h"

#include <QStringList>
#include <QTextStream>

int BefehlGenerate(const QStringList& argumente) {
    TGeneratorOptionen o;
    QString ziel;
    QTextStream fehler(stderr);
    for (int i = 0; i + 1 < argumente.size(); i += 2) {
        const QString& schalter = argumente[i];
        const QString& wert = argumente[i + 1];
        bool ok = true;
        if (schalter == "-o")
            ziel = wert;
        else if (schalter == "--families")
            o.Familien = wert.toInt(&ok);
        else if (schalter == "--teachers")
            o.Lehrer = wert.toInt(&ok);
        else if (schalter == "--days")
            o.Tage = wert.toInt(&ok);
        else if (schalter == "--slots")
            o.Slots = wert.toInt(&ok);
        else if (schalter == "--seed")
            o.Saat = wert.toUInt(&ok);
        else
            ok = false;
        if (!ok) {
            fehler << "Unbekannte oder ungültige Angabe: " << schalter << ' ' << wert << '\n';
            return 2;
        }
    }
    if (ziel.isEmpty() || argumente.size() % 2 || o.Tage < 1 || o.Tage > 2 || o.Slots < 1 || o.Slots > 48 ||
        o.Lehrer < 1 || o.Familien < 0 || o.Familien > 32000) {
        fehler << "Aufruf: vel-cli generate -o DATEI [--families N] [--teachers M] [--days 1|2] [--slots S] "
                  "[--seed X]\n";
        return 2;
    }
    TProjekt p;
    ProjektErzeugen(p, o);
    QString text;
    if (ProjektSpeichern(p, ziel, text)) return 0;
    fehler << text << '\n';
    return 2;
}
