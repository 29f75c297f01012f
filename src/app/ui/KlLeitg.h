#pragma once

#include <QDialog>

class QTableWidget;
class QTableWidgetItem;
class QPushButton;
class TMeldung;
class TProjekt;

// Gives the children of whole classes a request with one teacher each; the result is OK when at least
// one request was created.
class TFKlLeitg : public QDialog {
    Q_OBJECT
public:
    TFKlLeitg(TProjekt& projekt, TMeldung& meldung, QWidget* parent = nullptr);

    QTableWidget* Gitter = nullptr;
    QPushButton* HinzuBtn = nullptr;
    QPushButton* AbbrechenBtn = nullptr;

private:
    void KuerzelGeaendert(QTableWidgetItem* zelle);
    void HinzuBtnClick();

    TProjekt& Projekt;
    TMeldung& Meldung;
};
