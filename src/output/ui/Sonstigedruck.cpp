#include "Sonstigedruck.h"

#include "Druckausgabe.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "output/Uebersichtseiten.h"
#include "output/Zeichenziel.h"
#include "ui/Dateiwahl.h"

#include <QPrinter>
#include <QSaveFile>

namespace {

bool PapierPruefen(const TSonstigeAusgabe& a, const TSeitenmetrik& metrik) {
    if (PapierGeeignet(metrik)) return true;
    a.Meldungen.Meldung(QString::fromUtf8(PapierUngeeignetText), QString::fromUtf8(PapierUngeeignetTitel),
                        MeldungsArt::Warnung);
    return false;
}

} // namespace

bool SonstigesDrucken(const TSonstigeAusgabe& a, const QString& titel, const TSonstigesZeichnen& zeichnen) {
    const TSeitenmetrik metrik = GeraetMetrikLesen(a.Drucker, a.Projekt.Listenlayout.ListenAusrichtung);
    if (!PapierPruefen(a, metrik)) return false;
    a.Drucker.setDocName(titel);
    TSeitenziel ziel(a.Drucker);
    if (!ziel.Maler().isActive()) {
        a.Meldungen.Meldung(QStringLiteral("Der Drucker ist nicht bereit."), QStringLiteral("Drucken"),
                            MeldungsArt::Fehler);
        return false;
    }
    zeichnen(ziel, metrik);
    return ziel.Maler().end();
}

bool SonstigesAlsPdf(const TSonstigeAusgabe& a, const QString& dialogtitel, const QString& name,
                     const TSonstigesZeichnen& zeichnen) {
    const QString ordner = a.PdfOrdner.isEmpty() ? DesktopOrdner() : a.PdfOrdner;
    const QString datei =
        a.Dateiwahl.SpeichernWaehlen({dialogtitel, QStringLiteral("PDF-Dateien (*.pdf);;Alle Dateien (*)"),
                                      QStringLiteral("pdf"), ordner, name});
    if (datei.isEmpty()) return false;
    QSaveFile ziel(datei);
    if (ziel.open(QIODevice::WriteOnly)) {
        ziel.write(SonstigesPdf(a.Projekt, dialogtitel, zeichnen));
        if (ziel.commit()) return true;
    }
    // Unlike a silent failure, the user learns that the file is not there.
    a.Meldungen.Meldung(QString::fromUtf8("Die Datei %1 kann nicht geschrieben werden.").arg(datei),
                        QStringLiteral("PDF speichern"), MeldungsArt::Fehler);
    return false;
}
