#include "Statisik.h"

#include "Statistikgrafik.h"
#include "model/Projekt.h"
#include "ui/Hilfekontext.h"
#include "ui/Rollflaeche.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TStatisk::TStatisk(TProjekt& projekt, bool mitDrucker, std::function<void(bool, const TStatistik&)> ausgeben,
                   QWidget* eltern)
    : QDialog(eltern)
    , RZeit(new QLabel(this))
    , Grafik(new TStatistikgrafik(this))
    , DruckBtn(new QPushButton(QStringLiteral("Statistik &drucken"), this))
    , PdfBtn(new QPushButton(QStringLiteral("Speichern als PDF ..."), this))
    , Projekt(projekt) {
    HilfekontextSetzen(this, Hilfekontext::Statistik);
    setWindowTitle(QStringLiteral("Statistik"));
    auto* spalte = Spalte = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    const auto gruppe = [this, oben](const QString& titel,
                                     std::initializer_list<std::pair<const char*, const char*>> felder) {
        auto* kasten = new QGroupBox(titel, this);
        auto* form = new QFormLayout(kasten);
        for (const auto& [name, text] : felder) {
            auto* wert = new QLabel(kasten);
            QFont fett = wert->font();
            fett.setBold(true);
            wert->setFont(fett);
            wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            form->addRow(QString::fromUtf8(text).replace(u'\r', u'\n'), wert);
            Felder.insert(QString::fromUtf8(name), wert);
        }
        oben->addWidget(kasten);
        return form;
    };
    gruppe(QStringLiteral("Eingaben"), {{"EZahl", "Eltern:"},
                                        {"KZahl", "Kinder:"},
                                        {"LZahl", "Lehrer:"},
                                        {"GZahl", "Anzahl der Gespräche:"},
                                        {"mGE", "pro Eltern:"},
                                        {"mGK", "pro Kind:"},
                                        {"mGL", "pro Lehrer:"}})
        ->addRow(RZeit);
    gruppe(QStringLiteral("Auswertung"), {{"GZahl2", "Gespräche insgesamt:"},
                                          {"keinT", "kein Termin festgesetzt für"},
                                          {"unmT", "prinzipiell von der\rTerminierung ausgeschlossen"},
                                          {"zuvT", "wegen Zeitmangels bei\rLehrern nicht terminierbar"},
                                          {"maxF", "Maximalzahl der zu findenden Termine"},
                                          {"AnzG", "Anzahl der mit VEL gesetzten Termine:"},
                                          {"Quote", "Erfolgsquote:"}});
    spalte->addLayout(oben);
    spalte->addWidget(Grafik, 1);
    auto* knoepfe = new QHBoxLayout;
    auto* schliessen = new QPushButton(QString::fromUtf8("&Schließen"), this);
    knoepfe->addWidget(DruckBtn);
    knoepfe->addWidget(PdfBtn);
    knoepfe->addStretch();
    knoepfe->addWidget(schliessen);
    spalte->addLayout(knoepfe);
    for (QPushButton* b : {DruckBtn, PdfBtn})
        b->setAutoDefault(false);
    schliessen->setDefault(true);
    DruckBtn->setEnabled(mitDrucker);
    connect(DruckBtn, &QPushButton::clicked, this, [this, ausgeben] { ausgeben(false, S); });
    connect(PdfBtn, &QPushButton::clicked, this, [this, ausgeben] { ausgeben(true, S); });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    // With the comparison of an improved plan the window may be taller than a small screen.
    Rollbar(this);
}

void TStatisk::showEvent(QShowEvent* ereignis) {
    Berechnen();
    QDialog::showEvent(ereignis);
}

void TStatisk::Berechnen() {
    S = StatistikBerechnen(Projekt);
    const auto n = [](int wert) { return QString::number(wert); };
    const std::pair<const char*, QString> werte[] = {
        {"EZahl", n(S.EZahl)},  {"KZahl", n(S.KZahl)},    {"LZahl", n(S.LZahl)},    {"GZahl", n(S.GZahl)},
        {"GZahl2", n(S.GZahl)}, {"mGE", Zahltext(S.mGE)}, {"mGK", Zahltext(S.mGK)}, {"mGL", Zahltext(S.mGL)},
        {"keinT", n(S.keinT)},  {"unmT", n(S.unmT)},      {"zuvT", n(S.zuvT)},      {"maxF", n(S.maxF)},
        {"AnzG", n(S.AnzG)},    {"Quote", Quotentext(S)}};
    for (const auto& [name, text] : werte)
        Felder.value(QString::fromUtf8(name))->setText(text);
    RZeit->setText(Rechenzeittext(S));
    Grafik->Setzen(AuslastungBerechnen(Projekt));
}

void TStatisk::VergleichZeigen(const TPlanwerte& vorher) {
    auto* kasten = new QGroupBox(QStringLiteral("Plan verbessert"), this);
    auto* tabelle = new QGridLayout(kasten);
    tabelle->addWidget(new QLabel(QStringLiteral("vorher"), kasten), 0, 1, Qt::AlignRight);
    tabelle->addWidget(new QLabel(QStringLiteral("nachher"), kasten), 0, 2, Qt::AlignRight);
    const TPlanwerte nachher = PlanwerteBerechnen(Projekt);
    for (const TPlanwertzeile& z : Planwertzeilen(Projekt.ZweiTage)) {
        const int zeile = tabelle->rowCount();
        auto* alt = new QLabel(QString::number(z.Wert(vorher)), kasten);
        auto* neu = new QLabel(QString::number(z.Wert(nachher)), kasten);
        QFont fett = neu->font();
        fett.setBold(true);
        neu->setFont(fett);
        tabelle->addWidget(new QLabel(z.Text, kasten), zeile, 0);
        tabelle->addWidget(alt, zeile, 1, Qt::AlignRight);
        tabelle->addWidget(neu, zeile, 2, Qt::AlignRight);
        Vergleich.emplace_back(alt, neu);
    }
    tabelle->setColumnStretch(0, 1);
    // Between the figures and the chart.
    Spalte->insertWidget(1, kasten);
}
