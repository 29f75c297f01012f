#include "Textquelle.h"

#include "Konsole.h"
#include "exchange/Kodierungsspuren.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>
#include <algorithm>

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
const QCommandLineOption
    OhneKopfzeile(QStringList{"ohne-kopfzeile"},
                  QString::fromUtf8("Die erste Zeile ist schon ein Datensatz (Spalten als Nummern)"));
const QCommandLineOption MitKopfzeile(QStringList{"mit-kopfzeile"},
                                      QString::fromUtf8("Die erste Zeile nennt die Felder, auch wenn "
                                                        "eines davon leer ist"));

const QStringList Kodierungswerte{"dos", "windows", "utf8"};
const QStringList Kodierungsnamen{"DOS-Text", "Windows-Text", "UTF-8"};

QString Kodierungsname(TKodierung k) {
    return Kodierungsnamen[int(k)];
}

// Control characters as \x81, so that a name read in the wrong code page shows what it holds.
QString Sichtbar(const QString& text) {
    QString s;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        s += u < 0x20 || (u >= 0x7F && u < 0xA0)
                 ? QStringLiteral("\\x") + QString::number(u, 16).toUpper().rightJustified(2, u'0')
                 : QString(c);
    }
    return u'"' + s + u'"';
}

QString Spaltenliste(const TTextimport& datei) {
    if (datei.KopfIstDatensatz) return QString::fromUtf8("Nummern 1 bis %1").arg(datei.Spalten());
    QStringList spalten;
    for (int k = 0; k < datei.Spalten(); ++k)
        spalten << QStringLiteral("%1 %2").arg(k + 1).arg(datei.Kopf[k]);
    return spalten.join(QStringLiteral(", "));
}

} // namespace

QList<QCommandLineOption> Textoptionen() {
    return {Feld, Kodierung, OhneKopfzeile, MitKopfzeile};
}

bool TextLesen(const QString& pfad, const QCommandLineParser& parser, TTextimport& datei) {
    if (parser.isSet(OhneKopfzeile) && parser.isSet(MitKopfzeile)) {
        Fehlerzeile(QString::fromUtf8("--ohne-kopfzeile und --mit-kopfzeile schließen einander aus."));
        return false;
    }
    QString kodierung;
    if (parser.isSet(Kodierung)) {
        kodierung = parser.value(Kodierung).toLower();
        if (!Kodierungswerte.contains(kodierung)) {
            Fehlerzeile(
                QString::fromUtf8("Unbekannte Kodierung: %1 (dos, windows oder utf8)").arg(kodierung));
            return false;
        }
    }
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        Fehlerzeile(
            QString::fromUtf8("Die Datei %1 kann nicht gelesen werden: %2").arg(pfad, f.errorString()));
        return false;
    }
    datei = TTextimport::Lesen(f.readAll());
    QTextStream aus(stdout);
    if (kodierung.isEmpty()) {
        aus << "Kodierung: " << Kodierungsname(datei.Kodierung) << " (erkannt)\n";
    } else {
        datei.KodierungSetzen(TKodierung(Kodierungswerte.indexOf(kodierung)));
        aus << "Kodierung: " << Kodierungsname(datei.Kodierung) << '\n';
    }
    aus.flush();
    if (const QString befund = Utf8Mischbefund(datei); !befund.isEmpty())
        Fehlerzeile(QStringLiteral("Warnung: ") + befund +
                    QStringLiteral(" Bitte prüfen Sie diese Namen oder wählen Sie mit --kodierung windows "
                                   "oder --kodierung dos eine andere Kodierung."));
    // A file holding just its header line would give one record named like the fields: unlike the dialog,
    // nobody sees the table here, so only an empty field name makes the first line a record.
    const bool ohne =
        parser.isSet(OhneKopfzeile) || (!parser.isSet(MitKopfzeile) && ErsteZeileIstDatensatz(datei.Kopf));
    datei.KopfAlsDatensatz(ohne);
    if (ohne)
        aus << (parser.isSet(OhneKopfzeile)
                    ? QStringLiteral("Keine Kopfzeile.\n")
                    : QString::fromUtf8("Keine Kopfzeile: In der ersten Zeile ist ein Feld leer, sie ist ein "
                                        "Datensatz (--mit-kopfzeile liest sie als Kopfzeile).\n"));
    else if (!datei.Kopf.isEmpty())
        aus << "Kopfzeile: " << datei.Kopf.join(QStringLiteral(", "))
            << (parser.isSet(MitKopfzeile)
                    ? QStringLiteral("\n")
                    : QString::fromUtf8(" (--ohne-kopfzeile, wenn sie schon ein Datensatz ist)\n"));
    aus.flush();
    if (!datei.Zeilen.empty()) return true;
    if (datei.Kopf.isEmpty())
        Fehlerzeile(
            QString::fromUtf8("Die Datei %1 enthält keine Datensätze; das Projekt bleibt unverändert.")
                .arg(pfad));
    else
        Fehlerzeile(
            QString::fromUtf8("Die Datei %1 enthält nur die Kopfzeile und keine Datensätze; das Projekt "
                              "bleibt unverändert. Ist die Zeile ein Datensatz, liest "
                              "--ohne-kopfzeile sie als solchen.")
                .arg(pfad));
    return false;
}

