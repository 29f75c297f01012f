#include "Telefonliste.h"

#include "Projekt.h"
#include "Textvergleich.h"

#include <QStringList>
#include <algorithm>

std::vector<TEltern*> FamilienOhneTermin(const TElternliste& eltern) {
    std::vector<TEltern*> ergebnis;
    for (const auto& e : eltern) {
        const bool offen = std::any_of(e->Kinder.begin(), e->Kinder.end(), [](const auto& k) {
            return std::any_of(k->Gespraeche.begin(), k->Gespraeche.end(),
                               [](const TGespraech* g) { return g->Termin < 0; });
        });
        if (offen) ergebnis.push_back(e.get());
    }
    return ergebnis;
}

QString KlassenDerKinder(const TEltern& e) {
    QStringList klassen;
    for (const auto& k : e.Kinder)
        klassen << k->Klasse;
    return klassen.join(QStringLiteral(", "));
}

void TelefonzeilenSortieren(std::vector<TEltern*>& zeilen, TTelefonSpalte spalte, bool latKlBez) {
    const auto vergleich = [spalte, latKlBez](const TEltern* a, const TEltern* b) {
        switch (spalte) {
        case TTelefonSpalte::Eltern:
            return ElternVergleich(*a, *b, 128, latKlBez) < 0;
        case TTelefonSpalte::Klasse:
            return ElternVergleich(*a, *b, 192, latKlBez) < 0;
        case TTelefonSpalte::Telefon:
            break;
        }
        return TextVergleichOhneGross(a->Telefon, b->Telefon) < 0;
    };
    std::stable_sort(zeilen.begin(), zeilen.end(), vergleich);
}
