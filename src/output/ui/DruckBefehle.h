#pragma once

#include "output/Dateilauf.h"
#include "output/Druckbereich.h"
#include "ui/Befehlsgruppe.h"

#include <functional>
#include <memory>

class QDialog;
class QMenu;
class QPrinter;
class TFpdfVW;

// Printing and saving as PDF the conversation lists of families and teachers: the print choice with its
// printer, the PDF choice with its folder, the range of lists and the runs.
class TDruckBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    TDruckBefehle(const TBefehlsumgebung& umgebung, QObject* eltern);
    ~TDruckBefehle() override;

    void Anschliessen(QAction* aktion, void (TDruckBefehle::*handler)());

    void Druck1Click();
    void PDFExport1Click();

    // Before a run: looks for rooms two teachers share at the same time; false stops the run (the user
    // went to the room assignment). Until rooms are checked, every run goes on.
    std::function<bool()> RaumkonflikteKlaeren = [] { return true; };
    // Opens one of the other lists offered by the choices' "Sonstige Listen ..." (its place in that
    // menu); from the PDF choice the room occupancy plan opens its PDF dialog.
    std::function<void(int eintrag, bool alsPdf)> SonstigeListeZeigen;

    // What stays from run to run while the program runs.
    TDrucklaufStand Stand;
    QPrinter& Drucker();

private:
    // False when the run did not start because the user went to correct the rooms.
    bool Lauf(bool fuerEltern, bool alsPdf);
    void SonstigeListenAnbieten(QMenu* menue, QDialog* wahl, bool alsPdf);
    // Ticks the note pad's mark of the kind of lists when the run reaches the last one.
    void ListenGedruckt(const TDruckbereich& bereich);
    void Drucklauf(const TDruckbereich& bereich);
    TDateilaufErgebnis Pdflauf(const TDruckbereich& bereich);
    // The calendar files beside the lists of a PDF run; ueberschreiben after "JA für alle" there.
    void Kalenderlauf(const TDruckbereich& bereich, bool ueberschreiben);

    std::unique_ptr<QPrinter> DruckerSatz;
    TFpdfVW* PdfWahl = nullptr;
};
