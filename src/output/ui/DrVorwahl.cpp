#include "DrVorwahl.h"

#include "SonstigeListen.h"
#include "model/Meldung.h"
#include "ui/Hilfekontext.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

TDrVorwahl::TDrVorwahl(QPrinter& drucker, TMeldung& meldung, QWidget* parent)
    : QDialog(parent)
    , Drucker(drucker)
    , Meldung(meldung) {
    HilfekontextSetzen(this, Hilfekontext::Drucken);
    setWindowTitle(QStringLiteral("Drucken ..."));
    Einrichten = [this](QPrinter& p) {
        QPrintDialog dialog(&p, this);
        dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
        return dialog.exec() == QDialog::Accepted;
    };

    EBtn = new QPushButton(QString::fromUtf8("für Eltern ..."));
    LBtn = new QPushButton(QString::fromUtf8("für Lehrkräfte ..."));
    DruStp = new QPushButton(QString::fromUtf8("&Drucker wählen && einrichten ..."));
    SonstList1 = new QPushButton(QStringLiteral("Sonstige Listen ..."));
    SonstMenue = SonstigeListenMenue(SonstList1);
    HintBtn = new QPushButton(QStringLiteral("&Tipp"));
    EndeBtn = new QPushButton(QString::fromUtf8("&Schließen"));
    DruckerName = new QLabel;
    DruckerName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont fett = DruckerName->font();
    fett.setBold(true);
    DruckerName->setFont(fett);
    for (QPushButton* knopf : {EBtn, LBtn})
        knopf->setMinimumWidth(knopf->sizeHint().width() + 24);

    auto* listen = new QHBoxLayout;
    listen->addSpacing(16);
    listen->addWidget(EBtn);
    listen->addWidget(LBtn);
    listen->addStretch();

    auto* geraet = new QGridLayout;
    geraet->setColumnMinimumWidth(0, 16);
    geraet->addWidget(DruckerName, 0, 1, 1, 2);
    geraet->addWidget(DruStp, 1, 1);
    geraet->setColumnStretch(2, 1);

    auto* unten = new QHBoxLayout;
    unten->addWidget(SonstList1);
    unten->addStretch();
    unten->addWidget(HintBtn);
    unten->addWidget(EndeBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromUtf8("Mit VEL erstellte Gesprächslisten drucken:")));
    layout->addLayout(listen);
    layout->addSpacing(12);
    layout->addWidget(new QLabel(QStringLiteral("Aktueller Drucker:")));
    layout->addLayout(geraet);
    layout->addSpacing(12);
    layout->addLayout(unten);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    NameAnzeigen();
    EBtn->setDefault(true);

    connect(EBtn, &QPushButton::clicked, this, &TDrVorwahl::ElternDrucken);
    connect(LBtn, &QPushButton::clicked, this, &TDrVorwahl::LehrerDrucken);
    connect(DruStp, &QPushButton::clicked, this, &TDrVorwahl::DruStpClick);
    connect(HintBtn, &QPushButton::clicked, this, &TDrVorwahl::HintBtnClick);
    connect(EndeBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TDrVorwahl::NameAnzeigen() {
    const QString name = Drucker.printerName();
    DruckerName->setText(name.isEmpty() ? QPrinterInfo::defaultPrinterName() : name);
}

void TDrVorwahl::DruStpClick() {
    const QPageLayout::Orientation vorher = Drucker.pageLayout().orientation();
    if (!Einrichten(Drucker)) return;
    // The orientation belongs to the list layout, so a change made here would not last anyway.
    if (Drucker.pageLayout().orientation() != vorher) {
        Meldung.Meldung(
            QString::fromUtf8("Sie haben die Ausrichtung verstellt.\rDiese Änderung wird verworfen,"
                              "\rweil stets die mit Layout-Optionen\reingestellte Ausrichtung "
                              "verwendet wird."),
            QStringLiteral("Druckereinstellungen"), MeldungsArt::Information);
        Drucker.setPageOrientation(vorher);
    }
    NameAnzeigen();
    Q_EMIT DruckerEingerichtet();
}

void TDrVorwahl::HintBtnClick() {
    Meldung.Meldung(
        QString::fromUtf8("Die Druckreihenfolge der Gesprächslisten für Eltern können Sie mit dem "
                          "Menüpunkt 'Bearbeiten / Sortierung der Elternliste' festlegen."),
        QStringLiteral("Hinweis:"), MeldungsArt::Information);
}
