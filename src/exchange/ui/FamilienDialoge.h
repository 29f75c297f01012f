#pragma once

#include "exchange/Familienimport.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TMeldung;

// The question for a pupil without class; the answer chosen stays chosen for the next pupil.
class TKlRueckfrgDlg : public QDialog {
    Q_OBJECT
public:
    explicit TKlRueckfrgDlg(QWidget* eltern);
    TKlassenantwort Fragen(const TImportSatz& satz, const QString& letzteKlasse);

    QLabel* LblSchueler;
    QRadioButton* RBWahl[3];
    QLineEdit* EdKlasse;
    QPushButton* BtnOk;
    QPushButton* BtnAlle;

private:
    void WahlGeaendert();
    QButtonGroup* Wahl;
    bool FuerAlle = false;
};

// The sibling question of both kinds: the result is the TGeschwisterAntwort chosen.
class TRueckFrageForm : public QDialog {
    Q_OBJECT
public:
    explicit TRueckFrageForm(QWidget* eltern);
    TGeschwisterAntwort Fragen(int frage, const TImportSatz& satz, const TEltern& familie, bool namenGleich);

    QLabel* LblInfo;
    QLabel* LblFrage;
    QPushButton* BtnJa;
    QPushButton* BtnNein;
    QPushButton* BtnAuto;
    QPushButton* BtnAbbrechen;

private:
    void Frage(const QString& text);
};

// Which name a family keeps when pupils of different names join it.
class TFamilDlgF : public QDialog {
    Q_OBJECT
public:
    TFamilDlgF(const TEltern& familie, const TImportSatz& satz, QWidget* eltern);

    QPushButton* PFamilie;
    QPushButton* PSchueler;
    QLineEdit* EdZusatz;
    QLineEdit* EdName;
    QPushButton* BtnOk;
};

// The questions of the family import, asked in the dialogs above; the dialogs live as long as this.
class TFensterFragen : public TFamilienFragen {
public:
    TFensterFragen(TMeldung& meldung, QWidget* eltern);
    ~TFensterFragen() override;
    TKlassenantwort KlasseFehlt(const TImportSatz& satz, const QString& letzteKlasse) override;
    TGeschwisterAntwort Geschwister(int frage, const TImportSatz& satz, const TEltern& familie,
                                    bool namenGleich) override;
    bool GleichesTelefon(const TImportSatz& satz, const TEltern& familie) override;
    std::optional<std::pair<QString, QString>> Familienname(const TEltern& familie,
                                                            const TImportSatz& satz) override;

private:
    TMeldung& Meldungen;
    QWidget* Eltern;
    TKlRueckfrgDlg* Klasse = nullptr;
    TRueckFrageForm* Rueckfrage = nullptr;
};

// "Bei X, Anna (7a)" style texts use "\r" as line break; labels need "\n".
QString Zeilentext(const QString& text);
