#pragma once

#include <QString>

// How the core asks and tells the user: a message dialog with caption, icon, buttons and default.
enum class MeldungsArt { Warnung, Frage, Information, Fehler, Ohne };
enum class Knoepfe { OK, OKAbbrechen, JaNein, JaNeinAbbrechen };
enum class Antwort { OK, Ja, Nein, Abbrechen };

class TMeldung {
public:
    virtual ~TMeldung() = default;
    virtual Antwort Meldung(const QString& text, const QString& titel, MeldungsArt art,
                            Knoepfe knoepfe = Knoepfe::OK, Antwort vorgabe = Antwort::OK) = 0;
};

// Answers every message with its default and counts them: for trial reads whose messages nobody sees.
class TStilleMeldung : public TMeldung {
public:
    int Anzahl = 0;
    Antwort Meldung(const QString&, const QString&, MeldungsArt, Knoepfe, Antwort vorgabe) override {
        ++Anzahl;
        return vorgabe;
    }
};
