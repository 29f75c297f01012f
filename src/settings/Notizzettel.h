#pragma once

#include <QString>

class TMeldung;
class TProjekt;

// The work steps of the note pad, numbered 1 to NotizSchritte as the pad lists them. Step 1 (the time
// frame) follows the open project; steps 2 to 12 are the project's marks NotizHaken[schritt - 2].
constexpr int NotizSchritte = 12;

QString NotizBeschriftung(int schritt);

// Whether the step is ticked; without a project nothing is.
bool HakenGesetzt(const TProjekt* projekt, int schritt);
// Sets or clears the mark of steps 2 to 12; step 1 is not the project's to set.
void HakenSetzen(TProjekt& projekt, int schritt, bool an);

// Why the step cannot be ticked by hand now ("die Lehrerliste leer ist"); empty when it can.
QString HakenVerweigerung(const TProjekt* projekt, int schritt);

// A click on a step: toggles its mark, or tells why it cannot be ticked. True when the mark changed.
bool HakenUmschalten(TProjekt* projekt, int schritt, TMeldung& meldung);

// Marks the project's shape no longer supports are cleared: without conversations everything from the
// request entry on, without teachers the teacher and room steps, without families the family list.
// True when a mark changed.
bool HakenAbgleichen(TProjekt& projekt);

// A new project starts with no step done and no notes.
void NotizenLeeren(TProjekt& projekt);
