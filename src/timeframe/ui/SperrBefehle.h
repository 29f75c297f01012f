#pragma once

#include "ui/Befehlsgruppe.h"

#include <functional>

// Commands on everybody's times at once: the standard blocking of new persons, blocking and freeing
// for all, taking all appointments away, nailing them all, pulling all nails.
class TSperrBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    using TBefehlsgruppe::TBefehlsgruppe;

    void Anschliessen(QAction* aktion, void (TSperrBefehle::*handler)());

    // The save question of the project files; false when the user cancelled.
    std::function<bool()> SpeichernFragen = [] { return true; };

    void ZDefault1Click();
    // The standard blocking of new persons; true when the user confirmed it.
    bool StandardsperreFestlegen();
    void ZeitGlob1Click();
    void NoTimeClick();
    void AlleNageln1Click();
    void NagZieh1Click();
};
