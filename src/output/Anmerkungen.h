#pragma once

#include <QString>

class TMeldung;
class TPerson;
class TProjekt;

// The explanation of the "+" before the name of a child who comes along to the conversation.
QString PlusErklaerung();

// An annotation's line breaks as an editor takes them ("\n") and as the files keep them (CR LF).
QString Bearbeitungsform(const QString& anmerkung);
QString Dateiform(const QString& bearbeitet);

// The automatic explanation in every person's annotation brought in line with the setting: switched
// off, it leaves every annotation; switched on, the persons with a conversation a child comes along to
// get it in front of their text and the others lose it. True when any annotation changed.
bool AnmerkungenAbgleichen(TProjekt& projekt, bool an);

// The texts of the annotation dialog taken over: the general text of the families or of the teachers,
// and the person's own text when a person is given. Only a text that differs is stored; true then.
bool AnmerkungenUebernehmen(TProjekt& projekt, bool eltern, TPerson* person, const QString& alle,
                            const QString& eigene);

// What the question about the automatic explanation did.
struct TAutoAnmerkEntscheidung {
    bool Umgeschaltet = false; // the setting changed and is to be stored
    bool Geaendert = false;    // and with it an annotation of the project
};

// Asks whether the explanation is to be written automatically; the default answer keeps the setting.
// A changed setting is applied to the project at once (null when none is open). Asked unprompted, the
// question names the menu entry that asks it again.
TAutoAnmerkEntscheidung AutoAnmerkungFragen(TMeldung& meldung, TProjekt* projekt, bool& autoAnmerk,
                                            bool ausMenue);
