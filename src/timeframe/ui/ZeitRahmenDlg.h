#pragma once

#include "timeframe/ZRahmen.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TDatumsfeld;
class TMeldung;
class TProjekt;
class TZeitTabelle;

// "Zeitrahmen bearbeiten": dates and slot times of the conference, for the open project or for a new
// one. It checks the input and, on OK, applies it to the project with RahmenUebernehmen; the caller
// carries out the rest by the result.
class TZeitRahmenDlg : public QDialog {
    Q_OBJECT
public:
    enum class TModus { AktuellesProjekt, NeuesProjekt };

    TZeitRahmenDlg(TProjekt& projekt, TModus modus, int zeitabstand, TMeldung& meldung,
                   QWidget* parent = nullptr);
    ~TZeitRahmenDlg() override;

    // The default frame of new projects as the settings store keeps it; without it a new project
    // starts with "13:00" and 15 minutes.
    void VorgabeSetzen(int abstand, const TZeitZellen& zeiten);

    // RahmenErgebnis 0 when cancelled or refused.
    const TRahmenErgebnis& Ergebnis() const { return Rahmen; }

    QLabel* LblModus = nullptr;
    TDatumsfeld* DatePick1 = nullptr;
    TDatumsfeld* DatePick2 = nullptr;
    QLabel* Label4 = nullptr;
    QCheckBox* cbFolgetag = nullptr;
    TZeitTabelle* StringGrid1 = nullptr;
    TZeitTabelle* StringGrid2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QPushButton* FuellBtn = nullptr;
    QPushButton* LoeschBtn = nullptr;
    QPushButton* TipBtn = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancBtn = nullptr;
    QPushButton* HilfeBtn = nullptr;

Q_SIGNALS:
    void HilfeAngefordert();

public Q_SLOTS:
    void reject() override;

private:
    void Aufbauen();
    void Anzeigen(const TZeitZellen& zeiten, int abstand);
    void FokusWechsel(QWidget* alt, QWidget* neu);
    TZeitTabelle* TabelleVon(const QWidget* element) const;
    void TabelleBetreten(TZeitTabelle* tabelle);
    bool TabelleUebernehmen(TZeitTabelle* tabelle);
    void TabelleBereinigen(TZeitTabelle* tabelle);
    bool Edit3Pruefen();
    int Abstand(bool* gueltig = nullptr) const;
    void Edit3Zeigen(int abstand);

    void DatePick1Change();
    void DatePick2Change();
    void cbFolgetagClick();
    void FuellBtnClick();
    void LoeschBtnClick();
    void TipBtnClick();
    void OkBtnClick();

    TProjekt& Projekt;
    TModus Modus;
    TMeldung& Meldung;
    TRahmenErgebnis Rahmen;
    TZeitTabelle* AktiveTabelle = nullptr;
    QString Edit3Gemerkt;
    int AbstandAlt = 15;
    bool DatumGeaendert = false;
    bool Pruefend = false;
};
