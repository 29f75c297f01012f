#pragma once

#include <QFont>

// The font for printer and PDF: the faces the machine draws "Times New Roman" and "Arial" with are
// exchanged for copies made at build time, without hinting programs and with a flat character table.
// The PDF keeps outlines unscaled, so the pages look the same, but they are written in half the time.
QFont Druckschrift(QFont schrift);

// Whether a family is one of these copies; they are no choice of their own in the font lists.
bool IstDruckkopie(const QString& familie);
