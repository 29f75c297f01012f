#include "ZBtnGrid.h"

#include "model/Meldung.h"

#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

namespace {

const QColor Rasterfarbe(0xDE, 0xDE, 0xDE);
const QColor Hell(Qt::white);
const QColor Dunkel(0x80, 0x80, 0x80);
const QColor Terminfarbe(0x5C, 0xC8, 0x5C);
const QColor Pausenfarbe(0x00, 0x40, 0xC0);
const QColor Cursorfarbe(0x88, 0x00, 0xFF);
const QColor Markierfarbe(0x00, 0x00, 0xFF);
const QColor Nagelfarbe(0xDD, 0xFF, 0xDD);

// A 3D frame of one-pixel lines: raised with the light edge top-left, sunken the other way round.
void Rahmen(QPainter& maler, const QRect& r, bool erhaben) {
    const QColor& obenLinks = erhaben ? Hell : Dunkel;
    const QColor& untenRechts = erhaben ? Dunkel : Hell;
    maler.fillRect(QRect(r.left(), r.top(), r.width(), 1), obenLinks);
    maler.fillRect(QRect(r.left(), r.top(), 1, r.height()), obenLinks);
    maler.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), untenRechts);
    maler.fillRect(QRect(r.right(), r.top(), 1, r.height()), untenRechts);
}

QString Zeilen(QString text) {
    return text.replace(u'\r', u'\n');
}

} // namespace

TZBtnGrid::TZBtnGrid(QWidget* eltern)
    : QWidget(eltern) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

void TZBtnGrid::WerteLaden(const TTageswerte& werte) {
    Raster.Werte = werte;
    update();
}

QRect TZBtnGrid::Zellenrechteck(int zelle) const {
    const int b = width() / RasterSpalten;
    const int h = height() / RasterZeilen;
    return {(zelle % RasterSpalten) * b, (zelle / RasterSpalten) * h, b, h};
}

int TZBtnGrid::ZelleBei(const QPoint& ort) const {
    const int b = width() / RasterSpalten;
    const int h = height() / RasterZeilen;
    if (b <= 0 || h <= 0 || ort.x() <= 0 || ort.y() <= 0) return -1;
    // A point on a cell's left or top edge belongs to no cell.
    if (ort.x() % b == 0 || ort.y() % h == 0) return -1;
    const int spalte = ort.x() / b;
    const int zeile = ort.y() / h;
    if (spalte >= RasterSpalten || zeile >= RasterZeilen) return -1;
    return zeile * RasterSpalten + spalte;
}

void TZBtnGrid::ZelleZeichnen(QPainter& maler, int zelle) const {
    const QRect r = Zellenrechteck(zelle).adjusted(1, 1, -1, -1);
    maler.fillRect(r, Rasterfarbe);
    if (!Raster.Sichtbar(zelle)) return;
    const int16_t wert = Raster.Werte[static_cast<size_t>(zelle)];
    const QString& text = Raster.Beschriftung[static_cast<size_t>(zelle)];
    QColor schrift = Raster.Bedienbar(zelle) ? palette().color(QPalette::WindowText)
                                             : palette().color(QPalette::Disabled, QPalette::WindowText);
    if (wert == SlotGesperrt) {
        Rahmen(maler, r, false);
        maler.setPen(schrift);
        maler.drawText(r, Qt::AlignCenter, text);
        const int dx = r.width() / 6;
        const int dy = r.height() / 4;
        maler.setPen(QPen(Qt::red, 1));
        maler.drawLine(r.left() + dx, r.bottom() - dy, r.right() - dx, r.top() + dy);
    } else {
        Rahmen(maler, r, true);
        if (wert > 0) maler.fillRect(r.adjusted(2, 2, -2, -2), Terminfarbe);
        if (wert == SlotPause) schrift = Pausenfarbe;
        maler.setPen(schrift);
        maler.drawText(r.translated(-1, -1), Qt::AlignCenter, text);
    }
    if (Raster.Markiert(zelle)) {
        maler.setPen(QPen(zelle == Raster.Cursor ? Cursorfarbe : Markierfarbe, 2));
        maler.setBrush(Qt::NoBrush);
        maler.drawRect(r.adjusted(3, 3, -3, -3));
    }
}

