#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

// How the core asks and tells the user: a message dialog with caption, icon, buttons and default.
enum class MeldungsArt { Warnung, Frage, Information, Fehler, Ohne };
enum class Knoepfe { OK, OKAbbrechen, JaNein, JaNeinAbbrechen };
enum class Antwort { OK, Ja, Nein, Abbrechen };

class TMeldung {
public:
    virtual ~TMeldung() = default;
    // hilfekontext, where not 0, is the number of the handbook's page about the question: the dialog
    // then offers a help button that shows the page and leaves the question open.
    virtual Antwort Meldung(const QString& text, const QString& titel, MeldungsArt art,
                            Knoepfe knoepfe = Knoepfe::OK, Antwort vorgabe = Antwort::OK,
                            int hilfekontext = 0) = 0;
    // The same question placed with its top-left corner near ort (screen coordinates), next to what it
    // is about; where dialogs cannot be placed it is an ordinary message.
    virtual Antwort MeldungBei(const QPoint& ort, const QString& text, const QString& titel, MeldungsArt art,
                               Knoepfe knoepfe, Antwort vorgabe) {
        (void)ort;
        return Meldung(text, titel, art, knoepfe, vorgabe);
    }
    // A question with buttons of its own: the index of the button chosen, -1 when the dialog was closed.
    // Where nobody can be asked, the default is the answer.
    virtual int Auswahl(const QString& text, const QString& titel, MeldungsArt art,
                        const QStringList& knoepfe, int vorgabe) {
        (void)text;
        (void)titel;
        (void)art;
        (void)knoepfe;
        return vorgabe;
    }
};

// Answers every message with its default and counts them: for trial reads whose messages nobody sees.
class TStilleMeldung : public TMeldung {
public:
    int Anzahl = 0;
    Antwort Meldung(const QString&, const QString&, MeldungsArt, Knoepfe, Antwort vorgabe, int) override {
        ++Anzahl;
        return vorgabe;
    }
};
