#pragma once

#include <QByteArray>
#include <QPoint>
#include <QSize>
#include <optional>
#include <vector>

class QPainter;

// The largest symbol the lists print: 177 modules a side. At the smallest module a 300 dpi printer
// renders reliably (three dots, a hundredth of an inch) it is 47 mm wide with its quiet zone, which a
// page takes beside its other content; a larger text would need modules too fine to scan.
constexpr int QrHoechsteVersion = 40;
// White modules every scanner needs around a symbol.
constexpr int QrRuhezone = 4;

// The modules of a QR symbol, row by row, without the quiet zone.
class TQrMatrix {
public:
    TQrMatrix(int version, int seite, std::vector<bool> module);
    int Version() const { return Stufe; }
    // Modules a side.
    int Seite() const { return Breite; }
    bool Dunkel(int x, int y) const { return Module[static_cast<size_t>(y * Breite + x)]; }

private:
    int Stufe;
    int Breite;
    std::vector<bool> Module;
};

// UTF-8 text as it is (8-bit mode, marked as UTF-8), at error correction level L, in the smallest symbol
// that holds it; none when even the largest symbol the lists print cannot. Printed paper is rarely
// soiled, and level L holds the most: a family's eight appointments with long names still fit.
std::optional<TQrMatrix> QrKodieren(const QByteArray& text);

// Draws the dark modules as filled rectangles, one per run of a row, with ursprung the top-left corner
// of the symbol (the quiet zone lies outside) and modul the size of one module in pixels.
void QrZeichnen(QPainter& maler, const TQrMatrix& matrix, QPoint ursprung, QSize modul);
