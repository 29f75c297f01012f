#include "Aufruf.h"
#include "Befehle.h"
#include "Konsole.h"

#include "model/Projekt.h"
#include "scheduler/Planpruefung.h"
#include "scheduler/Verbesserung.h"

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>
#include <unistd.h>

namespace {

// Shows the best plan's waiting on one terminal line.
class TKonsolenVerbesserung : public TVerbesserungsBeobachter {
public:
    explicit TKonsolenVerbesserung(bool anzeigen)
        : Anzeigen(anzeigen) {}

    void Zwischenstand(const TPlanwerte& bester, int prozent) override {
        if (!Anzeigen || prozent == Prozent) return;
        Prozent = prozent;
        QTextStream(stderr) << QString::fromUtf8("\r\x1b[K%1%  Wartezeit der Familien %2  terminiert %3")
                                   .arg(prozent)
                                   .arg(bester.Wartezeit())
                                   .arg(bester.Terminiert)
                            << Qt::flush;
    }
    void Schliessen() {
        if (Anzeigen) QTextStream(stderr) << '\n';
    }

private:
    bool Anzeigen;
    int Prozent = -1;
};

void Vergleich(const TVerbesserungsErgebnis& e) {
    QTextStream aus(stdout);
    auto zeile = [&](const QString& text, int vorher, int nachher) {
        aus << text.leftJustified(50) << QString::number(vorher).rightJustified(8)
            << QString::number(nachher).rightJustified(9) << '\n';
    };
    aus << QString().leftJustified(50) << "  vorher  nachher\n";
    for (const TPlanwertzeile& z : Planwertzeilen(true))
        zeile(z.Text, z.Wert(e.Vorher), z.Wert(e.Nachher));
    zeile(QStringLiteral("Termine am anderen Tag:"), e.Vorher.AndererTag, e.Nachher.AndererTag);
    zeile(QStringLiteral("Familien mit mehreren Terminen:"), e.Vorher.MehrereTermine,
          e.Nachher.MehrereTermine);
    aus << QString::fromUtf8("verlegte Gespräche: ") << e.Alt.size() << '\n'
        << "Schritte: " << e.Schritte << '\n'
        << "Zeit: " << QString::number(e.Sekunden, 'f', 2) << " s\n";
}

} // namespace

int BefehlVerbessern(const QStringList& argumente) {
    QTextStream fehler(stderr);
    const QString aufruf =
        QStringLiteral("Aufruf: vel-cli verbessern DATEI -o AUS [--zeit SEKUNDEN] [--saat N] [--schritte N]");
    const QCommandLineOption ausgabe({"o", "ausgabe"}, QString::fromUtf8("Schreibt das Projekt mit dem Plan"),
                                     "AUS");
    const QCommandLineOption zeit(
        {"zeit", "time"}, QString::fromUtf8("Höchstens so viele Sekunden, ohne Angabe 2"), "SEKUNDEN");
    const QCommandLineOption saat({"saat", "seed"},
                                  QString::fromUtf8("Startwert des Zufalls, ohne Angabe 1; gleicher Wert, "
                                                    "gleicher Plan"),
                                  "N");
    const QCommandLineOption schritte(
        {"schritte", "steps"},
        QString::fromUtf8("Zahl der Suchschritte, ohne Angabe nach der Größe des Plans"), "N");
    QCommandLineParser parser;
    if (const int status =
            Zerlegen(parser, aufruf,
                     QString::fromUtf8("Verbessert einen berechneten Plan wie der Befehl \"Plan "
                                       "verbessern\": kürzere Wartezeiten der Familien."),
                     {ausgabe, zeit, saat, schritte}, argumente, 1);
        status >= 0)
        return status;

    TVerbesserungsOptionen o;
    bool ok = true;
    auto pruefen = [&](const QCommandLineOption& option, bool gelesen) {
        if (!parser.isSet(option) || gelesen) return;
        fehler << QString::fromUtf8("Ungültiger Wert für %1: %2\n")
                      .arg(Geschrieben(option, argumente), parser.value(option))
               << aufruf << '\n';
        ok = false;
    };
    bool gelesen = false;
    if (parser.isSet(zeit)) o.Sekunden = parser.value(zeit).toDouble(&gelesen);
    pruefen(zeit, gelesen && o.Sekunden > 0);
    if (parser.isSet(saat)) o.Saat = parser.value(saat).toUInt(&gelesen);
    pruefen(saat, gelesen);
    if (parser.isSet(schritte)) o.Schritte = parser.value(schritte).toLongLong(&gelesen);
    pruefen(schritte, gelesen && o.Schritte > 0);
    if (!ok) return 2;
    const QString ziel = parser.value(ausgabe);
    if (ziel.isEmpty()) {
        fehler << "Keine Ausgabedatei: -o AUS fehlt.\n" << aufruf << '\n';
        return 2;
    }

    TProjekt p;
    if (!ProjektFuerBefehl(parser.positionalArguments().constFirst(), p)) return 2;
    TKonsolenMeldung meldung;
    ProjektPruefen(p, meldung);
    TKonsolenVerbesserung beobachter(isatty(STDERR_FILENO));
    const TVerbesserungsErgebnis ergebnis = PlanVerbessern(p, o, beobachter);
    beobachter.Schliessen();
    Vergleich(ergebnis);
    for (const QString& befund : PlanPruefen(p))
        fehler << befund << '\n';

    QString text;
    if (!ProjektSpeichern(p, ziel, text)) {
        fehler << text << '\n';
        return 3;
    }
    return 0;
}
