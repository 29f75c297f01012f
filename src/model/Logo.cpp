#include "Logo.h"

#include "Listenlayout.h"
#include "VELMemStream.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

const char* Bildformat(int art) {
    switch (art) {
    case LogoBitmap:
        return "BMP";
    case LogoJpeg:
        return "JPEG";
    case LogoPng:
        return "PNG";
    case LogoIcon:
        return "ICO";
    case LogoGif:
        return "GIF";
    default:
        return nullptr;
    }
}

QImage Bild(QByteArrayView daten, int art) {
    const char* format = Bildformat(art);
    return format ? QImage::fromData(daten, format) : QImage();
}

QByteArray PngAus(const QImage& bild) {
    QByteArray png;
    if (bild.isNull()) return png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    if (!bild.save(&puffer, "PNG")) png.clear();
    return png;
}

// Kinds whose data carries an int64 byte count in front.
bool MitLaenge(int art) {
    return art == LogoJpeg || art == LogoMetafile || art == LogoIcon || art == LogoGif;
}

// Only data a reader can find the end of is written. A bitmap that could not be converted keeps its
// own bytes rather than being lost.
bool Schreibbar(int art, const QByteArray& daten) {
    if (daten.isEmpty()) return false;
    if (art == LogoBitmap) return BitmapLaenge(daten) == daten.size();
    if (art == LogoPng) return PngLaenge(daten) == daten.size();
    return MitLaenge(art);
}

// Metafiles cannot be drawn here; their headers at least tell them from other data.
bool IstMetafile(const QByteArray& d) {
    if (d.size() >= 44 && qFromLittleEndian<quint32>(d.constData()) == 1 && d.mid(40, 4) == " EMF")
        return true;
    if (d.size() >= 22 && qFromLittleEndian<quint32>(d.constData()) == 0x9AC6CDD7u) return true;
    return d.size() >= 18 && (d.startsWith(QByteArray("\x01\x00\x09\x00", 4)) ||
                              d.startsWith(QByteArray("\x02\x00\x09\x00", 4)));
}

int ArtAusEndung(const QString& datei) {
    const QString endung = QFileInfo(datei).suffix().toLower();
    if (endung == u"bmp") return LogoBitmap;
    if (endung == u"jpg" || endung == u"jpeg") return LogoJpeg;
    if (endung == u"wmf" || endung == u"emf") return LogoMetafile;
    if (endung == u"png") return LogoPng;
    if (endung == u"ico") return LogoIcon;
    if (endung == u"gif") return LogoGif;
    return LogoKeins;
}

} // namespace

qsizetype PngLaenge(QByteArrayView daten) {
    static const QByteArray signatur("\x89PNG\r\n\x1a\n", 8);
    if (!daten.startsWith(signatur)) return -1;
    qsizetype pos = signatur.size();
    for (;;) {
        if (daten.size() - pos < 12) return -1;
        const quint32 laenge = qFromBigEndian<quint32>(daten.data() + pos);
        const QByteArrayView typ = daten.sliced(pos + 4, 4);
        if (laenge > quint32(daten.size() - pos - 12)) return -1;
        pos += 12 + qsizetype(laenge);
        if (typ == "IEND") return pos;
    }
}

qsizetype BitmapLaenge(QByteArrayView daten) {
    if (daten.size() < 14 || !daten.startsWith("BM")) return -1;
    const quint32 laenge = qFromLittleEndian<quint32>(daten.data() + 2);
    return laenge >= 14 && laenge <= quint64(daten.size()) ? qsizetype(laenge) : -1;
}

void LogoEntfernen(TListenlayout& l) {
    l.Logo = QImage();
    l.LogoQuelle.clear();
    l.LogoArt = LogoKeins;
}

void LogoLesen(TVELMemStream& s, TListenlayout& l) {
    LogoEntfernen(l);
    const int32_t art = s.Int32();
    qsizetype laenge;
    if (art == LogoBitmap)
        laenge = BitmapLaenge(s.Restdaten());
    else if (art == LogoPng)
        laenge = PngLaenge(s.Restdaten());
    else if (MitLaenge(art)) {
        const int64_t n = s.Int64();
        laenge = n >= 0 && n <= s.Rest() ? qsizetype(n) : -1;
    } else
        return; // an unknown kind carries no data
    const QByteArray daten = s.Bytes(laenge);
    if (!s.LeseOK) return;
    l.LogoArt = static_cast<uint8_t>(art);
    l.LogoQuelle = daten;
    l.Logo = Bild(daten, art);
}

void LogoSchreiben(TVELMemStream& s, const TListenlayout& l) {
    int32_t art = l.LogoArt;
    QByteArray daten = l.LogoQuelle;
    // Bitmaps, pictures without stored bytes and PNG data whose end cannot be found go as PNG.
    if (art == LogoBitmap || daten.isEmpty() || (art == LogoPng && PngLaenge(daten) != daten.size())) {
        const QByteArray png = PngAus(l.Logo);
        if (!png.isEmpty()) {
            art = LogoPng;
            daten = png;
        }
    }
    if (!Schreibbar(art, daten)) {
        s.SchreibeInt32(LogoKeins);
        return;
    }
    s.SchreibeInt32(art);
    if (MitLaenge(art)) s.SchreibeInt64(daten.size());
    s.SchreibeBytes(daten);
}

bool LogoLaden(TListenlayout& l, const QString& datei) {
    const int art = ArtAusEndung(datei);
    if (art == LogoKeins) return false;
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return false;
    QByteArray daten = f.readAll();
    QImage bild;
    if (art == LogoMetafile) {
        if (!IstMetafile(daten)) return false;
    } else {
        bild = Bild(daten, art);
        if (bild.isNull()) return false;
    }
    if (art == LogoPng) {
        // Only the PNG stream itself is stored: the reader finds its end by the end chunk.
        const qsizetype laenge = PngLaenge(daten);
        daten = laenge > 0 ? daten.left(laenge) : PngAus(bild);
    }
    l.LogoArt = static_cast<uint8_t>(art);
    l.LogoQuelle = daten;
    l.Logo = bild;
    return true;
}
