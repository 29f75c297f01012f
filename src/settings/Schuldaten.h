#pragma once

#include <QString>
#include <QStringList>

class TEinstellungsSpeicher;

// The school that plans with this installation (key "Schule"); the list heads and the info window show
// it.
struct TSchuldaten {
    QString Name;
    QString Strasse;
    QString Ort; // postcode and place
    QString Telefon;
    QString Fax;
    bool operator==(const TSchuldaten&) const = default;
};

// Every field is one line of a page head: line breaks and other control characters inside become one
// blank, at either end they go; the rest stays as typed.
QString SchulfeldBereinigen(const QString& text);

// Empty fields when the store holds none.
TSchuldaten SchuldatenLesen(const TEinstellungsSpeicher& speicher);
// Writes all five fields, each made one line.
void SchuldatenSchreiben(TEinstellungsSpeicher& speicher, const TSchuldaten& daten);

// The lines of a list page's head: the name (with mitName; the list layout can hide it), street and
// place, telephone, fax. A line whose fields are all empty is left out.
QStringList SchulKopfzeilen(const TSchuldaten& daten, bool mitName);
