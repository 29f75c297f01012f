#pragma once

#include <QString>
#include <vector>

class TProjekt;

// What families and teachers have to live with in a plan beyond its number of appointments: the slots they
// wait between their first and last appointment of a day, and the families that must come on both days.
struct TPlanwerte {
    int Terminiert = 0;     // conversations with an appointment
    int LeerlaufEltern = 0; // slots of a day between a family's first and last appointment without one
    int ZweiTage = 0;       // families with appointments on both days
    int LeerlaufLehrer = 0; // the same as LeerlaufEltern for teachers
    int AndererTag = 0;     // appointments of families on the day they did not ask for first
    int MehrereTermine = 0; // families with more than one appointment

    // Coming on a second day weighs as much as waiting twelve slots.
    int Wartezeit() const { return LeerlaufEltern + 12 * ZweiTage; }
};

TPlanwerte PlanwerteBerechnen(const TProjekt& projekt);

// The figures as the windows list them, those of the second day only in a two-day frame.
struct TPlanwertzeile {
    QString Text;
    int (*Wert)(const TPlanwerte&);
};
std::vector<TPlanwertzeile> Planwertzeilen(bool zweiTage);
