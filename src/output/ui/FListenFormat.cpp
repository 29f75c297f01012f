#include "FListenFormat.h"

#include "LayoutSeite.h"
#include "Schriftliste.h"
#include "output/Schriftwahl.h"
#include "ui/Eingabehilfen.h"
#include "ui/Hilfekontext.h"
#include "ui/Rollflaeche.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

const char* const Seitennamen[4] = {"links", "oben", "rechts", "unten"};

std::optional<double> Randwert(const QLineEdit* feld) {
    const std::optional<double> cm = Dezimalzahl(feld->text());
    return cm && *cm >= 0 ? cm : std::nullopt;
}

} // namespace

TFListenFormat::TFListenFormat(const TListenFormat& werte, bool projektOffen, QWidget* eltern)
    : QDialog(eltern)
    , Anfang(werte) {
    setWindowTitle(QString::fromUtf8("Seite einrichten für spezielle Listen"));
    HilfekontextSetzen(this, Hilfekontext::ListenFormat);
    auto* listen = new QLabel(QString::fromUtf8("Diese Einstellungen gelten für:\n\nStatistik\nRaumbelegung\n"
                                                "Raumzuordnung\nAnzahl der Gespräche pro Lehrer\nNicht "
                                                "terminierte Gespräche\nListe aller genagelten Gespräche"));
    auto* randbox = new QGroupBox(QString::fromUtf8("Ränder in cm:"));
    auto* felder = new QFormLayout(randbox);
    for (int i = 0; i < 4; ++i) {
        auto* feld = new QLineEdit;
        feld->setMaximumWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("00,000")) * 2);
        ZahlfeldEinrichten(feld, false, [this] { reject(); });
        connect(feld, &QLineEdit::textChanged, this, &TFListenFormat::OkStellen);
        Raender[static_cast<size_t>(i)] = feld;
        felder->addRow(QString::fromLatin1(Seitennamen[i]), feld);
    }
    BtnStandardRaender = new QPushButton(QString::fromUtf8("Standardränder"));
    felder->addRow(BtnStandardRaender);

    auto* ausrichtung = new QGroupBox(QStringLiteral("Ausrichtung"));
    auto* a = new QVBoxLayout(ausrichtung);
    Ausrichtung[0] = new QRadioButton(QStringLiteral("Hochformat"));
    Ausrichtung[1] = new QRadioButton(QStringLiteral("Querformat"));
    a->addWidget(Ausrichtung[0]);
    a->addWidget(Ausrichtung[1]);
    a->addStretch();

    auto* schrift = new QGroupBox(QStringLiteral("Schrift"));
    auto* s = new QGridLayout(schrift);
    LBSchrift = new TSchriftliste;
    LBGroesse = new QListWidget;
    LBGroesse->setMaximumWidth(LBGroesse->fontMetrics().horizontalAdvance(QStringLiteral("0000")) * 3);
    CBsinnvoll = new QCheckBox(QString::fromUtf8("Auswahl sinnvoll einschränken"));
    CBsinnvoll->setChecked(true);
    BtnStandardSchrift = new QPushButton(QStringLiteral("Standardschrift"));
    s->addWidget(LBSchrift, 0, 0);
    s->addWidget(LBGroesse, 0, 1);
    s->addWidget(CBsinnvoll, 1, 0, 1, 2);
    s->addWidget(BtnStandardSchrift, 2, 0, 1, 2, Qt::AlignLeft);
    s->setColumnStretch(0, 1);

    CBmerken = new QCheckBox(QString::fromUtf8("Einstellungen als Vorgabe für späterer Projekte merken"));
    CBmerken->setChecked(!projektOffen);
    CBmerken->setEnabled(projektOffen);
    QHBoxLayout* knoepfe = OkAbbrechenZeile(OkBtn, CancBtn);

    auto* raster = new QGridLayout;
    raster->addWidget(listen, 0, 0);
    raster->addWidget(randbox, 0, 1);
    raster->addWidget(ausrichtung, 0, 2);
    raster->addWidget(schrift, 1, 0, 1, 3);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(raster);
    spalte->addWidget(CBmerken);
    spalte->addLayout(knoepfe);
    Rollbar(this);

    RaenderZeigen(werte.Raender);
    Ausrichtung[werte.Ausrichtung == 1 ? 1 : 0]->setChecked(true);
    SchriftenZeigen(werte.Schriftart);
    GroessenZeigen(LBGroesse, 8, 14, werte.Schriftgroesse, false);

    connect(BtnStandardRaender, &QPushButton::clicked, this,
            [this] { RaenderZeigen(TListenlayout().ListenRaender); });
    connect(BtnStandardSchrift, &QPushButton::clicked, this, [this] {
        LBSchrift->Waehlen(QStringLiteral("Times New Roman"));
        GroessenZeigen(LBGroesse, 8, 14, 12, false);
    });
    connect(CBsinnvoll, &QCheckBox::toggled, this, [this] { SchriftenZeigen(LBSchrift->Gewaehlt()); });
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TFListenFormat::RaenderZeigen(const std::array<int32_t, 4>& raender) {
    for (size_t i = 0; i < 4; ++i)
        Raender[i]->setText(RandText(raender[i] / 1000.0));
}

void TFListenFormat::SchriftenZeigen(const QString& gewaehlt) {
    LBSchrift->Zeigen(
        SchriftfamilienMit(Schriftfamilien(TSchriftzweck::SonstigeListen, CBsinnvoll->isChecked()), gewaehlt),
        gewaehlt);
}

void TFListenFormat::OkStellen() {
    bool gueltig = true;
    for (const QLineEdit* feld : Raender)
        gueltig = gueltig && Randwert(feld).has_value();
    OkBtn->setEnabled(gueltig);
}

TListenFormat TFListenFormat::Werte() const {
    TListenFormat f;
    for (size_t i = 0; i < 4; ++i)
        f.Raender[i] = static_cast<int32_t>(std::nearbyint(Randwert(Raender[i]).value_or(0) * 1000));
    f.Ausrichtung = Ausrichtung[1]->isChecked() ? 1 : 0;
    f.Schriftart = LBSchrift->Gewaehlt().isEmpty() ? Anfang.Schriftart : LBSchrift->Gewaehlt();
    f.Schriftgroesse = LBGroesse->currentRow() < 0 ? Anfang.Schriftgroesse : 8 + LBGroesse->currentRow();
    return f;
}

bool TFListenFormat::Merken() const {
    return CBmerken->isChecked();
}
