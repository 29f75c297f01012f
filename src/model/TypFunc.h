#pragma once

#include "LoadSaveList.h"
#include "Zeiten.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class TProjekt;
class TEltern;
class TGespraech;
class TKind;
class TLehrer;

// Root of every stored record.
class TLoadSaveObject {
public:
    virtual ~TLoadSaveObject() = default;
};

class TPerson : public TLoadSaveObject {
public:
    QString Anrede;
    QString Zusatz;
    QString Name;
    QString Anmerkung;
    TZeiten Zeiten{};
    bool HatTermin = false;
    uint16_t FreieZeiten = 0;
    uint16_t Zaehler = 0;

    QString VollName() const;
    // Name with salutation; with adressat "Herr" becomes "Herrn".
    virtual QString Anschrift(bool adressat) const;

protected:
    QString AnschriftMitTitel(bool adressat, const QString& titel) const;
};

class TLehrer : public TPerson {
public:
    TLehrer(const TZeiten& standardsperre, const QString& anrede, const QString& kuerzel, const QString& name,
            const QString& zusatz, const QString& akadTitel);

    QString AkadTitel;
    QString Kuerzel;
    QString Raum; // two-day frame: room of day 1, U+00FF, room of day 2
    uint16_t AnzTerminiert = 0;
    bool NameDoppelt = false;

    QString Anschrift(bool adressat) const override;
};

class TKuerzel : public TLoadSaveObject {
public:
    explicit TKuerzel(const QString& kuerzel)
        : Kuerzel(kuerzel) {}
    QString Kuerzel;
};

using TKuerzelliste = TLoadSaveList<TKuerzel>;

class TKindliste : public TLoadSaveList<TKind> {
public:
    TKind* FindeVorname(const QString& vorname) const;
};

class TEltern : public TPerson {
public:
    // Callers give Nummer = LetzteElternNr + 1 and then raise LetzteElternNr.
    TEltern(TProjekt& projekt, const QString& anrede, int16_t nummer, const QString& name,
            const QString& zusatz);
    ~TEltern() override;

    TKindliste Kinder;
    int16_t Nummer = 0;
    QString Telefon;
    // The project whose conversation list holds the children's conversations.
    TProjekt* Projekt = nullptr;

    // Orders the children by class level, class, first name.
    void KinderSortieren(bool latKlBez);
};

class TKind : public TLoadSaveObject {
public:
    TKind(const QString& vorname, TEltern* eltern, const QString& klasse);
    // Removes the child's conversations from the project first.
    ~TKind() override;

    QString Vorname;
    QString Klasse;
    QString Nachname;
    std::unique_ptr<TKuerzelliste> AltKuerzel; // only while an old file is read
    TEltern* Eltern = nullptr;
    std::vector<TGespraech*> Gespraeche; // in Rang order

    QString KindName() const;
    QString KindMitKlasse() const;
    QString KindNameMitKlasse() const;
    void RangNummerieren();
};

class TGespraech : public TLoadSaveObject {
public:
    // Takes the next conversation number of the project. The caller appends the conversation to
    // Kind->Gespraeche and to the project's Gespraechsliste.
    TGespraech(TProjekt& projekt, TLehrer* lehrer, TKind* kind);
    // An empty record for the file readers.
    TGespraech() = default;
    // A freed conversation is no longer reachable from its child.
    ~TGespraech() override;

    int16_t Nummer = 0;
    int16_t ElternNr = 0;
    QString LehrerKuerzel;
    QString KindName;
    int16_t Termin = TerminOffen;
    int32_t AlterTermin = 0;
    TKind* Kind = nullptr;
    TLehrer* Lehrer = nullptr;
    int16_t Rang = 0;
    int16_t Flags = 0;

    bool IstGenagelt() const { return Flags & 1; }
    void SetGenagelt(bool an) { Flags = an ? (Flags | 1) : (Flags & ~1); }
    bool KindKommtMit() const { return Flags & 2; }
    void SetKindKommtMit(bool an) { Flags = an ? (Flags | 2) : (Flags & ~2); }
    TEltern* Eltern() const { return Kind ? Kind->Eltern : nullptr; }
};

class TGespraechsliste : public TLoadSaveList<TGespraech> {
public:
    explicit TGespraechsliste(TProjekt& projekt)
        : Projekt(projekt) {}

    TGespraech* FindeNummer(int nummer) const;
    // Removes and frees g, frees its slot at both persons and renumbers the child's Rang.
    void Entfernen(TGespraech* g);
    bool HatTermine() const;
    // Frees the appointment of conversation n without recomputing pauses.
    void TerminAufheben(int nummer);

private:
    TProjekt& Projekt;
};

// The order of the teacher list: name, name prefix, Kürzel.
int LehrerVergleich(const TLehrer& a, const TLehrer& b);

class TLehrerliste : public TLoadSaveList<TLehrer> {
public:
    TLehrer* FindeKuerzel(const QString& kuerzel) const;
    void SucheKuerzel(const QString& kuerzel, std::vector<TLehrer*>& ergebnis) const;
    void NamenDoppeltMarkieren();
    TLehrer* LehrerOhneRaum() const;
    bool HatRaum() const;
    // Name, Zusatz, Kuerzel.
    void LehrerSortieren();
};

class TElternliste : public TLoadSaveList<TEltern> {
public:
    TEltern* FindeNummer(int nummer) const;
    void ElternSortieren(uint8_t listenSortierung, bool latKlBez);
};

// One undoable hand edit, or one change of many appointments at once.
struct TRueckgEintrag {
    enum : uint8_t { Terminverschiebung = 0, Nagel = 1, LehrerSperre = 2, ElternSperre = 3, Planwechsel = 4 };
    uint8_t Art = 0;
    TLoadSaveObject* Ziel = nullptr;
    int32_t Wert = 0;
    // Planwechsel: every conversation it moved, with the Termin the next undo or redo gives it.
    std::vector<std::pair<TGespraech*, int16_t>> Termine = {};
};

constexpr int MaxRueckSchritte = 150;

class TRueckCollection : public TLoadSaveList<TRueckgEintrag> {
public:
    uint16_t Position = 0; // entries below Position can be undone, the others redone
    void Clear() override {
        TLoadSaveList::Clear();
        Position = 0;
    }
};

// The sorted list of all rooms named at teachers, each spelling once; case is ignored by the order
// only.
class TRaumListe {
public:
    const QStringList& Raeume() const { return Liste; }
    void Add(const QString& raum);
    void Clear() { Liste.clear(); }
    void update(const TLehrerliste& lehrer);

private:
    QStringList Liste;
};

// Text helpers used throughout.
QString Trimmen(const QString& text);
QString OhneLeerzeichen(const QString& text);
QString Dateiname(const QString& text);

// The separator between the day-1 and day-2 room of a teacher.
constexpr char16_t RaumTrenner = 0x00FF;
QString RaumAnzeige(const QString& raum);
// A teacher's room on day tag (0 or 1); a room without separator serves both days.
QString RaumAmTag(const QString& raum, int tag);
