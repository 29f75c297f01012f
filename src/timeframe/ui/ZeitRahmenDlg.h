#pragma once

#include "timeframe/ZRahmen.h"

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TDatumsfeld;
class TMeldung;
class TZeitTabelle;

// "Zeitrahmen bearbeiten": dates and slot times of the conference, for the open project or for a new
// one. It checks the input and, on OK, hands it to whoever applies it; that answer decides whether the
// dialog closes, since applying may ask the user and be refused.
class TZeitRahmenDlg : public QDialog {
    Q_OBJECT
public:
    enum class TModus { AktuellesProjekt, NeuesProjekt };
    // Angenommen and Abgelehnt close the dialog as accepted or rejected; OffenLassen keeps it open for
    // correcting the dates.
    enum class TAntwort { Angenommen, Abgelehnt, OffenLassen };
    using TUebernahme = std::function<TAntwort(const TRahmenEingabe&)>;

    TZeitRahmenDlg(TModus modus, TMeldung& meldung, QWidget* parent = nullptr);
    ~TZeitRahmenDlg() override;

    // The frame of the open project: its dates as stored (0 when unset), its slot times and the
    // spacing the fill button starts with.
    void RahmenSetzen(const std::array<double, 2>& datum, const TZeitZellen& zeiten, int abstand);
    // The default frame of new projects as the settings store keeps it; without it a new project
    // starts with "13:00" and 15 minutes.
    void VorgabeSetzen(int abstand, const TZeitZellen& zeiten);
    // Called on OK with the checked input. Without it OK closes the dialog as accepted.
    void UebernahmeSetzen(TUebernahme uebernahme);

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
    TRahmenEingabe Eingabe() const;

    void DatePick1Change();
    void DatePick2Change();
    void cbFolgetagClick();
    void FuellBtnClick();
    void LoeschBtnClick();
    void TipBtnClick();
    void OkBtnClick();

    TModus Modus;
    TMeldung& Meldung;
    TUebernahme Uebernahme;
    TZeitTabelle* AktiveTabelle = nullptr;
    QString Edit3Gemerkt;
    int AbstandAlt = 15;
    bool DatumGeaendert = false;
    bool Pruefend = false;
};
