#include "Aufruf.h"
#include "Befehle.h"
#include "Konsole.h"

#include "model/Projekt.h"
#include "output/Druckbereich.h"
#include "output/Kalenderlauf.h"
#include "output/Pdflauf.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace {

const char* const Aufruf = "Aufruf: vel-cli ics DATEI (--eltern|--lehrer) -o ORDNER [--utc]";

} // namespace

int BefehlIcs(const QStringList& argumente) {
    QTextStream fehler(stderr);
    const QCommandLineOption eltern = ElternOption();
    const QCommandLineOption lehrer = LehrerOption();
    const QCommandLineOption ausgabe(
        {"o", "ausgabe", "ordner"},
        QString::fromUtf8("Ordner; die Dateien gehen wie die PDF-Listen in seinen Unterordner VEL<Jahr>PDF"),
        "ORDNER");
    const QCommandLineOption utc(
        "utc", QString::fromUtf8("Zeiten in UTC statt in der Ortszeit Europe/Berlin (kürzere Dateien)"));
    QCommandLineParser parser;
    if (const int status =
            Zerlegen(parser, QString::fromUtf8(Aufruf),
                     QString::fromUtf8("Speichert die Termine jeder Familie oder Lehrkraft mit Terminen als "
                                       "Kalenderdatei (iCalendar, .ics), benannt wie die PDF-Listen; "
                                       "vorhandene Dateien werden überschrieben. Eine erneut gespeicherte "
                                       "Datei ändert im Kalender die Termine, statt sie zu verdoppeln."),
                     {eltern, lehrer, ausgabe, utc}, argumente, 1);
        status >= 0)
        return status;
    if (!ArtUndAusgabeGegeben(parser, ausgabe, QString::fromUtf8(Aufruf), argumente)) return 2;

    TProjekt p;
    if (!ProjektFuerBefehl(parser.positionalArguments().constFirst(), p)) return 2;
    p.ZaehleGespraeche();
    const TDruckbereich bereich = BereichAufbauen(p, parser.isSet(eltern), false);
    const TKalenderAuftrag auftrag{p,
                                   bereich.FuerEltern,
                                   PdfZielordner(parser.value(ausgabe), p),
                                   ListenDateien(p, bereich),
                                   true,
                                   parser.isSet(utc) ? TKalenderzeit::Utc : TKalenderzeit::Berlin};
    TKonsolenMeldung meldung;
    const TDateilaufErgebnis e = KalenderLauf(auftrag, meldung);
    if (e.OrdnerFehlt) {
        fehler << QString::fromUtf8("Der Ordner %1 kann nicht angelegt werden.\n").arg(auftrag.Zielordner);
        return 1;
    }
    QTextStream(stdout)
        << QString::fromUtf8("%1 Kalenderdateien in %2\n").arg(e.Geschrieben).arg(auftrag.Zielordner);
    for (const QString& datei : e.Fehlgeschlagen)
        fehler << QString::fromUtf8("Nicht geschrieben: %1\n").arg(datei);
    return e.Fehlgeschlagen.isEmpty() ? 0 : 1;
}
