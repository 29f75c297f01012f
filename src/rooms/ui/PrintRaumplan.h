#pragma once

#include "rooms/Raumplandruck.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;

// What of the occupancy plan is printed or saved as PDF: which rooms and whether the families appear.
// The button accepts the dialog; the plan does the output.
class TFPrintRaumplan : public QDialog {
    Q_OBJECT
public:
    // druckername empty: no printer, so nothing can be printed.
    TFPrintRaumplan(bool alsPdf, const QString& druckername, QWidget* parent = nullptr);

    TRaumdruckWahl Wahl() const;
    bool MitEltern() const;

    QGroupBox* RGRaeume = nullptr;
    QGroupBox* RGInfo = nullptr;
    QButtonGroup* Raeume = nullptr; // ids in the order of TRaumdruckWahl
    QButtonGroup* Info = nullptr;   // 0 teacher only, 1 with the families
    QPushButton* BtnAusgabe = nullptr;
    QPushButton* BtnAbbrechen = nullptr;
};
