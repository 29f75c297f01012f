#include "CheckNumDlg.h"

#include "ui/Erklaerungsfeld.h"
#include "ui/Hilfekontext.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

TCheckNumDlg::TCheckNumDlg(uint8_t mitNummer, QWidget* eltern)
    : QDialog(eltern)
    , Alt(mitNummer) {
    HilfekontextSetzen(this, Hilfekontext::Handbearbeitung);
    setWindowTitle(QString::fromUtf8("Eingabeposition des Gesprächswunsches anzeigen?"));
    // At its narrowest the box still holds the first line, the longest, whole.
    auto* text = new TErklaerungsfeld(
        QString::fromUtf8("Wenn Sie Gespräche verschieben, kann es für Sie von Interesse sein, "
                          "ob es sich  um den 1., 2. oder 3. (usw)  Gesprächswunsch für das "
                          "betreffende Kind handelt.\n\n"
                          "Sie können hier festlegen, ob diese Nummer im Dialog zum "
                          "Bearbeiten von Gesprächslisten angezeigt werden soll."),
        QString::fromUtf8("Wenn Sie Gespräche verschieben, kann es für Sie von Interesse sein,"));
    ChBAnzeigen = new QCheckBox(QStringLiteral("Nummer anzeigen"));
    ChBDrucken = new QCheckBox(QStringLiteral("Nummer bei Lehrerlisten auch ausdrucken"));
    ChBAnzeigen->setChecked(mitNummer & 1);
    ChBDrucken->setChecked(mitNummer & 2);
    connect(ChBAnzeigen, &QCheckBox::toggled, this, [this](bool an) {
        if (!an) ChBDrucken->setChecked(false);
    });
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(text);
    aussen->addWidget(ChBAnzeigen);
    aussen->addWidget(ChBDrucken);
    aussen->addWidget(knoepfe);
}

uint8_t TCheckNumDlg::MitNummer() const {
    return static_cast<uint8_t>((Alt & ~3) | (ChBAnzeigen->isChecked() ? 1 : 0) |
                                (ChBDrucken->isChecked() ? 2 : 0));
}
