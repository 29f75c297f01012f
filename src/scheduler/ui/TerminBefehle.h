#pragma once

#include "scheduler/Planwerte.h"
#include "settings/Einstellungen.h"
#include "settings/ui/Options.h"
#include "ui/Befehlsgruppe.h"

#include <functional>

// The scheduling run and the options dialog in its three modes.
class TTerminBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    using TBefehlsgruppe::TBefehlsgruppe;

    void Anschliessen(QAction* aktion, void (TTerminBefehle::*handler)());

    void Berech1Click();
    void Verbessern1Click();
    void OptPrg1Click();
    void OptTermin1Click();

    // Opens the statistics with the figures of the plan before "Plan verbessern" beside those after.
    std::function<void(const TPlanwerte& vorher)> StatistikVergleichen;

Q_SIGNALS:
    // The run's progress for the status bar.
    void Statuszeile(const QString& text);
    // A run was completed, not cancelled: its statistics are due.
    void LaufFertig();
    // The program values changed in the options dialog; vorher are the ones before. sicherungGeaendert:
    // the automatic backup was switched or its interval changed.
    void ProgrammwerteGeaendert(const TProgrammwerte& vorher, bool sicherungGeaendert);

private:
    void OptionenZeigen(bool terminberechnung);
    // Runs the options dialog; a change of the open project's scheduling values marks the project
    // changed and its plan as to be calculated again. Returns whether it was accepted.
    bool OptionenAusfuehren(TOptDlg::Modus modus, bool* sicherungGeaendert = nullptr);
};
