#pragma once

#include "model/Meldung.h"

#include <QList>
#include <QString>

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

    Antwort Meldung(const QString& text, const QString& titel, MeldungsArt art, Knoepfe knoepfe,
                    Antwort vorgabe) override;
    QStringList Titel() const;
};