void TZBtnGrid::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.fillRect(rect(), Rasterfarbe);
    for (int i = 0; i < SlotsProTag; ++i)
        ZelleZeichnen(maler, i);
}

bool TZBtnGrid::Fragen() {
    if (!Meldungen) return false;
    const Antwort a = Meldungen->MeldungBei(
        QCursor::pos() - QPoint(10, 10),
        QString::fromUtf8("Hier liegt ein Gesprächstermin.\rMöchten Sie diese Zeit dennoch sperrren?\r(Das "
                          "Gespräch verliert dann seinen Termin.)"),
        QStringLiteral("Gesprächstermin"), MeldungsArt::Frage, Knoepfe::JaNein, Antwort::Nein);
    // The box took the button's release; the next move is no drag.
    Raster.Loslassen();
    Taste = Qt::NoButton;
    if (NachFrage) NachFrage();
    return a == Antwort::Ja;
}

void TZBtnGrid::mousePressEvent(QMouseEvent* ereignis) {
    Q_EMIT Gedrueckt();
    const Qt::MouseButton taste = ereignis->button();
    if (taste != Qt::LeftButton && taste != Qt::RightButton) return;
    Taste = taste;
    Raster.EinzelnFragen = [this] { return Fragen(); };
    const bool shift = ereignis->modifiers().testFlag(Qt::ShiftModifier);
    if (Raster.Druecken(ZelleBei(ereignis->position().toPoint()), taste == Qt::LeftButton, shift)) {
        update();
        Q_EMIT Geaendert();
    }
}

void TZBtnGrid::mouseMoveEvent(QMouseEvent* ereignis) {
    if (Taste == Qt::NoButton || !(ereignis->buttons() & Taste)) return;
    if (Raster.Ziehen(ZelleBei(ereignis->position().toPoint()), Taste == Qt::LeftButton)) {
        update();
        Q_EMIT Geaendert();
    }
}

void TZBtnGrid::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Taste) return;
    Taste = Qt::NoButton;
    Raster.Loslassen();
}

QString TZBtnGrid::Hinweis(int zelle, bool& genagelt) const {
    genagelt = false;
    if (!Raster.Sichtbar(zelle)) return {};
    const int16_t wert = Raster.Werte[static_cast<size_t>(zelle)];
    if (wert > 0) {
        if (Raster.Testmodus)
            return QString::fromUtf8("Terminierte Gespräche können Sie\rnur nach Rückfrage sperren!");
        return Projekt ? Terminhinweis(*Projekt, wert, IstLehrer, genagelt) : QString();
    }
    if (wert == SlotPause && Raster.Testmodus) return QString::fromUtf8("Pause:\rHier können Sie sperren.");
    return {};
}

bool TZBtnGrid::event(QEvent* ereignis) {
    if (ereignis->type() != QEvent::ToolTip) return QWidget::event(ereignis);
    auto* hilfe = static_cast<QHelpEvent*>(ereignis);
    const int zelle = ZelleBei(hilfe->pos());
    bool genagelt = false;
    const QString text = zelle < 0 ? QString() : Hinweis(zelle, genagelt);
    if (text.isEmpty()) {
        QToolTip::hideText();
        ereignis->ignore();
        return true;
    }
    static const QPalette normal = QToolTip::palette();
    QPalette farben = normal;
    if (genagelt) farben.setColor(QPalette::ToolTipBase, Nagelfarbe);
    QToolTip::setPalette(farben);
    QToolTip::showText(hilfe->globalPos(), Zeilen(text), this, Zellenrechteck(zelle));
    return true;
}