bool Zuordnen(const QCommandLineParser& parser, const TTextimport& datei, bool lehrer, TFeldzuordnung& z) {
    z = KeineZuordnung;
    const QStringList ziele = Zielfelder(lehrer);
    for (const QString& angabe : parser.values(Feld)) {
        const qsizetype gleich = angabe.indexOf(u'=');
        const QString ziel = angabe.left(gleich);
        const QString spalte = gleich < 0 ? QString() : angabe.mid(gleich + 1);
        const qsizetype j = ziele.indexOf(ziel);
        if (j < 0) {
            Fehlerzeile(
                QString::fromUtf8("Unbekanntes Zielfeld: %1 (möglich: %2)").arg(ziel, ziele.join(", ")));
            return false;
        }
        bool zahl = false;
        int s = spalte.toInt(&zahl) - 1;
        // Without a header line the first record's texts are no names of columns.
        if (!zahl) s = datei.KopfIstDatensatz ? -1 : int(datei.Kopf.indexOf(spalte));
        if (s < 0 || s >= datei.Spalten()) {
            Fehlerzeile(QString::fromUtf8("Keine Spalte %1 in der Datei (Spalten: %2)")
                            .arg(spalte, Spaltenliste(datei)));
            return false;
        }
        z[size_t(j)] = s;
    }
    return true;
}

void Vorschau(const TTextimport& datei, const TFeldzuordnung& z, bool lehrer) {
    // The encoding shows in names beyond ASCII, which may come far down the file.
    QStringList namen;
    QStringList sonderzeichen;
    for (size_t i = 0; i < datei.Zeilen.size() && sonderzeichen.size() < 3; ++i) {
        const auto texte = datei.Felder(i, z);
        const QString name = lehrer ? texte[LName] : (texte[SVorname] + u' ' + texte[SNachname]).trimmed();
        if (name.isEmpty()) continue;
        if (namen.size() < 3)
            namen << Sichtbar(name);
        else if (std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() >= 0x80; }))
            sonderzeichen << Sichtbar(name);
    }
    QTextStream aus(stdout);
    aus << QString::fromUtf8("Datensätze: %1\n").arg(datei.Zeilen.size())
        << "Erste Namen: " << namen.join(QStringLiteral(", ")) << '\n';
    if (!sonderzeichen.isEmpty())
        aus << "Weitere Namen mit Sonderzeichen: " << sonderzeichen.join(QStringLiteral(", ")) << '\n';
    aus.flush();
    const auto verdacht = KodierungsverdachtPruefen(datei);
    if (!verdacht) return;
    QStringList beispiele;
    for (qsizetype i = 0; i < verdacht->Gelesen.size(); ++i)
        beispiele << QString::fromUtf8("%1 wäre %2")
                         .arg(Sichtbar(verdacht->Gelesen[i]), Sichtbar(verdacht->Besser[i]));
    const QString felder = verdacht->Felder == 1 ? QString::fromUtf8("ein Feld sieht")
                                                 : QString::fromUtf8("%1 Felder sehen").arg(verdacht->Felder);
    Fehlerzeile(QString::fromUtf8("Warnung: Die Datei wurde als %1 gelesen, aber %2 nach %3 aus: %4. Mit "
                                  "--kodierung %5 wird sie als %3 gelesen.")
                    .arg(Kodierungsname(datei.Kodierung), felder, Kodierungsname(verdacht->Kodierung),
                         beispiele.join(QStringLiteral(", ")), Kodierungswerte[int(verdacht->Kodierung)]));
}
