#include "Seitenmetrik.h"

#include <algorithm>
#include <cmath>

int Runden(double wert) {
    return static_cast<int>(std::nearbyint(wert));
}

int CmInPx(double cm, const TSeitenmetrik& m) {
    return Runden(cm / 2.54 * m.PpiX);
}

QFont Seitenschrift(const QString& art, double punkte, const TSeitenmetrik& m) {
    QFont schrift(art.isEmpty() ? QStringLiteral("Times New Roman") : art);
    schrift.setPixelSize(std::max(1, Runden(m.PpiY * punkte / 72.0)));
    return schrift;
}

namespace {

double Zentimeter(int px, int ppi) {
    return px / static_cast<double>(ppi) * 2.54;
}

double ZweiStellen(double cm) {
    return Runden(cm * 100) / 100.0;
}

// Paper narrower than A4 shrinks everything in proportion.
void Ableiten(TSeitenmetrik& m) {
    m.RandRechtsPx = m.PhysBreitePx - m.SeiteBreitePx - m.RandLinksPx;
    m.RandUntenPx = m.PhysHoehePx - m.SeiteHoehePx - m.RandObenPx;
    m.PapierBreiteCm = Zentimeter(m.PhysBreitePx, m.PpiX);
    m.PapierHoeheCm = Zentimeter(m.PhysHoehePx, m.PpiY);
    m.MinRandLinksCm = ZweiStellen(Zentimeter(m.RandLinksPx, m.PpiX));
    m.MinRandRechtsCm = ZweiStellen(Zentimeter(m.RandRechtsPx, m.PpiX));
    m.MinRandObenCm = ZweiStellen(Zentimeter(m.RandObenPx, m.PpiY));
    m.MinRandUntenCm = ZweiStellen(Zentimeter(m.RandUntenPx, m.PpiY));
    m.Skalierung = m.PapierBreiteCm < 18.918 ? Runden(m.PapierBreiteCm * 1000 / 21.02) / 1000.0 : 1.0;
}

} // namespace

TSeitenmetrik GeraetMetrik(int ppiX, int ppiY, QSize druckbar, QSize papier, QPoint versatz) {
    TSeitenmetrik m;
    m.PpiX = ppiX;
    m.PpiY = ppiY;
    m.SeiteBreitePx = druckbar.width();
    m.SeiteHoehePx = druckbar.height();
    m.PhysBreitePx = papier.width();
    m.PhysHoehePx = papier.height();
    m.RandLinksPx = versatz.x();
    m.RandObenPx = versatz.y();
    Ableiten(m);
    return m;
}

TSeitenmetrik StandardMetrik(bool quer) {
    constexpr int Ppi = 300;
    constexpr int Streifen = 20;
    double breiteCm = 21.02;
    double hoeheCm = 29.73;
    if (quer) std::swap(breiteCm, hoeheCm);
    const QSize papier(Runden(breiteCm / 2.54 * Ppi), Runden(hoeheCm / 2.54 * Ppi));
    return GeraetMetrik(Ppi, Ppi, papier - QSize(2 * Streifen, 2 * Streifen), papier, {Streifen, Streifen});
}

TSeitenmetrik PdfMetrik(QSize seite) {
    TSeitenmetrik m = GeraetMetrik(600, 600, seite, seite, {});
    m.Skalierung = 1.0;
    return m;
}

TRandPx RaenderBerechnen(const TSeitenraender& r, const TSeitenmetrik& m) {
    const auto px = [&m](double cm, int ppi, int streifen) {
        return std::max(0, Runden(cm * m.Skalierung / 2.54 * ppi) - streifen);
    };
    return {px(r.Links, m.PpiX, m.RandLinksPx), px(r.Oben, m.PpiY, m.RandObenPx),
            px(r.Rechts, m.PpiX, m.RandRechtsPx), px(r.Unten, m.PpiY, m.RandUntenPx)};
}

TSeitenraender RaenderMindestens(const TSeitenraender& r, const TSeitenmetrik& m) {
    return {std::max(r.Links, m.MinRandLinksCm), std::max(r.Oben, m.MinRandObenCm),
            std::max(r.Rechts, m.MinRandRechtsCm), std::max(r.Unten, m.MinRandUntenCm)};
}
