#include "Raumgitter.h"

#include "ui/Zeilenhoehe.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace {

// The lines between the cells, as wide as a cell's padding.
constexpr int Linie = 1;
constexpr int Innenrand = 2;

} // namespace

TRaumgitter::TRaumgitter(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TRaumgitter::Fuellen(const std::vector<QStringList>& zellen) {
    Zellen = zellen;
    if (Markierung >= Zeilen()) Markierung = -1;
    setFixedSize(sizeHint());
    update();
}

QString TRaumgitter::Zelle(int zeile, int spalte) const {
    if (zeile < 0 || zeile >= Zeilen()) return {};
    return Zellen[static_cast<size_t>(zeile)].value(spalte);
}

void TRaumgitter::Markieren(int zeile) {
    const int neu = zeile >= 1 && zeile < Zeilen() ? zeile : -1;
    if (neu == Markierung) return;
    Markierung = neu;
    update();
}

int TRaumgitter::Raumspalte() const {
    return fontMetrics().horizontalAdvance(QStringLiteral("Koordinatorenraum")) + 7;
}

int TRaumgitter::Slotspalte() const {
    return fontMetrics().horizontalAdvance(QStringLiteral("12:35")) + 5;
}

int TRaumgitter::Zeilenhoehe() const {
    return ::Zeilenhoehe(fontMetrics()) + 1;
}

int TRaumgitter::Spaltenbreite(int spalte) const {
    return spalte == 0 ? Raumspalte() : Slotspalte();
}

int TRaumgitter::SpaltenX(int spalte) const {
    return spalte == 0 ? 0 : Raumspalte() + Linie + (spalte - 1) * (Slotspalte() + Linie);
}

int TRaumgitter::ZeileBei(int y) const {
    if (y < 0) return -1;
    const int zeile = y / (Zeilenhoehe() + Linie);
    return zeile < Zeilen() ? zeile : -1;
}

QRect TRaumgitter::ZellRechteck(int zeile, int spalte) const {
    return QRect(SpaltenX(spalte), zeile * (Zeilenhoehe() + Linie), Spaltenbreite(spalte), Zeilenhoehe());
}

QSize TRaumgitter::sizeHint() const {
    if (Zellen.empty()) return {0, 0};
    return {SpaltenX(Spalten()), Zeilen() * (Zeilenhoehe() + Linie)};
}

void TRaumgitter::paintEvent(QPaintEvent* ereignis) {
    QPainter maler(this);
    const QPalette& pal = palette();
    maler.fillRect(ereignis->rect(), pal.mid());
    const int zh = Zeilenhoehe() + Linie;
    const int von = std::max(0, ereignis->rect().top() / zh);
    const int bis = std::min(Zeilen() - 1, ereignis->rect().bottom() / zh);
    for (int z = von; z <= bis; ++z)
        for (int s = 0; s < Spalten(); ++s) {
            const QRect r = ZellRechteck(z, s);
            if (!r.intersects(ereignis->rect())) continue;
            const bool fest = z == 0 || s == 0;
            const bool markiert = z == Markierung && !fest;
            maler.fillRect(r, fest ? pal.button() : markiert ? pal.highlight() : pal.base());
            maler.setPen(fest       ? pal.buttonText().color()
                         : markiert ? pal.highlightedText().color()
                                    : pal.text().color());
            maler.drawText(r.adjusted(Innenrand, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                           Zellen[static_cast<size_t>(z)][s]);
        }
}

void TRaumgitter::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton) return;
    Q_EMIT Gedrueckt(ZeileBei(ereignis->position().toPoint().y()));
}

void TRaumgitter::mouseMoveEvent(QMouseEvent* ereignis) {
    if (!(ereignis->buttons() & Qt::LeftButton)) return;
    Q_EMIT Gezogen(ZeileBei(ereignis->position().toPoint().y()), ereignis->globalPosition().toPoint());
}

void TRaumgitter::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton) return;
    Q_EMIT Losgelassen(ZeileBei(ereignis->position().toPoint().y()));
}

void TRaumgitter::changeEvent(QEvent* ereignis) {
    QWidget::changeEvent(ereignis);
    if (ereignis->type() == QEvent::FontChange && !Zellen.empty()) setFixedSize(sizeHint());
}
