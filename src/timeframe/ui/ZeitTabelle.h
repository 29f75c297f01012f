#pragma once

#include "timeframe/ZRahmen.h"

#include <QTableWidget>

// One day's 48 slot times as 6 rows of 8 cells, slot = row * 8 + column. Typing starts editing at once
// and takes only digits, "." and ":"; Escape outside an edit tidies every cell.
class TZeitTabelle : public QTableWidget {
    Q_OBJECT
public:
    explicit TZeitTabelle(QWidget* parent = nullptr);

    TTagesZellen Zellen() const;
    void ZellenSetzen(const TTagesZellen& zellen);
    // The slot of the current cell, or -1.
    int AktuellerSlot() const;
    void SlotWaehlen(int slot);
    // Takes a pending edit of the current cell into the table.
    void EingabeUebernehmen();

Q_SIGNALS:
    void EscapeGedrueckt();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
};
