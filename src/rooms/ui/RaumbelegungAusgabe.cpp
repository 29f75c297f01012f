// The plan as a text table, on paper and as PDF.
#include "PrintRaumplan.h"
#include "Raumbelegung.h"
#include "Raumgitter.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "model/VELMemStream.h"
#include "output/Zeichenziel.h"
#include "output/ui/Druckausgabe.h"
#include "rooms/Raumplandruck.h"
#include "rooms/Raumplanseiten.h"
#include "ui/Dateiwahl.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {

// A printer set to write a PDF file (as in tests) prints as well as a real one.
QString Druckername(const QPrinter& drucker) {
    if (drucker.outputFormat() == QPrinter::PdfFormat) return drucker.outputFileName();
    const QString name = drucker.printerName();
    return name.isEmpty() ? QPrinterInfo::defaultPrinterName() : name;
}

} // namespace

void TFRaumbelegung::Export1Click() {
    const QString datei =
        Dateiwahl.SpeichernWaehlen({QStringLiteral("Raumbelegung exportieren"),
                                    QStringLiteral("csv-Tabelle (*.csv *.txt);;Alle Dateien (*)"),
                                    QStringLiteral("txt"),
                                    DesktopOrdner(),
                                    {}});
    if (datei.isEmpty()) return;
    QString fehler;
    if (!DateiSchreiben(datei, RaumplanCsv(Raumplan), fehler))
        Meldungen.Meldung(fehler, QStringLiteral("Fehler"), MeldungsArt::Fehler);
}

void TFRaumbelegung::Drucken1Click(bool alsPdf) {
    TFPrintRaumplan wahl(alsPdf, Druckername(Drucker), this);
    if (wahl.exec() != QDialog::Accepted) return;
    TProjekt* p = Dokument.Projekt();
    if (!p) return;
    std::vector<int> markiert;
    for (int tag = 0; tag < 2; ++tag)
        if (Raumplan.Tage[static_cast<size_t>(tag)].Gezeigt && Gitter(tag)->Markiert() >= 1)
            markiert.push_back(Gitter(tag)->Markiert());
    const TRaumplanAuftrag auftrag{RaeumeZumDrucken(Raumplan, wahl.Wahl(), markiert), wahl.MitEltern()};
    // Known before a file is asked for or a print job begun.
    if (auftrag.Zeilen.empty()) {
        Meldungen.Meldung(QString::fromUtf8(RaumdruckLeerText), QStringLiteral("Hinweis"),
                          MeldungsArt::Information);
        return;
    }
    p->Lehrerliste.NamenDoppeltMarkieren();

    if (alsPdf) {
        const QString datei = Dateiwahl.SpeichernWaehlen(
            {QStringLiteral("Raumbelegung als PDF speichern"),
             QStringLiteral("PDF-Dateien (*.pdf);;Alle Dateien (*)"), QStringLiteral("pdf"),
             PdfOrdner.isEmpty() ? DesktopOrdner() : PdfOrdner,
             RaumplanPdfName(*p) + QStringLiteral(".pdf")});
        if (datei.isEmpty()) return;
        QString fehler;
        if (!DateiSchreiben(datei, RaumplanAlsPdf(*p, Raumplan, auftrag), fehler))
            Meldungen.Meldung(fehler, QStringLiteral("Fehler"), MeldungsArt::Fehler);
        return;
    }

    const TSeitenmetrik metrik = GeraetMetrikLesen(Drucker, *p);
    Drucker.setDocName(QString::fromUtf8(RaumplanDrucktitel));
    bool bereit = metrik.SeiteBreitePx > 0 && metrik.SeiteHoehePx > 0;
    if (bereit) {
        TSeitenziel ziel(Drucker);
        bereit = ziel.Maler().isActive();
        if (bereit) {
            RaumplanZeichnen(ziel, *p, Raumplan, metrik, auftrag);
            bereit = ziel.Maler().end();
        }
    }
    if (!bereit)
        Meldungen.Meldung(QStringLiteral("Der Drucker ist nicht bereit."), QStringLiteral("Fehler"),
                          MeldungsArt::Fehler);
}
