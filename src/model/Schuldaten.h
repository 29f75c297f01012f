#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The school that plans with this installation; the list heads and the info window show it.
struct TSchuldaten {
    QString Name;
    QString Strasse;
    QString Ort; // postcode and place
    QString Telefon;
    QString Fax;
    bool operator==(const TSchuldaten&) const = default;
};

// The four lines of a page head in their places: name, street and place, telephone, fax; a line whose
// fields are all empty stays empty (a head with a logo keeps each line at its height).
std::array<QString, 4> SchulKopffelder(const TSchuldaten& daten);

// The lines of a list page's head without the empty ones; mitName false leaves out the name (the list
// layout can hide it).
QStringList SchulKopfzeilen(const TSchuldaten& daten, bool mitName);
