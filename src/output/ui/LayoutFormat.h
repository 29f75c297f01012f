#pragma once

#include "LayoutSeite.h"

#include <array>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class TMeldung;

// "Format": the orientation of the page and the four margins of the conversation lists; a chosen margin
// is changed by typing its new width.
class TLayoutFormat : public TEingabeSeite {
    Q_OBJECT
public:
    TLayoutFormat(TListenlayout& layout, std::function<TSeitenmetrik()> metrik, TMeldung& meldung,
                  QWidget* eltern = nullptr);

    bool Offen() const override;
    bool Anwenden() override;
    void Aufgeben() override;
    QLineEdit* Feld() const override { return Erand; }

    QGroupBox* RGOrientation = nullptr;
    std::array<QRadioButton*, 2> Orientierung{}; // portrait, landscape
    QTreeWidget* LVRand = nullptr;
    QLineEdit* Erand = nullptr;
    QPushButton* BtnRand = nullptr;
    QPushButton* BtnStandard = nullptr;

protected:
    void Anzeigen() override;

private:
    int Seite() const;
    void KnopfStellen();

    std::function<TSeitenmetrik()> Metrik;
    TMeldung& Meldungen;
};
