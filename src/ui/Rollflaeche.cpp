#include "Rollflaeche.h"

#include "Arbeitsflaeche.h"

#include <QEvent>
#include <QLayout>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

TRollflaeche::TRollflaeche(QWidget* inhalt, QWidget* eltern)
    : QScrollArea(eltern) {
    setFrameShape(QFrame::NoFrame);
    // The page's controls take the focus, not the area around them.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    // Not expanding: a window is then as large as its contents, not two thirds of the screen.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setWidget(inhalt);
    // Before the window shows, its size is settled; it may still be larger than the work area.
    window()->installEventFilter(this);
}

QSize TRollflaeche::sizeHint() const {
    const QMargins rand = contentsMargins();
    return widget()->sizeHint().grownBy(rand);
}

bool TRollflaeche::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == window() && ereignis->type() == QEvent::Show && !ereignis->spontaneous()) {
        QWidget* fenster = window();
        const QRect flaeche = Bereich.isEmpty() ? Arbeitsflaeche(fenster) : Bereich;
        // A given area lies inside the work area already: no pixel is lost to rounding there.
        const QSize hoechstens = Bereich.isEmpty() ? Hoechstgroesse(fenster, flaeche)
                                                   : flaeche.size().shrunkBy(Fensterrahmen(fenster));
        // Qt gives a new window at most two thirds of the screen; the contents may have the whole.
        const QSize voll = fenster->sizeHint();
        QSize groesse = fenster->size().expandedTo(voll).boundedTo(hoechstens);
        // Where one direction scrolls, its bar takes room from the other.
        if (voll.height() > hoechstens.height())
            groesse.setWidth(
                std::min(std::max(groesse.width(), voll.width() + verticalScrollBar()->sizeHint().width()),
                         hoechstens.width()));
        if (voll.width() > hoechstens.width())
            groesse.setHeight(std::min(
                std::max(groesse.height(), voll.height() + horizontalScrollBar()->sizeHint().height()),
                hoechstens.height()));
        // A window placed by its caller stays inside the work area with its new size; the others are
        // placed after this.
        if (fenster->testAttribute(Qt::WA_Moved))
            fenster->setGeometry(
                Eingepasst(QRect(fenster->geometry().topLeft(), groesse), Fensterrahmen(fenster), flaeche));
        else if (groesse != fenster->size())
            fenster->resize(groesse);
    }
    return QScrollArea::eventFilter(objekt, ereignis);
}

void Rollbar(QWidget* fenster, QLayout* fest) {
    QLayout* seite = fenster->layout();
    if (fest) {
        seite->removeItem(fest);
        fest->setParent(nullptr);
    }
    auto* inhalt = new QWidget;
    inhalt->setLayout(seite);
    auto* rolle = new TRollflaeche(inhalt, fenster);
    auto* rahmen = new QVBoxLayout(fenster);
    rahmen->setContentsMargins(0, 0, 0, 0);
    rahmen->addWidget(rolle, 1);
    if (!fest) return;
    const QMargins rand = seite->contentsMargins();
    fest->setContentsMargins(rand.left(), 0, rand.right(), rand.bottom());
    rahmen->addLayout(fest);
}

void Einweisen(QWidget* fenster, const QRect& bereich) {
    if (auto* rolle = fenster->findChild<TRollflaeche*>(QString(), Qt::FindDirectChildrenOnly))
        rolle->Bereich = bereich;
    fenster->setGeometry(bereich.marginsRemoved(Fensterrahmen(fenster)));
}
