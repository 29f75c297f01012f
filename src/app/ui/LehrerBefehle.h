#pragma once

#include "ui/Befehlsgruppe.h"

class TEingabe;
class TFEditL;
class TLehrer;

// Teachers: adding, changing and deleting them, and the teachers mode.
class TLehrerBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    TLehrerBefehle(const TBefehlsumgebung& umgebung, TEingabe& eingabe, QObject* eltern);

    void Anschliessen(QAction* aktion, void (TLehrerBefehle::*handler)());

    void BtnLehrerHinzuClick();
    void BtnEditLClick();
    void BtnLoeschLClick();
    void BuLehClick();
    // Adds the teacher the dialog describes and reports it.
    TLehrer* LehrerAufnehmen(const TFEditL& dialog);

Q_SIGNALS:
    // Teachers need a project, which is started with the families.
    void ProjektFehlt();

private:
    TEingabe& E;
};
