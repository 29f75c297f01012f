#pragma once

#include "ui/Befehlsgruppe.h"

#include <functional>

class TFVerschieb;
class TPerson;
class QWidget;
class TRaumBefehle;

// Whom the editing board shows first, as the main window's lists say.
struct TVorauswahl {
    const TPerson* Person = nullptr;
    bool Lehrer = false;
};

// Hand editing of the plan on the editing board, with the room check when the board closes.
class THandBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    THandBefehle(const TBefehlsumgebung& umgebung, TRaumBefehle& raeume, QObject* eltern);
    ~THandBefehle() override;

    void Anschliessen(QAction* aktion, void (THandBefehle::*handler)());

    void HandBearb1Click();

    std::function<TVorauswahl()> Vorauswahl;
    // The annotation dialog for the person, or for all families or teachers, over the window given.
    std::function<void(const TPerson* person, bool eltern, QWidget* fenster)> Anmerken;
    // Created at the first opening and kept, so that its settings last while the program runs.
    TFVerschieb* Board = nullptr;

private:
    void ListeDrucken(const TPerson& person, bool fuerEltern);

    TRaumBefehle& Raeume;
};
