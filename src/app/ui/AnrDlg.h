#pragma once

#include <QDialog>
#include <functional>

class QFormLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class TLehrerliste;

// The salutation editor: changes the salutations of all teachers at once, by swapping "Herr" and
// "Frau" or by replacing one salutation with another. The teachers are listed for orientation only.
class TAnrDlgF : public QDialog {
    Q_OBJECT
public:
    TAnrDlgF(const TLehrerliste& lehrer, QWidget* eltern);

    // The choice made with OK: swap, or replace Von() by Nach().
    bool Tauschen() const;
    QString Von() const;
    QString Nach() const;

    std::function<void()> Hilfe;

    QListWidget* Liste;
    QRadioButton* RBTauschen;
    QRadioButton* RBErsetzen;
    QLineEdit* EdVon;
    QLineEdit* EdNach;
    QPushButton* OkBtn;
    QPushButton* CancBtn;
    QPushButton* HilfeBtn;

private:
    void OkBtnClick();
    void WahlGeaendert();
    QFormLayout* Felder;
};
