#pragma once

#include <QScrollArea>

class QLayout;

// A window's contents that scroll where the screen is too small for them: the window is as large as its
// contents where the work area has room, and shows scroll bars only where it has not.
class TRollflaeche : public QScrollArea {
    Q_OBJECT
public:
    TRollflaeche(QWidget* inhalt, QWidget* eltern);

    QSize sizeHint() const override;

    // The window stays within this rectangle (frame included) instead of the work area; empty: the work
    // area.
    QRect Bereich;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};

// Moves the window's finished layout onto a page that scrolls inside the window; a part of it given as
// fest (the row of buttons) stays below the page, always in sight.
void Rollbar(QWidget* fenster, QLayout* fest = nullptr);

// Puts a window whose contents scroll into bereich (frame included), there to stay when it shows, rather
// than growing over the work area to the size of its contents.
void Einweisen(QWidget* fenster, const QRect& bereich);
