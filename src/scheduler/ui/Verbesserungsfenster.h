#pragma once

#include "scheduler/Verbesserung.h"

#include <QDialog>
#include <QElapsedTimer>
#include <vector>

class QLabel;
class QPushButton;
class TProjekt;
class TProzBar;

// "Plan verbessern": shows the search for shorter waits with its progress and the figures of the best plan
// found so far next to those of the plan before. Showing the window starts the search; it closes itself
// when the search has ended. Cancel ends the search early and keeps the best plan found until then.
class TVerbesserungF : public QDialog, public TVerbesserungsBeobachter {
    Q_OBJECT
public:
    TVerbesserungF(TProjekt& projekt, const TVerbesserungsOptionen& optionen, QWidget* parent = nullptr);

    const TVerbesserungsErgebnis& Ergebnis() const { return Erg; }
    bool LaeuftGerade() const { return Laeuft; }

    QLabel* Hinweis = nullptr;
    TProzBar* Fortschritt = nullptr;
    // One row per figure of Planwertzeilen: before and best so far.
    std::vector<QLabel*> Vorher;
    std::vector<QLabel*> Jetzt;
    QPushButton* Canc1 = nullptr;

    void Zwischenstand(const TPlanwerte& bester, int prozent) override;
    bool Abbruch() override;

public Q_SLOTS:
    // Escape and the window's close button cancel the search, which keeps the best plan.
    void reject() override;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void Starten();
    void Anzeigen();

    TProjekt& Projekt;
    TVerbesserungsOptionen Optionen;
    TVerbesserungsErgebnis Erg;
    std::vector<TPlanwertzeile> Zeilen;
    TPlanwerte Bester;
    int Prozent = 0;
    bool Gestartet = false;
    bool Laeuft = false;
    bool AbbruchGewuenscht = false;
    QElapsedTimer SeitAnzeige;
};
