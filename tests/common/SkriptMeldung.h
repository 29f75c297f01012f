#pragma once

#include "model/Meldung.h"

#include <QList>
#include <QString>
#include <functional>

// Records every message and answers from a queue (the dialog's default once the queue is empty).
class TSkriptMeldung : public TMeldung {
public:
    struct Eintrag {
        QString Text;
        QString Titel;
        MeldungsArt Art;
        ::Knoepfe Knopfsatz;
        Antwort Vorgabe;
        QStringList Knopftexte; // of a question with buttons of its own
        int Hilfekontext = 0;   // the handbook's page its help button shows
    };
    QList<Eintrag> Protokoll;
    QList<Antwort> Antworten;
    // Answers to questions with buttons of their own: the index of the button.
    QList<int> Auswahlen;
    // Runs when a message comes up, to look at the program while it asks.
    std::function<void()> BeiMeldung;

    Antwort Meldung(const QString& text, const QString& titel, MeldungsArt art, Knoepfe knoepfe,
                    Antwort vorgabe, int hilfekontext = 0) override;
    int Auswahl(const QString& text, const QString& titel, MeldungsArt art, const QStringList& knoepfe,
                int vorgabe) override;
    QStringList Titel() const;
};
