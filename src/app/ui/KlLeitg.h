#pragma once

#include <QDialog>

class QKeyEvent;
class QTableWidget;
class QTableWidgetItem;
class QPushButton;
class TMeldung;
class TProjekt;

// Gives the children of whole classes a request with one teacher each; the result is OK when requests
// were created or marked "child comes along".
class TFKlLeitg : public QDialog {
    Q_OBJECT
public:
    TFKlLeitg(TProjekt& projekt, TMeldung& meldung, QWidget* parent = nullptr);

    QTableWidget* Gitter = nullptr;
    QPushButton* HinzuBtn = nullptr;
    QPushButton* AbbrechenBtn = nullptr;

protected:
    void keyPressEvent(QKeyEvent* taste) override;

private:
    // Enter in a Kürzel cell: a Kürzel of no teacher is refused and the cell stays open.
    void KuerzelPruefen(QTableWidgetItem* zelle);
    void HinzuBtnClick();

    TProjekt& Projekt;
    TMeldung& Meldung;
};
