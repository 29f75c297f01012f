#pragma once

#include "model/Meldung.h"
#include "model/Projektdatei.h"

#include <QString>

class TProjekt;

// Messages of the core go to standard error; questions take their default answer.
class TKonsolenMeldung : public TMeldung {
public:
    Antwort Meldung(const QString& text, const QString& titel, MeldungsArt art, Knoepfe knoepfe,
                    Antwort vorgabe, int hilfekontext) override;
};

// Reads a project for a command with the built-in program defaults. The result is the exit status:
// 0 read, 1 not a project, 2 read error (with a message on standard error).
int ProjektFuerBefehl(const QString& pfad, TProjekt& projekt);
// One line on standard error.
void Fehlerzeile(const QString& text);
