#pragma once

#include "LayoutSeite.h"

#include <QDate>
#include <array>

class QBoxLayout;
class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class TMeldung;

// "Inhalt": what the families' and the teachers' lists print: the slots without conversation, the
// per-day lists, the notices, the families' code, the request position, the pauses, the parents' phone
// numbers and the date format. terminecode is the families' code being edited beside the layout. The
// families' and the teachers' settings stand side by side where the page is wide enough, else one above
// the other, so that a large scaling on a small screen never needs scrolling sideways.
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

    // As narrow as the page gets with the two one above the other.
    QSize minimumSizeHint() const override;

protected:
    void Anzeigen() override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void TelefonGewaehlt(int wahl);
    int Nebeneinanderbreite() const;

    QGroupBox* FuerEltern = nullptr;
    QGroupBox* FuerLehrer = nullptr;
    QBoxLayout* Spalten = nullptr;

    TMeldung& Meldungen;
    bool& Terminecode;
    const bool ZweiTage;
};
