#pragma once

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The request box: which child the requests are for, the Kürzel typed or taken from the selected
// teachers, the add, delete and hint buttons and the teacher double-click switch. The hint of what
// Enter does next lies apart (the window places it below).
class TGespraechPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit TGespraechPanel(QWidget* eltern);

    QLabel* LbKind = nullptr;
    QLineEdit* KuerzE = nullptr;
    QPushButton* BtnAddG = nullptr;
    QToolButton* SpBLoeG = nullptr;
    QToolButton* TipBtn = nullptr;
    QCheckBox* ChBxLDBL = nullptr;
    // "Hinzufügen:" and "(Kürzel)" above the request box; a dragged request borrows them.
    QLabel* LblHinzufuegen = nullptr;
    QLabel* LblKuerzel = nullptr;
    QLabel* LblEingabetaste = nullptr;
};
