#pragma once

#include "settings/Einstellungen.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;
class TEinstellungsSpeicher;
class TMeldung;
class TProjekt;

// The program options: folders, automatic backup and class names on one page, the scheduling values on
// the other. Applying writes the store and the project at once ("Übernehmen" or OK).
class TOptDlg : public QDialog {
    Q_OBJECT
public:
    enum class Modus { Programm, Terminberechnung, Start };
    // Chooses a folder: caption, prompt, start folder; empty when cancelled.
    using TOrdnerWahl = std::function<QString(const QString&, const QString&, const QString&)>;

    TOptDlg(TEinstellungsSpeicher& speicher, TProgrammwerte& programm, TProjekt* projekt, Modus modus,
            TMeldung& meldung, TOrdnerWahl ordnerWahl, QWidget* parent = nullptr);

    // What applying changed, for the caller after the dialog closed.
    // Block lengths or preferred day of the open project: the next scheduling run must start afresh.
    bool ProjektGeaendert = false;
    bool SicherungGeaendert = false; // automatic backup switched or its interval changed

    QTabWidget* Seiten = nullptr;
    QWidget* ProgOpt = nullptr;
    QWidget* AuswOpt = nullptr;
    QLineEdit* DirEd = nullptr;
    QLineEdit* ImportDirEd = nullptr;
    QPushButton* Aend = nullptr;
    QPushButton* ImportAend = nullptr;
    QCheckBox* AutoOeff = nullptr;
    QCheckBox* AutoSich = nullptr;
    QLineEdit* MinEd = nullptr;
    QRadioButton* BezZahl = nullptr;
    QRadioButton* BezLatein = nullptr;
    QWidget* RadioGroup1 = nullptr;
    QRadioButton* Tag1 = nullptr;
    QRadioButton* Tag2 = nullptr;
    QLabel* EinTagText = nullptr;
    QLineEdit* MblE = nullptr;
    QLineEdit* MblL = nullptr;
    QPushButton* UebBtn = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancBtn = nullptr;
    QPushButton* HilfeBtn = nullptr;

Q_SIGNALS:
    void HilfeAngefordert(int kontext);

private:
    void WerteAnzeigen();
    void Geaendert();
    bool Uebernehmen();
    bool ZahlPruefen(QLineEdit* feld, QWidget* seite, int von, int bis, const QString& titel, int& wert);
    void UebBtnClick();
    void OkBtnClick();
    void OrdnerWaehlen(QLineEdit* feld, const QString& prompt);

    TEinstellungsSpeicher& Speicher;
    TProgrammwerte& Programm;
    TProjekt* Projekt;
    TMeldung& Meldung;
    TOrdnerWahl OrdnerWahl;
    bool ZweiTage = false;
};
