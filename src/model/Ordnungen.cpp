#include "Projekt.h"
#include "Textvergleich.h"

const QStringList Klassenstufen = {QStringLiteral("VI"),   QStringLiteral("IV"),   QStringLiteral("V"),
                                   QStringLiteral("UIII"), QStringLiteral("OIII"), QStringLiteral("UII"),
                                   QStringLiteral("OII"),  QStringLiteral("UI"),   QStringLiteral("OI"),
                                   QString::fromUtf8("¶¥")};

namespace {

constexpr int StufeLatein[] = {5, 7, 6, 8, 9, 10, 11, 12, 13, 14};

TKlassenStufe StufeVon(const QString& klasse, bool latKlBez) {
    if (latKlBez) {
        for (int i = 0; i < Klassenstufen.size(); ++i) {
            const qsizetype pos = klasse.indexOf(Klassenstufen[i]);
            if (pos >= 0) return {StufeLatein[i], QString(klasse).remove(pos, Klassenstufen[i].size())};
        }
        return {0, klasse};
    }
    qsizetype anfang = 0;
    while (anfang < klasse.size() && !(klasse[anfang] >= u'0' && klasse[anfang] <= u'9'))
        ++anfang;
    if (anfang == klasse.size()) return {0, klasse};
    qsizetype ende = anfang;
    int wert = 0;
    for (; ende < klasse.size() && klasse[ende] >= u'0' && klasse[ende] <= u'9'; ++ende)
        if (wert < 100000) wert = wert * 10 + (klasse[ende].unicode() - u'0');
    return {wert, QString(klasse).remove(anfang, ende - anfang)};
}

int Vorzeichen(int n) {
    return (n > 0) - (n < 0);
}

int NamenVergleich(const TEltern& a, const TEltern& b, uint8_t sortierung) {
    int r = TextVergleichOhneGross(a.Name, b.Name);
    if (!r) r = TextVergleichOhneGross(a.Zusatz, b.Zusatz);
    return (sortierung & 0x20) ? -r : r;
}

const TKind& VergleichsKind(const TEltern& e, uint8_t sortierung) {
    return (sortierung & 0x10) ? *e.Kinder.Letztes() : *e.Kinder.Erstes();
}

} // namespace

int ElternVergleich(const TEltern& a, const TEltern& b, uint8_t sortierung, bool latKlBez) {
    const bool kinderA = !a.Kinder.Leer();
    const bool kinderB = !b.Kinder.Leer();
    if (kinderA != kinderB) {
        // With class first a family without children always goes last; by name only on a tie.
        if (!(sortierung & 0x40)) {
            const int r = NamenVergleich(a, b, sortierung);
            if (r) return r;
        }
        return kinderA ? -1 : 1;
    }
    if (!kinderA) return NamenVergleich(a, b, sortierung);
    const TKind& ka = VergleichsKind(a, sortierung);
    const TKind& kb = VergleichsKind(b, sortierung);
    int r;
    if (sortierung & 0x40) {
        r = KlassenVergleich(ka.Klasse, kb.Klasse, sortierung, latKlBez);
        if (!r) r = NamenVergleich(a, b, sortierung);
    } else {
        r = NamenVergleich(a, b, sortierung);
        if (!r) r = KlassenVergleich(ka.Klasse, kb.Klasse, sortierung, latKlBez);
    }
    return r ? r : TextVergleichOhneGross(ka.Vorname, kb.Vorname);
}

int KlassenVergleich(const QString& a, const QString& b, uint8_t sortierung, bool latKlBez) {
    const TKlassenStufe sa = StufeVon(a, latKlBez);
    const TKlassenStufe sb = StufeVon(b, latKlBez);
    int r = Vorzeichen(sa.Stufe - sb.Stufe);
    if (sortierung & 0x10) r = -r;
    return r ? r : TextVergleichOhneGross(sa.Rest, sb.Rest);
}

TKlassenStufe TProjekt::KlassenStufe(const QString& klasse) const {
    return StufeVon(klasse, LatKlBez);
}

int LehrerVergleich(const TLehrer& a, const TLehrer& b) {
    int r = TextVergleich(a.Name, b.Name);
    if (!r) r = TextVergleich(a.Zusatz, b.Zusatz);
    if (!r) r = TextVergleich(a.Kuerzel, b.Kuerzel);
    return r;
}

void TLehrerliste::LehrerSortieren() {
    Sortieren([](const TLehrer& a, const TLehrer& b) { return LehrerVergleich(a, b) < 0; });
}

void TEltern::KinderSortieren(bool latKlBez) {
    Kinder.Sortieren([latKlBez](const TKind& a, const TKind& b) {
        int r = KlassenVergleich(a.Klasse, b.Klasse, 0, latKlBez);
        if (!r) r = TextVergleichOhneGross(a.Vorname, b.Vorname);
        return r < 0;
    });
}

void TElternliste::ElternSortieren(uint8_t sortierung, bool latKlBez) {
    if (!(sortierung & 0x80)) {
        Sortieren([](const TEltern& a, const TEltern& b) { return a.Nummer < b.Nummer; });
        return;
    }
    Sortieren([sortierung, latKlBez](const TEltern& a, const TEltern& b) {
        return ElternVergleich(a, b, sortierung, latKlBez) < 0;
    });
}
