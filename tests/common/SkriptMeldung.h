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
    };
    QList<Eintrag> Protokoll;
    QList<Antwort> Antworten;
    // Runs when a message comes up, to look at the program while it asks.
    std::function<void()> BeiMeldung;

    Antwort Meldung(const QString& text, const QString& titel, MeldungsArt art, Knoepfe knoepfe,
                    Antwort vorgabe) override;
    QStringList Titel() const;
};
