#pragma once

#include "ui/Befehlsgruppe.h"

// The conversation lists of all families or all teachers exported as one RTF document.
class TRtfBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    TRtfBefehle(const TBefehlsumgebung& umgebung, QObject* eltern);

    void Anschliessen(QAction* aktion, void (TRtfBefehle::*handler)());

    void Lehrer1Click() { Exportieren(false); }
    void Eltern1Click() { Exportieren(true); }

private:
    void Exportieren(bool fuerEltern);
};
