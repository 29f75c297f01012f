#include "Aufruf.h"
#include "Befehle.h"
#include "Konsole.h"

#include "model/Projekt.h"
#include "output/Rtfdokument.h"

#include <QCommandLineParser>
#include <QSaveFile>
#include <QTextStream>

namespace {

const char* const Aufruf = "Aufruf: vel-cli rtf DATEI (--eltern|--lehrer) -o AUS.rtf";

} // namespace

int BefehlRtf(const QStringList& argumente) {
    QTextStream fehler(stderr);
    const QCommandLineOption eltern = ElternOption();
    const QCommandLineOption lehrer = LehrerOption();
    const QCommandLineOption ausgabe({"o", "ausgabe"}, QStringLiteral("Die RTF-Datei"), "AUS.rtf");
    QCommandLineParser parser;
    if (const int status =
            Zerlegen(parser, QString::fromUtf8(Aufruf),
                     QString::fromUtf8("Speichert die Gesprächslisten aller Familien oder aller Lehrkräfte "
                                       "mit Gesprächen als ein Dokument im Rich Text Format, wie der "
                                       "Export im Programm; eine vorhandene Datei wird überschrieben."),
                     {eltern, lehrer, ausgabe}, argumente, 1);
        status >= 0)
        return status;
    if (!ArtUndAusgabeGegeben(parser, ausgabe, QString::fromUtf8(Aufruf), argumente)) return 2;

    TProjekt p;
    if (!ProjektFuerBefehl(parser.positionalArguments().constFirst(), p)) return 2;
    p.ZaehleGespraeche();
    const TRtfDokument dokument = RtfErzeugen(p, parser.isSet(eltern), TRtfFassung::Datei);
    const QString datei = parser.value(ausgabe);
    QSaveFile f(datei);
    if (!(f.open(QIODevice::WriteOnly) && f.write(dokument.Daten) == dokument.Daten.size() && f.commit())) {
        fehler << QString::fromUtf8("Die Datei %1 kann nicht geschrieben werden: %2\n")
                      .arg(datei, f.errorString());
        return 1;
    }
    QTextStream(stdout) << QString::fromUtf8("%1 Listen in %2\n").arg(dokument.Listen).arg(datei);
    return 0;
}
