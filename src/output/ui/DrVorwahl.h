#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QMenu;
class QPrinter;
class QPushButton;
class TMeldung;

// The print choice "Drucken ...": lists for families or teachers, the printer and its set-up. It starts
// nothing itself: the buttons of the two kinds of lists emit ElternDrucken or LehrerDrucken and the dialog
// stays open. When it closes (finished) the caller re-applies the printer settings and clears
// Tueraushang of the run state.
class TDrVorwahl : public QDialog {
    Q_OBJECT
public:
    // The printer belongs to the caller and is set up in place.
    TDrVorwahl(QPrinter& drucker, TMeldung& meldung, QWidget* parent = nullptr);

    // Shows the system's printer choice and set-up; true when accepted. Tests put a script here.
    std::function<bool(QPrinter&)> Einrichten;

    QLabel* DruckerName = nullptr;
    QPushButton* EBtn = nullptr;
    QPushButton* LBtn = nullptr;
    QPushButton* DruStp = nullptr;
    QPushButton* SonstList1 = nullptr;
    QMenu* SonstMenue = nullptr;
    QPushButton* HintBtn = nullptr;
    QPushButton* EndeBtn = nullptr;

Q_SIGNALS:
    void ElternDrucken();
    void LehrerDrucken();
    // The set-up was accepted (the orientation already put back): page metrics and margins are to be
    // checked again.
    void DruckerEingerichtet();

private:
    void DruStpClick();
    void HintBtnClick();
    void NameAnzeigen();

    QPrinter& Drucker;
    TMeldung& Meldung;
};
