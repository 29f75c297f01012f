#include "Aufruf.h"
#include "Befehle.h"

#include "Generator.h"
#include "model/Projekt.h"
#include "model/Projektdatei.h"

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>
#include <climits>
#include <vector>

namespace {

const char* const Aufruf = "Aufruf: vel-cli generate -o DATEI [--groesse M|L|XL] [--familien N] [--lehrer M] "
                           "[--tage 1|2] [--slots S] [--saat X]";

struct TGroesse {
    const char* Name;
    TGeneratorOptionen Optionen;
};

const TGroesse Groessen[] = {{"M", GroesseM()}, {"L", GroesseL()}, {"XL", GroesseXL()}};

// A numeric option sets one field of the chosen size, within what the generator and the project file
// can take.
struct TZahlOption {
    QCommandLineOption Option;
    int TGeneratorOptionen::*Feld;
    int Kleinste;
    int Groesste;
};

// The English names were the only ones before and stay valid, so existing scripts keep working.
std::vector<TZahlOption> Zahlenoptionen() {
    return {
        {{{"familien", "families"}, "Zahl der Familien, 0 bis 32000", "N"},
         &TGeneratorOptionen::Familien,
         0,
         32000},
        {{{"lehrer", "teachers"}, "Zahl der Lehrer, mindestens 1", "M"},
         &TGeneratorOptionen::Lehrer,
         1,
         INT_MAX},
        {{{"tage", "days"}, "Sprechtage, 1 oder 2", "1|2"}, &TGeneratorOptionen::Tage, 1, 2},
        {{QStringList{"slots"}, "Zeitabschnitte je Tag, 1 bis 48", "S"}, &TGeneratorOptionen::Slots, 1, 48},
    };
}

// QCommandLineParser's own texts are English; the help is composed here from the same option list.
QString Hilfetext(const QList<QCommandLineOption>& optionen) {
    QString text = QString::fromUtf8(Aufruf) +
                   QString::fromUtf8("\n\nErzeugt ein Projekt mit Familien, Lehrern, Gesprächswünschen und "
                                     "Sperrzeiten, ohne Termine.\n\nOptionen:\n");
    text += Optionszeilen(optionen);
    text += QString::fromUtf8("\nGrößen:\n");
    for (const TGroesse& g : Groessen)
        text += QStringLiteral("  %1 %2 Familien, %3 Lehrer, %4 Slots je Tag, %5\n")
                    .arg(QLatin1String(g.Name), -2)
                    .arg(g.Optionen.Familien, 5)
                    .arg(g.Optionen.Lehrer, 3)
                    .arg(g.Optionen.Slots)
                    .arg(g.Optionen.Tage == 1 ? QStringLiteral("1 Tag") : QStringLiteral("2 Tage"));
    return text;
}

} // namespace

int BefehlGenerate(const QStringList& argumente) {
    QTextStream fehler(stderr);
    const QCommandLineOption hilfe({"h", "hilfe", "help"}, "Zeigt diese Hilfe");
    const QCommandLineOption ausgabe({"o", "ausgabe"}, "Die Projektdatei, die geschrieben wird", "DATEI");
    const QCommandLineOption groesse(
        {"groesse", "size"},
        QString::fromUtf8("Größe des Projekts, ohne Angabe M; die Zahlen ändern einzelne Werte davon"),
        "M|L|XL");
    const QCommandLineOption saat({"saat", "seed"},
                                  "Startwert des Zufalls; gleiche Angaben, gleiches Projekt", "X");
    const std::vector<TZahlOption> zahlen = Zahlenoptionen();

    QList<QCommandLineOption> optionen{hilfe, ausgabe, groesse};
    for (const TZahlOption& z : zahlen)
        optionen << z.Option;
    optionen << saat;

    QCommandLineParser parser;
    // "-familien" is taken as the option of that name, not as the letters f, a, m, ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(optionen);
    if (!parser.parse(QStringList{QStringLiteral("vel-cli generate")} + argumente)) {
        fehler << Fehlermeldung(parser, argumente, optionen) << '\n' << Aufruf << '\n';
        return 2;
    }
    if (parser.isSet(hilfe)) {
        QTextStream(stdout) << Hilfetext(optionen);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        fehler << "Unerwartetes Argument: " << parser.positionalArguments().first() << '\n' << Aufruf << '\n';
        return 2;
    }

    TGeneratorOptionen o = GroesseM();
    if (parser.isSet(groesse)) {
        const QString wert = parser.value(groesse);
        const TGroesse* gefunden = nullptr;
        for (const TGroesse& g : Groessen)
            if (wert.compare(QLatin1String(g.Name), Qt::CaseInsensitive) == 0) gefunden = &g;
        if (!gefunden) {
            fehler << QString::fromUtf8("Unbekannte Größe für %1: %2 (M, L oder XL)\n")
                          .arg(Geschrieben(groesse, argumente), wert);
            return 2;
        }
        o = gefunden->Optionen;
    }
    for (const TZahlOption& z : zahlen) {
        if (!parser.isSet(z.Option)) continue;
        const QString wert = parser.value(z.Option);
        bool ok = false;
        const int zahl = wert.toInt(&ok);
        if (!ok || zahl < z.Kleinste || zahl > z.Groesste) {
            fehler << QString::fromUtf8("Ungültiger Wert für %1: %2 (%3)\n")
                          .arg(Geschrieben(z.Option, argumente), wert, z.Option.description());
            return 2;
        }
        o.*z.Feld = zahl;
    }
    if (parser.isSet(saat)) {
        bool ok = false;
        o.Saat = parser.value(saat).toUInt(&ok);
        if (!ok) {
            fehler << QString::fromUtf8("Ungültiger Wert für %1: %2\n")
                          .arg(Geschrieben(saat, argumente), parser.value(saat));
            return 2;
        }
    }
    const QString ziel = parser.value(ausgabe);
    if (ziel.isEmpty()) {
        fehler << "Keine Ausgabedatei: -o DATEI fehlt.\n" << Aufruf << '\n';
        return 2;
    }

    TProjekt p;
    ProjektErzeugen(p, o);
    QString text;
    if (ProjektSpeichern(p, ziel, text)) return 0;
    fehler << text << '\n';
    return 2;
}
