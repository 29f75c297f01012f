#include "LayoutSchrift.h"

#include "Schriftliste.h"
#include "output/Schriftwahl.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TLayoutSchrift::TLayoutSchrift(TListenlayout& layout, QWidget* eltern)
    : TLayoutSeite(layout, eltern) {
    CBsinnvoll = new QCheckBox(QString::fromUtf8("Auswahl der Schriftarten sinnvoll einschränken"));
    CBsinnvoll->setChecked(true);
    LBSchrift = new TSchriftliste;
    LBGroesse = new QListWidget;
    LBGroesse->setMaximumWidth(LBGroesse->fontMetrics().horizontalAdvance(QStringLiteral("0000")) * 3);
    BtnStandard = new QPushButton(QStringLiteral("Standardschrift (Times New Roman 12)"));
    auto* raster = new QGridLayout(this);
    raster->addWidget(new QLabel(QStringLiteral("Schriftart:")), 0, 0);
    raster->addWidget(new QLabel(QString::fromUtf8("Größe:")), 0, 1);
    raster->addWidget(LBSchrift, 1, 0);
    raster->addWidget(LBGroesse, 1, 1);
    raster->addWidget(CBsinnvoll, 2, 0, 1, 2);
    raster->addWidget(BtnStandard, 3, 0, 1, 2, Qt::AlignLeft);
    raster->setColumnStretch(0, 1);

    connect(LBSchrift, &TSchriftliste::SchriftGewaehlt, this, [this](const QString& familie) {
        Aendern(TListenArt::Beide, [this, familie] { L.Schriftart = familie; });
    });
    connect(LBGroesse, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (zeile >= 0) Aendern(TListenArt::Beide, [this, zeile] { L.Schriftgroesse = 8 + zeile; });
    });
    connect(CBsinnvoll, &QCheckBox::toggled, this, [this] { ListeBauen(); });
    connect(BtnStandard, &QPushButton::clicked, this, [this] {
        Aendern(TListenArt::Beide, [this] {
            L.Schriftart = QStringLiteral("Times New Roman");
            L.Schriftgroesse = 12;
        });
        Fuellen();
    });
    Fuellen();
}

void TLayoutSchrift::showEvent(QShowEvent* ereignis) {
    if (!Gebaut) ListeBauen();
    TLayoutSeite::showEvent(ereignis);
}

void TLayoutSchrift::ListeBauen() {
    Gebaut = true;
    LBSchrift->Zeigen(
        SchriftfamilienMit(Schriftfamilien(TSchriftzweck::Gespraechslisten, CBsinnvoll->isChecked()),
                           L.Schriftart),
        L.Schriftart);
}

void TLayoutSchrift::Anzeigen() {
    if (Gebaut) LBSchrift->Waehlen(L.Schriftart);
    GroessenZeigen(LBGroesse, 8, 16, L.Schriftgroesse, true);
}
