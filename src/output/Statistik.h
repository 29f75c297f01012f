#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

class TProjekt;

// The figures of the statistics window: what was asked for and what the scheduler achieved.
struct TStatistik {
    int EZahl = 0;  // families with conversations
    int KZahl = 0;  // children with conversations
    int LZahl = 0;  // teachers with conversations
    int GZahl = 0;  // conversations
    double mGE = 0; // per family, child, teacher; 0 without any
    double mGK = 0;
    double mGL = 0;
    double RZeit = 0;            // seconds of the last scheduling run
    int keinT = 0;               // without appointment
    int unmT = 0;                // excluded from scheduling
    int zuvT = 0;                // beyond the teachers' free time
    int maxF = 0;                // appointments that can be found at most
    int AnzG = 0;                // appointments set
    std::optional<double> Quote; // per cent of maxF; none when maxF is 0
    int MaximalBlock = 0;
    int MaximalBlockEl = 0;
};

// Recounts the persons' conversations, classifies the unscheduled ones as a run would, and computes.
TStatistik StatistikBerechnen(TProjekt& projekt);

// The figures as the window shows them: numbers plain, averages and the rate with two decimals and a
// decimal comma, the rate followed by "%".
QString Zahltext(double wert);
QString Quotentext(const TStatistik& s);
QString Rechenzeittext(const TStatistik& s);

// The lines of the printed statistics: line number, text and value ("" for none); numbers not listed
// are empty lines.
struct TStatistikzeile {
    int Zeile;
    QString Text;
    QString Wert;
};
std::vector<TStatistikzeile> Statistikzeilen(const TStatistik& s);

// How many conversations run in each slot of each day, and how the families' waiting between their
// appointments is spread: for the chart of the statistics window.
struct TAuslastung {
    std::vector<QString> Zeiten[2]; // time texts of the active slots of each day
    std::vector<int> Gespraeche[2]; // conversations in those slots
    std::vector<int> Wartezeiten;   // index: slots waited between two appointments, value: how often
};
TAuslastung AuslastungBerechnen(const TProjekt& projekt);
