#pragma once

#include "Listenlayout.h"
#include "Zeiten.h"

#include <QByteArray>
#include <QString>

class TElternliste;
class TLehrerliste;
class TMeldung;
class TProjekt;
class TVELMemStream;

// AktuellesFormat: a legacy mode was asked for a file that reads cleanly in the current layout; it would
// read garbage, so nothing was read.
enum class TLeseErgebnis { Gelesen, KeinProjekt, Lesefehler, AktuellesFormat };

// What opening a project takes from outside the file.
struct TLeseOptionen {
    // Legacy modes for files of an older layout than their magic says.
    bool OhneKindNachname = false; // children without Nachname, families without Telefon
    bool DatumAlsText = false;     // dates as text; implies OhneKindNachname
    // Program settings that files older than version 02 (LatKlBez) and 03 (list layout) do not carry.
    bool LatKlBez = false;
    TListenlayout Layout;
};

// How the records of one file are laid out.
struct TDateiformat {
    int Version = 4;       // 0 for "VEL-Projekt00", 1 to 4 for "VELProjekt01" and later
    bool MitZeiten = true; // teacher records carry slot arrays (not in teacher files)
    bool OhneKindNachname = false;
    bool DatumAlsText = false;
};

extern const char* const ProjektMagic;
extern const char* const KeineProjektdateiText;
extern const char* const NotizHinweisText;

// The version a project magic stands for, or -1 when the file is no project file.
int ProjektVersion(const QByteArray& magic);

// Reads a project file into neu, which the caller passes fresh and swaps in only when the result is
// Gelesen. Not a project: the message has been shown. Lesefehler: the file is damaged, and the caller
// tells the user.
TLeseErgebnis ProjektLaden(const QString& pfad, TProjekt& neu, TMeldung& meldung,
                           const TLeseOptionen& optionen);
TLeseErgebnis ProjektLesen(const QByteArray& daten, TProjekt& neu, TMeldung& meldung,
                           const TLeseOptionen& optionen);

// The legacy mode in which a file that failed to read in the current layout reads cleanly, if any.
enum class TAltformat { Aktuell, OhneKindNachname, DatumAlsText };
TAltformat PassendesAltformat(const QString& pfad);
TLeseOptionen AltformatOptionen(TAltformat format);

// Frees slot entries that name no conversation; true (after telling the user) when any was found, so
// that the caller marks the project changed.
bool ProjektPruefen(TProjekt& projekt, TMeldung& meldung);

// A family number above LetzteElternNr is taken over, with a message.
void LetzteElternNrKorrigieren(TProjekt& projekt, TMeldung& meldung);

// The project as a version-04 file. Empty, with fehler set, when a value does not fit the format.
QByteArray ProjektDaten(const TProjekt& projekt, QString& fehler);
// Writes the file in one piece; the previous file survives any failure. The note-pad hint of old files
// is not stored and leaves the note pad when saving succeeded.
bool ProjektSpeichern(TProjekt& projekt, const QString& pfad, QString& fehler);

// The sections, also used by the imports. Families are created as members of projekt.
void ElternlisteLesen(TVELMemStream& strom, const TDateiformat& format, TProjekt& projekt,
                      TElternliste& ziel);
void LehrerlisteLesen(TVELMemStream& strom, const TDateiformat& format, const TZeiten& standardsperre,
                      TLehrerliste& ziel);
// The plan state, the time frame and the conversations, not yet linked to their partners.
void GespraecheLesen(TVELMemStream& strom, const TDateiformat& format, TProjekt& projekt, TMeldung& meldung);
void LehrerlisteSchreiben(TVELMemStream& strom, const TLehrerliste& liste, bool mitZeiten);

// Teacher files (".ldt"). Loading replaces the project's teachers only when the whole file could be
// read, and refuses while conversations refer to the teachers.
bool LehrerdateiSpeichern(const TLehrerliste& liste, const QString& pfad, QString& fehler);
bool LehrerdateiLaden(const QString& pfad, TProjekt& projekt, TMeldung& meldung);

// Files other than the open project that turn out damaged: nothing of them is taken.
QString BeschaedigtText(const QString& pfad);
