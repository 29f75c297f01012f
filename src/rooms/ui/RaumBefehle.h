#pragma once

#include "ui/Befehlsgruppe.h"

#include <functional>

class TDruckBefehle;
class TFRaumbelegung;
class TPerson;
class QWidget;
enum class TRaumplanStart : int;

// The rooms: assigning them teacher by teacher, the check for two teachers in one room at one time, and
// the occupancy plan of all rooms.
class TRaumBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    using TBefehlsgruppe::TBefehlsgruppe;

    void Anschliessen(QAction* aktion, void (TRaumBefehle::*handler)());

    void LRaumZw1Click();
    void Raumzuw1Click();
    void AnsRaumDlgClick();
    // The plan opened from the print or PDF choice: its print dialog comes up at once.
    void RaumplanAusgeben(bool alsPdf);

    // The conflict window when rooms are shared at one time: 1 "Zur Raumzuordnung", 2 no conflict or
    // "Ignorieren, schließen, fortfahren".
    int RaumkonfliktePruefen();

    // Prints the room list of the assignment dialog (every teacher, or those with conversations).
    std::function<void(bool alleLehrer)> RaumlisteDrucken;
    // The annotation dialog for the teacher, or for all teachers when null, over the window given.
    std::function<void(const TPerson* lehrer, bool eltern, QWidget* fenster)> Anmerken;

    // Whose printer and PDF folder the plan prints with; the group makes its own when none is given.
    TDruckBefehle* Druck = nullptr;

private:
    void RaumplanOeffnen(TRaumplanStart start);

    // Made on first use and kept, with its day view and the permission to move rows.
    TFRaumbelegung* Raumbelegung = nullptr;
};
