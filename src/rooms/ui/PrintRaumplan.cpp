#include "PrintRaumplan.h"

#include "ui/Hilfekontext.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QGroupBox* Auswahl(const QString& titel, const QStringList& punkte, int vorgabe, QButtonGroup*& gruppe,
                   QWidget* eltern) {
    auto* kasten = new QGroupBox(titel, eltern);
    auto* spalte = new QVBoxLayout(kasten);
    gruppe = new QButtonGroup(kasten);
    for (int i = 0; i < punkte.size(); ++i) {
        auto* knopf = new QRadioButton(punkte[i], kasten);
        gruppe->addButton(knopf, i);
        spalte->addWidget(knopf);
    }
    gruppe->button(vorgabe)->setChecked(true);
    return kasten;
}

} // namespace

TFPrintRaumplan::TFPrintRaumplan(bool alsPdf, const QString& druckername, QWidget* parent)
    : QDialog(parent) {
    HilfekontextSetzen(this, Hilfekontext::Raumbelegung);
    setWindowTitle(alsPdf ? QStringLiteral("Raumbelegung: Als PDF speichern")
                          : QStringLiteral("Raumbelegung: Drucken"));
    RGRaeume = Auswahl(QStringLiteral("Für welche Räume soll ein Plan ausgegeben werden?"),
                       {QStringLiteral("Alle Räume mit mindestens einem Gespräch"),
                        QStringLiteral("Nur Räume, die von mehreren Lehrkräften genutzt werden"),
                        QStringLiteral("Nur markierten Raum / markierte Räume")},
                       static_cast<int>(TRaumdruckWahl::Markierte), Raeume, this);
    RGInfo = Auswahl(QStringLiteral("Welche Infos sollen erscheinen?"),
                     {QStringLiteral("Nur belegte Zeiten und Lehrkraft"),
                      QStringLiteral("Belegte Zeiten, Lehrkraft, Eltern")},
                     0, Info, this);
    auto* hinweis =
        new QLabel(QStringLiteral("Im Titel wird der Raum genannt. Und dann folgt die Raumbelegung."), this);

    BtnAusgabe =
        new QPushButton(alsPdf ? QStringLiteral("PDF-Dokument ...") : QStringLiteral("Drucken"), this);
    BtnAusgabe->setToolTip(alsPdf ? QStringLiteral("Speichern") : druckername);
    BtnAusgabe->setEnabled(alsPdf || !druckername.isEmpty());
    BtnAusgabe->setDefault(true);
    BtnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BtnAusgabe);
    knoepfe->addWidget(BtnAbbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RGRaeume);
    layout->addWidget(RGInfo);
    layout->addWidget(hinweis);
    layout->addLayout(knoepfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnAusgabe, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

TRaumdruckWahl TFPrintRaumplan::Wahl() const {
    return static_cast<TRaumdruckWahl>(Raeume->checkedId());
}

bool TFPrintRaumplan::MitEltern() const {
    return Info->checkedId() == 1;
}
