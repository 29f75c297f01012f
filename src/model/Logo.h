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

// Why a picture file could not become the logo.
enum class TLogoFehler { Keiner, Art, Metafile, Lesen, Bild };

// Takes a picture file as the school's logo: the extension gives the kind, the picture is printed and
// the school's name shown beside it. On any failure the layout stays as it was, old logo and all.
TLogoFehler LogoLaden(TListenlayout& layout, const QString& datei);
// The message telling why the file was refused.
QString LogoFehlertext(TLogoFehler fehler, const QString& datei);

// The picture alone, as when a project holds none.
void LogoEntfernen(TListenlayout& layout);
// No logo any more: no picture, no file, and the school's name printed again.
void LogoVerwerfen(TListenlayout& layout);

// Length of the PNG stream at the start of the data (signature to the end chunk), or -1.
qsizetype PngLaenge(QByteArrayView daten);
// Length of the bitmap file at the start of the data by its header, or -1.
qsizetype BitmapLaenge(QByteArrayView daten);
