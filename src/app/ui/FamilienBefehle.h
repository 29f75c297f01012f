#pragma once

#include "ui/Befehlsgruppe.h"

class TEingabe;

// Families and children: adding, changing and deleting them, the salutation cycle, the sort order of the
// family list and the families mode.
class TFamilienBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    TFamilienBefehle(const TBefehlsumgebung& umgebung, TEingabe& eingabe, QObject* eltern);

    void Anschliessen(QAction* aktion, void (TFamilienBefehle::*handler)());

    void BtnElternHinzuClick();
    void BtnEditEClick();
    void BtnLoeschEClick();
    void HeFrFa1Click();
    void BtnKindHinzuClick();
    void BtnEditKClick();
    void BtnLoeschKClick();
    void EListeSort1Click();
    void BuEltClick();

Q_SIGNALS:
    // A family needs a project, which begins with its date and times.
    void NeuesProjektGewuenscht();

private:
    TEingabe& E;
};
