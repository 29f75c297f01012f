#include "CheckNumDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TCheckNumDlg::TCheckNumDlg(uint8_t mitNummer, QWidget* eltern)
    : QDialog(eltern)
    , Alt(mitNummer) {
    setWindowTitle(QString::fromUtf8("Eingabeposition des Gesprächswunsches anzeigen?"));
    auto* text = new QPlainTextEdit(
        QString::fromUtf8("Wenn Sie Gespräche verschieben, kann es für Sie von Interesse sein, \n"
                          "ob es sich  um den 1., 2. oder 3. (usw)  Gesprächswunsch für das \n"
                          "betreffende Kind handelt.\n\n"
                          "Sie können hier festlegen, ob diese Nummer im Dialog zum \n"
                          "Bearbeiten von Gesprächslisten angezeigt werden soll."));
    text->setReadOnly(true);
    // The lines are laid out by hand; the box is as wide as the longest and as high as all of them.
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrik(text->font());
    text->setMinimumWidth(metrik.horizontalAdvance(QString::fromUtf8(
                              "ob es sich  um den 1., 2. oder 3. (usw)  Gesprächswunsch für das ")) +
                          24);
    text->setFixedHeight(metrik.lineSpacing() * 7 + 12);
    text->setFocusPolicy(Qt::NoFocus);
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
