#pragma once

#include "exchange/Familienimport.h"
#include "ui/Befehlsgruppe.h"

#include <functional>

// The exchange of teacher and family data: the teacher import from teacher files, projects and text
// files, the teacher export as teacher file or text, and the family import from text files and projects.
class TAustauschBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    using TBefehlsgruppe::TBefehlsgruppe;

    void Anschliessen(QAction* aktion, void (TAustauschBefehle::*handler)());

    // The save question of the project files; false when the user cancelled.
    std::function<bool()> SpeichernFragen = [] { return true; };
    // A replaced family list makes the project a new one: its default name and the caption.
    std::function<void()> NeuerName;
    // Opens the salutation editor; without one, translated salutation codes are not offered for checking.
    std::function<void()> AnredeEditor;
    // Who answers the questions of the family import; the dialogs when none is set.
    TFamilienFragen* Fragen = nullptr;

    void impL1Click();
    // A teacher file named outside the program (command line, file manager): offers its teachers to
    // the open project, under the same conditions as the import from the menu.
    void LehrerdateiAnbieten(const QString& datei);
    void expL1Click();
    void impE1Click();
    // The family import; the new-project guide calls it without the menu's renaming. True when a file
    // was imported.
    bool ElternImportieren(bool ausMenue);

    // Lasts for the program run: a class-by-class import appends without asking.
    TFamilienImportStand Stand;

private:
    // Tells the user when conversations refer to the teachers, which then cannot be replaced.
    bool LehrerImportErlaubt(const TProjekt& p);
    void LehrerlisteUebernommen(TProjekt& p);
};
