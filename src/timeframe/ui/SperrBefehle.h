#pragma once

#include "ui/Befehlsgruppe.h"

#include <functional>

// Commands on all appointments at once: take them all away, nail them all, pull all nails.
class TSperrBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    using TBefehlsgruppe::TBefehlsgruppe;

    void Anschliessen(QAction* aktion, void (TSperrBefehle::*handler)());

    // The save question of the project files; false when the user cancelled.
    std::function<bool()> SpeichernFragen = [] { return true; };

    void NoTimeClick();
    void AlleNageln1Click();
    void NagZieh1Click();
};
