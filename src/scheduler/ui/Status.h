#pragma once

#include "scheduler/Lauf.h"

#include <QDialog>
#include <QElapsedTimer>
#include <array>
#include <functional>

class QLabel;
class QPushButton;
class TMeldung;
class TProjekt;
class TProzBar;

// "Terminauswertung": shows a scheduling run with three bars (preparation, first placement,
// improvement) and lets the user cancel it. Showing the window starts the run; the window closes
// itself when the run has ended, accepted when it completed, rejected when it was cancelled.
class TStatusF : public QDialog, public TLaufBeobachter {
    Q_OBJECT
public:
    // statuszeile writes panel 3 of the main window's status bar.
    TStatusF(TProjekt& projekt, TMeldung& meldung, std::function<void(const QString&)> statuszeile,
             QWidget* parent = nullptr);

    bool LaeuftGerade() const { return Laeuft; }

    QLabel* Label1 = nullptr; // order step
    QLabel* Label2 = nullptr; // state
    QLabel* Label3 = nullptr; // search step
    QLabel* Label4 = nullptr; // current phase
    QLabel* Label5 = nullptr; // pass counter
    QLabel* Bild = nullptr;
    QPushButton* Ok1 = nullptr;
    QPushButton* Canc1 = nullptr;
    TProzBar* ProzBar1 = nullptr;
    TProzBar* ProzBar2 = nullptr;
    TProzBar* ProzBar3 = nullptr;

    void Balken(int balken, int prozent) override;
    void Text(TLaufText label, const QString& text) override;
    void Statuszeile(const QString& text) override;
    void Wartecursor(bool an) override;
    bool Abbruch() override;
    void Fertig() override;
    void Abgebrochen(const QString& meldung) override;

public Q_SLOTS:
    // Escape and the window's close button cancel the run instead of leaving it behind.
    void reject() override;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void Starten();
    void Canc1Click();
    // Writes the latest reported bar values and texts into the widgets.
    void Anzeigen();

    TProjekt& Projekt;
    TMeldung& Meldungen;
    std::function<void(const QString&)> StatuszeileSchreiben;
    bool Gestartet = false;
    bool Laeuft = false;
    bool AbbruchGewuenscht = false;
    bool WartecursorAn = false;
    // The run reports after nearly every conversation, far more often than anyone can see; the values
    // wait here until the next repaint.
    std::array<int, 3> Balkenstand{};
    std::array<QString, 5> Texte;
    std::array<bool, 5> TextNeu{};
    QElapsedTimer SeitAnzeige;
    int AktiverBalken = -1;
    bool Phasengrenze = false;
};
