#include "ProjektBauer.h"

#include "model/Datumstexte.h"
#include "timeframe/ZRahmen.h"

TProjektBauer& TProjektBauer::Rahmen(int tage, int slotsProTag, int startMinuten, int abstand) {
    p.Zeittexte.fill(QString());
    p.ZeitAktiv.fill(false);
    for (int tag = 0; tag < tage; ++tag)
        for (int i = 0; i < slotsProTag; ++i) {
            const int s = tag * SlotsProTag + i;
            p.Zeittexte[s] = UhrzeitText(startMinuten + i * abstand);
            p.ZeitAktiv[s] = true;
        }
    const QDate tag1(2027, 3, 1);
    p.Datum = {WertAusDatum(tag1), tage > 1 ? WertAusDatum(tag1.addDays(1)) : 0.0};
    ZweiTageBestimmen(p);
    return *this;
}

TProjektBauer& TProjektBauer::Bloecke(int lehrer, int eltern) {
    p.MaximalBlock = static_cast<uint16_t>(lehrer);
    p.MaximalBlock_El = static_cast<uint16_t>(eltern);
    return *this;
}

TLehrer* TProjektBauer::Lehrer(const QString& kuerzel, const QString& name) {
    if (TLehrer* l = p.Lehrerliste.FindeKuerzel(kuerzel)) return l;
    return p.NeuerLehrer(QStringLiteral("Herr"), kuerzel, name.isEmpty() ? kuerzel : name);
}

TEltern* TProjektBauer::Familie(const QString& name) {
    for (const auto& e : p.Elternliste)
        if (e->Name == name) return e.get();
    return p.NeueFamilie(QStringLiteral("Familie"), name);
}

TKind* TProjektBauer::Kind(const QString& familie, const QString& vorname, const QString& klasse) {
    TEltern* e = Familie(familie);
    if (TKind* k = e->Kinder.FindeVorname(vorname)) return k;
    return p.NeuesKind(e, vorname, klasse);
}

TGespraech* TProjektBauer::Wunsch(TKind* kind, const QString& kuerzel, int slot, bool genagelt) {
    TGespraech* g = p.NeuesGespraech(Lehrer(kuerzel), kind);
    if (slot >= 0) Buchen(g, slot, genagelt);
    return g;
}

void TProjektBauer::Buchen(TGespraech* g, int slot, bool genagelt) {
    g->Termin = static_cast<int16_t>(slot);
    g->Lehrer->Zeiten[slot] = g->Nummer;
    g->Eltern()->Zeiten[slot] = g->Nummer;
    g->SetGenagelt(genagelt);
}

void TProjektBauer::Sperren(TPerson* person, std::initializer_list<int> slots) {
    for (int s : slots)
        person->Zeiten[s] = SlotGesperrt;
}
