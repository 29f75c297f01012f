#include "Pdflauf.h"

#include "Gespraechsliste.h"
#include "Pdfliste.h"
#include "Terminecode.h"
#include "Vorausarbeit.h"
#include "model/Datumstexte.h"
#include "model/Projekt.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

QString PdfZielordner(const QString& gewaehlt, const TProjekt& projekt) {
    const QString jahresordner =
        QStringLiteral("VEL%1PDF").arg(DatumAusWert(projekt.Datum[0]).year(), 4, 10, QLatin1Char('0'));
    const QString ordner = QDir::cleanPath(gewaehlt);
    return QFileInfo(ordner).fileName() == jahresordner ? ordner : ordner + u'/' + jahresordner;
}

TDateilaufErgebnis PdfLauf(const TPdfAuftrag& auftrag, TMeldung& fragen,
                           const std::function<bool(int)>& fortschritt) {
    TDateilauf lauf{auftrag.Zielordner, QStringLiteral("pdf"), {}, auftrag.Ueberschreiben};
    for (const TListenDatei& liste : auftrag.Listen)
        lauf.Namen << liste.Name;
    TTerminecodes codes(auftrag.Terminecodes && auftrag.FuerEltern);
    int ohneCode = 0;
    // Composing and drawing only read the project; asking, writing and the progress stay here, in the
    // order of the lists.
    TVorausarbeit listen(
        static_cast<int>(auftrag.Listen.size()),
        [&auftrag, &codes](int i) {
            const TPerson* person = auftrag.Listen[static_cast<size_t>(i)].Person;
            if (!person || person->Zaehler == 0) return QByteArray();
            const TListenAuftrag was{person, auftrag.FuerEltern, false};
            TListenZeilen zeilen;
            ListeZusammenstellen(auftrag.Projekt, was, zeilen);
            return ListeAlsPdf(auftrag.Projekt, auftrag.Schule, was, zeilen, &codes);
        },
        auftrag.Faeden > 0 ? auftrag.Faeden : QThread::idealThreadCount());
    const TDateilaufErgebnis ergebnis = DateienSchreiben(
        lauf,
        [&](int i) {
            QByteArray pdf = listen.Holen(i);
            // Lists made ahead but never taken for writing do not count.
            const TPerson* person = auftrag.Listen[static_cast<size_t>(i)].Person;
            if (person && codes.OhneCode(*person)) ++ohneCode;
            return pdf;
        },
        fragen, fortschritt);
    OhneCodeMelden(fragen, ohneCode);
    return ergebnis;
}
