#pragma once

#include "ui/Befehlsgruppe.h"

class TAustauschBefehle;
class TNotizBefehle;
class TProjektBefehle;
class TSperrBefehle;

// "Projekt: &Neu": the new-project guide with its five actions, each carried out by the command that
// does the same from the menu.
class TNeuBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    TNeuBefehle(const TBefehlsumgebung& umgebung, TProjektBefehle& projektdateien, TSperrBefehle& sperren,
                TAustauschBefehle& austausch, TNotizBefehle& notiz, QObject* eltern);

    void Anschliessen(QAction* aktion, void (TNeuBefehle::*handler)());

    void PDTneu1Click();

private:
    bool Lehrerimport();
    bool Elternimport();

    TProjektBefehle& Projektdateien;
    TSperrBefehle& Sperren;
    TAustauschBefehle& Austausch;
    TNotizBefehle& Notiz;
};
