#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class TLehrer;
class TMeldung;
class TProjekt;

// Which days the plan shows.
enum class TTagesansicht { Tag1, Tag2, BeideTage };

// The view when the plan opens: both days the first time in a two-day frame; later the previous view, but
// always "1.Tag" in a one-day frame.
TTagesansicht Tagesansicht(const TProjekt& projekt, std::optional<TTagesansicht> bisher);

// One day's grid, cell for cell as it is shown: row 0 holds the headings, row r the room r - 1 of the plan;
// column 0 the rooms, column k the slot Erster + k - 1. A day that is not shown has no cells.
struct TPlantag {
    bool Gezeigt = false;
    // The first and last slot of the day with an appointment; the whole day without any.
    int Erster = 0;
    int Letzter = 0;
    std::vector<QStringList> Zellen;
    // The teacher whose Kürzel stands in a cell; null in empty cells and in the headings.
    std::vector<std::vector<const TLehrer*>> Lehrer;

    int Spalten() const { return Letzter - Erster + 2; }
    int Slot(int spalte) const { return Erster + spalte - 1; }
    bool Belegt(int zeile, int spalte) const;
};

// A second teacher in a cell that already holds one; the cell keeps the first.
struct TPlankonflikt {
    int Tag = 0;
    int Zeile = 0;
    int Spalte = 0;
    QString Raum;
    QString Zeit;        // the slot's time text
    QString Eingetragen; // the Kürzel the cell keeps
    QString Neu;
};

struct TRaumplan {
    TTagesansicht Ansicht = TTagesansicht::Tag1;
    QStringList Raeume; // the room of row r is Raeume[r - 1]
    std::array<TPlantag, 2> Tage;
    // In the order they were met while filling.
    std::vector<TPlankonflikt> Konflikte;
    // The user cancelled in a conflict question; the grids hold what was filled until then.
    bool Abgebrochen = false;

    int Zeilen() const { return static_cast<int>(Raeume.size()) + 1; }
};

// Before the plan opens: rebuilds RaumListe, whose order the rows follow, and the appointment marks.
// Returns a teacher who has appointments but no room (for the warning), or null.
const TLehrer* RaumplanVorbereiten(TProjekt& projekt);

// Fills the grids of the shown days from the teachers' rooms and slots, room by room, teacher by teacher
// in list order. With a message interface every conflict is asked about, as long as the user wants to see
// more; Cancel stops the filling. Without one the conflicts are only collected.
TRaumplan RaumplanBauen(const TProjekt& projekt, TTagesansicht ansicht, TMeldung* meldung = nullptr);

// Whether the conversations of one row of a day's grid can move onto another row: not when a column holds
// entries in both.
enum class TZeilenvergleich { QuelleLeer, Vereinbar, Unvereinbar };
TZeilenvergleich ZeilenVergleichen(const TRaumplan& plan, int tag, int quelle, int ziel);

// Moves every teacher entered in row quelle of the day (also one hidden behind a conflict) into the room
// of row ziel for that day (RaumSetzen). Does nothing unless the rows are Vereinbar. Returns the number of
// teachers whose room changed; the plan is stale afterwards.
int ZeileVerschieben(TProjekt& projekt, const TRaumplan& plan, int tag, int quelle, int ziel);

// The shown grids as a text table in the code page of the files: a line per row, day 1 before day 2, each
// cell in double quotes after a comma (the first comma of a line dropped), lines ending in CR LF.
QByteArray RaumplanCsv(const TRaumplan& plan);

// The heading of the room column.
QString RaumplanEckText();

// Texts of the plan window.
extern const char* const RaumplanOhneRaeumeText;
extern const char* const RaumzuweisungUnvollstaendigTitel;
QString RaumzuweisungUnvollstaendigText(const TLehrer& lehrer);
QString RaumkonfliktTitel(const TPlankonflikt& konflikt);
QString RaumkonfliktFrage(const TPlankonflikt& konflikt);
extern const char* const VerschiebenGesperrtText;
QString NichtsZuVerschiebenText(const QString& raum);
extern const char* const VerschiebenTitel;
QString VerschiebenFrage(const QString& von, const QString& nach);
extern const char* const VerschiebenUnmoeglichText;
