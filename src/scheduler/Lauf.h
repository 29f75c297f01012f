#pragma once

#include <QString>

class TProjekt;

// The texts of the progress window that a run sets.
enum class TLaufText { Label1, Label2, Label3, Label4, Label5 };

// Watches a scheduling run: the progress window, the command line and tests implement it. Every method
// does nothing by default.
class TLaufBeobachter {
public:
    virtual ~TLaufBeobachter() = default;

    // Bar 0 shows the preparation, bar 1 the first placement pass, bar 2 the improvement passes.
    virtual void Balken(int /*balken*/, int /*prozent*/) {}
    virtual void Text(TLaufText /*label*/, const QString& /*text*/) {}
    // Panel 3 of the main window's status bar; an empty text clears it.
    virtual void Statuszeile(const QString& /*text*/) {}
    virtual void Wartecursor(bool /*an*/) {}
    // Called where the interface may process pending events; true asks the run to stop.
    virtual bool Abbruch() { return false; }
    // The end of the run: completed, or cancelled with the message to show.
    virtual void Fertig() {}
    virtual void Abgebrochen(const QString& /*meldung*/) {}
};

struct TLaufErgebnis {
    bool Abgebrochen = false;
    QString Abbruchmeldung;
};

// One whole scheduling run over the project. It always changes the project (the caller marks it
// changed and due for backup) and leaves clearing the undo store and the note-pad mark to the caller.
TLaufErgebnis Lauf(TProjekt& projekt, TLaufBeobachter& beobachter);

// A completed run whose criteria did not change since: running again would give the same plan.
bool BerechnungErledigt(const TProjekt& projekt);
