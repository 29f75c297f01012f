#pragma once

#include "Textimport.h"

#include <QString>
#include <optional>
#include <utility>
#include <vector>

class TEltern;
class TProjekt;
class TRueckCollection;

// One pupil of the import file.
struct TImportSatz {
    QString Vorname;
    QString Zusatz;
    QString Nachname;
    QString Klasse;
    QString Telefon;
    QString Vollname() const { return Zusatz.isEmpty() ? Nachname : Zusatz + u' ' + Nachname; }
};

// What to do with a pupil without class: the class used last, none, or a class of the user's.
enum class TKlassenwahl { Zuletzt = 0, Leer = 1, Eigene = 2 };
struct TKlassenantwort {
    TKlassenwahl Wahl = TKlassenwahl::Leer;
    QString Klasse;
    bool FuerAlle = false; // no more questions during this import
};

enum class TGeschwisterAntwort { Ja, Nein, Automatisch, Abbrechen };

// The questions of the family import. Without a window, each answers as "Automatisch zuordnen" would:
// siblings when the full names agree, the family's name kept, a missing class left empty.
class TFamilienFragen {
public:
    virtual ~TFamilienFragen() = default;
    virtual TKlassenantwort KlasseFehlt(const TImportSatz& satz, const QString& letzteKlasse);
    // frage 1: neither has a phone; frage 2: one phone contains the other.
    virtual TGeschwisterAntwort Geschwister(int frage, const TImportSatz& satz, const TEltern& familie,
                                            bool namenGleich);
    // The same phone, another surname.
    virtual bool GleichesTelefon(const TImportSatz& satz, const TEltern& familie);
    // Which name the joined family keeps (Zusatz, Name); none keeps the family's.
    virtual std::optional<std::pair<QString, QString>> Familienname(const TEltern& familie,
                                                                    const TImportSatz& satz);
};

// What lasts from pupil to pupil of one import, and from one class file to the next.
struct TFamilienImportStand {
    QString ImportKlasse;
    bool KlasseFragen = true;
    TKlassenantwort KlassenVorgabe;
    bool KlassenFolgeImport = false;
    bool Q1Automatisch = false;
    bool Q2Automatisch = false;
};

struct TFamilienImportErgebnis {
    int Familien = 0; // created
    int Kinder = 0;
    int Geschwister = 0; // children that joined an existing family
    bool Abgebrochen = false;
};

// The record of table row zeile (texts by target field); an empty first name gives none.
std::optional<TImportSatz> SchuelerSatz(int zeile, std::array<QString, 6> texte, bool telefonZugeordnet,
                                        TFamilienImportStand& stand, TFamilienFragen& fragen);
// 0..7: the phone part (1 both empty, 2 one contains the other, 3 equal) plus 4 for the same surname.
int Aehnlichkeit(const TEltern& familie, const TImportSatz& satz);
// Joins each pupil to a family that is recognised as its siblings' or makes a new family.
TFamilienImportErgebnis GeschwisterZuordnen(TProjekt& projekt, const std::vector<TImportSatz>& saetze,
                                            TFamilienFragen& fragen, TFamilienImportStand& stand);
// The whole import of the table: unless appending, the families and conversations go first.
TFamilienImportErgebnis FamilienImportieren(TProjekt& projekt, TRueckCollection& rueck,
                                            const TTextimport& datei, const TFeldzuordnung& zuordnung,
                                            bool anhaengen, TFamilienFragen& fragen,
                                            TFamilienImportStand& stand);
