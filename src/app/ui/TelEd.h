#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

class QCheckBox;
class QEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPoint;
class QPushButton;
class QTableWidget;
class QToolButton;
class TEltern;
class TKinderHinweis;
class TMeldung;

// The phone editor: the families whose requests found no appointment, so that the office can complete
// their phone numbers and call them. A number takes effect with "Tel. übernehmen"; the check box says
// whether the teachers' lists print the phone beside such requests.
class TFTelEd : public QDialog {
    Q_OBJECT
public:
    TFTelEd(std::vector<TEltern*> familien, bool telefonInListen, bool latKlBez, TMeldung& meldung,
            QWidget* eltern);
    ~TFTelEd() override;

    // Gives the family the number typed; the command that opened the dialog changes the project.
    std::function<void(TEltern&, const QString&)> Uebernehmen;

    // The state of the check box when the dialog closed.
    bool TelefonInListen() const;

    void done(int ergebnis) override;

    QTableWidget* L_tel;
    QLabel* LblSuche;
    QToolButton* TipBtn;
    QLabel* LblTelefon;
    QLineEdit* Edit1;
    QListWidget* LBKinder;
    QPushButton* BtnUebernehmen;
    QCheckBox* CBTelefon;
    QPushButton* BtnSchliessen;
    TKinderHinweis* Hinweis;

private:
    void Fuellen();
    void ZeilenSchreiben();
    TEltern* Gewaehlt() const;
    void L_telSelectItem();
    void Edit1Change();
    void BtnUebernehmenClick();
    void TipBtnClick();
    void CBTelefonClick();
    void Spaltenklick(int spalte);

    bool ListenEreignis(QEvent* ereignis);
    void Suchen(const QString& zeichen);
    void SucheLeeren();
    bool FlaechenEreignis(QEvent* ereignis);
    void HinweisFolgen(const QPoint& ort);
    void SpaltenBreiten();

    std::vector<TEltern*> Familien; // in the order of the rows
    bool LatKlBez;
    TMeldung& Meldung;
    QString Suchtext;
};
