#include "LayoutFormat.h"

#include "model/Meldung.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char* const Seitennamen[4] = {"links", "oben", "rechts", "unten"};

} // namespace

TLayoutFormat::TLayoutFormat(TListenlayout& layout, std::function<TSeitenmetrik()> metrik, TMeldung& meldung,
                             QWidget* eltern)
    : TEingabeSeite(layout, eltern)
    , Metrik(std::move(metrik))
    , Meldungen(meldung) {
    RGOrientation = new QGroupBox(QStringLiteral("Seitenausrichtung"));
    auto* o = new QVBoxLayout(RGOrientation);
    Orientierung[0] = new QRadioButton(QStringLiteral("Hochformat"));
    Orientierung[1] = new QRadioButton(QStringLiteral("Querformat"));
    o->addWidget(Orientierung[0]);
    o->addWidget(Orientierung[1]);
    o->addStretch();

    LVRand = new QTreeWidget;
    LVRand->setHeaderLabels({QStringLiteral("Rand"), QStringLiteral("cm")});
    LVRand->setRootIsDecorated(false);
    LVRand->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    LVRand->header()->setStretchLastSection(false);
    LVRand->setFixedHeight(LVRand->fontMetrics().height() * 8);
    for (int i = 0; i < 4; ++i) {
        auto* zeile = new QTreeWidgetItem(LVRand, {QString::fromLatin1(Seitennamen[i]), QString()});
        zeile->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    Erand = new QLineEdit;
    Erand->setMaximumWidth(Erand->fontMetrics().horizontalAdvance(QStringLiteral("00,000")) * 2);
    BtnRand = new QPushButton(QString::fromUtf8("Rand links ändern"));
    BtnStandard = new QPushButton(QString::fromUtf8("Standardränder"));

    auto* raender = new QVBoxLayout;
    raender->addWidget(LVRand);
    auto* eingabe = new QHBoxLayout;
    eingabe->addWidget(Erand);
    eingabe->addWidget(BtnRand);
    eingabe->addStretch();
    raender->addLayout(eingabe);
    raender->addWidget(BtnStandard, 0, Qt::AlignLeft);
    raender->addStretch();
    auto* zeile = new QHBoxLayout(this);
    zeile->addWidget(RGOrientation);
    zeile->addLayout(raender, 1);

    ZahlfeldEinrichten(Erand, false, [this] { Aufgeben(); });
    for (int i = 0; i < 2; ++i)
        connect(Orientierung[static_cast<size_t>(i)], &QRadioButton::toggled, this, [this, i](bool an) {
            if (an) Aendern(TListenArt::Beide, [this, i] { L.Ausrichtung = static_cast<uint8_t>(i); });
        });
    connect(LVRand, &QTreeWidget::currentItemChanged, this, [this] {
        BtnRand->setText(QString::fromUtf8("Rand %1 ändern").arg(QString::fromLatin1(Seitennamen[Seite()])));
        Aufgeben();
    });
    connect(Erand, &QLineEdit::textChanged, this, &TLayoutFormat::KnopfStellen);
    connect(BtnRand, &QPushButton::clicked, this, [this] { Anwenden(); });
    connect(BtnStandard, &QPushButton::clicked, this, [this] {
        Aendern(TListenArt::Beide, [this] { L.Seitenraender = TSeitenraender{}; });
        Fuellen();
        Aufgeben();
    });
    LVRand->setCurrentItem(LVRand->topLevelItem(0));
    Fuellen();
}

int TLayoutFormat::Seite() const {
    const int zeile = LVRand->indexOfTopLevelItem(LVRand->currentItem());
    return zeile < 0 ? 0 : zeile;
}

void TLayoutFormat::Anzeigen() {
    Orientierung[L.Ausrichtung == 1 ? 1 : 0]->setChecked(true);
    for (int i = 0; i < 4; ++i)
        LVRand->topLevelItem(i)->setText(1, RandText(Rand(L.Seitenraender, static_cast<TRandSeite>(i))));
    KnopfStellen();
}

void TLayoutFormat::Aufgeben() {
    Erand->setText(RandText(Rand(L.Seitenraender, static_cast<TRandSeite>(Seite()))));
    KnopfStellen();
}

bool TLayoutFormat::Offen() const {
    return Erand->text() != RandText(Rand(L.Seitenraender, static_cast<TRandSeite>(Seite())));
}

void TLayoutFormat::KnopfStellen() {
    BtnRand->setEnabled(Offen());
}

bool TLayoutFormat::Anwenden() {
    if (!Offen()) return true;
    const auto seite = static_cast<TRandSeite>(Seite());
    const TEingabePruefung p = RandPruefen(Erand->text(), seite, L, Metrik());
    if (!p.Wert) {
        Meldungen.Meldung(p.Text, p.Titel, MeldungsArt::Fehler);
        Erand->setFocus();
        return false;
    }
    const double cm = *p.Wert / 1000.0;
    if (cm != Rand(L.Seitenraender, seite))
        Aendern(TListenArt::Beide, [this, seite, cm] { Rand(L.Seitenraender, seite) = cm; });
    Fuellen();
    Aufgeben();
    return true;
}
