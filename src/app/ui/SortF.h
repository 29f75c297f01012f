#pragma once

#include <QDialog>
#include <cstdint>

class QComboBox;
class QLineEdit;

// Chooses the order of the family list as the byte ListenSortierung.
class TSortF : public QDialog {
    Q_OBJECT
public:
    explicit TSortF(uint8_t sortierung, QWidget* parent = nullptr);
    uint8_t Sortierung() const;

    enum Schluessel { KlasseDerKinder, Elternname, Schluesselnummer };
    QComboBox* Schluessel1 = nullptr;
    QComboBox* Reihenfolge1 = nullptr;
    QLineEdit* Schluessel2 = nullptr;
    QComboBox* Reihenfolge2 = nullptr;

private:
    void SchluesselGewaehlt();
};
