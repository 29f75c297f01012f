#include "Pdflauf.h"

#include "Gespraechsliste.h"
#include "Pdfliste.h"
#include "Terminecode.h"
#include "Vorausarbeit.h"
#include "model/Datumstexte.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "model/TypFunc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <filesystem>

namespace {

// File systems take 255 bytes for a name; the extension and some room stay free.
constexpr int MaxNamensbytes = 200;

enum TAntwort { JaFuerAlle = 0, Ja = 1, Ueberspringen = 2, Abbrechen = 3 };

// A list goes to a file beside its target that then replaces the target in one step, so that no file
// is ever half written under its name. Unlike the project file it is not forced to the disk: that cost
// a tenth of a run of thousands of lists, and a list can be written again from the project any time.
bool Schreiben(const QString& datei, const QByteArray& inhalt) {
    QFile teil(datei + QStringLiteral(".teil"));
    bool ok = teil.open(QIODevice::WriteOnly);
    // A replaced list keeps who may read it.
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

QString PdfZielordner(const QString& gewaehlt, const TProjekt& projekt) {
    const QString jahresordner =
        QStringLiteral("VEL%1PDF").arg(DatumAusWert(projekt.Datum[0]).year(), 4, 10, QLatin1Char('0'));
    const QString ordner = QDir::cleanPath(gewaehlt);
    return QFileInfo(ordner).fileName() == jahresordner ? ordner : ordner + u'/' + jahresordner;
}

QString Dateinamensicher(const QString& name) {
    QString sicher = Dateiname(name);
    for (QChar& c : sicher)
        if (c.unicode() < 0x20) c = u'_';
    while (sicher.toUtf8().size() > MaxNamensbytes)
        sicher.chop(1);
    return sicher.trimmed();
}

TPdfErgebnis PdfLauf(const TPdfAuftrag& auftrag, TMeldung& fragen,
                     const std::function<bool(int)>& fortschritt) {
    TPdfErgebnis ergebnis;
    if (!QDir().mkpath(auftrag.Zielordner)) {
        ergebnis.OrdnerFehlt = true;
        return ergebnis;
    }
    const auto mitListe = [&auftrag](size_t i) {
        const TPerson* person = auftrag.Listen[i].Person;
        return person && person->Zaehler > 0;
    };
    TTerminecodes codes(auftrag.Terminecodes && auftrag.FuerEltern);
    int ohneCode = 0;
    // Composing and drawing only read the project; asking, writing and the progress stay here, in the
    // order of the lists.
    TVorausarbeit listen(
        static_cast<int>(auftrag.Listen.size()),
        [&auftrag, &mitListe, &codes](int i) {
            const size_t n = static_cast<size_t>(i);
            if (!mitListe(n)) return QByteArray();
            const TListenAuftrag was{auftrag.Listen[n].Person, auftrag.FuerEltern, false};
            TListenZeilen zeilen;
            ListeZusammenstellen(auftrag.Projekt, was, zeilen);
            return ListeAlsPdf(auftrag.Projekt, auftrag.Schule, was, zeilen, &codes);
        },
        auftrag.Faeden > 0 ? auftrag.Faeden : QThread::idealThreadCount());
    bool jaFuerAlle = auftrag.Ueberschreiben;
    for (size_t i = 0; i < auftrag.Listen.size() && !ergebnis.Abgebrochen; ++i) {
        if (fortschritt && !fortschritt(static_cast<int>(i))) {
            ergebnis.Abgebrochen = true;
            break;
        }
        if (!mitListe(i)) continue;
        const QByteArray pdf = listen.Holen(static_cast<int>(i));
        const QString name = Dateinamensicher(auftrag.Listen[i].Name);
        const QString datei = auftrag.Zielordner + u'/' + name + QStringLiteral(".pdf");
        if (!jaFuerAlle && QFileInfo::exists(datei)) {
            const int antwort =
                fragen.Auswahl(QStringLiteral("Die Datei \"") + name +
                                   QString::fromUtf8("\" existiert bereits.\rÜberschreiben?"),
                               QString::fromUtf8("Rückfrage"), MeldungsArt::Frage,
                               {QString::fromUtf8("JA für alle"), QStringLiteral("Ja"),
                                QString::fromUtf8("Überspringen"), QStringLiteral("Abbrechen")},
                               Ja);
            if (antwort == JaFuerAlle) jaFuerAlle = true;
            if (antwort == Ueberspringen || antwort == Abbrechen || antwort < 0) {
                ++ergebnis.Uebersprungen;
                ergebnis.Abgebrochen = antwort != Ueberspringen;
                continue;
            }
        }
        if (Schreiben(datei, pdf)) {
            ++ergebnis.Geschrieben;
            // Lists drawn ahead but never written do not count.
            if (codes.OhneCode(*auftrag.Listen[i].Person)) ++ohneCode;
        } else {
            ergebnis.Fehlgeschlagen << datei;
        }
    }
    OhneCodeMelden(fragen, ohneCode);
    return ergebnis;
}
