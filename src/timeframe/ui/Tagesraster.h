#pragma once

#include "timeframe/Zeitraster.h"

#include <QWidget>

class QLabel;
class QPushButton;
class TZBtnGrid;
class TZBtnPanel;

// One day of a blocking window: its name and date, the buttons that block or free the whole day, and
// its grid. The second day's buttons carry other mnemonics, so both days can be reached by key.
class TTagesraster : public QWidget {
    Q_OBJECT
public:
    TTagesraster(int tag, QWidget* eltern = nullptr);

    const int Tag;
    QLabel* LblDatum;
    QPushButton* BtnSperren;
    QPushButton* BtnFreigeben;
    TZBtnPanel* Panel;

    TZBtnGrid* Grid() const;
};
