#include "Verbesserer.h"

#include "Tagesmaske.h"
#include "model/Projekt.h"

#include <unordered_map>

namespace {

// Slots between the first and the last appointment of a day that have none.
int Leerlauf(TTagesmaske belegt, int anzahl) {
    return belegt ? 64 - std::countl_zero(belegt) - std::countr_zero(belegt) - anzahl : 0;
}

} // namespace

TVerbesserer::TVerbesserer(const TProjekt& p, uint64_t saat)
    : Zufall(saat) {
    const int tage = p.ZweiTage ? 2 : 1;
    AndererTag = p.ZweiTage && !p.BitteTag1 ? 0 : 1;
    TTagesmaske aktiv[2] = {0, 0};
    for (int s = 0; s < tage * SlotsProTag && s <= p.LetzterSlot; ++s)
        if (p.ZeitAktiv[static_cast<size_t>(s)]) aktiv[s / SlotsProTag] |= Bit(s % SlotsProTag);

    std::unordered_map<const ::TPerson*, int> index;
    auto aufnehmen = [&](const ::TPerson& person, bool familie, int grenze) {
        TStand st;
        st.Familie = familie;
        st.Grenze = grenze > 0 ? grenze : p.LetzterSlot + 1;
        for (int tag = 0; tag < tage; ++tag)
            for (TTagesmaske m = aktiv[tag]; m; m &= m - 1) {
                const int s = tag * SlotsProTag + std::countr_zero(m);
                const int16_t wert = person.Zeiten[static_cast<size_t>(s)];
                if (wert != SlotGesperrt) st.Nutzbar[tag] |= Bit(s % SlotsProTag);
                if (wert > 0) st.Belegt.Buchen(s);
            }
        index.emplace(&person, static_cast<int>(Personen.size()));
        Personen.push_back(st);
    };
    for (const auto& e : p.Elternliste)
        aufnehmen(*e, true, p.MaximalBlock_El);
    for (const auto& l : p.Lehrerliste)
        aufnehmen(*l, false, p.MaximalBlock);
    Wer.assign(Personen.size() * SlotAnzahl, -1);

    // A number given twice cannot be told apart in the slots: such conversations stay where they are.
    std::unordered_map<int, int> nummern;
    for (const auto& g : p.Gespraechsliste)
        ++nummern[g->Nummer];
    for (const auto& g : p.Gespraechsliste) {
        if (g->Termin >= 0) ++Summen.Terminiert;
        if (g->IstGenagelt() || !g->Lehrer || !g->Eltern() || nummern[g->Nummer] != 1) continue;
        const auto f = index.find(g->Eltern());
        const auto l = index.find(g->Lehrer);
        if (f == index.end() || l == index.end()) continue;
        TTermin t{f->second, l->second, KeinSlot, g->Termin, g.get()};
        const int nummer = static_cast<int>(Termine.size());
        if (g->Termin >= 0) {
            const int s = g->Termin;
            // Only an appointment booked where it says moves; anything else keeps its slots occupied.
            if (s >= SlotAnzahl || !(aktiv[s / SlotsProTag] & Bit(s % SlotsProTag)) ||
                g->Eltern()->Zeiten[static_cast<size_t>(s)] != g->Nummer ||
                g->Lehrer->Zeiten[static_cast<size_t>(s)] != g->Nummer)
                continue;
            t.Slot = s;
            Wer[static_cast<size_t>(t.Familie * SlotAnzahl + s)] = nummer;
            Wer[static_cast<size_t>(t.Lehrer * SlotAnzahl + s)] = nummer;
            Platziert.push_back(nummer);
        } else {
            const TStand& fs = Personen[static_cast<size_t>(t.Familie)];
            const TStand& ls = Personen[static_cast<size_t>(t.Lehrer)];
            if (!(fs.Nutzbar[0] & ls.Nutzbar[0]) && !(fs.Nutzbar[1] & ls.Nutzbar[1])) continue;
            Offen.push_back(nummer);
        }
        Termine.push_back(t);
    }
    for (TStand& st : Personen) {
        st.Kosten = PersonKosten(st, st.Belegt);
        Gesamtkosten += st.Kosten;
        Zaehlen(st, st.Belegt, +1);
    }
}

int64_t TVerbesserer::PersonKosten(const TStand& person, const TBelegung& b) const {
    const int leerlauf = Leerlauf(b.Maske[0], b.Anzahl[0]) + Leerlauf(b.Maske[1], b.Anzahl[1]);
    if (!person.Familie) return GewichtLehrer * leerlauf;
    return GewichtEltern * (leerlauf + (b.Maske[0] && b.Maske[1] ? 12 : 0)) + b.Anzahl[AndererTag];
}

void TVerbesserer::Zaehlen(const TStand& person, const TBelegung& b, int richtung) {
    const int leerlauf = Leerlauf(b.Maske[0], b.Anzahl[0]) + Leerlauf(b.Maske[1], b.Anzahl[1]);
    if (!person.Familie) {
        Summen.LeerlaufLehrer += richtung * leerlauf;
        return;
    }
    Summen.LeerlaufEltern += richtung * leerlauf;
    Summen.ZweiTage += richtung * (b.Maske[0] && b.Maske[1] ? 1 : 0);
    Summen.AndererTag += richtung * b.Anzahl[AndererTag];
    Summen.MehrereTermine += richtung * (b.Anzahl[0] + b.Anzahl[1] > 1 ? 1 : 0);
}

