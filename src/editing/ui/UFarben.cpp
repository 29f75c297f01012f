#include "UFarben.h"

#include "ui/Hilfekontext.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const std::array<QColor, 3> TFFarben::Standard{QColor(0x00, 0xFF, 0x00), QColor(0xFF, 0xFF, 0x00),
                                               QColor(0xFF, 0x00, 0x00)};

TFFarben::TFFarben(const std::array<QColor, 3>& farben, QWidget* eltern)
    : QDialog(eltern)
    , Farben(farben) {
    HilfekontextSetzen(this, Hilfekontext::Handbearbeitung);
    setWindowTitle(QStringLiteral("Farben zur Kennzeichnung der Ziele beim Verschieben"));
    Waehlen = [this](const QColor& farbe, const QString& titel) {
        // The custom colours start white, as the chooser shows them first.
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            QColorDialog::setCustomColor(i, Qt::white);
        return QColorDialog::getColor(farbe, this, titel);
    };
    const QString texte[] = {
        QStringLiteral("Freier Termin"),
        QString::fromUtf8("Für mindestens einen Gesprächspartner ist eine Pause vorgesehen"),
        QStringLiteral("Hier setzen Sie das Gespräch auf \"nicht terminiert\"")};
    auto* raster = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        Quadrate[i] = new QPushButton;
        Quadrate[i]->setFixedSize(20, 20);
        Quadrate[i]->setAutoDefault(false);
        raster->addWidget(Quadrate[i], i, 0);
        raster->addWidget(new QLabel(texte[i]), i, 1);
        connect(Quadrate[i], &QPushButton::clicked, this, [this, i] { QuadratClick(i); });
    }
    auto* hinweis = new QLabel(
        QString::fromUtf8("Klicken Sie auf das kleine farbige Quadrat, um dessen Farbe zu ändern."));
    BtnStandard = new QPushButton(QStringLiteral("Standardfarben"));
    BtnOK = new QPushButton(QStringLiteral("OK"));
    BtnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    BtnStandard->setAutoDefault(false);
    BtnAbbrechen->setAutoDefault(false);
    BtnOK->setDefault(true);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BtnStandard);
    knoepfe->addStretch(1);
    knoepfe->addWidget(BtnOK);
    knoepfe->addWidget(BtnAbbrechen);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(raster);
    aussen->addWidget(hinweis);
    aussen->addLayout(knoepfe);
    connect(BtnStandard, &QPushButton::clicked, this, [this] {
        Farben = Standard;
        Zeigen();
    });
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    Zeigen();
}

void TFFarben::QuadratClick(int index) {
    const QString ziele[] = {QStringLiteral("freien Termin"), QStringLiteral("Ersetzen einer Pause"),
                             QStringLiteral("Setzen auf \"nicht terminiert\"")};
    const QColor farbe =
        Waehlen(Farben[static_cast<size_t>(index)], QString::fromUtf8("Farbe für ") + ziele[index]);
    if (!farbe.isValid()) return;
    Farben[static_cast<size_t>(index)] = farbe;
    Zeigen();
}

void TFFarben::Zeigen() {
    for (size_t i = 0; i < Quadrate.size(); ++i)
        Quadrate[i]->setStyleSheet(
            QStringLiteral("background: %1; border: 1px solid black").arg(Farben[i].name()));
}
