#include "Dateilauf.h"

#include "Druckbereich.h"
#include "model/Meldung.h"
#include "model/TypFunc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

namespace {

// File systems take 255 bytes for a name; the extension and some room stay free.
constexpr int MaxNamensbytes = 200;

enum TAntwort { JaFuerAlle = 0, Ja = 1, Ueberspringen = 2, Abbrechen = 3 };

// A file goes beside its target and then replaces the target in one step, so that no file is ever half
// written under its name. Unlike the project file it is not forced to the disk: that cost a tenth of a
// run of thousands of lists, and a list can be written again from the project any time.
bool Schreiben(const QString& datei, const QByteArray& inhalt) {
    QFile teil(datei + QStringLiteral(".teil"));
    bool ok = teil.open(QIODevice::WriteOnly);
    // A replaced file keeps who may read it.
    if (ok && QFileInfo::exists(datei)) teil.setPermissions(QFile::permissions(datei));
    ok = ok && teil.write(inhalt) == inhalt.size() && teil.flush();
    teil.close();
    std::error_code fehler;
    if (ok)
        std::filesystem::rename(QFile::encodeName(teil.fileName()).toStdString(),
                                QFile::encodeName(datei).toStdString(), fehler);
    ok = ok && !fehler;
    if (!ok) teil.remove();
    return ok;
}

} // namespace

std::vector<TListenDatei> ListenDateien(const TProjekt& projekt, const TDruckbereich& bereich) {
    std::vector<TListenDatei> dateien;
    for (int i = bereich.Erster; i <= bereich.Letzter; ++i)
        dateien.push_back({bereich.Eintraege[static_cast<size_t>(i)].Person,
                           ListenName(projekt, bereich, i, i - bereich.Erster + 1, true)});
    return dateien;
}

QString Dateinamensicher(const QString& name) {
    QString sicher = Dateiname(name);
    for (QChar& c : sicher)
        if (c.unicode() < 0x20) c = u'_';
    while (sicher.toUtf8().size() > MaxNamensbytes)
        sicher.chop(1);
    return sicher.trimmed();
}

TDateilaufErgebnis DateienSchreiben(const TDateilauf& lauf, const std::function<QByteArray(int)>& inhalt,
                                    TMeldung& fragen, const std::function<bool(int)>& fortschritt) {
    TDateilaufErgebnis ergebnis;
    if (!QDir().mkpath(lauf.Zielordner)) {
        ergebnis.OrdnerFehlt = true;
        return ergebnis;
    }
    bool jaFuerAlle = lauf.Ueberschreiben;
    for (qsizetype i = 0; i < lauf.Namen.size() && !ergebnis.Abgebrochen; ++i) {
        if (fortschritt && !fortschritt(static_cast<int>(i))) {
            ergebnis.Abgebrochen = true;
            break;
        }
        const QByteArray daten = inhalt(static_cast<int>(i));
        if (daten.isEmpty()) continue;
        const QString name = Dateinamensicher(lauf.Namen[i]);
        const QString datei = lauf.Zielordner + u'/' + name + u'.' + lauf.Endung;
        if (!jaFuerAlle && QFileInfo::exists(datei)) {
            const QString genannt = lauf.EndungNennen ? name + u'.' + lauf.Endung : name;
            const int antwort =
                fragen.Auswahl(QStringLiteral("Die Datei \"") + genannt +
                                   QString::fromUtf8("\" existiert bereits.\rÜberschreiben?"),
                               QString::fromUtf8("Rückfrage"), MeldungsArt::Frage,
                               {QString::fromUtf8("JA für alle"), QStringLiteral("Ja"),
                                QString::fromUtf8("Überspringen"), QStringLiteral("Abbrechen")},
                               Ja);
            if (antwort == JaFuerAlle) jaFuerAlle = ergebnis.AlleUeberschreiben = true;
            if (antwort == Ueberspringen || antwort == Abbrechen || antwort < 0) {
                ++ergebnis.Uebersprungen;
                ergebnis.Abgebrochen = antwort != Ueberspringen;
                continue;
            }
        }
        if (Schreiben(datei, daten))
            ++ergebnis.Geschrieben;
        else
            ergebnis.Fehlgeschlagen << datei;
    }
    return ergebnis;
}
