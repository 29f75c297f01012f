#include "AnrDlg.h"

#include "model/Projekt.h"
#include "ui/Eingabehilfen.h"
#include "ui/Hilfekontext.h"
#include "ui/Speicherbar.h"
#include "ui/Zeilenhoehe.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TAnrDlgF::TAnrDlgF(const TLehrerliste& lehrer, QWidget* eltern)
    : QDialog(eltern) {
    HilfekontextSetzen(this, Hilfekontext::Anredeeditor);
    setWindowTitle(QStringLiteral("Anrede-Editor (Anreden global bearbeiten)"));
    Liste = new QListWidget(this);
    Liste->setSelectionMode(QAbstractItemView::NoSelection);
    Liste->setFocusPolicy(Qt::NoFocus);
    UmlautZeilen(Liste);
    for (const auto& l : lehrer)
        Liste->addItem(l->Kuerzel + u'\t' + l->Anschrift(false));

    auto* wahl = new QGroupBox(QStringLiteral("Wie möchten Sie die Anreden ändern?"), this);
    RBTauschen = new QRadioButton(QStringLiteral("Herr / Frau aus&tauschen"), wahl);
    RBErsetzen = new QRadioButton(QStringLiteral("Anreden &ersetzen von... nach..."), wahl);
    EdVon = new QLineEdit(wahl);
    EdNach = new QLineEdit(wahl);
    NurSpeicherbar(this, {EdVon, EdNach});
    Felder = new QFormLayout;
    Felder->addRow(QStringLiteral("&von"), EdVon);
    Felder->addRow(QStringLiteral("&nach"), EdNach);
    auto* wahlLayout = new QVBoxLayout(wahl);
    wahlLayout->addWidget(RBTauschen);
    wahlLayout->addWidget(RBErsetzen);
    wahlLayout->addLayout(Felder);

    HilfeBtn = new QPushButton(QStringLiteral("Hilfe"), this);
    HilfeBtn->setAutoDefault(false);
    QHBoxLayout* knoepfe = OkAbbrechenZeile(OkBtn, CancBtn);
    knoepfe->addWidget(HilfeBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Liste, 1);
    layout->addWidget(wahl);
    layout->addLayout(knoepfe);

    RBErsetzen->setChecked(true);
    EdVon->setFocus();
    connect(RBTauschen, &QRadioButton::toggled, this, &TAnrDlgF::WahlGeaendert);
    connect(OkBtn, &QPushButton::clicked, this, &TAnrDlgF::OkBtnClick);
    connect(CancBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HilfeBtn, &QPushButton::clicked, this, [this] {
        if (Hilfe) Hilfe();
    });
    resize(420, 440);
}

bool TAnrDlgF::Tauschen() const {
    return RBTauschen->isChecked();
}

QString TAnrDlgF::Von() const {
    return EdVon->text();
}

QString TAnrDlgF::Nach() const {
    return EdNach->text();
}

void TAnrDlgF::WahlGeaendert() {
    for (QLineEdit* feld : {EdVon, EdNach})
        Felder->setRowVisible(feld, RBErsetzen->isChecked());
}

void TAnrDlgF::OkBtnClick() {
    // Enter in the first field leads on to the second, as the order of the two asks.
    if (RBErsetzen->isChecked() && focusWidget() == EdVon) {
        EdNach->setFocus();
        EdNach->selectAll();
        return;
    }
    accept();
}
