#pragma once

#include "ui/Befehlsgruppe.h"

#include <functional>

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
};
