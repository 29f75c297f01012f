#include "ZeitenDlg.h"

#include "MausOption.h"
#include "Tagesraster.h"
#include "ZBtnGrid.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "settings/Einstellungen.h"
#include "ui/Arbeitsflaeche.h"
#include "ui/Hilfekontext.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

TZeitenSperrDlg::TZeitenSperrDlg(const TProjekt& projekt, TMeldung& meldungen, TProgrammwerte& werte,
                                 TEinstellungsSpeicher& speicher, QWidget* eltern)
    : QDialog(eltern)
    , Tage{new TTagesraster(0, this), new TTagesraster(1, this)}
    , MausBtn(new QPushButton(QStringLiteral("&Maus und\nTastatur"), this))
    , RueckBtn(new QPushButton(QString::fromUtf8("&Rückgängig"), this))
    , TippBtn(new QPushButton(QStringLiteral("&Tipp"), this))
    , AbbruchBtn(new QPushButton(QStringLiteral("&Abbruch"), this))
    , OkBtn(new QPushButton(QStringLiteral("&OK"), this))
    , Projekt(projekt)
    , Meldungen(meldungen)
    , Werte(werte)
    , Speicher(speicher) {
    HilfekontextSetzen(this, Hilfekontext::Standardsperre);
    setWindowTitle(QString::fromUtf8("Zeiten sperren für ..."));
    auto* zeile = new QHBoxLayout(this);
    auto* tage = new QVBoxLayout;
    for (TTagesraster* t : Tage) {
        tage->addWidget(t);
        t->Grid()->Meldungen = &Meldungen;
        connect(t->Grid(), &TZBtnGrid::Gedrueckt, this, [this] { RueckBtn->setEnabled(true); });
        connect(t->BtnSperren, &QPushButton::clicked, this, [this, t] { TagFuellen(t->Tag, SlotGesperrt); });
        connect(t->BtnFreigeben, &QPushButton::clicked, this, [this, t] { TagFuellen(t->Tag, SlotFrei); });
    }
    tage->addStretch();
    zeile->addLayout(tage);
    auto* knoepfe = new QVBoxLayout;
    for (QPushButton* b : {MausBtn, RueckBtn, TippBtn})
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    knoepfe->addWidget(AbbruchBtn);
    knoepfe->addWidget(OkBtn);
    zeile->addLayout(knoepfe);
    for (QPushButton* b : {MausBtn, RueckBtn, TippBtn, AbbruchBtn})
        b->setAutoDefault(false);
    RueckBtn->setEnabled(false);
    connect(MausBtn, &QPushButton::clicked, this, &TZeitenSperrDlg::MausEinstellen);
    connect(RueckBtn, &QPushButton::clicked, this, &TZeitenSperrDlg::Laden);
    connect(TippBtn, &QPushButton::clicked, this, &TZeitenSperrDlg::Tipp);
    connect(AbbruchBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TZeitenSperrDlg::showEvent(QShowEvent* ereignis) {
    Tage[1]->setVisible(Projekt.ZweiTage);
    for (TTagesraster* t : Tage) {
        t->LblDatum->setText(Tagesdatum(Projekt, t->Tag));
        t->Grid()->Raster.RahmenLaden(Projekt, t->Tag);
        t->Grid()->Raster.Umschalten = !Werte.ZeitMaus;
    }
    Laden();
    OkBtn->setDefault(true);
    OkBtn->setFocus();
    GroesseAnpassen(this, Arbeitsflaeche(this));
    QDialog::showEvent(ereignis);
}

void TZeitenSperrDlg::Laden() {
    for (TTagesraster* t : Tage) {
        t->Grid()->WerteLaden(Tageswerte(Vorlage, t->Tag));
    }
    RueckBtn->setEnabled(false);
}

void TZeitenSperrDlg::TagFuellen(int tag, int16_t wert) {
    TZBtnGrid* grid = Tage[tag]->Grid();
    const TTageswerte& werte = grid->Werte();
    // Blocking acts when something is not blocked yet, freeing when something is blocked.
    const bool wirkt =
        wert == SlotGesperrt
            ? std::any_of(werte.begin(), werte.end(), [](int16_t w) { return w != SlotGesperrt; })
            : std::find(werte.begin(), werte.end(), SlotGesperrt) != werte.end();
    if (wirkt) {
        TTageswerte neu;
        neu.fill(wert);
        grid->WerteLaden(neu);
        RueckBtn->setEnabled(true);
    }
    OkBtn->setFocus();
}

void TZeitenSperrDlg::MausEinstellen() {
    TMausOption dlg(Werte, Speicher, {Tage[0]->Grid(), Tage[1]->Grid()}, false, this);
    dlg.exec();
}

void TZeitenSperrDlg::Tipp() {
    Meldungen.Meldung(
        QString::fromUtf8(
            "Sie können Zeitsperrungen und -freigaben sowohl mit der Maus\rals auch mit der Tastatur "
            "einstellen.\r(Tastatur: mit der TAB-Taste zum Zeitenraster)\r\rWeitere Informationen "
            "hierzu erhalten Sie mit dem Schalter 'Maus und Tastatur'.\r\rDie Aktion des Schalters "
            "'Rückgängig' können Sie mit der Taste 'r' auslösen.\r\rAn den  unterstrichenen "
            "Buchstaben der entsprechenden Schalter\rerkennen Sie, mit welcher Taste Sie einen Tag "
            "freigeben oder sperren."),
        QStringLiteral("INFO"), MeldungsArt::Information);
}

void TZeitenSperrDlg::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_R && ereignis->modifiers() == Qt::NoModifier) {
        if (RueckBtn->isEnabled()) Laden();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

void TZeitenSperrDlg::done(int ergebnis) {
    for (TTagesraster* t : Tage)
        TageswerteSetzen(Vorlage, t->Tag, t->Grid()->Werte());
    RueckBtn->setEnabled(false);
    QDialog::done(ergebnis);
}
