#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QGridLayout;
class QPoint;
class QWidget;

// Where windows may lie: the screen without its task bars. A window must fit it whole, frame included,
// also on small screens at a high scaling.

// The work area of the screen at a point (the primary screen's where no screen is there).
QRect Arbeitsflaeche(const QPoint& ort);
// The work area of the screen the window is on, or of its parent's.
QRect Arbeitsflaeche(const QWidget* fenster);

// The frame the window system draws around the window. Before the window system has framed it, that
// of a window already framed, which it frames alike; failing that, a title bar of the style's height.
QMargins Fensterrahmen(const QWidget* fenster);

// The largest client size whose frame still fits the area.
QSize Hoechstgroesse(const QWidget* fenster, const QRect& flaeche);

// The client rectangle nearest to wunsch whose frame lies inside the area: moved in, and shrunk where
// it is larger than the area.
QRect Eingepasst(const QRect& wunsch, const QMargins& rahmen, const QRect& flaeche);

// Sizes a window to its contents as far as the work area has room for them (Qt's adjustSize stops at
// two thirds of the screen).
void GroesseAnpassen(QWidget* fenster, const QRect& flaeche);
// Gives a window the size it starts with, as far as the work area has room for it.
void Anfangsgroesse(QWidget* fenster, const QSize& groesse);
// Gives a window a minimum size, as far as the work area has room for it; again whenever it shows, as
// its frame and screen are known then.
void Mindestgroesse(QWidget* fenster, const QSize& groesse);

// Puts the second part of a window beside the first, or below it for a work area too narrow for both
// side by side.
void PaarAnordnen(QGridLayout* raster, QWidget* erstes, QWidget* zweites, bool nebeneinander);
