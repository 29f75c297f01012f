#include "SchuldatenDlg.h"

#include "ui/Eingabehilfen.h"
#include "ui/Hilfekontext.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSchuldatenDlg::TSchuldatenDlg(const TSchuldaten& daten, QWidget* parent)
    : QDialog(parent) {
    HilfekontextSetzen(this, Hilfekontext::Schuldaten);
    setWindowTitle(QStringLiteral("Schuldaten"));
    E_Name = new QLineEdit(daten.Name);
    E_Strasse = new QLineEdit(daten.Strasse);
    E_Ort = new QLineEdit(daten.Ort);
    E_Telefon = new QLineEdit(daten.Telefon);
    E_Fax = new QLineEdit(daten.Fax);
    // Wide enough for a school's full name in the font the user has.
    E_Name->setMinimumWidth(E_Name->fontMetrics().averageCharWidth() * 45);
    auto* felder = new QFormLayout;
    felder->addRow(QStringLiteral("Name der Schule:"), E_Name);
    felder->addRow(QString::fromUtf8("Straße:"), E_Strasse);
    felder->addRow(QStringLiteral("PLZ und Ort:"), E_Ort);
    felder->addRow(QStringLiteral("Telefon:"), E_Telefon);
    felder->addRow(QStringLiteral("Fax:"), E_Fax);
    // The fields grow with the dialog on every platform style.
    felder->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    QHBoxLayout* knoepfe = OkAbbrechenZeile(OkBtn, CancBtn);
    HilfeBtn = new QPushButton(QStringLiteral("&Hilfe"));
    knoepfe->addWidget(HilfeBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(felder);
    layout->addSpacing(6);
    layout->addLayout(knoepfe);
    E_Name->setFocus();

    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HilfeBtn, &QPushButton::clicked, this, &TSchuldatenDlg::HilfeAngefordert);
}

TSchuldaten TSchuldatenDlg::Schuldaten() const {
    return {E_Name->text(), E_Strasse->text(), E_Ort->text(), E_Telefon->text(), E_Fax->text()};
}
