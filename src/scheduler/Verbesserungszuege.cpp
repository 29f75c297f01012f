#include "Tagesmaske.h"
#include "Verbesserer.h"

#include <algorithm>
#include <limits>

int TVerbesserer::ZufallsSlot(const TTagesmaske maske[2]) {
    const int n0 = Bitzahl(maske[0]);
    const int n = n0 + Bitzahl(maske[1]);
    if (n == 0) return KeinSlot;
    int k = Zufall.Zahl(n);
    const int tag = k < n0 ? 0 : 1;
    if (tag == 1) k -= n0;
    TTagesmaske m = maske[tag];
    for (; k > 0; --k)
        m &= m - 1;
    return tag * SlotsProTag + std::countr_zero(m);
}

// Three kinds of step, each starting from a random appointment a of family F with teacher T at slot s:
// a moves to a slot free for both; or a takes a slot free for F where T has b with another family, and b
// moves to a slot free for both of its persons (s included, then the two swap); or the same with a slot
// free for T where F has b with another teacher.
bool TVerbesserer::Vorschlagen(TZug& zug) {
    // Of two random appointments the one whose family waits longer: the search spends its steps where
    // there is something to gain.
    auto zufaellig = [this] {
        return Platziert[static_cast<size_t>(Zufall.Zahl(static_cast<int>(Platziert.size())))];
    };
    int a = zufaellig();
    if (const int a2 = zufaellig();
        Personen[static_cast<size_t>(Termine[static_cast<size_t>(a2)].Familie)].Kosten >
        Personen[static_cast<size_t>(Termine[static_cast<size_t>(a)].Familie)].Kosten)
        a = a2;
    const TTermin& t = Termine[static_cast<size_t>(a)];
    const int art = Zufall.Zahl(4);
    // Mostly the slots between and next to the family's other appointments, now and then any.
    TTagesmaske ziel[2] = {~TTagesmaske{0}, ~TTagesmaske{0}};
    if (Zufall.Zahl(8) != 0) {
        TBelegung andere = Personen[static_cast<size_t>(t.Familie)].Belegt;
        andere.Loesen(t.Slot);
        if (andere.Maske[0] || andere.Maske[1])
            for (int tag = 0; tag < 2; ++tag)
                ziel[tag] = andere.Maske[tag]
                                ? Bereich(std::max(std::countr_zero(andere.Maske[tag]) - 1, 0),
                                          std::min(64 - std::countl_zero(andere.Maske[tag]), SlotsProTag - 1))
                                : 0;
    }
    TTagesmaske m[2];
    if (art == 0) {
        for (int tag = 0; tag < 2; ++tag)
            m[tag] = Frei(t.Familie, tag) & Frei(t.Lehrer, tag) & ziel[tag];
        const int nach = ZufallsSlot(m);
        if (nach == KeinSlot) return false;
        zug.Dazu(a, nach);
        return true;
    }
    // The person free at the target, the one whose appointment there makes way.
    const bool lehrerWeicht = art < 3;
    const int frei = lehrerWeicht ? t.Familie : t.Lehrer;
    const int weicht = lehrerWeicht ? t.Lehrer : t.Familie;
    for (int tag = 0; tag < 2; ++tag)
        m[tag] = Frei(frei, tag) & Personen[static_cast<size_t>(weicht)].Belegt.Maske[tag] &
                 (lehrerWeicht ? ziel[tag] : ~TTagesmaske{0});
    const int nach = ZufallsSlot(m);
    if (nach == KeinSlot) return false;
    const int b = WerSteht(weicht, nach);
    if (b < 0) return false;
    const TTermin& tb = Termine[static_cast<size_t>(b)];
    const int dritte = lehrerWeicht ? tb.Familie : tb.Lehrer;
    for (int tag = 0; tag < 2; ++tag)
        m[tag] = Frei(dritte, tag) & Frei(weicht, tag);
    m[t.Slot / SlotsProTag] |= Frei(dritte, t.Slot / SlotsProTag) & Bit(t.Slot % SlotsProTag);
    const int weiter = ZufallsSlot(m);
    if (weiter == KeinSlot) return false;
    zug.Dazu(a, nach);
    zug.Dazu(b, weiter);
    return true;
}

