#pragma once

#include "ui/Befehlsgruppe.h"

#include <functional>

class TEltern;
class TLehrer;
class TPerson;
class QWidget;

// The annotations of the conversation lists: the general texts of families and teachers, each person's
// own text, and the automatic explanation of the "+" before a child who comes along.
class TAnmerkBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    TAnmerkBefehle(const TBefehlsumgebung& umgebung, QObject* eltern);

    void Anschliessen(QAction* aktion, void (TAnmerkBefehle::*handler)());

    void Anmerkung1Click() { Oeffnen(nullptr, false); }
    void Anmerk2Click() { Oeffnen(nullptr, true); }
    void IndividuelleAnmerkungen1Click();
    void AutoAnmerk1Click();
    // The context entries of the family and of the teacher list.
    void AnmerkE1Click();
    void AnmerkL1Click();

    // The dialog for a person's own text, or without a person for the general text of the families or
    // the teachers; fenster is its parent when it is opened from another window than the main window.
    void Oeffnen(const TPerson* person, bool eltern, QWidget* fenster = nullptr);
    // A conversation was marked "Kind kommt mit": while the automatic explanation is off, the question
    // comes once in a program run.
    void KindKommtMitGesetzt();

    // The main window's selections: the person selected in the list that has the focus (null when
    // none), the selected family, the single selected teacher.
    std::function<const TPerson*()> Fokusperson;
    std::function<const TEltern*()> Familie;
    std::function<const TLehrer*()> Lehrkraft;

    // The question is still to be asked in this program run.
    bool AutoAnmerkFragen = true;

private:
    void Fragen(bool ausMenue);
};
