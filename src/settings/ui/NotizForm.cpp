#include "NotizForm.h"

#include "model/Projekt.h"
#include "ui/Arbeitsflaeche.h"
#include "ui/Hilfekontext.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QColor Papier(255, 255, 200);
const QColor Rand(150, 130, 60);

// The boxes of the marks as the symbol font of the pad shows them.
QString Kaestchen(bool an) {
    return an ? QStringLiteral("\u2611") : QStringLiteral("\u2610");
}

} // namespace

TNotizZeile::TNotizZeile(int schritt, QWidget* eltern)
    : QWidget(eltern)
    , Schritt(schritt) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(4, 1, 4, 1);
    Haken = new QLabel(Kaestchen(false), this);
    QFont gross = Haken->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.3);
    Haken->setFont(gross);
    Haken->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    Beschriftung = new QLabel(NotizBeschriftung(schritt).replace(u'\r', u'\n'), this);
    Beschriftung->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    zeile->addWidget(Haken);
    zeile->addWidget(Beschriftung, 1);
    setAccessibleName(NotizBeschriftung(schritt));
}

void TNotizZeile::Setzen(bool an) {
    Haken->setText(Kaestchen(an));
}

void TNotizZeile::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::LeftButton) return QWidget::mousePressEvent(ereignis);
    setFocus(Qt::MouseFocusReason);
    Q_EMIT Geklickt(Schritt);
}

void TNotizZeile::mouseDoubleClickEvent(QMouseEvent* ereignis) {
    // Its first click already toggled the mark.
    ereignis->accept();
}

void TNotizZeile::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Space && ereignis->modifiers() == Qt::NoModifier) {
        Q_EMIT Geklickt(Schritt);
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

void TNotizZeile::paintEvent(QPaintEvent*) {
    if (!hasFocus()) return;
    QStylePainter maler(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    maler.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

TNotizForm::TNotizForm(QWidget* hauptfenster)
    : QWidget(hauptfenster, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , Hauptfenster(hauptfenster) {
    setWindowTitle(QStringLiteral("Notizzettel"));
    HilfekontextSetzen(this, Hilfekontext::Notizzettel);
    setAttribute(Qt::WA_TranslucentBackground);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(Eckradius / 2, 4, Eckradius / 2, Eckradius / 2);
    spalte->setSpacing(2);

    auto* kopf = new QHBoxLayout;
    kopf->setContentsMargins(Eckradius / 2, 0, 0, 0);
    auto* titel = new QLabel(QStringLiteral("Notizzettel"), this);
    QFont fett = titel->font();
    fett.setBold(true);
    titel->setFont(fett);
    titel->setMinimumHeight(Griffhoehe - 8);
    // The top is the window's handle: the title passes its mouse presses on.
    titel->setAttribute(Qt::WA_TransparentForMouseEvents);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setText(QStringLiteral("\u2715"));
    SpeedButton1->setToolTip(QStringLiteral("Notizzettel ausblenden"));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setFocusPolicy(Qt::TabFocus);
    kopf->addWidget(titel, 1);
    kopf->addWidget(SpeedButton1);
    spalte->addLayout(kopf);
    spalte->addSpacing(6);

    for (int s = 1; s <= NotizSchritte; ++s) {
        auto* zeile = new TNotizZeile(s, this);
        Zeilen[static_cast<size_t>(s - 1)] = zeile;
        spalte->addWidget(zeile);
        connect(zeile, &TNotizZeile::Geklickt, this, &TNotizForm::HakenGeklickt);
    }
    spalte->addSpacing(6);
    spalte->addWidget(new QLabel(QStringLiteral("Sonstige Notizen:"), this));
    MemoNotiz = new QPlainTextEdit(this);
    MemoNotiz->setTabChangesFocus(true);
    MemoNotiz->setMinimumHeight(MemoNotiz->fontMetrics().lineSpacing() * 6);
    spalte->addWidget(MemoNotiz);

    connect(SpeedButton1, &QToolButton::clicked, this, &TNotizForm::Ausblenden);
    connect(MemoNotiz, &QPlainTextEdit::textChanged, this,
            [this] { Q_EMIT NotizGeaendert(MemoNotiz->toPlainText()); });
    setFixedSize(sizeHint());
}

void TNotizForm::Anzeigen(const TProjekt* projekt) {
    for (TNotizZeile* zeile : Zeilen)
        zeile->Setzen(HakenGesetzt(projekt, zeile->Schritt));
    const QString text = projekt ? projekt->NotizText : QString();
    // Setting the same text again would move the cursor of the one typing it.
    if (MemoNotiz->toPlainText() != text) {
        const QSignalBlocker still(MemoNotiz);
        MemoNotiz->setPlainText(text);
    }
    MemoNotiz->setReadOnly(!projekt);
}

void TNotizForm::Platzieren() {
    const QRect flaeche = Arbeitsflaeche(Hauptfenster);
    int oben = flaeche.top();
    if (const auto* fenster = qobject_cast<const QMainWindow*>(Hauptfenster);
        fenster && fenster->centralWidget())
        oben = fenster->centralWidget()->mapToGlobal(QPoint(0, 0)).y();
    oben = std::max(flaeche.top(), std::min(oben, flaeche.bottom() + 1 - height()));
    move(flaeche.right() + 1 - width(), oben);
}

void TNotizForm::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(Rand, 1.5));
    maler.setBrush(Papier);
    maler.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), Eckradius, Eckradius);
    maler.drawLine(QPointF(Eckradius / 2.0, Griffhoehe), QPointF(width() - Eckradius / 2.0, Griffhoehe));
}

void TNotizForm::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    // Where the window system cannot blend, the corners are cut away.
    QPainterPath umriss;
    umriss.addRoundedRect(QRectF(rect()), Eckradius, Eckradius);
    setMask(QRegion(umriss.toFillPolygon().toPolygon()));
}

void TNotizForm::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::LeftButton && ereignis->position().y() < Griffhoehe) {
        Griff = ereignis->position().toPoint();
        return;
    }
    QWidget::mousePressEvent(ereignis);
}

void TNotizForm::mouseMoveEvent(QMouseEvent* ereignis) {
    if (!Griff) return QWidget::mouseMoveEvent(ereignis);
    move(ereignis->globalPosition().toPoint() - *Griff);
}

void TNotizForm::mouseReleaseEvent(QMouseEvent* ereignis) {
    Griff.reset();
    QWidget::mouseReleaseEvent(ereignis);
}

void TNotizForm::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape) {
        Q_EMIT Ausblenden();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}
