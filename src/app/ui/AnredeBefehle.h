#pragma once

#include "ui/Befehlsgruppe.h"

class TLehrerPanel;

// The salutation editor, from the menu, from the teacher list's context menu, and after a teacher
// import that had to translate salutation codes.
class TAnredeBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    TAnredeBefehle(const TBefehlsumgebung& umgebung, TLehrerPanel& lehrer, QObject* eltern);

    void Anschliessen(QAction* aktion, void (TAnredeBefehle::*handler)());

    void AnrEdit1Click();
    // From the context menu: the teacher it was opened on stays selected.
    void AnrEdtr1Click();

private:
    TLehrerPanel& Lehrer;
};
