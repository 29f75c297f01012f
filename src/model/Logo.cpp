#include "Logo.h"

#include "Listenlayout.h"
#include "VELMemStream.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
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

QImage Bild(const QByteArray& daten, int art) {
    const char* format = Bildformat(art);
    if (!format) return {};
    QBuffer puffer;
    puffer.setData(daten);
    QImageReader leser(&puffer, format);
    // The kind is the extension's: a file whose contents are of another kind counts as damaged.
    leser.setDecideFormatFromContent(false);
    return leser.read();
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

void LogoVerwerfen(TListenlayout& l) {
    LogoEntfernen(l);
    l.MitLogo = false;
    l.LogoDatei.clear();
    l.SchulnameAusblenden = false;
}

TLogoFehler LogoLaden(TListenlayout& l, const QString& datei) {
    const int art = ArtAusEndung(datei);
    if (art == LogoKeins) return TLogoFehler::Art;
    // Qt draws no metafiles; a logo that prints nothing would be worse than the one there was.
    if (art == LogoMetafile) return TLogoFehler::Metafile;
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return TLogoFehler::Lesen;
    QByteArray daten = f.readAll();
    const QImage bild = Bild(daten, art);
    if (bild.isNull()) return TLogoFehler::Bild;
    if (art == LogoPng) {
        // Only the PNG stream itself is stored: the reader finds its end by the end chunk.
        const qsizetype laenge = PngLaenge(daten);
        daten = laenge > 0 ? daten.left(laenge) : PngAus(bild);
    }
    l.LogoArt = static_cast<uint8_t>(art);
    l.LogoQuelle = daten;
    l.Logo = bild;
    l.MitLogo = true;
    l.LogoDatei = datei;
    l.SchulnameAusblenden = false;
    return TLogoFehler::Keiner;
}

QString LogoFehlertext(TLogoFehler fehler, const QString& datei) {
    const QString name = QDir::toNativeSeparators(datei);
    switch (fehler) {
    case TLogoFehler::Art:
        return QString::fromUtf8("Die Datei %1 ist keine Bilddatei, die VEL als Logo verwenden kann.\r"
                                 "Möglich sind Bilder der Arten PNG, JPEG, BMP, GIF und ICO.")
            .arg(name);
    case TLogoFehler::Metafile:
        return QString::fromUtf8("Die Datei %1 ist eine Vektorgrafik (EMF oder WMF), die VEL nicht "
                                 "darstellen kann.\rBitte speichern Sie das Logo als PNG, JPEG oder BMP "
                                 "und öffnen Sie es dann.")
            .arg(name);
    case TLogoFehler::Lesen:
        return QString::fromUtf8("Die Datei %1 kann nicht gelesen werden.").arg(name);
    case TLogoFehler::Bild:
        return QString::fromUtf8("Die Datei %1 ist beschädigt oder kein Bild der Art, die ihre Endung "
                                 "angibt.\rDas bisherige Logo bleibt unverändert.")
            .arg(name);
    case TLogoFehler::Keiner:
        break;
    }
    return {};
}
