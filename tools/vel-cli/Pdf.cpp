#include "Aufruf.h"
#include "Befehle.h"
#include "Konsole.h"

#include "model/Projekt.h"
#include "output/Druckbereich.h"
#include "output/Pdflauf.h"
#include "settings/Codeoption.h"
#include "settings/Schuldaten.h"
#include "settings/UReg.h"

#include <QCommandLineParser>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

namespace {

const char* const Aufruf = "Aufruf: vel-cli pdf DATEI (--eltern|--lehrer) -o ORDNER [--von N] [--bis M]";

} // namespace

int BefehlPdf(const QStringList& argumente) {
    QTextStream fehler(stderr);
    const QCommandLineOption eltern = ElternOption();
    const QCommandLineOption lehrer = LehrerOption();
    const QCommandLineOption ausgabe(
        {"o", "ausgabe"}, QString::fromUtf8("Ordner; die Dateien gehen in seinen Unterordner VEL<Jahr>PDF"),
        "ORDNER");
    const QCommandLineOption von({"von", "from"}, QString::fromUtf8("Erste Liste, ab 1 gezählt"), "N");
    const QCommandLineOption bis({"bis", "to"}, QString::fromUtf8("Letzte Liste, einschließlich"), "M");
    QCommandLineParser parser;
    if (const int status =
            Zerlegen(parser, QString::fromUtf8(Aufruf),
                     QString::fromUtf8("Speichert die Gesprächslisten als PDF, eine Datei je Liste; "
                                       "vorhandene Dateien werden überschrieben. Die Elternlisten tragen "
                                       "den QR-Code mit ihren Terminen, wenn er im Listenlayout "
                                       "eingeschaltet ist."),
                     {eltern, lehrer, ausgabe, von, bis}, argumente, 1);
        status >= 0)
        return status;
    if (!ArtUndAusgabeGegeben(parser, ausgabe, QString::fromUtf8(Aufruf), argumente)) return 2;

    TProjekt p;
    if (!ProjektFuerBefehl(parser.positionalArguments().constFirst(), p)) return 2;
    p.ZaehleGespraeche();
    TDruckbereich bereich = BereichAufbauen(p, parser.isSet(eltern), false);
    const int anzahl = static_cast<int>(bereich.Eintraege.size());
    for (const auto& [option, feld] : {std::pair{&von, &bereich.Erster}, std::pair{&bis, &bereich.Letzter}}) {
        if (!parser.isSet(*option)) continue;
        bool ok = false;
        const int n = parser.value(*option).toInt(&ok);
        if (!ok || n < 1 || n > anzahl) {
            fehler << QString::fromUtf8("Ungültiger Wert für %1: %2 (1 bis %3)\n")
                          .arg(Geschrieben(*option, argumente), parser.value(*option))
                          .arg(anzahl);
            return 2;
        }
        *feld = n - 1;
    }
    if (bereich.Erster > bereich.Letzter) {
        fehler << QString::fromUtf8("--von liegt hinter --bis\n");
        return 2;
    }

    TEinstellungsSpeicher speicher;
    const TSchuldaten schule = SchuldatenLesen(speicher);
    TPdfAuftrag auftrag{p, schule, bereich.FuerEltern, PdfZielordner(parser.value(ausgabe), p), {}, true};
    auftrag.Listen = ListenDateien(p, bereich);
    auftrag.Terminecodes = TerminecodeLesen(speicher);
    const bool terminal = isatty(fileno(stderr));
    const int gesamt = static_cast<int>(auftrag.Listen.size());
    TKonsolenMeldung meldung;
    const TDateilaufErgebnis e = PdfLauf(auftrag, meldung, [&](int i) {
        if (terminal) fehler << QStringLiteral("\r%1 von %2").arg(i + 1).arg(gesamt) << Qt::flush;
        return true;
    });
    if (terminal) fehler << '\n';
    if (e.OrdnerFehlt) {
        fehler << QString::fromUtf8("Der Ordner %1 kann nicht angelegt werden.\n").arg(auftrag.Zielordner);
        return 1;
    }
    QTextStream(stdout) << QString::fromUtf8("%1 Dateien in %2\n").arg(e.Geschrieben).arg(auftrag.Zielordner);
    for (const QString& datei : e.Fehlgeschlagen)
        fehler << QString::fromUtf8("Nicht geschrieben: %1\n").arg(datei);
    return e.Fehlgeschlagen.isEmpty() ? 0 : 1;
}