TZBtnPanel::TZBtnPanel(QWidget* eltern)
    : QWidget(eltern)
    , Raster(new TZBtnGrid(this)) {
    // Only Tab brings the keyboard here: a click edits a cell and leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    QFont schrift = font();
    schrift.setBold(true);
    setFont(schrift);
    setAutoFillBackground(true);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, Rasterfarbe);
    setPalette(farben);
    auto* rand = new QHBoxLayout(this);
    rand->setContentsMargins(0, 0, 0, 0);
    rand->addWidget(Raster);
}

QSize TZBtnPanel::sizeHint() const {
    const QFontMetrics m(font());
    const int b = m.horizontalAdvance(QStringLiteral("00:00")) + m.averageCharWidth() * 5;
    const int h = m.height() + m.height() / 2 + 6;
    return {b * RasterSpalten, h * RasterZeilen};
}

QSize TZBtnPanel::minimumSizeHint() const {
    // The inset and the 3D frame take two pixels on every side of a cell, and the digits keep one more.
    const QFontMetrics m(font());
    const QString muster = QStringLiteral("00:00");
    const int b = m.horizontalAdvance(muster) + 6;
    const int h = m.tightBoundingRect(muster).height() + 6;
    return {b * RasterSpalten, h * RasterZeilen};
}

TTerminSperre TZBtnPanel::BereichFragen() {
    if (!Raster->Meldungen) return TTerminSperre::Abbrechen;
    const QRect zeile = Raster->Zellenrechteck(Raster->Raster.Cursor);
    const QPoint ort = Raster->mapToGlobal(QPoint(0, zeile.bottom() + 1));
    const Antwort a = Raster->Meldungen->MeldungBei(
        ort,
        QString::fromUtf8("Sie planen, im markierten Bereich mindestens eine Zeit zu sperren,\ran der "
                          "Gesprächstermin gesetzt ist.\rMöchten Sie solche Zeiten ebenfalls sperren?"),
        QStringLiteral("Gesprächstermine"), MeldungsArt::Frage, Knoepfe::JaNeinAbbrechen, Antwort::Nein);
    if (Raster->NachFrage) Raster->NachFrage();
    return a == Antwort::Ja     ? TTerminSperre::Ja
           : a == Antwort::Nein ? TTerminSperre::Nein
                                : TTerminSperre::Abbrechen;
}

void TZBtnPanel::keyPressEvent(QKeyEvent* ereignis) {
    TZeitraster& r = Raster->Raster;
    const bool shift = ereignis->modifiers().testFlag(Qt::ShiftModifier);
    int schritt = 0;
    switch (ereignis->key()) {
    case Qt::Key_Left:
        schritt = -1;
        break;
    case Qt::Key_Right:
        schritt = 1;
        break;
    case Qt::Key_Up:
        schritt = -RasterSpalten;
        break;
    case Qt::Key_Down:
        schritt = RasterSpalten;
        break;
    case Qt::Key_Space: {
        r.BereichFragen = [this] { return BereichFragen(); };
        if (shift ? r.BereichFreigeben() : r.BereichSperren()) Q_EMIT Raster->Geaendert();
        Raster->update();
        return;
    }
    default:
        ereignis->ignore();
        return;
    }
    r.CursorBewegen(schritt, shift);
    Raster->update();
}

void TZBtnPanel::focusInEvent(QFocusEvent* ereignis) {
    QWidget::focusInEvent(ereignis);
    TZeitraster& r = Raster->Raster;
    r.MarkierungAufheben();
    r.CursorSetzen(r.Testmodus ? 0 : std::max(r.ErsteZelle(), 0), false);
    Raster->update();
}

void TZBtnPanel::focusOutEvent(QFocusEvent* ereignis) {
    QWidget::focusOutEvent(ereignis);
    Raster->Raster.MarkierungAufheben();
    Raster->update();
}
