#pragma once

#include "model/Zeiten.h"

#include <QDialog>

class QPushButton;
class TEinstellungsSpeicher;
class TMeldung;
class TProjekt;
class TTagesraster;
struct TProgrammwerte;

// Edits a template of blocked times for both days: the standard for new persons, or what the global
// blocking applies to everybody. The caller fills Vorlage and reads it back after OK.
class TZeitenSperrDlg : public QDialog {
    Q_OBJECT
public:
    TZeitenSperrDlg(const TProjekt& projekt, TMeldung& meldungen, TProgrammwerte& werte,
                    TEinstellungsSpeicher& speicher, QWidget* eltern = nullptr);

    TZeiten Vorlage{};

    TTagesraster* Tage[2];
    QPushButton* MausBtn;
    QPushButton* RueckBtn;
    QPushButton* TippBtn;
    QPushButton* AbbruchBtn;
    QPushButton* OkBtn;

    void done(int ergebnis) override;

protected:
    void showEvent(QShowEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    void Laden();
    void TagFuellen(int tag, int16_t wert);
    void MausEinstellen();
    void Tipp();

    const TProjekt& Projekt;
    TMeldung& Meldungen;
    TProgrammwerte& Werte;
    TEinstellungsSpeicher& Speicher;
};
