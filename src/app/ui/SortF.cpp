#include "SortF.h"

#include "ui/Hilfekontext.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr uint8_t NachNameOderKlasse = 0x80;
constexpr uint8_t KlasseZuerst = 0x40;
constexpr uint8_t NameAbsteigend = 0x20;
constexpr uint8_t KlasseAbsteigend = 0x10;

QComboBox* Reihenfolge() {
    auto* box = new QComboBox;
    box->addItems({QStringLiteral("aufsteigend"), QStringLiteral("absteigend")});
    return box;
}

} // namespace

TSortF::TSortF(uint8_t sortierung, QWidget* parent)
    : QDialog(parent) {
    HilfekontextSetzen(this, Hilfekontext::Sortierung);
    setWindowTitle(QStringLiteral("Sortierung der Elternliste festlegen"));
    Schluessel1 = new QComboBox;
    Schluessel1->addItems({QStringLiteral("Klasse der Kinder"), QStringLiteral("Elternname"),
                           QStringLiteral("Schlüsselnummer")});
    Reihenfolge1 = Reihenfolge();
    Schluessel2 = new QLineEdit;
    Schluessel2->setReadOnly(true);
    Reihenfolge2 = Reihenfolge();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("1.Sortierschlüssel:"), Schluessel1);
    form->addRow(QStringLiteral("Reihenfolge:"), Reihenfolge1);
    form->addRow(QStringLiteral("2.Sortierschlüssel:"), Schluessel2);
    form->addRow(QStringLiteral("Reihenfolge:"), Reihenfolge2);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(
        new QLabel(QStringLiteral("Die Kinder innerhalb einer Familie bleiben stets nach Klasse und "
                                  "Name sortiert.")));
    layout->addWidget(knoepfe);

    const bool klasseZuerst = sortierung & KlasseZuerst;
    Schluessel1->setCurrentIndex(!(sortierung & NachNameOderKlasse) ? Schluesselnummer
                                 : klasseZuerst                     ? KlasseDerKinder
                                                                    : Elternname);
    const bool klasseAb = sortierung & KlasseAbsteigend;
    const bool nameAb = sortierung & NameAbsteigend;
    Reihenfolge1->setCurrentIndex(klasseZuerst ? klasseAb : nameAb);
    Reihenfolge2->setCurrentIndex(klasseZuerst ? nameAb : klasseAb);
    SchluesselGewaehlt();

    connect(Schluessel1, &QComboBox::currentIndexChanged, this, &TSortF::SchluesselGewaehlt);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TSortF::SchluesselGewaehlt() {
    const int schluessel = Schluessel1->currentIndex();
    const bool nummer = schluessel == Schluesselnummer;
    Schluessel2->setText(nummer                          ? QStringLiteral("< nicht vorhanden >")
                         : schluessel == KlasseDerKinder ? QStringLiteral("Elternname")
                                                         : QStringLiteral("Klasse der Kinder"));
    Reihenfolge1->setEnabled(!nummer);
    Reihenfolge2->setEnabled(!nummer);
    if (nummer) Reihenfolge1->setCurrentIndex(0);
    Reihenfolge2->setItemText(0, nummer ? QString() : QStringLiteral("aufsteigend"));
    Reihenfolge2->setItemText(1, nummer ? QString() : QStringLiteral("absteigend"));
}

uint8_t TSortF::Sortierung() const {
    const int schluessel = Schluessel1->currentIndex();
    if (schluessel == Schluesselnummer) return 0;
    const bool klasseZuerst = schluessel == KlasseDerKinder;
    uint8_t s = NachNameOderKlasse | (klasseZuerst ? KlasseZuerst : 0);
    const bool ab1 = Reihenfolge1->currentIndex() == 1;
    const bool ab2 = Reihenfolge2->currentIndex() == 1;
    if (klasseZuerst ? ab1 : ab2) s |= KlasseAbsteigend;
    if (klasseZuerst ? ab2 : ab1) s |= NameAbsteigend;
    return s;
}
