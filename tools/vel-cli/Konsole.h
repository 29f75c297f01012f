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

// Reads a project for a command with the built-in program defaults. False when the file is missing, no
// project or damaged, after a message naming it on standard error; every command then ends with exit
// status 2, as for a wrong call, because 1 tells findings in some commands.
bool ProjektFuerBefehl(const QString& pfad, TProjekt& projekt);
// One line on standard error.
void Fehlerzeile(const QString& text);
