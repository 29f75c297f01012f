#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <cstdint>

class TVELMemStream;
struct TListenlayout;

// Kinds of the school logo, as stored in the logo block.
enum TLogoArt : uint8_t {
    LogoKeins = 0,
    LogoBitmap = 1,
    LogoJpeg = 2,
    LogoMetafile = 3,
    LogoPng = 4,
    LogoIcon = 5,
    LogoGif = 6,
};

// The logo block: kind, then the picture. A bitmap is written as PNG. The bytes as read are kept in
// LogoQuelle and written back unchanged; metafiles are kept only as bytes.
void LogoLesen(TVELMemStream& strom, TListenlayout& layout);
void LogoSchreiben(TVELMemStream& strom, const TListenlayout& layout);

// Loads a picture file for the layout; the extension gives the kind. False when it is no picture of
// a known kind; the layout is then unchanged.
bool LogoLaden(TListenlayout& layout, const QString& datei);

void LogoEntfernen(TListenlayout& layout);

// Length of the PNG stream at the start of the data (signature to the end chunk), or -1.
qsizetype PngLaenge(QByteArrayView daten);
// Length of the bitmap file at the start of the data by its header, or -1.
qsizetype BitmapLaenge(QByteArrayView daten);
