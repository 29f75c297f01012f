#include "Lauf.h"
#include "Tagesmaske.h"
#include "Termin.h"

#include <bit>
#include <cmath>

namespace {

// The no-improvement mark of a person within one phase.
constexpr uint16_t Markierung = 0x8000;

} // namespace

void TTerminierung::Probieren(const TSlotMasken& familie, const TSlotMasken& lehrer, int richtung,
                              int basis) {
    const int tag = basis / SlotsProTag;
    const TTagesmaske frei = familie.Frei[tag] & lehrer.Frei[tag];
    // Within the day: a slot reached right after the previous candidate at the end of the scan is not tried.
    const int grenze = richtung > 0 ? SlotsProTag - 1 : 0;
    int pos = richtung > 0 ? 0 : SlotsProTag - 1;
    while (richtung * pos < richtung * grenze) {
        const TTagesmaske rest =
            richtung > 0 ? frei & ~((TTagesmaske{1} << pos) - 1) : frei & ((TTagesmaske{2} << pos) - 1);
        if (!rest) return;
        const int c = richtung > 0 ? std::countr_zero(rest) : 63 - std::countl_zero(rest);
        const TTagesmaske bit = TTagesmaske{1} << c;
        TTagesmaske f[2] = {familie.Belegt[0], familie.Belegt[1]};
        f[tag] |= bit;
        const int diff = KostenFamilie0 - LueckenAusMasken(f, true);
        if (diff >= 0) {
            TTagesmaske l[2] = {lehrer.Belegt[0], lehrer.Belegt[1]};
            l[tag] |= bit;
            const int gewinnLehrer = KostenLehrer0 - LueckenAusMasken(l, false);
            if (BesterGewinn < diff || (BesterGewinn == diff && gewinnLehrer > 0)) {
                BesterGewinn = diff;
                BesterPlatz = basis + c;
            }
        }
        pos = c + richtung;
    }
}

void TTerminierung::Verbessern(TPerson& person, bool istFamilie, int basis, int richtung) {
    if (person.Zaehler & Markierung) return;
    const int b = richtung > 0 ? ErsterTermin(person.Zeiten, basis) : LetzterTermin(person.Zeiten, basis);
    if (b == KeinSlot) return;
    const TNummer* e = MitNummer(person.Zeiten[b]);
    if (!e || e->Genagelt || !e->Lehrer || !e->Familie) return;
    TGespraech* h = Gespraeche[static_cast<size_t>(person.Zeiten[b])];
    TZeiten& familie = istFamilie ? person.Zeiten : *e->Familie;
    TZeiten& lehrer = istFamilie ? *e->Lehrer : person.Zeiten;

    BesterPlatz = b;
    // Both arrays are read once before anything is written into them; the bits follow the release of b.
    TTagesbits fb[2];
    TTagesbits lb[2];
    for (int tag = 0; tag < (P.ZweiTage ? 2 : 1); ++tag) {
        fb[tag] = Tagesbits(familie.data() + tag * SlotsProTag);
        lb[tag] = Tagesbits(lehrer.data() + tag * SlotsProTag);
    }
    const TTagesmaske belegtFamilie[2] = {fb[0].Belegt & Aktiv[0], fb[1].Belegt & Aktiv[1]};
    const TTagesmaske belegtLehrer[2] = {lb[0].Belegt & Aktiv[0], lb[1].Belegt & Aktiv[1]};
    KostenFamilie0 = LueckenAusMasken(belegtFamilie, true);
    KostenLehrer0 = LueckenAusMasken(belegtLehrer, false);
    Loesen(familie, lehrer, b);
    const TTagesmaske frei = Bit(b % SlotsProTag);
    for (TTagesbits* t : {&fb[b / SlotsProTag], &lb[b / SlotsProTag]}) {
        t->Belegt &= ~frei;
        t->Frei |= frei;
    }
    // With the pauses recomputed, every slot free for both keeps both within their block limits.
    const TSlotMasken f = PausenSetzenAus(familie, true, fb);
    const TSlotMasken l = PausenSetzenAus(lehrer, false, lb);
    BesterGewinn = 0;
    Probieren(f, l, richtung, Tagesbasis1);
    if (P.ZweiTage) Probieren(f, l, richtung, Tagesbasis2);

    if (BesterPlatz != b) {
        SweepGeaendert = true;
        KeineVerschiebung = false;
        Verbessert = true;
        if (BesterPlatz != h->AlterTermin) KeinNeuerPlatz = false;
        h->AlterTermin = b;
    }
    Buchen(familie, lehrer, *h, BesterPlatz);
}

template <class Liste> bool TTerminierung::Phase(const Liste& personen, bool familien, int richtung) {
    const int anzahl = personen.Count();
    const int start = familien ? 20 : 70;
    const int spanne = familien ? 50 : 30;
    const int takt = familien ? 21 : 6;
    do {
        Beobachter.Balken(2, start);
        SweepGeaendert = false;
        int gezaehlt = 0;
        for (const auto& person : personen) {
            if (Abbruch) continue;
            Verbessert = false;
            Verbessern(*person, familien, Tagesbasis1, richtung);
            if (P.ZweiTage) Verbessern(*person, familien, Tagesbasis2, richtung);
            if (!Verbessert) person->Zaehler |= Markierung;
            ++gezaehlt;
            if (gezaehlt % takt == takt - 1 || gezaehlt == anzahl)
                Beobachter.Balken(
                    2, static_cast<int>(std::nearbyint(start + gezaehlt * double(spanne) / anzahl)));
            EreignisseVerarbeiten();
        }
    } while (SweepGeaendert && !Abbruch);
    if (Abbruch) {
        P.TermineBerechnet = false;
        return false;
    }
    for (const auto& person : personen)
        person->Zaehler &= ~Markierung;
    PausenAlle();
    return true;
}

void TTerminierung::Optimieren() {
    Beobachter.Statuszeile(QStringLiteral("Die Terminierung wird verbessert..."));
    Abbruchmeldung =
        QStringLiteral("Sie haben die Optimierung abgebrochen und können nun die Termine weiter von "
                       "Hand bearbeiten oder die Terminierung erneut aufrufen.");
    Beobachter.Text(TLaufText::Label3, QStringLiteral("Terminsuche durchgeführt."));
    Durchgang = 0;
    for (;;) {
        ++Durchgang;
        Beobachter.Text(TLaufText::Label5, QStringLiteral("%1. Durchgang").arg(Durchgang));
        KeineVerschiebung = true;
        Beobachter.Balken(2, 0);
        Beobachter.Text(TLaufText::Label4, QStringLiteral("Suche für noch nicht terminierte Gespräche"));
        Nachplatzieren();
        if (Abbruch) {
            P.TermineBerechnet = false;
            return;
        }
        KeinNeuerPlatz = true;
        Beobachter.Text(TLaufText::Label4, QStringLiteral("Optimierung der Termine für Eltern"));
        if (!Phase(P.Elternliste, true, +1) || !Phase(P.Elternliste, true, -1)) return;
        Beobachter.Text(TLaufText::Label4, QStringLiteral("Optimierung der Termine für Lehrer"));
        if (!Phase(P.Lehrerliste, false, +1) || !Phase(P.Lehrerliste, false, -1)) return;
        // Another pass only when some appointment moved somewhere other than where its previous move took it.
        if (KeineVerschiebung || KeinNeuerPlatz || Durchgang == 9) {
            Beobachter.Text(TLaufText::Label4, QStringLiteral("Optimierung abgeschlossen."));
            Beobachter.Statuszeile(QString());
            return;
        }
    }
}
