#pragma once

#include "rooms/RaumZeitplan.h"

#include <QDialog>
#include <QPoint>
#include <functional>
#include <optional>

class QAction;
class QMenuBar;
class QPrinter;
class QScrollArea;
class QTimer;
class TDateiwahl;
class TMeldung;
class TProjektDokument;
class TRaumgitter;

// How the plan opens: by itself, or with its print or PDF dialog as soon as it shows.
enum class TRaumplanStart : int { Anzeigen, Drucken, AlsPdf };

// The room occupancy plan "Raumbelegungsplan": a grid per day of who uses which room at which time.
// Dragging one room's row onto another moves that day's conversations there; the plan is exported as a
// text table, printed or saved as PDF. It lives as long as the program, so that its day view and the
// permission to move stay as the user left them.
class TFRaumbelegung : public QDialog {
    Q_OBJECT
public:
    // Printer and PDF folder belong to the print commands; the folder may change between openings.
    TFRaumbelegung(TProjektDokument& dokument, TMeldung& meldung, TDateiwahl& dateiwahl, QPrinter& drucker,
                   const QString& pdfOrdner, std::function<void()> hilfe, QWidget* parent = nullptr);

    // Fills the plan of the document's project; false when the user cancelled in a conflict question,
    // and then the window is not to be shown.
    bool Oeffnen(TRaumplanStart start);
    // Builds both grids anew in the current view; false when the user cancelled in a conflict question,
    // the grids then show what was filled until then.
    bool PlanFuellen();
    const TRaumplan& Plan() const { return Raumplan; }
    TTagesansicht Ansicht() const { return GewaehlteAnsicht.value_or(TTagesansicht::Tag1); }

    void Export1Click();
    // The print dialog, printing or (alsPdf) saving as PDF.
    void Drucken1Click(bool alsPdf);
    void Zulassen1Click();

    QMenuBar* MainMenu1 = nullptr;
    QAction* Export1 = nullptr;
    QAction* ExportPdf1 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Schliessen1 = nullptr;
    QAction* Zulassen1 = nullptr;
    QAction* Tag11 = nullptr;
    QAction* Tag21 = nullptr;
    QAction* BeideTage1 = nullptr;
    QAction* Hilfe1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    TRaumgitter* StringGrid1 = nullptr;
    TRaumgitter* StringGrid2 = nullptr;
    QTimer* VertScrollTimer = nullptr;

    bool VerschiebenErlaubt = false;

protected:
    void showEvent(QShowEvent* ereignis) override;
    void done(int ergebnis) override;

private:
    void AnsichtWaehlen(TTagesansicht ansicht);
    void GitterZeigen();
    TRaumgitter* Gitter(int tag) const;
    int Tag(const TRaumgitter* gitter) const;

    void GitterGedrueckt(TRaumgitter* gitter, int zeile);
    void GitterGezogen(TRaumgitter* gitter, int zeile, QPoint global);
    void GitterLosgelassen(TRaumgitter* gitter, int zeile);
    void ZielZeigen(int zeile);
    void ZiehenBeenden();
    void VertScrollTimerTimer();
    void Verschieben(int tag, int quelle, int ziel);

    TProjektDokument& Dokument;
    TMeldung& Meldungen;
    TDateiwahl& Dateiwahl;
    QPrinter& Drucker;
    const QString& PdfOrdner;
    std::function<void()> Hilfe;

    TRaumplan Raumplan;
    std::optional<TTagesansicht> GewaehlteAnsicht;
    TRaumplanStart Start = TRaumplanStart::Anzeigen;

    // The drag of a row: the grid used last, the source row, the last target row, the direction (+1 down,
    // -1 up) and where the pointer was, for the rows that scroll under it.
    TRaumgitter* Zuletzt = nullptr;
    int Quelle = -1;
    int LetztesZiel = -1;
    int Richtung = 0;
    QPoint Zeiger;
};