TBelegung& TVerbesserer::Neu(int person) {
    for (int i = 0; i < AnzahlBetroffen; ++i)
        if (Betroffen[i].Person == person) return Betroffen[i].Neu;
    Betroffen[AnzahlBetroffen] = {person, Personen[static_cast<size_t>(person)].Belegt, 0};
    return Betroffen[AnzahlBetroffen++].Neu;
}

bool TVerbesserer::Bewerten(const TZug& zug, int64_t& aenderung) {
    AnzahlBetroffen = 0;
    for (int k = 0; k < zug.Anzahl; ++k) {
        const TTermin& t = Termine[static_cast<size_t>(zug.Termin[k])];
        if (t.Slot == KeinSlot) continue;
        Neu(t.Familie).Loesen(t.Slot);
        Neu(t.Lehrer).Loesen(t.Slot);
    }
    for (int k = 0; k < zug.Anzahl; ++k) {
        const TTermin& t = Termine[static_cast<size_t>(zug.Termin[k])];
        const int nach = zug.Nach[k];
        for (const int person : {t.Familie, t.Lehrer}) {
            TBelegung& b = Neu(person);
            if (!(Personen[static_cast<size_t>(person)].Nutzbar[nach / SlotsProTag] &
                  Bit(nach % SlotsProTag)) ||
                b.Hat(nach))
                return false;
            b.Buchen(nach);
        }
    }
    // Runs are checked once every slot is taken, so that two appointments of one step meeting are seen.
    for (int k = 0; k < zug.Anzahl; ++k) {
        const TTermin& t = Termine[static_cast<size_t>(zug.Termin[k])];
        const int nach = zug.Nach[k];
        for (const int person : {t.Familie, t.Lehrer})
            if (Lauflaenge(Neu(person).Maske[nach / SlotsProTag], nach % SlotsProTag) >
                Personen[static_cast<size_t>(person)].Grenze)
                return false;
    }
    aenderung = 0;
    for (int i = 0; i < AnzahlBetroffen; ++i) {
        TBetroffen& b = Betroffen[i];
        const TStand& st = Personen[static_cast<size_t>(b.Person)];
        b.Kosten = PersonKosten(st, b.Neu);
        aenderung += b.Kosten - st.Kosten;
    }
    return true;
}

void TVerbesserer::Ausfuehren(const TZug& zug, int64_t aenderung) {
    for (int k = 0; k < zug.Anzahl; ++k) {
        const TTermin& t = Termine[static_cast<size_t>(zug.Termin[k])];
        if (t.Slot == KeinSlot) continue;
        Wer[static_cast<size_t>(t.Familie * SlotAnzahl + t.Slot)] = -1;
        Wer[static_cast<size_t>(t.Lehrer * SlotAnzahl + t.Slot)] = -1;
    }
    for (int k = 0; k < zug.Anzahl; ++k) {
        TTermin& t = Termine[static_cast<size_t>(zug.Termin[k])];
        t.Slot = zug.Nach[k];
        Wer[static_cast<size_t>(t.Familie * SlotAnzahl + t.Slot)] = zug.Termin[k];
        Wer[static_cast<size_t>(t.Lehrer * SlotAnzahl + t.Slot)] = zug.Termin[k];
    }
    for (int i = 0; i < AnzahlBetroffen; ++i) {
        const TBetroffen& b = Betroffen[i];
        TStand& st = Personen[static_cast<size_t>(b.Person)];
        Zaehlen(st, st.Belegt, -1);
        Zaehlen(st, b.Neu, +1);
        st.Belegt = b.Neu;
        ++st.Aenderungen;
        st.Kosten = b.Kosten;
    }
    Gesamtkosten += aenderung;
}

void TVerbesserer::SlotsMerken(std::vector<int16_t>& slots) const {
    slots.resize(Termine.size());
    for (size_t i = 0; i < Termine.size(); ++i)
        slots[i] = static_cast<int16_t>(Termine[i].Slot);
}

std::vector<std::pair<TGespraech*, int16_t>>
TVerbesserer::Uebernehmen(TProjekt& p, const std::vector<int16_t>& slots) const {
    std::vector<std::pair<TGespraech*, int16_t>> alt;
    auto geaendert = [&](size_t i) {
        const int vorher = Termine[i].Anfang >= 0 ? Termine[i].Anfang : KeinSlot;
        return i < slots.size() && slots[i] != vorher;
    };
    // All appointments leave their slots before any takes a new one: two of them may swap.
    for (size_t i = 0; i < Termine.size(); ++i) {
        const TTermin& t = Termine[i];
        if (!geaendert(i) || t.Anfang < 0) continue;
        t.Gespraech->Eltern()->Zeiten[static_cast<size_t>(t.Anfang)] = SlotFrei;
        t.Gespraech->Lehrer->Zeiten[static_cast<size_t>(t.Anfang)] = SlotFrei;
    }
    for (size_t i = 0; i < Termine.size(); ++i) {
        if (!geaendert(i)) continue;
        TGespraech& g = *Termine[i].Gespraech;
        const int s = slots[i];
        g.Eltern()->Zeiten[static_cast<size_t>(s)] = g.Nummer;
        g.Lehrer->Zeiten[static_cast<size_t>(s)] = g.Nummer;
        alt.emplace_back(&g, g.Termin);
        g.Termin = static_cast<int16_t>(s);
    }
    if (!alt.empty()) p.PausenAlle();
    return alt;
}
