#pragma once

#include "model/Listenlayout.h"

#include <QFont>
#include <QPoint>
#include <QSize>

// Rounds to the nearest integer, halves to the even neighbour, as every position of a page does.
int Runden(double wert);

// The page a list is drawn on: resolution, printable and physical size, the unprintable strips and the
// scale that shrinks fonts, margins and tab stops on paper narrower than A4.
struct TSeitenmetrik {
    int PpiX = 300;
    int PpiY = 300;
    int SeiteBreitePx = 0;
    int SeiteHoehePx = 0;
    int PhysBreitePx = 0;
    int PhysHoehePx = 0;
    int RandLinksPx = 0;
    int RandObenPx = 0;
    int RandRechtsPx = 0;
    int RandUntenPx = 0;
    double PapierBreiteCm = 0;
    double PapierHoeheCm = 0;
    double MinRandLinksCm = 0;
    double MinRandRechtsCm = 0;
    double MinRandObenCm = 0;
    double MinRandUntenCm = 0;
    double Skalierung = 1.0;
};

// A length on the page in pixels across it.
int CmInPx(double cm, const TSeitenmetrik& metrik);
// A font of the layout sized in pixels of the page, so that printer, PDF and preview give the same page
// at any resolution; an empty name is the layout's default font.
QFont Seitenschrift(const QString& art, double punkte, const TSeitenmetrik& metrik);

// A printer's page: printable area, physical paper and the offset of the printable area, in pixels.
TSeitenmetrik GeraetMetrik(int ppiX, int ppiY, QSize druckbar, QSize papier, QPoint versatz);
// An A4 sheet assumed when no printer exists.
TSeitenmetrik StandardMetrik(bool quer);
// A PDF page of the given size in pixels at 600 pixels per inch, without unprintable strips.
TSeitenmetrik PdfMetrik(QSize seite);

struct TRandPx {
    int Links = 0;
    int Oben = 0;
    int Rechts = 0;
    int Unten = 0;
};
// The page margins in pixels of the printable area.
TRandPx RaenderBerechnen(const TSeitenraender& raender, const TSeitenmetrik& metrik);

// The margins raised where they are narrower than the strip the printer cannot print on; unchanged
// when they all are wide enough.
TSeitenraender RaenderMindestens(const TSeitenraender& raender, const TSeitenmetrik& metrik);
