#include "Feldhinweis.h"

#include "Arbeitsflaeche.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

namespace {

const QString Objektname = QStringLiteral("Feldhinweis");

class TFeldhinweis : public QLabel {
public:
    explicit TFeldhinweis(QWidget* fenster)
        : QLabel(fenster, Qt::ToolTip | Qt::FramelessWindowHint) {
        setObjectName(Objektname);
        // A window of its own, so that the balloon is not cut at the edge of a small dialog; one that is
        // never activated, so that every key still goes to the field.
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
        setMargin(6);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setPalette(QToolTip::palette());
        setAutoFillBackground(true);
        Ablauf.setSingleShot(true);
        connect(&Ablauf, &QTimer::timeout, this, &QWidget::hide);
        fenster->installEventFilter(this);
    }

    void Zeigen(QWidget* feld, const QString& text) {
        setText(QString(text).replace(u'\r', u'\n'));
        const QRect flaeche = Arbeitsflaeche(feld);
        const int breite =
            std::min(std::max(feld->width(), fontMetrics().averageCharWidth() * 60), flaeche.width());
        const int hoehe = heightForWidth(breite);
        resize(breite, hoehe);
        // Below the field, or above it where the screen ends; never over the field itself.
        QPoint ort = feld->mapToGlobal(QPoint(0, feld->height() + 2));
        if (ort.y() + hoehe > flaeche.bottom()) ort.ry() = feld->mapToGlobal(QPoint(0, 0)).y() - hoehe - 2;
        ort.rx() = std::clamp(ort.x(), flaeche.left(), std::max(flaeche.left(), flaeche.right() - breite));
        move(ort);
        show();
        // Time to read it at a slow pace, about 15 letters a second.
        Ablauf.start(4000 + 70 * static_cast<int>(text.size()));
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        switch (ereignis->type()) {
        case QEvent::Hide:
        case QEvent::Close:
        case QEvent::Move:
            hide();
            break;
        default:
            break;
        }
        return QLabel::eventFilter(objekt, ereignis);
    }
    void mousePressEvent(QMouseEvent*) override { hide(); }

private:
    QTimer Ablauf;
};

} // namespace

void FeldhinweisZeigen(QWidget* feld, const QString& text) {
    QWidget* fenster = feld->window();
    auto* hinweis =
        static_cast<TFeldhinweis*>(fenster->findChild<QLabel*>(Objektname, Qt::FindDirectChildrenOnly));
    if (!hinweis) hinweis = new TFeldhinweis(fenster);
    hinweis->Zeigen(feld, text);
}

QString Feldhinweis(const QWidget* fenster) {
    const auto* hinweis = fenster->findChild<QLabel*>(Objektname, Qt::FindDirectChildrenOnly);
    return hinweis && hinweis->isVisible() ? hinweis->text() : QString();
}
