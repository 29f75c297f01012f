#pragma once

#include "Gespraechsliste.h"

#include <QByteArray>

class TProjekt;
struct TSchuldaten;

// One composed list as a PDF document of A4 pages in the layout's orientation, drawn at 600 pixels per
// inch; the caller decides where it is saved.
QByteArray ListeAlsPdf(const TProjekt& projekt, const TSchuldaten& schule, const TListenAuftrag& auftrag,
                       const TListenZeilen& zeilen);
