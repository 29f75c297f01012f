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
class TMeldung;
class TProjekt;

// The program options: folders, automatic backup and class names on one page, the scheduling values on
// the other. It shows the program values and the open project's (null when none) and hands the checked
// input over at once on "Übernehmen" or OK, to be applied while it stays open.
class TOptDlg : public QDialog {
    Q_OBJECT
public:
    enum class Modus { Programm, Terminberechnung, Start };
    // Chooses a folder: caption, prompt, start folder; empty when cancelled.
    using TOrdnerWahl = std::function<QString(const QString&, const QString&, const QString&)>;

    TOptDlg(const TProgrammwerte& programm, const TProjekt* projekt, Modus modus, TMeldung& meldung,
            TOrdnerWahl ordnerWahl, QWidget* parent = nullptr);

    // The values as the dialog shows them; with one day only, the preferred day stays as it was.
    TOptionswerte Werte() const;

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
    void HilfeAngefordert();
    // The input was checked and is to be applied now.
    void WerteUebernehmen(const TOptionswerte& werte);

private:
    void WerteAnzeigen(const TProgrammwerte& programm, const TProjekt* projekt);
    void Geaendert();
    bool Uebernehmen();
    bool ZahlPruefen(QLineEdit* feld, QWidget* seite, int von, int bis, const QString& titel);
    void UebBtnClick();
    void OkBtnClick();
    void OrdnerWaehlen(QLineEdit* feld, const QString& prompt);

    TMeldung& Meldung;
    TOrdnerWahl OrdnerWahl;
    bool ZweiTage = false;
    bool BitteTag1 = true;
};
