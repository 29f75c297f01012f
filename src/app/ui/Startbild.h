#pragma once

class QPainter;
class QRect;

// The program's picture of the splash and info windows: a title panel drawn in code.
void StartbildMalen(QPainter& maler, const QRect& flaeche);
