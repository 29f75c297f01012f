#pragma once

#include "output/Druckbereich.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TProjekt;

// The range dialog "Listen drucken": which of the families' or teachers' lists a run outputs. It reads the
// project and the run state and proposes what the last run left over. When the user starts (Accepted) it
// has written the run state (next start, count, Tueraushang) and hands back the entries with the chosen
// part and the per-day choice for this run only; on cancel nothing changed. The caller recounts the
// conversations (ZaehleGespraeche) before composing, and ticks the note pad's
// "... gedruckt" mark when Bereich().BisZumEnde().
class TDrBereich : public QDialog {
    Q_OBJECT
public:
    // ziel: the printer's name, or in PDF runs the folder the files go to.
    TDrBereich(const TProjekt& projekt, bool fuerEltern, bool alsPdf, const QString& ziel,
               TDrucklaufStand& stand, QWidget* parent = nullptr);

    const TDruckbereich& Bereich() const { return B; }
    bool EinzelseitenProTag() const;

    QLabel* Label6 = nullptr;
    QGroupBox* ZielPanel = nullptr;
    QLabel* ZielTitel = nullptr;
    QLabel* ZielText = nullptr;
    QWidget* Reihenfolge = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* RBJa = nullptr;
    QRadioButton* RBNein = nullptr;
    QRadioButton* RBAlle = nullptr;
    QRadioButton* RBBereich = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLabel* AnzahlText = nullptr;
    QLineEdit* Edit1 = nullptr;
    QCheckBox* CB_tueraushang = nullptr;
    QCheckBox* cbUmb = nullptr;
    QPushButton* StartBtn = nullptr;
    QPushButton* AbbrBtn = nullptr;

private:
    void Aufbauen();
    void Anzeigen(bool mitAnzahl = true);
    void Texte();
    void RadioGroup1Click();
    void AlleClick();
    void ComboBox1Change(int index);
    void ComboBox2Change(int index);
    void ComboBox3Change(int index);
    void Edit1Change();
    void StartBtnClick();

    const TProjekt& P;
    TDrucklaufStand& Stand;
    const bool FuerEltern;
    const bool AlsPdf;
    TDruckbereich B;
};
