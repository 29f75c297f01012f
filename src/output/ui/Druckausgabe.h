#pragma once

#include "output/Gespraechsliste.h"
#include "output/Seitenmetrik.h"

class QPrinter;
class TMeldung;
class TProjekt;
class TTerminecodes;
struct TSchuldaten;

// The page of the printer in the layout's orientation.
TSeitenmetrik GeraetMetrikLesen(QPrinter& drucker, const TProjekt& projekt);
// The page of the printer in the given orientation (1 landscape), as the other lists use it.
TSeitenmetrik GeraetMetrikLesen(QPrinter& drucker, uint8_t ausrichtung);

// Offers to widen margins the printer cannot print on; true when the user took the offer.
bool RaenderPruefen(TSeitenraender& raender, const TSeitenmetrik& metrik, TMeldung& meldung);

// Prints one composed list as one print job with the given title (a PDF printer driver offers it as
// the file name); false when the job could not be started. codes are the families' codes of the run.
bool ListeDrucken(QPrinter& drucker, const QString& titel, const TProjekt& projekt, const TSchuldaten& schule,
                  const TListenAuftrag& auftrag, const TListenZeilen& zeilen, TTerminecodes* codes);

// A single list on demand, titled "Gesprächsliste für" and the person's name; a family's list carries
// its code when mitCode, and says so when it cannot.
bool EinzellisteDrucken(QPrinter& drucker, const TProjekt& projekt, const TSchuldaten& schule,
                        const TListenAuftrag& auftrag, const TListenZeilen& zeilen, bool mitCode,
                        TMeldung& meldung);
