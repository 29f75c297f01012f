// The teacher and family imports and the teacher export, with the core the program's dialogs use.
#include "Aufruf.h"
#include "Befehle.h"
#include "Konsole.h"
#include "Textquelle.h"

#include "exchange/Familienimport.h"
#include "exchange/Importgrenze.h"
#include "exchange/Importquelle.h"
#include "exchange/Lehreraustausch.h"
#include "model/Projekt.h"
#include "model/Projektoperationen.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace {

const QCommandLineOption Ausgabe(QStringList{"o", "ausgabe"},
                                 QString::fromUtf8("Die Projektdatei, die geschrieben wird"),
                                 QStringLiteral("AUS"));

int Schreiben(TProjekt& p, const QString& pfad) {
    QString fehler;
    if (ProjektSpeichern(p, pfad, fehler)) return 0;
    Fehlerzeile(fehler);
    return 2;
}

// A teacher file and a project file bring their own fields and code page.
bool NurText(const QCommandLineParser& parser, const QStringList& argumente, const QString& quelle) {
    for (const QCommandLineOption& o : Textoptionen())
        if (parser.isSet(o)) {
            Fehlerzeile(QString::fromUtf8("Die Option %1 gilt nur für Textdateien; %2 ist %3.")
                            .arg(Geschrieben(o, argumente), quelle,
                                 Importquelle(quelle) == TImportquelle::Lehrerdatei
                                     ? QStringLiteral("eine Lehrerdatei")
                                     : QStringLiteral("ein Projekt")));
            return false;
        }
    return true;
}

// A field longer than a project file can hold is refused before anything changes.
bool Speicherbar(const TTextimport& datei, const TFeldzuordnung& z, bool lehrer) {
    const QString grund = ZuLangesFeld(datei, z, lehrer);
    if (!grund.isEmpty()) Fehlerzeile(QString(grund).replace(u'\r', u'\n'));
    return grund.isEmpty();
}

int LehrerAusText(TProjekt& p, const QString& quelle, const QCommandLineParser& parser) {
    TTextimport datei;
    TFeldzuordnung z;
    if (!TextLesen(quelle, parser, datei) || !Zuordnen(parser, datei, true, z) ||
        !Speicherbar(datei, z, true))
        return 2;
    if (z[LName] < 0) {
        Fehlerzeile(QString::fromUtf8("Für die Lehrernamen fehlt ein Feld (--feld Name=SPALTE)."));
        return 2;
    }
    Vorschau(datei, z, true);
    const TLehrerImport s = LehrerImportieren(p, datei, z);
    QTextStream(stdout) << QString::fromUtf8("Lehrkräfte angelegt: %1\nErsatzkürzel: %2\n")
                               .arg(s.Angelegt)
                               .arg(s.Ersatzzaehler);
    return 0;
}

int ElternAusText(TProjekt& p, const QString& quelle, const QCommandLineParser& parser, bool anhaengen) {
    TTextimport datei;
    TFeldzuordnung z;
    if (!TextLesen(quelle, parser, datei) || !Zuordnen(parser, datei, false, z) ||
        !Speicherbar(datei, z, false))
        return 2;
    if (z[SNachname] < 0 || z[SVorname] < 0) {
        Fehlerzeile(QString::fromUtf8("Für Vorname und Nachname muss je ein Feld zugeordnet sein."));
        return 2;
    }
    Vorschau(datei, z, false);
    TRueckCollection rueck;
    TFamilienFragen automatisch;
    TFamilienImportStand stand;
    const TFamilienImportErgebnis e = FamilienImportieren(p, rueck, datei, z, anhaengen, automatisch, stand);
    // Replacing the families by none would lose them all.
    if (e.Kinder == 0) {
        Fehlerzeile(QString::fromUtf8("Kein Datensatz hat einen Vornamen; das Projekt bleibt unverändert."));
        return 2;
    }
    QTextStream(stdout) << QString::fromUtf8("Familien angelegt: %1\nKinder angelegt: %2\nGeschwister "
                                             "zugeordnet: %3\n")
                               .arg(e.Familien)
                               .arg(e.Kinder)
                               .arg(e.Geschwister);
    return 0;
}

int LehrerEinlesen(TProjekt& p, const QString& quelle, const QCommandLineParser& parser) {
    TKonsolenMeldung meldung;
    switch (Importquelle(quelle)) {
    case TImportquelle::Lehrerdatei:
        if (!LehrerdateiLaden(quelle, p, meldung)) return 2;
        break;
    case TImportquelle::Projekt:
        if (!LehrerAusProjekt(p, quelle, meldung)) return 2;
        break;
    case TImportquelle::Text:
        return LehrerAusText(p, quelle, parser);
    }
    QTextStream(stdout) << QString::fromUtf8("Lehrkräfte übernommen: %1\n").arg(p.Lehrerliste.Count());
    return 0;
}

