#pragma once

#include <QScrollArea>

// A window's contents that scroll where the screen is too small for them: the window is as large as its
// contents where the work area has room, and shows scroll bars only where it has not.
class TRollflaeche : public QScrollArea {
    Q_OBJECT
public:
    TRollflaeche(QWidget* inhalt, QWidget* eltern);

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};

// Moves the window's finished layout onto a page that scrolls inside the window.
void Rollbar(QWidget* fenster);
