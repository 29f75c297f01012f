#pragma once

#include <QString>

class TElternliste;
class TMeldung;
class TProjekt;
class TRueckCollection;

// Unschedules every conversation, nailed ones included; blocks stay. The undo store rueck no longer
// fits the plan and is emptied. Does nothing on a project without conversations unless forced.
void PlanZuruecksetzen(TProjekt& projekt, TRueckCollection& rueck, bool erzwungen);

// One class level up: "9c" gives "10c", with Latin names "UIII a" gives "OIII a".
QString KlasseHoch(const QString& klasse, bool latKlBez);

// Every child of the families moves up one level; a child beyond the last level leaves school and
// is removed with its conversations. The families stay.
void Versetzung(TProjekt& projekt, TElternliste& familien);

// Takes the families of another project file, keeping the present ones or replacing them; all
// conversations of the project are discarded, and with the plan the undo store rueck. True when the
// project has families afterwards.
bool ElternAusProjekt(TProjekt& projekt, TRueckCollection& rueck, const QString& pfad, bool behalten,
                      TMeldung& meldung);

// Replaces the teachers by those of another project file. Refused while conversations refer to the
// teachers. True when the teachers were replaced.
bool LehrerAusProjekt(TProjekt& projekt, const QString& pfad, TMeldung& meldung);

// The default name of the next new project: "Proj-0", "Proj-1", ...
QString NeuerProjektName(const QString& projektNameVorgabe);

// Recomputes ZweiTage and LetzterSlot from the dates and the existing slots.
void ZweiTageBestimmen(TProjekt& projekt);
