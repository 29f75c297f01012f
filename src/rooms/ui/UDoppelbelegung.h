#pragma once

#include "rooms/Doppelbelegung.h"

#include <QDialog>
#include <vector>

class QPushButton;
class QTreeWidget;

// Shows every pair of teachers who talk in the same room at the same time; the user goes to the room
// assignment (result 1) or carries on (result 2).
class TFDoppelbelegung : public QDialog {
    Q_OBJECT
public:
    static constexpr int ZurRaumzuordnung = 1;
    static constexpr int Fortfahren = 2;

    TFDoppelbelegung(std::vector<TRaumkonflikt> konflikte, QWidget* eltern = nullptr);

    QTreeWidget* Liste;
    QPushButton* ZuordnenBtn;
    QPushButton* FortfahrenBtn;

    void reject() override;

private:
    void Sortieren(int spalte);
    void Fuellen();

    std::vector<TRaumkonflikt> Konflikte;
};
