#pragma once

#include "settings/Schuldaten.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// "Schuldaten": name, address, telephone and fax of the school, one line each. It shows the data it is
// given and hands the input back; the command that opened it stores it.
class TSchuldatenDlg : public QDialog {
    Q_OBJECT
public:
    explicit TSchuldatenDlg(const TSchuldaten& daten, QWidget* parent = nullptr);

    // The fields as typed.
    TSchuldaten Schuldaten() const;

    QLineEdit* E_Name = nullptr;
    QLineEdit* E_Strasse = nullptr;
    QLineEdit* E_Ort = nullptr;
    QLineEdit* E_Telefon = nullptr;
    QLineEdit* E_Fax = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancBtn = nullptr;
    QPushButton* HilfeBtn = nullptr;

Q_SIGNALS:
    void HilfeAngefordert();
};
