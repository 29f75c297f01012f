#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class TProjekt;

// The overviews that share one window.
enum class TUebersichtArt : uint8_t { OhneTermin = 0, Raeume = 1, Anzahlen = 2, Genagelt = 3 };

// What the user chose for an overview: the view of the conversation overviews, whether the teacher
// overviews list every teacher, and the column the user sorted by (-1: the overview's own order).
struct TUebersichtWahl {
    TUebersichtArt Art = TUebersichtArt::OhneTermin;
    bool FuerEltern = true;
    bool AlleAnzeigen = false;
    bool AnzahlenAlle = false;
    int Sortierspalte = -1;
};

struct TUebersichtSpalte {
    QString Titel;
    int Breite = 0; // pixels on screen
    bool Rechts = false;
};

// One overview as the window shows it and the print takes it over: caption, switch button, columns and
// rows of texts.
struct TUebersicht {
    QString Titel;
    QString Wechseltext;
    std::vector<TUebersichtSpalte> Spalten;
    std::vector<QStringList> Zeilen;
};

// Builds the overview; recounts the conversations of every person first.
TUebersicht UebersichtBauen(TProjekt& projekt, const TUebersichtWahl& wahl);
// Whether clicking the column sorts the overview (the teacher overviews only).
bool Sortierbar(TUebersichtArt art);

// The name of a print job or PDF file of the overview.
QString Uebersichtsname(TUebersichtArt art);
// The child as the overviews show it: first name, surname, class in brackets.
QString KindText(const class TKind& kind);
// "dd.mm.yy, hh:mm" of the appointment, or "nicht terminiert".
QString Termintext(const TProjekt& projekt, int termin);
