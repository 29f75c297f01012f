#pragma once

#include "ui/Befehlsgruppe.h"

// The phone editor: the families whose requests found no appointment, to be called.
class TTelefonBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    TTelefonBefehle(const TBefehlsumgebung& umgebung, QObject* eltern);

    void Anschliessen(QAction* aktion, void (TTelefonBefehle::*handler)());

    void Tel1Click();
};
