#pragma once

#include <QString>
#include <cstdint>
#include <vector>

class TPerson;
class TProjekt;

// One list a run can output, as the range dialog's boxes show it.
struct TBereichEintrag {
    QString Text;
    const TPerson* Person = nullptr;
    // Families: the class the entry is listed under, as the project spells it (empty: none).
    QString Klasse;
    // Families: the file-name-safe name with what tells equal names apart; it follows the class in a
    // list name.
    QString NamensTeil;
};

// The lists of one run and the part of them to output: entries Erster to Letzter, both included.
struct TDruckbereich {
    bool FuerEltern = true;
    // Families sorted by class first may get one list per child, grouped by class.
    bool ProKind = false;
    std::vector<TBereichEintrag> Eintraege;
    // The class chooser's classes in order; an empty class stands for children without class.
    std::vector<QString> Klassen;
    int Erster = 0;
    int Letzter = -1;

    int Anzahl() const { return Letzter - Erster + 1; }
    int Letzte() const { return static_cast<int>(Eintraege.size()) - 1; }
    bool BisZumEnde() const { return !Eintraege.empty() && Letzter == Letzte(); }

    // The range rules of the dialog's controls; each keeps at least one entry chosen.
    void AlleWaehlen();
    void VonSetzen(int von);
    void BisSetzen(int bis);
    // A count below 1 counts as 1; the end is capped at the last entry.
    void AnzahlSetzen(int anzahl);
    // The contiguous block of entries listed under klasse; false (and nothing changed) when none is.
    bool KlasseWaehlen(const QString& klasse);
};

// Whether the per-child lists are offered: the family list is sorted by class first.
bool ProKindMoeglich(const TProjekt& projekt);

// The entries of a run for families or teachers, all of them chosen. Persons without conversations are
// left out; they are counted here, so work counters left behind by a scheduling run do not matter.
// proKind applies only when ProKindMoeglich.
TDruckbereich BereichAufbauen(const TProjekt& projekt, bool fuerEltern, bool proKind);

// How the class chooser shows a class.
QString KlassenText(const QString& klasse);

// What survives from run to run while the program runs.
struct TDrucklaufStand {
    QString PdfOrdner;
    // Index of the entry after the last one output, 0 when that run reached the end; and how many lists
    // that run chose. E: families, L: teachers.
    uint16_t NaechsterStartE = 0;
    uint16_t NaechsterStartL = 0;
    uint16_t LetzteAnzahlE = 0;
    uint16_t LetzteAnzahlL = 0;
    bool Tueraushang = false;
    // PDF runs write each list's appointments as a calendar file beside it.
    bool Kalenderdateien = false;

    void ProjektGeoeffnet() { NaechsterStartE = NaechsterStartL = 0; }
    void ElternUmsortiert() { NaechsterStartE = 0; }
    void LehrerGeaendert() { NaechsterStartL = 0; }

    // Chooses the part the last run left over, as many lists as it had; all lists when it reached the
    // end. True when only a part is proposed.
    bool Vorschlagen(TDruckbereich& bereich) const;
    // Remembers where a run that starts with this range ends.
    void Merken(const TDruckbereich& bereich);
};

// PDF runs and printers that write PDF files name their lists like files.
bool DateiListenName(bool alsPdf, const QString& druckername);

// The name of the list of entry index, file-name safe: "VEL<year>E - 7b Müller" with dateiName, else
// "Liste 3 von 20 - Müller"; laufnummer counts the lists produced so far from 1.
QString ListenName(const TProjekt& projekt, const TDruckbereich& bereich, int index, int laufnummer,
                   bool dateiName);
