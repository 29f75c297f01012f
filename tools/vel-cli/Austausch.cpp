// The teacher and family imports and the teacher export, with the core the program's dialogs use.
#include "Aufruf.h"
#include "Befehle.h"
#include "Konsole.h"

#include "exchange/Familienimport.h"
#include "exchange/Importgrenze.h"
#include "exchange/Lehreraustausch.h"
#include "model/Projekt.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace {

const QCommandLineOption
    Feld(QStringList{"feld"},
         QString::fromUtf8("Ordnet dem Zielfeld eine Spalte zu, als Spaltenüberschrift oder "
                           "Nummer ab 1 (mehrfach angeben)"),
         QStringLiteral("ZIEL=SPALTE"));
const QCommandLineOption
    Kodierung(QStringList{"kodierung"},
              QString::fromUtf8("Kodierung der Datei statt der erkannten: dos, windows, utf8"),
              QStringLiteral("KODIERUNG"));
const QCommandLineOption Ausgabe(QStringList{"o", "ausgabe"},
                                 QString::fromUtf8("Die Projektdatei, die geschrieben wird"),
                                 QStringLiteral("AUS"));

QTextStream& Fehler() {
    static QTextStream fehler(stderr);
    return fehler;
}

// Reads the import file and applies the encoding asked for; false with a message on failure.
bool Einlesen(const QString& pfad, const QCommandLineParser& parser, TTextimport& datei) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        Fehler()
            << QString::fromUtf8("Die Datei %1 kann nicht gelesen werden: %2\n").arg(pfad, f.errorString());
        return false;
    }
    datei = TTextimport::Lesen(f.readAll());
    if (!parser.isSet(Kodierung)) return true;
    const QString k = parser.value(Kodierung).toLower();
    const QStringList namen{"dos", "windows", "utf8"};
    if (!namen.contains(k)) {
        Fehler() << QString::fromUtf8("Unbekannte Kodierung: %1 (dos, windows oder utf8)\n").arg(k);
        return false;
    }
    datei.KodierungSetzen(TKodierung(namen.indexOf(k)));
    return true;
}

// The assignment of the --feld options; false with a message for an unknown target or column.
bool Zuordnen(const QCommandLineParser& parser, const TTextimport& datei, bool lehrer, TFeldzuordnung& z) {
    z = KeineZuordnung;
    const QStringList ziele = Zielfelder(lehrer);
    for (const QString& angabe : parser.values(Feld)) {
        const qsizetype gleich = angabe.indexOf(u'=');
        const QString ziel = angabe.left(gleich);
        const QString spalte = gleich < 0 ? QString() : angabe.mid(gleich + 1);
        const qsizetype j = ziele.indexOf(ziel);
        if (j < 0) {
            Fehler()
                << QString::fromUtf8("Unbekanntes Zielfeld: %1 (möglich: %2)\n").arg(ziel, ziele.join(", "));
            return false;
        }
        bool zahl = false;
        int s = spalte.toInt(&zahl) - 1;
        if (!zahl) s = int(datei.Kopf.indexOf(spalte));
        if (s < 0 || s >= datei.Spalten()) {
            Fehler() << QString::fromUtf8("Keine Spalte %1 in der Datei (Spalten: %2)\n")
                            .arg(spalte, datei.Kopf.join(", "));
            return false;
        }
        z[size_t(j)] = s;
    }
    return true;
}

int Schreiben(TProjekt& p, const QString& pfad) {
    QString fehler;
    if (ProjektSpeichern(p, pfad, fehler)) return 0;
    Fehler() << fehler << '\n';
    return 2;
}

int Import(const QStringList& argumente, bool lehrer) {
    const QCommandLineOption anhaengen(
        QStringList{"anhaengen"},
        QString::fromUtf8("Behält die bisherigen Familien und ergänzt die importierten"));
    QList<QCommandLineOption> optionen{Feld, Kodierung, Ausgabe};
    if (!lehrer) optionen << anhaengen;
    QCommandLineParser parser;
    const QString befehl = lehrer ? QStringLiteral("import-lehrer") : QStringLiteral("import-eltern");
    const QString ziele = Zielfelder(lehrer).join(", ");
    if (const int status = Zerlegen(
            parser,
            QStringLiteral("Aufruf: vel-cli %1 PROJEKT DATEI --feld ZIEL=SPALTE ... -o AUS%2")
                .arg(befehl, lehrer ? QString() : QStringLiteral(" [--anhaengen]")),
            (lehrer ? QString::fromUtf8("Ersetzt die Lehrerliste durch die Lehrkräfte einer Textdatei. ")
                    : QString::fromUtf8(
                          "Liest Schüler aus einer Textdatei und legt Familien mit ihren Kindern an; "
                          "Geschwister werden wie bei \"Automatisch zuordnen\" erkannt. ")) +
                QString::fromUtf8("Zielfelder: ") + ziele,
            optionen, argumente, 2);
        status >= 0)
        return status;
    if (!parser.isSet(Ausgabe)) {
        Fehler() << QString::fromUtf8("Es fehlt die Ausgabedatei (-o AUS).\n");
        return 2;
    }
    TProjekt p;
    if (ProjektFuerBefehl(parser.positionalArguments()[0], p)) return 2;
    TTextimport datei;
    TFeldzuordnung z;
    if (!Einlesen(parser.positionalArguments()[1], parser, datei) || !Zuordnen(parser, datei, lehrer, z))
        return 2;
    if (const QString grund = ZuLangesFeld(datei, z, lehrer); !grund.isEmpty()) {
        Fehler() << QString(grund).replace(u'\r', u'\n') << '\n';
        return 2;
    }
    QTextStream aus(stdout);
    if (lehrer) {
        if (!p.Gespraechsliste.Leer()) {
            Fehler() << QString::fromUtf8(
                "Eltern haben Wünsche an die derzeitige Lehrerliste; sie wird nicht "
                "ersetzt.\n");
            return 2;
        }
        if (z[LName] < 0) {
            Fehler() << QString::fromUtf8("Für die Lehrernamen fehlt ein Feld (--feld Name=SPALTE).\n");
            return 2;
        }
        const TLehrerImport s = LehrerImportieren(p, datei, z);
        p.Lehrerliste.LehrerSortieren();
        aus << QString::fromUtf8("Lehrkräfte angelegt: %1\nErsatzkürzel: %2\n")
                   .arg(s.Angelegt)
                   .arg(s.Ersatzzaehler);
    } else {
        if (z[SNachname] < 0 || z[SVorname] < 0) {
            Fehler() << QString::fromUtf8("Für Vorname und Nachname muss je ein Feld zugeordnet sein.\n");
            return 2;
        }
        TRueckCollection rueck;
        TFamilienFragen automatisch;
        TFamilienImportStand stand;
        const TFamilienImportErgebnis e =
            FamilienImportieren(p, rueck, datei, z, parser.isSet(anhaengen), automatisch, stand);
        aus << QString::fromUtf8("Familien angelegt: %1\nKinder angelegt: %2\nGeschwister zugeordnet: %3\n")
                   .arg(e.Familien)
                   .arg(e.Kinder)
                   .arg(e.Geschwister);
    }
    aus.flush();
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
    if (ProjektFuerBefehl(parser.positionalArguments()[0], p)) return 2;
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
    Fehler() << fehler << '\n';
    return 2;
}
