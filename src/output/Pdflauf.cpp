#include "Pdflauf.h"

#include "Gespraechsliste.h"
#include "Pdfliste.h"
#include "Vorausarbeit.h"
#include "model/Datumstexte.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "model/TypFunc.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

namespace {

// File systems take 255 bytes for a name; the extension and some room stay free.
constexpr int MaxNamensbytes = 200;

enum TAntwort { JaFuerAlle = 0, Ja = 1, Ueberspringen = 2, Abbrechen = 3 };

bool Schreiben(const QString& datei, const QByteArray& inhalt) {
    QSaveFile f(datei);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size() && f.commit();
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
    // Composing and drawing only read the project; asking, writing and the progress stay here, in the
    // order of the lists.
    TVorausarbeit listen(
        static_cast<int>(auftrag.Listen.size()),
        [&auftrag, &mitListe](int i) {
            const size_t n = static_cast<size_t>(i);
            if (!mitListe(n)) return QByteArray();
            const TListenAuftrag was{auftrag.Listen[n].Person, auftrag.FuerEltern, false};
            TListenZeilen zeilen;
            ListeZusammenstellen(auftrag.Projekt, was, zeilen);
            return ListeAlsPdf(auftrag.Projekt, auftrag.Schule, was, zeilen);
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
        if (Schreiben(datei, pdf))
            ++ergebnis.Geschrieben;
        else
            ergebnis.Fehlgeschlagen << datei;
    }
    return ergebnis;
}
