#include "LayoutTexte.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TLayoutTitel::TLayoutTitel(TListenlayout& layout, QWidget* eltern)
    : TLayoutSeite(layout, eltern) {
    EdTitel = new QLineEdit;
    caps = new QCheckBox(QString::fromUtf8("Titel in Großbuchstaben setzen"));
    stretch = new QCheckBox(QStringLiteral("Titel gesperrt setzen"));
    auto* felder = new QFormLayout;
    felder->addRow(QStringLiteral("Titel"), EdTitel);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(felder);
    spalte->addWidget(caps);
    spalte->addWidget(stretch);
    spalte->addStretch();
    connect(EdTitel, &QLineEdit::textChanged, this,
            [this](const QString& text) { Aendern(TListenArt::Beide, [this, text] { L.Titel = text; }); });
    connect(caps, &QCheckBox::toggled, this,
            [this](bool an) { Aendern(TListenArt::Beide, [this, an] { L.TitelGross = an; }); });
    connect(stretch, &QCheckBox::toggled, this,
            [this](bool an) { Aendern(TListenArt::Beide, [this, an] { L.TitelGesperrt = an; }); });
    Fuellen();
}

void TLayoutTitel::Anzeigen() {
    if (EdTitel->text() != L.Titel) EdTitel->setText(L.Titel);
    caps->setChecked(L.TitelGross);
    stretch->setChecked(L.TitelGesperrt);
}

TLayoutUeberschrift::TLayoutUeberschrift(TListenlayout& layout, QWidget* eltern)
    : TLayoutSeite(layout, eltern) {
    Edit1 = new QLineEdit;
    Edit2 = new QLineEdit;
    // Wide enough for the default texts.
    Edit2->setMinimumWidth(
        Edit2->fontMetrics().horizontalAdvance(QString::fromUtf8(StandardUeberschriftOhneTermin)) +
        Edit2->fontMetrics().averageCharWidth() * 4);
    BtnStandard = new QPushButton(QStringLiteral("Auf Standardtexte zurücksetzen"));
    CBkursiv = new QCheckBox(QString::fromUtf8("Überschrift kursiv setzen"));
    auto* felder = new QFormLayout;
    felder->setRowWrapPolicy(QFormLayout::WrapAllRows);
    felder->addRow(QString::fromUtf8("Überschrift, solange keine Termine berechnet sind:"), Edit1);
    felder->addRow(QString::fromUtf8("Überschrift der Gespräche ohne Termin:"), Edit2);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(felder);
    spalte->addWidget(BtnStandard, 0, Qt::AlignLeft);
    spalte->addWidget(CBkursiv);
    spalte->addStretch();
    connect(Edit1, &QLineEdit::textChanged, this, [this](const QString& text) {
        Aendern(TListenArt::Beide, [this, text] { L.UeberschriftWunsch = text; });
    });
    connect(Edit2, &QLineEdit::textChanged, this, [this](const QString& text) {
        Aendern(TListenArt::Beide, [this, text] { L.UeberschriftOhneTermin = text; });
    });
    connect(BtnStandard, &QPushButton::clicked, this, [this] {
        Aendern(TListenArt::Beide, [this] {
            L.UeberschriftWunsch = QString::fromUtf8(StandardUeberschriftWunsch);
            L.UeberschriftOhneTermin = QString::fromUtf8(StandardUeberschriftOhneTermin);
        });
        Fuellen();
    });
    connect(CBkursiv, &QCheckBox::toggled, this,
            [this](bool an) { Aendern(TListenArt::Beide, [this, an] { L.UeberschriftKursiv = an; }); });
    Fuellen();
}

void TLayoutUeberschrift::Anzeigen() {
    if (Edit1->text() != L.UeberschriftWunsch) Edit1->setText(L.UeberschriftWunsch);
    if (Edit2->text() != L.UeberschriftOhneTermin) Edit2->setText(L.UeberschriftOhneTermin);
    CBkursiv->setChecked(L.UeberschriftKursiv);
}