int ElternEinlesen(TProjekt& p, const QString& quelle, const QCommandLineParser& parser, bool anhaengen) {
    switch (Importquelle(quelle)) {
    case TImportquelle::Lehrerdatei:
        Fehlerzeile(QString::fromUtf8("%1 ist eine Lehrerdatei und enthält keine Familien.").arg(quelle));
        return 2;
    case TImportquelle::Projekt:
        break;
    case TImportquelle::Text:
        return ElternAusText(p, quelle, parser, anhaengen);
    }
    TKonsolenMeldung meldung;
    TRueckCollection rueck;
    const int vorher = anhaengen ? p.Elternliste.Count() : 0;
    if (!ElternAusProjekt(p, rueck, quelle, anhaengen, meldung)) {
        Fehlerzeile(QString::fromUtf8("Aus %1 wurden keine Familien übernommen; das Projekt bleibt "
                                      "unverändert.")
                        .arg(quelle));
        return 2;
    }
    QTextStream(stdout) << QString::fromUtf8("Familien übernommen: %1\n").arg(p.Elternliste.Count() - vorher);
    return 0;
}

int Import(const QStringList& argumente, bool lehrer) {
    const QCommandLineOption anhaengen(
        QStringList{"anhaengen"},
        QString::fromUtf8("Behält die bisherigen Familien und ergänzt die importierten"));
    QList<QCommandLineOption> optionen = Textoptionen() << Ausgabe;
    if (!lehrer) optionen << anhaengen;
    QCommandLineParser parser;
    const QString befehl = lehrer ? QStringLiteral("import-lehrer") : QStringLiteral("import-eltern");
    const QString ziele = Zielfelder(lehrer).join(", ");
    if (const int status = Zerlegen(
            parser,
            QStringLiteral("Aufruf: vel-cli %1 PROJEKT DATEI [--feld ZIEL=SPALTE ...] -o AUS%2")
                .arg(befehl, lehrer ? QString() : QStringLiteral(" [--anhaengen]")),
            (lehrer ? QString::fromUtf8("Ersetzt die Lehrerliste durch die Lehrkräfte einer Textdatei, einer "
                                        "Lehrerdatei (.ldt) oder eines Projekts (.pdt). ")
                    : QString::fromUtf8(
                          "Liest Schüler aus einer Textdatei und legt Familien mit ihren Kindern an; "
                          "Geschwister werden wie bei \"Automatisch zuordnen\" erkannt. Aus einem Projekt "
                          "(.pdt) werden dessen Familien übernommen. ")) +
                QString::fromUtf8("Eine Textdatei beginnt mit einer Kopfzeile, wenn keines ihrer Felder "
                                  "leer ist. Zielfelder: ") +
                ziele,
            optionen, argumente, 2);
        status >= 0)
        return status;
    if (!parser.isSet(Ausgabe)) {
        Fehlerzeile(QString::fromUtf8("Es fehlt die Ausgabedatei (-o AUS)."));
        return 2;
    }
    const QString quelle = parser.positionalArguments()[1];
    if (Importquelle(quelle) != TImportquelle::Text && !NurText(parser, argumente, quelle)) return 2;
    TProjekt p;
    if (!ProjektFuerBefehl(parser.positionalArguments()[0], p)) return 2;
    if (lehrer) {
        if (!p.Gespraechsliste.Leer()) {
            Fehlerzeile(
                QString::fromUtf8("Eltern haben Wünsche an die derzeitige Lehrerliste; sie wird nicht "
                                  "ersetzt."));
            return 2;
        }
        if (const int status = LehrerEinlesen(p, quelle, parser)) return status;
        LehrerImportAbschliessen(p);
    } else {
        if (const int status = ElternEinlesen(p, quelle, parser, parser.isSet(anhaengen))) return status;
        ElternImportAbschliessen(p);
    }
    return Schreiben(p, parser.value(Ausgabe));
}

} // namespace

int BefehlImportLehrer(const QStringList& argumente) {
    return Import(argumente, true);
}

int BefehlImportEltern(const QStringList& argumente) {
    return Import(argumente, false);
}

int BefehlExportLehrer(const QStringList& argumente) {
    QCommandLineParser parser;
    if (const int status =
            Zerlegen(parser, QStringLiteral("Aufruf: vel-cli export-lehrer PROJEKT AUS(.ldt|.txt)"),
                     QString::fromUtf8("Schreibt die Lehrerliste als Lehrerdatei (.ldt) oder als "
                                       "Text mit Semikolons (jede andere Endung)."),
                     {}, argumente, 2);
        status >= 0)
        return status;
    TProjekt p;
    if (!ProjektFuerBefehl(parser.positionalArguments()[0], p)) return 2;
    const QString ziel = parser.positionalArguments()[1];
    QString fehler;
    if (QFileInfo(ziel).suffix().toLower() == QStringLiteral("ldt")) {
        if (LehrerdateiSpeichern(p.Lehrerliste, ziel, fehler)) return 0;
    } else {
        QSaveFile datei(ziel);
        if (datei.open(QIODevice::WriteOnly) && datei.write(LehrerTextExport(p.Lehrerliste)) >= 0 &&
            datei.commit())
            return 0;
        fehler = QString::fromUtf8("Die Datei %1 kann nicht geschrieben werden: %2")
                     .arg(ziel, datei.errorString());
    }
    Fehlerzeile(fehler);
    return 2;
}
