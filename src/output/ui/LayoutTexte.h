#pragma once

#include "LayoutSeite.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

// "Titel": the title in the head of every list, in capitals and letter-spaced when chosen.
class TLayoutTitel : public TLayoutSeite {
    Q_OBJECT
public:
    explicit TLayoutTitel(TListenlayout& layout, QWidget* eltern = nullptr);

    QLineEdit* EdTitel = nullptr;
    QCheckBox* caps = nullptr;
    QCheckBox* stretch = nullptr;

protected:
    void Anzeigen() override;
};

// "Überschriften": the headings above the conversations without appointment, before and after the
// appointments were computed.
class TLayoutUeberschrift : public TLayoutSeite {
    Q_OBJECT
public:
    explicit TLayoutUeberschrift(TListenlayout& layout, QWidget* eltern = nullptr);

    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* BtnStandard = nullptr;
    QCheckBox* CBkursiv = nullptr;

protected:
    void Anzeigen() override;
};
