#include "Zeichenziel.h"

#include "Druckschriften.h"

#include <QPagedPaintDevice>

TSeitenziel::TSeitenziel(QPagedPaintDevice& geraet)
    : Geraet(geraet)
    , M(&geraet) {}

void TSeitenziel::NeueSeite() {
    Geraet.newPage();
}

QFont TSeitenziel::Zielschrift(const QFont& schrift) const {
    return Druckschrift(schrift);
}

TBildziel::TBildziel()
    : Bild(std::make_unique<QPicture>())
    , M(std::make_unique<QPainter>(Bild.get())) {}

void TBildziel::NeueSeite() {
    M->end();
    Fertig.push_back(*Bild);
    Bild = std::make_unique<QPicture>();
    M = std::make_unique<QPainter>(Bild.get());
}

std::vector<QPicture> TBildziel::Seiten() {
    if (M->isActive()) {
        M->end();
        Fertig.push_back(*Bild);
    }
    return std::move(Fertig);
}
