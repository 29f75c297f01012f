#pragma once

#include "output/Seitenmetrik.h"

#include <QString>
#include <functional>

class QPrinter;
class QWidget;
class TDateiwahl;
class TMeldung;
class TProjekt;
class TZeichenziel;

// Where the other lists go: the printer of the print commands, or a PDF file in the PDF folder.
struct TSonstigeAusgabe {
    const TProjekt& Projekt;
    TMeldung& Meldungen;
    TDateiwahl& Dateiwahl;
    QPrinter& Drucker;
    QString PdfOrdner;
};

using TSonstigesZeichnen = std::function<void(TZeichenziel&, const TSeitenmetrik&)>;

// Prints as one job with the given title; refuses paper smaller than about A4.
bool SonstigesDrucken(const TSonstigeAusgabe& ausgabe, const QString& titel,
                      const TSonstigesZeichnen& zeichnen);
// Asks for the file (dialog title, proposed name in the PDF folder) and saves; false when cancelled or
// the file could not be written, which is reported.
bool SonstigesAlsPdf(const TSonstigeAusgabe& ausgabe, const QString& dialogtitel, const QString& name,
                     const TSonstigesZeichnen& zeichnen);
