#pragma once

#include "model/Schuldaten.h"

#include <QString>

class TEinstellungsSpeicher;

// Every field is one line of a page head: line breaks and other control characters inside become one
// blank, at either end they go; the rest stays as typed.
QString SchulfeldBereinigen(const QString& text);

// Empty fields when the store holds none.
TSchuldaten SchuldatenLesen(const TEinstellungsSpeicher& speicher);
// Writes all five fields, each made one line.
void SchuldatenSchreiben(TEinstellungsSpeicher& speicher, const TSchuldaten& daten);
