#pragma once

#include "output/Statistik.h"
#include "output/Uebersicht.h"
#include "scheduler/Planwerte.h"
#include "ui/Befehlsgruppe.h"

class TDruckBefehle;

// The overview lists and the statistics: showing them, printing them and saving them as PDF with the
// printer and the PDF folder of the print commands.
class TUebersichtBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    TUebersichtBefehle(const TBefehlsumgebung& umgebung, TDruckBefehle& druck, QObject* eltern);

    void Anschliessen(QAction* aktion, void (TUebersichtBefehle::*handler)());

    void AnsNichtTerm1Click() { UebersichtZeigen(TUebersichtArt::OhneTermin); }
    void AnsRaum1Click() { UebersichtZeigen(TUebersichtArt::Raeume); }
    void AnzlGspL1Click() { UebersichtZeigen(TUebersichtArt::Anzahlen); }
    void AnsNaegel1Click() { UebersichtZeigen(TUebersichtArt::Genagelt); }
    void Statstk1Click() { StatistikZeigen(); }

    void UebersichtZeigen(TUebersichtArt art);
    // With vorher, the waiting of the plan before "Plan verbessern" beside the plan's as it is now.
    void StatistikZeigen(const TPlanwerte* vorher = nullptr);
    // Prints or saves the overview as the window shows it; an empty one is refused with a message.
    void UebersichtDrucken(bool alsPdf, const TUebersichtWahl& wahl, const TUebersicht& uebersicht);
    void StatistikDrucken(bool alsPdf, const TStatistik& statistik);
    // The room list of the room assignment, printed at once.
    void RaumlisteDrucken(bool alleLehrer);

private:
    bool AnzahlenAlle = false; // for the program run only
    TDruckBefehle& Druck;
};
