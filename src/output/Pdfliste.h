#pragma once

#include "Gespraechsliste.h"

#include <QByteArray>
#include <functional>

class TProjekt;
class TTerminecodes;
class TZeichenziel;
struct TSeitenmetrik;
struct TSchuldaten;

// A PDF document of A4 pages (landscape with quer) at 600 pixels per inch, drawn by zeichnen. Each call
// has a writer and fonts of its own, so several threads may make documents at once.
QByteArray PdfDokument(const QString& titel, bool quer,
                       const std::function<void(TZeichenziel&, const TSeitenmetrik&)>& zeichnen);

// One composed list as a PDF document of A4 pages in the layout's orientation, drawn at 600 pixels per
// inch; the caller decides where it is saved. Only reads the project and the school data; codes are the
// families' codes of the run, if any.
QByteArray ListeAlsPdf(const TProjekt& projekt, const TSchuldaten& schule, const TListenAuftrag& auftrag,
                       const TListenZeilen& zeilen, TTerminecodes* codes = nullptr);
