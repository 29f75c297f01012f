#pragma once

#include "LayoutSeite.h"

#include <QDate>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class TMeldung;

// "Inhalt": what the families' and the teachers' lists print: the slots without conversation, the
// per-day lists, the notices, the families' code, the request position, the pauses, the parents' phone
// numbers and the date format. terminecode is the families' code being edited beside the layout.
class TLayoutInhalt : public TLayoutSeite {
    Q_OBJECT
public:
    TLayoutInhalt(TListenlayout& layout, bool& terminecode, bool zweiTage, QDate heute, TMeldung& meldung,
                  QWidget* eltern = nullptr);

    // In the order of the buttons: all slots, without the slots at the edges, without empty slots.
    std::array<QRadioButton*, 3> EltLeer{};
    std::array<QRadioButton*, 3> LehLeer{};
    QCheckBox* CBumbE = nullptr;
    QCheckBox* CBalleTerminiertE = nullptr;
    QCheckBox* CBQrCodeE = nullptr;
    QCheckBox* ChBNrDruck = nullptr;
    QLabel* LNrDruck = nullptr;
    QCheckBox* CBumbL = nullptr;
    QCheckBox* CBpauseDruck = nullptr;
    QCheckBox* CBalleTerminiertL = nullptr;
    QGroupBox* rgTelefon = nullptr;
    // "nie", "falls nicht-terminiert", "immer".
    std::array<QRadioButton*, 3> Telefon{};
    QGroupBox* RGdf = nullptr;
    std::array<QRadioButton*, 2> Df{};

protected:
    void Anzeigen() override;

private:
    void TelefonGewaehlt(int wahl);

    TMeldung& Meldungen;
    bool& Terminecode;
    const bool ZweiTage;
};
