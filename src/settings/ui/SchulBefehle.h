#pragma once

#include "ui/Befehlsgruppe.h"

// "&Schuldaten...": the school's data belong to the installation, not to a project, so the command is
// available at all times.
class TSchulBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    using TBefehlsgruppe::TBefehlsgruppe;

    void Anschliessen(QAction* aktion, void (TSchulBefehle::*handler)());

    void Schuldaten1Click();
};