bool TVerbesserer::BestenPlatzSuchen(int termin, TZug& bester) {
    const TTermin& t = Termine[static_cast<size_t>(termin)];
    int64_t beste = std::numeric_limits<int64_t>::max();
    auto pruefen = [&](const TZug& zug) {
        int64_t aenderung = 0;
        if (Bewerten(zug, aenderung) && aenderung < beste) {
            beste = aenderung;
            bester = zug;
        }
    };
    auto slots = [](TTagesmaske m, int tag, auto&& tun) {
        for (; m; m &= m - 1)
            tun(tag * SlotsProTag + std::countr_zero(m));
    };
    for (int tag = 0; tag < 2; ++tag)
        slots(Anbaubar(t.Familie, tag, Anbaubar(t.Lehrer, tag, Frei(t.Familie, tag) & Frei(t.Lehrer, tag))),
              tag, [&](int s) {
                  TZug zug;
                  zug.Dazu(termin, s);
                  pruefen(zug);
              });
    if (beste != std::numeric_limits<int64_t>::max()) return true;
    // No slot is free for both: one appointment standing in the way moves to a slot free for its persons.
    // Either way the teacher ends with one more appointment, so a teacher without a free slot ends the
    // search; that is where most conversations without appointment stand.
    if (!Frei(t.Lehrer, 0) && !Frei(t.Lehrer, 1)) return false;
    for (const bool lehrerWeicht : {true, false}) {
        const int frei = lehrerWeicht ? t.Familie : t.Lehrer;
        const int weicht = lehrerWeicht ? t.Lehrer : t.Familie;
        // The one giving way keeps the slot and gains the other: only slots it can take alone qualify.
        const TTagesmaske weiter[2] = {Anbaubar(weicht, 0, Frei(weicht, 0)),
                                       Anbaubar(weicht, 1, Frei(weicht, 1))};
        for (int tag = 0; tag < 2; ++tag)
            slots(Anbaubar(frei, tag,
                           Frei(frei, tag) & Personen[static_cast<size_t>(weicht)].Belegt.Maske[tag]),
                  tag, [&](int s) {
                      const int b = WerSteht(weicht, s);
                      if (b < 0) return;
                      const TTermin& tb = Termine[static_cast<size_t>(b)];
                      const int dritte = lehrerWeicht ? tb.Familie : tb.Lehrer;
                      for (int tag2 = 0; tag2 < 2; ++tag2)
                          slots(Frei(dritte, tag2) & weiter[tag2], tag2, [&](int w) {
                              TZug zug;
                              zug.Dazu(termin, s);
                              zug.Dazu(b, w);
                              pruefen(zug);
                          });
                  });
    }
    return beste != std::numeric_limits<int64_t>::max();
}

TTagesmaske TVerbesserer::Anbaubar(int person, int tag, TTagesmaske kandidaten) const {
    const TStand& st = Personen[static_cast<size_t>(person)];
    TTagesmaske gut = 0;
    for (TTagesmaske m = kandidaten; m; m &= m - 1) {
        const int i = std::countr_zero(m);
        if (Lauflaenge(st.Belegt.Maske[tag], i) <= st.Grenze) gut |= Bit(i);
    }
    return gut;
}

void TVerbesserer::Einfuegen() {
    std::vector<int> bleiben;
    for (const int termin : Offen) {
        // Tried again only when its family or its teacher changed since; the rest of the plan is not
        // watched, which misses a few chances and saves most of the time.
        TTermin& t = Termine[static_cast<size_t>(termin)];
        const uint32_t stand = Personen[static_cast<size_t>(t.Familie)].Aenderungen +
                               Personen[static_cast<size_t>(t.Lehrer)].Aenderungen + 1;
        if (t.Versucht == stand) {
            bleiben.push_back(termin);
            continue;
        }
        t.Versucht = stand;
        TZug zug;
        int64_t aenderung = 0;
        if (!BestenPlatzSuchen(termin, zug) || !Bewerten(zug, aenderung)) {
            bleiben.push_back(termin);
            continue;
        }
        Ausfuehren(zug, aenderung);
        Platziert.push_back(termin);
        ++Summen.Terminiert;
    }
    Offen = std::move(bleiben);
}
