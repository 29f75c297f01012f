#pragma once

#include <QDialog>
#include <cstdint>

class QCheckBox;

// Whether the board shows which request of the child a conversation is, and whether teachers' lists
// print it: the two bits of MitNummer.
class TCheckNumDlg : public QDialog {
    Q_OBJECT
public:
    TCheckNumDlg(uint8_t mitNummer, QWidget* eltern);

    QCheckBox* ChBAnzeigen;
    QCheckBox* ChBDrucken;
    uint8_t MitNummer() const;

private:
    uint8_t Alt;
};
