#pragma once

#include "ui/Befehlsgruppe.h"

class TNotizForm;

// "Notiz&zettel": the note pad of the open project. It shows the project's work steps and notes, lets
// the user tick them and keeps them in the project; whether it is shown is kept for the next start.
class TNotizBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    TNotizBefehle(const TBefehlsumgebung& umgebung, QObject* eltern);
    ~TNotizBefehle() override;

    void Anschliessen(QAction* aktion, void (TNotizBefehle::*handler)());

    void Notizzettel1Click();
    // At program start, when the last run ended with the pad shown.
    void StartAnzeigen();
    // After the new-project guide created a project: offers the pad, unless the user already showed it
    // through the menu or hid it in this run.
    void NeuesProjektAnbieten();

    // For a window that covers the screen for a while: the pad goes and comes back as it was, and what
    // is kept for the next start is not touched.
    void Verbergen();
    void Wiederherstellen();

    bool Gezeigt() const { return Sichtbar; }
    TNotizForm* Form = nullptr;

private:
    void Zeigen();
    void Ausblenden();
    void Folgen();
    void HakenGeklickt(int schritt);
    void NotizGeaendert(const QString& text);

    QAction* Menueeintrag = nullptr;
    bool Sichtbar = false; // as the user wants it, also while another window keeps it hidden
    bool Verborgen = false;
    bool Platziert = false;
    bool UeberMenueGezeigt = false;
    bool Versteckt = false; // hidden at least once in this run
};
