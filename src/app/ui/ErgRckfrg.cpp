#include "ErgRckfrg.h"

#include "ui/Hilfekontext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFErgRckfrg::TFErgRckfrg(QWidget* parent)
    : QDialog(parent) {
    HilfekontextSetzen(this, Hilfekontext::Lehrkraft);
    setWindowTitle(QStringLiteral("Leere Eingabe"));
    Text = new QLabel;
    JaBtn = new QPushButton(QStringLiteral("&Ja"));
    NeinBtn = new QPushButton(QStringLiteral("&Nein"));
    JaBtn->setDefault(true);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(JaBtn);
    knoepfe->addWidget(NeinBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text);
    layout->addSpacing(8);
    layout->addLayout(knoepfe);
    // The dialog ends just below its buttons, whatever the text.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(JaBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(NeinBtn, &QPushButton::clicked, this, &QDialog::reject);
}

bool TFErgRckfrg::Fragen(const QString& titel, const QString& text) {
    setWindowTitle(titel);
    Text->setText(QString(text).replace(u'\r', u'\n'));
    JaBtn->setFocus();
    return exec() == QDialog::Accepted;
}
