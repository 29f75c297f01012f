#pragma once

#include <QFont>

// The font for printer and PDF: the faces the machine draws "Times New Roman" and "Arial" with are
// exchanged for copies of them without hinting programs. The PDF keeps outlines unscaled, so hinting
// changes nothing on paper, but running it costs half of a PDF run.
QFont Druckschrift(QFont schrift);
