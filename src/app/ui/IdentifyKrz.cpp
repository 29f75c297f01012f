#include "IdentifyKrz.h"

#include "model/TypFunc.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TIdentifyKrzDlg::TIdentifyKrzDlg(const QString& kuerzel, const std::vector<TLehrer*>& kandidaten,
                                 QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Lehrer identifizieren, Kürzel: ") + kuerzel);
    Liste = new QListWidget;
    for (const TLehrer* l : kandidaten)
        Liste->addItem(l->Kuerzel + u'\t' + l->Anschrift(false));
    OkBtn = new QPushButton(QStringLiteral("OK"));
    OkBtn->setToolTip(QStringLiteral("Gesprächswunsch für markierten Lehrer eintragen"));
    OkBtn->setDefault(true);
    IgnorierenBtn = new QPushButton(QStringLiteral("Ignorieren"));
    IgnorierenBtn->setToolTip(QStringLiteral("Keinen Gesprächswunsch für das Kürzel eintragen"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(OkBtn);
    knoepfe->addWidget(IgnorierenBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Dieses Kürzel passt zu mehreren Lehrkräften. Wählen Sie die "
                                                "gemeinte Lehrkraft aus:")));
    layout->addWidget(Liste);
    layout->addLayout(knoepfe);

    if (Liste->count() > 0) Liste->setCurrentRow(0);
    Liste->setFocus();
    connect(OkBtn, &QPushButton::clicked, this, &TIdentifyKrzDlg::OkBtnClick);
    connect(IgnorierenBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(Liste, &QListWidget::itemDoubleClicked, this, &TIdentifyKrzDlg::OkBtnClick);
}

int TIdentifyKrzDlg::Auswahl() const {
    return Liste->currentRow();
}

void TIdentifyKrzDlg::OkBtnClick() {
    if (Liste->currentRow() >= 0) accept();
}
