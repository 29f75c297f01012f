#include "Verbesserungsfenster.h"

#include "ProzBar.h"
#include "model/Projekt.h"
#include "ui/Hilfekontext.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// As in the scheduling run's window: about 30 repaints a second, and as often a look at the cancel button.
constexpr qint64 Anzeigeabstand = 33;

QLabel* Zahl(QWidget* eltern, bool fett) {
    auto* label = new QLabel(eltern);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    if (fett) {
        QFont schrift = label->font();
        schrift.setBold(true);
        label->setFont(schrift);
    }
    return label;
}

} // namespace

TVerbesserungF::TVerbesserungF(TProjekt& projekt, const TVerbesserungsOptionen& optionen, QWidget* parent)
    : QDialog(parent)
    , Projekt(projekt)
    , Optionen(optionen)
    , Zeilen(Planwertzeilen(projekt.ZweiTage)) {
    HilfekontextSetzen(this, Hilfekontext::Planverbessern);
    setWindowTitle(QStringLiteral("Plan verbessern"));
    auto* spalte = new QVBoxLayout(this);
    Hinweis =
        new QLabel(QStringLiteral("VEL sucht einen Plan, in dem die Familien kürzer warten. Kein Gespräch "
                                  "verliert seinen Termin, genagelte Gespräche bleiben, wo sie sind."),
                   this);
    Hinweis->setWordWrap(true);
    spalte->addWidget(Hinweis);

    Fortschritt = new TProzBar(this);
    Fortschritt->setFixedSize(305, 25);
    QFont schrift = font();
    schrift.setBold(true);
    Fortschritt->setFont(schrift);
    QPalette farben = Fortschritt->palette();
    farben.setColor(QPalette::WindowText, Qt::yellow);
    Fortschritt->setPalette(farben);
    Fortschritt->setForeColor(QColor(128, 0, 0));
    Fortschritt->setBackColor(QColor(128, 128, 128));
    spalte->addWidget(Fortschritt, 0, Qt::AlignHCenter);

    auto* tabelle = new QGridLayout;
    tabelle->addWidget(new QLabel(QStringLiteral("vorher"), this), 0, 1, Qt::AlignRight);
    tabelle->addWidget(new QLabel(QStringLiteral("jetzt"), this), 0, 2, Qt::AlignRight);
    const TPlanwerte vorher = PlanwerteBerechnen(projekt);
    for (size_t i = 0; i < Zeilen.size(); ++i) {
        const int zeile = static_cast<int>(i) + 1;
        tabelle->addWidget(new QLabel(Zeilen[i].Text, this), zeile, 0);
        Vorher.push_back(Zahl(this, false));
        Jetzt.push_back(Zahl(this, true));
        Vorher.back()->setText(QString::number(Zeilen[i].Wert(vorher)));
        Jetzt.back()->setText(Vorher.back()->text());
        tabelle->addWidget(Vorher.back(), zeile, 1);
        tabelle->addWidget(Jetzt.back(), zeile, 2);
    }
    tabelle->setColumnStretch(0, 1);
    spalte->addLayout(tabelle);

    auto* knoepfe = new QHBoxLayout;
    Canc1 = new QPushButton(QStringLiteral("Abbrechen"), this);
    Canc1->setDefault(true);
    knoepfe->addStretch();
    knoepfe->addWidget(Canc1);
    spalte->addLayout(knoepfe);
    connect(Canc1, &QPushButton::clicked, this, &TVerbesserungF::reject);
    setMinimumWidth(420);
}

void TVerbesserungF::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    if (Gestartet) return;
    Gestartet = true;
    // The search starts once the window is on the screen and its event loop runs.
    QTimer::singleShot(0, this, &TVerbesserungF::Starten);
}

void TVerbesserungF::Starten() {
    Laeuft = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    Erg = PlanVerbessern(Projekt, Optionen, *this);
    QApplication::restoreOverrideCursor();
    Laeuft = false;
    Zwischenstand(Erg.Nachher, 100);
    Anzeigen();
    done(QDialog::Accepted);
}

void TVerbesserungF::reject() {
    if (Laeuft)
        AbbruchGewuenscht = true;
    else if (!Gestartet)
        QDialog::reject();
}

void TVerbesserungF::Zwischenstand(const TPlanwerte& bester, int prozent) {
    Bester = bester;
    Prozent = prozent;
}

void TVerbesserungF::Anzeigen() {
    Fortschritt->setProgress(Prozent);
    for (size_t i = 0; i < Zeilen.size(); ++i)
        Jetzt[i]->setText(QString::number(Zeilen[i].Wert(Bester)));
}

bool TVerbesserungF::Abbruch() {
    if (SeitAnzeige.isValid() && SeitAnzeige.elapsed() < Anzeigeabstand) return AbbruchGewuenscht;
    Anzeigen();
    QCoreApplication::processEvents();
    SeitAnzeige.start();
    return AbbruchGewuenscht;
}
