#include "IdentifyKrz.h"

#include "model/TypFunc.h"
#include "ui/Hilfekontext.h"
#include "ui/Zeilenhoehe.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

TIdentifyKrzDlg::TIdentifyKrzDlg(const QString& kuerzel, const std::vector<TLehrer*>& kandidaten,
                                 QWidget* parent)
    : QDialog(parent) {
    HilfekontextSetzen(this, Hilfekontext::Gespraechswuensche);
    setWindowTitle(QStringLiteral("Lehrer identifizieren, Kürzel: ") + kuerzel);
    Liste = new QListWidget;
    Liste->setItemDelegate(new TZeilenDelegate(Liste));
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
    auto* text = new QLabel(QString::fromUtf8("Das Kürzel ") + kuerzel +
                            QString::fromUtf8(" ist nicht eindeutig. Bitte wählen Sie hier den gewünschten "
                                              "Lehrer aus:"));
    text->setWordWrap(true);
    layout->addWidget(text);
    layout->addWidget(Liste);
    layout->addLayout(knoepfe);

    // Wide enough for the longest name and high enough for every candidate, up to ten of them.
    const int rand = 2 * Liste->frameWidth() + 8;
    Liste->setMinimumWidth(std::max(320, Liste->sizeHintForColumn(0) + rand));
    const int zeilen = std::clamp(Liste->count(), 3, 10);
    Liste->setFixedHeight(zeilen * std::max(1, Liste->sizeHintForRow(0)) + rand);
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
