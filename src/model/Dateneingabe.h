#pragma once

#include <QString>
#include <vector>

class TEltern;
class TGespraech;
class TKind;
class TLehrer;
class TLehrerliste;
class TProjekt;
class TRueckCollection;

// What the data-entry commands of the main window do to the project, apart from any window.

// A new request of the child with the teacher, appended to the child's list. The plan must be prepared
// again, so the scheduler's flags are cleared; the conversation counters are recounted.
TGespraech* GespraechHinzufuegen(TProjekt& projekt, TLehrer* lehrer, TKind* kind, bool kindKommtMit);

// The child already has a request whose teacher has exactly this Kürzel.
bool GespraechVorhanden(const TKind& kind, const QString& kuerzel);

// Moves a request to position index of the child ziel (its own child or another child of the same
// family). Moved to another child it comes along exactly when all requests there are so marked. The
// new ranks change the scheduler's search order, which must be determined again.
void GespraechVerschieben(TProjekt& projekt, TGespraech* g, TKind* ziel, int index);

// Cuts the first comma-separated token off the text; the trimmed rest stays in text.
QString KuerzelAbtrennen(QString& text);

int GespraecheDerFamilie(const TEltern& eltern);
// Counted from the requests themselves: after a scheduling run the teacher's Zaehler holds the run's
// working values until the next recount.
int GespraecheDesLehrers(const TProjekt& projekt, const TLehrer& lehrer);

// Removing records frees their appointments (the conversations' slots at the other side too) and
// recounts. The undo store rueck is emptied when one of its entries refers to a removed record, since
// undo would otherwise reach a freed one.
// Takes its own copy of the list, so a child's own request list may be passed.
void GespraecheLoeschen(TProjekt& projekt, TRueckCollection& rueck, std::vector<TGespraech*> gespraeche);
void FamilieLoeschen(TProjekt& projekt, TRueckCollection& rueck, TEltern* eltern);
void KindLoeschen(TProjekt& projekt, TRueckCollection& rueck, TKind* kind);
// Deleting a teacher always empties the undo store and makes the plan be prepared again. Returns the
// number of conversations deleted with the teacher.
int LehrerLoeschen(TProjekt& projekt, TRueckCollection& rueck, TLehrer* lehrer);

// Adds a teacher and keeps the teacher list in order, with namesakes marked.
TLehrer* LehrerHinzufuegen(TProjekt& projekt, const QString& anrede, const QString& kuerzel,
                           const QString& name, const QString& zusatz, const QString& akadTitel);
// Sorts the teacher list again after a teacher's names or Kürzel changed.
void LehrerNeuOrdnen(TProjekt& projekt);

// The salutation editor: "Herr" and "Frau" swapped for every teacher; or, with both texts normalised
// with Trimmen, every salutation that is exactly von replaced by nach (an empty von fills in the missing
// ones). True when a salutation changed.
bool AnredenTauschen(TLehrerliste& lehrer);
bool AnredenErsetzen(TLehrerliste& lehrer, const QString& von, const QString& nach);

// A family renamed to name/zusatz: a ticked child takes the new family name, an unticked child keeps
// the name it had (its own surname, or the old family name).
void FamilieUmbenennen(TEltern& eltern, const QString& name, const QString& zusatz,
                       const std::vector<bool>& haken);

// What a class bulk add did: requests created, existing requests newly marked "child comes along".
struct TKlassenZuwachs {
    int Neu = 0;
    int Markiert = 0;
};

// Gives every child of the class (compared literally) a request with the teacher; an existing request
// is only marked when the child comes along.
TKlassenZuwachs AlleKlasseHinzu(TProjekt& projekt, TLehrer* lehrer, const QString& klasse, bool kindKommtMit);

// The distinct classes of all children in the class order of the family list; the empty class only
// when asked for.
std::vector<QString> KlassenDerKinder(const TProjekt& projekt, bool mitLeerer);
