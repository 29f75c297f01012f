#pragma once

#include "ui/Befehlsgruppe.h"

#include <cstdint>

class TProjekt;
class TRueckCollection;
class TZeitRahmenDlg;
struct TRahmenErgebnis;

// "&Zeitrahmen": the time frame of the open project, and the frame a new project starts with.
class TRahmenBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    using TBefehlsgruppe::TBefehlsgruppe;

    void Anschliessen(QAction* aktion, void (TRahmenBefehle::*handler)());

    void ZeitRa1Click();
    // The frame dialog for a project being created; false when the user cancelled it.
    bool RahmenFuerNeuesProjekt(TProjekt& neu);

Q_SIGNALS:
    // After slots were removed the user wants to revise the blocks at once.
    void GlobalSperrenGewuenscht();

private:
    // Runs the dialog, applying what it hands over on OK to the project with its undo store; cancelled
    // or refused, the result confirms nothing.
    TRahmenErgebnis Ausfuehren(TZeitRahmenDlg& dialog, TProjekt& projekt, TRueckCollection& rueck);
    // The user asked to keep the confirmed frame as the default of new projects.
    void VorgabeMerken(const TRahmenErgebnis& ergebnis, const TProjekt& projekt);

    // The spacing of the slots the dialog fills in, remembered from the last confirmed frame.
    uint16_t Zeitabstand = 15;
};
