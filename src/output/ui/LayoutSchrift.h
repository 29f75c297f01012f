#pragma once

#include "LayoutSeite.h"

class QCheckBox;
class QListWidget;
class QPushButton;
class TSchriftliste;

// "Schriftart": the font of the conversation lists and its size. The machine's fonts are listed the
// first time the page is shown, since measuring every face takes a moment.
class TLayoutSchrift : public TLayoutSeite {
    Q_OBJECT
public:
    explicit TLayoutSchrift(TListenlayout& layout, QWidget* eltern = nullptr);

    QCheckBox* CBsinnvoll = nullptr;
    TSchriftliste* LBSchrift = nullptr;
    QListWidget* LBGroesse = nullptr;
    QPushButton* BtnStandard = nullptr;

protected:
    void Anzeigen() override;
    void showEvent(QShowEvent* ereignis) override;

private:
    void ListeBauen();
    bool Gebaut = false;
};
