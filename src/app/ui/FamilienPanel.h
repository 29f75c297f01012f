#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QTreeView;
class TElternModell;
class TEltern;
class TFamilienFilter;
class TListenDelegate;
class TPerson;
class TProjektDokument;

// The family list with its buttons and type-ahead, and the class filter and search box that narrow it
// (the window places these above the children). The list follows the document; the filter's classes
// are those of the project's children.
class TFamilienPanel : public QGroupBox {
    Q_OBJECT
public:
    TFamilienPanel(TProjektDokument& dokument, const TPerson* const& zeitfensterPerson, QWidget* eltern);

    QTreeView* LVEltern = nullptr;
    QPushButton* BtnElternHinzu = nullptr;
    QPushButton* BtnLoeschE = nullptr;
    QPushButton* BtnEditE = nullptr;
    QCheckBox* ChBhotZE = nullptr;
    QWidget* Filterleiste = nullptr;
    QComboBox* ComboKlassen = nullptr;
    QLineEdit* SuchE = nullptr;

    // The selected family, or null.
    TEltern* Familie() const;
    // The family of a shown row, or null; the shown row of a family, or -1.
    TEltern* ElternInZeile(int zeile) const;
    int Zeile(const TEltern* e) const;
    int Zeilen() const;
    // Selects, makes current and shows a row; a family that is not shown clears the selection.
    void ZeileWaehlen(int zeile);
    void Waehlen(const TEltern* e);
    // Back to every class and an empty search.
    void FilterAufheben();
    // An empty search; the selection stays.
    void SucheBeenden();
    // A class is chosen whose families can be named ("unbekannt" is none).
    bool KlasseGewaehlt() const;
    void TippsucheBeenden();

Q_SIGNALS:
    void Gewaehlt();
    // Keys of the list the panel leaves to the data entry.
    void EnterGedrueckt();
    void EntfGedrueckt();

private:
    void KlassenAbgleichen();
    void FilterAnwenden();
    void SuchEChange();
    void ComboKlassenClick();
    bool Taste(QKeyEvent* taste);
    void Freigeben();

    TProjektDokument& Dokument;
    TElternModell* Modell;
    TFamilienFilter* Filter;
    QString Tippsuche;
};
