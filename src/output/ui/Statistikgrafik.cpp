#include "Statistikgrafik.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

TStatistikgrafik::TStatistikgrafik(QWidget* eltern)
    : QWidget(eltern) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TStatistikgrafik::Setzen(TAuslastung auslastung) {
    Daten = std::move(auslastung);
    update();
}

QSize TStatistikgrafik::sizeHint() const {
    const int zh = fontMetrics().height();
    return {fontMetrics().averageCharWidth() * 90, zh * 24};
}

QSize TStatistikgrafik::minimumSizeHint() const {
    // Below this its captions run into each other.
    const int zh = fontMetrics().height();
    return {fontMetrics().averageCharWidth() * 60, zh * 16};
}

void TStatistikgrafik::Balken(QPainter& maler, const QRect& flaeche, const QString& titel,
                              const std::vector<int>& werte, const std::vector<QString>& beschriftung,
                              const QColor& farbe) const {
    const QFontMetrics fm = fontMetrics();
    const int zh = fm.height();
    const QColor schrift = palette().color(QPalette::WindowText);
    maler.setPen(schrift);
    maler.drawText(flaeche.left(), flaeche.top() + fm.ascent(), titel);
    const int hoechster = werte.empty() ? 0 : *std::max_element(werte.begin(), werte.end());
    const int skala = fm.horizontalAdvance(QStringLiteral("000 "));
    const QRect feld(flaeche.left() + skala, flaeche.top() + zh + 4, flaeche.width() - skala,
                     flaeche.height() - 2 * zh - 8);
    maler.setPen(palette().color(QPalette::Mid));
    maler.drawLine(feld.bottomLeft(), feld.bottomRight());
    maler.drawLine(feld.bottomLeft(), feld.topLeft());
    if (werte.empty() || hoechster == 0) return;
    maler.setPen(schrift);
    maler.drawText(flaeche.left(), feld.top() + fm.ascent(), QString::number(hoechster));
    maler.drawText(flaeche.left(), feld.bottom(), QStringLiteral("0"));
    // A few bars stay as wide as a label, side by side from the axis, instead of filling the width.
    const double etikett = fm.horizontalAdvance(QStringLiteral("00:00 "));
    const double breite = std::min(double(feld.width()) / double(werte.size()), etikett);
    // Labels only as often as they fit side by side.
    const int schritt = std::max(1, int(std::ceil(etikett / std::max(1.0, breite))));
    for (size_t i = 0; i < werte.size(); ++i) {
        const int x = feld.left() + int(i * breite);
        // The bars stand on the base line and the highest reaches the top of the axis.
        const int h = (feld.height() - 1) * werte[i] / hoechster;
        maler.fillRect(QRect(x + 2, feld.bottom() - h, std::max(1, int(breite) - 3), h), farbe);
        if (i % size_t(schritt) == 0 && i < beschriftung.size())
            maler.drawText(x + 2, feld.bottom() + 2 + fm.ascent(), beschriftung[i]);
    }
}

void TStatistikgrafik::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.fillRect(rect(), palette().color(QPalette::Base));
    const int tage = Daten.Gespraeche[1].empty() ? 1 : 2;
    const int teile = tage + 1;
    const int hoehe = height() / teile;
    for (int tag = 0; tag < tage; ++tag)
        Balken(maler, QRect(8, tag * hoehe + 4, width() - 16, hoehe - 8),
               QString::fromUtf8("Gespräche je Zeitabschnitt, %1. Tag").arg(tag + 1), Daten.Gespraeche[tag],
               Daten.Zeiten[tag], QColor(0x33, 0x88, 0xFF));
    std::vector<QString> luecken;
    for (size_t i = 0; i < Daten.Wartezeiten.size(); ++i)
        luecken.push_back(QString::number(i));
    Balken(maler, QRect(8, tage * hoehe + 4, width() - 16, hoehe - 8),
           QString::fromUtf8("Wartezeiten der Familien zwischen zwei Gesprächen (in Zeitabschnitten)"),
           Daten.Wartezeiten, luecken, QColor(0xE0, 0x80, 0x30));
}
