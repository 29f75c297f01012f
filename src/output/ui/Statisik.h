#pragma once

#include "output/Statistik.h"
#include "scheduler/Planwerte.h"

#include <QDialog>
#include <QMap>
#include <functional>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QVBoxLayout;
class TProjekt;
class TStatistikgrafik;

// The statistics of the plan: what was asked for, what the scheduler achieved, and a chart of the slots'
// load and the families' waiting.
class TStatisk : public QDialog {
    Q_OBJECT
public:
    TStatisk(TProjekt& projekt, bool mitDrucker, std::function<void(bool alsPdf, const TStatistik&)> ausgeben,
             QWidget* eltern = nullptr);

    // The shown value of a field by its name (EZahl, mGE, Quote, ...).
    QMap<QString, QLabel*> Felder;
    QLabel* RZeit;
    TStatistikgrafik* Grafik;
    QPushButton* DruckBtn;
    QPushButton* PdfBtn;

    const TStatistik& Werte() const { return S; }

    // Adds the waiting of the plan before "Plan verbessern" beside the plan's as it is now.
    void VergleichZeigen(const TPlanwerte& vorher);
    // Before, after: one row per figure of Planwertzeilen, empty until VergleichZeigen.
    std::vector<std::pair<QLabel*, QLabel*>> Vergleich;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void Berechnen();

    TProjekt& Projekt;
    TStatistik S;
    QVBoxLayout* Spalte;
};
