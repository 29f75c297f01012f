#include "Handbearbeitung.h"

#include "model/Projekt.h"
#include "scheduler/Termin.h"

#include <algorithm>
#include <unordered_set>

namespace {

bool Aktiv(const TProjekt& p, int s) {
    return s >= 0 && s <= p.LetzterSlot && s < SlotAnzahl && p.ZeitAktiv[static_cast<size_t>(s)];
}

bool Frei(int16_t wert) {
    return wert == SlotFrei || wert == SlotPause;
}

// Blocking changes which unscheduled conversations still have any slot at all.
void KlassifikationErneuern(TProjekt& p) {
    p.ReihenfolgeFest = false;
    p.UnmoeglichBestimmt = false;
    TTerminierung(p).UnmoeglicheBestimmen();
}

void SlotWechseln(TProjekt& p, TPerson& person, bool istFamilie, int slot) {
    int16_t& wert = person.Zeiten[static_cast<size_t>(slot)];
    if (wert == SlotGesperrt) {
        wert = SlotFrei;
        p.PausenSetzen(person.Zeiten, istFamilie);
    } else {
        wert = SlotGesperrt;
    }
    KlassifikationErneuern(p);
}

// Every conversation of the change still exists, and every slot it goes back to is open to both of its
// persons or held by another conversation of the change, which leaves it.
bool PlanwechselAusfuehrbar(const TProjekt& p, const TRueckgEintrag& e) {
    std::unordered_set<const TGespraech*> vorhanden;
    for (const auto& g : p.Gespraechsliste)
        vorhanden.insert(g.get());
    std::unordered_set<int> nummern;
    for (const auto& [g, ziel] : e.Termine) {
        if (!vorhanden.count(g) || !g->Lehrer || !g->Eltern()) return false;
        nummern.insert(g->Nummer);
    }
    for (const auto& [g, ziel] : e.Termine) {
        if (ziel < 0) continue;
        auto offen = [&](const TZeiten& z) { return Frei(z[ziel]) || nummern.count(z[ziel]); };
        if (!Aktiv(p, ziel) || !offen(g->Eltern()->Zeiten) || !offen(g->Lehrer->Zeiten)) return false;
    }
    return true;
}

// All conversations leave their slots before any takes its other one: two of them may swap.
void PlanWechseln(TProjekt& p, TRueckgEintrag& e) {
    for (const auto& [g, ziel] : e.Termine) {
        if (g->Termin < 0) continue;
        for (TZeiten* z : {&g->Eltern()->Zeiten, &g->Lehrer->Zeiten})
            if ((*z)[static_cast<size_t>(g->Termin)] == g->Nummer)
                (*z)[static_cast<size_t>(g->Termin)] = SlotFrei;
    }
    for (auto& [g, ziel] : e.Termine) {
        const int16_t jetzt = g->Termin;
        if (ziel >= 0) {
            g->Eltern()->Zeiten[static_cast<size_t>(ziel)] = g->Nummer;
            g->Lehrer->Zeiten[static_cast<size_t>(ziel)] = g->Nummer;
        }
        g->Termin = ziel;
        ziel = jetzt;
    }
    p.PausenAlle();
}

template <class Liste> bool Enthaelt(const Liste& liste, const TLoadSaveObject* ziel) {
    return std::any_of(liste.begin(), liste.end(), [ziel](const auto& e) {
        return static_cast<const TLoadSaveObject*>(e.get()) == ziel;
    });
}

QString Gespraechstext(const TGespraech& g) {
    return g.Eltern()->Anschrift(true) + QStringLiteral("\rmit ") + g.Lehrer->Anschrift(true) +
           QStringLiteral(" (%1)\rüber %2\r\r").arg(g.Lehrer->Kuerzel, g.Kind->KindMitKlasse());
}

} // namespace

int AktiveSlots(const TProjekt& p) {
    int k = 0;
    for (int s = 0; s < SlotAnzahl; ++s)
        if (Aktiv(p, s)) ++k;
    return k;
}

int ZeileZuSlot(const TProjekt& p, int zeile) {
    if (zeile < 0) return -1;
    for (int s = 0; s < SlotAnzahl; ++s)
        if (Aktiv(p, s) && zeile-- == 0) return s;
    return -1;
}

int SlotZuZeile(const TProjekt& p, int slot) {
    if (!Aktiv(p, slot)) return -1;
    int zeile = 0;
    for (int s = 0; s < slot; ++s)
        if (Aktiv(p, s)) ++zeile;
    return zeile;
}

bool Verschiebbar(uint16_t marke) {
    return marke >= 1 && marke <= 32765;
}

TAufnahme Aufnehmen(const TProjekt& p, TGespraech& g) {
    TAufnahme a{&g, g.Eltern()->Zeiten, g.Lehrer->Zeiten};
    if (g.Termin >= 0) {
        a.Familie[static_cast<size_t>(g.Termin)] = SlotFrei;
        a.Lehrer[static_cast<size_t>(g.Termin)] = SlotFrei;
        p.PausenSetzen(a.Familie, true);
        p.PausenSetzen(a.Lehrer, false);
    }
    return a;
}

TZielart ZielPruefen(const TProjekt& p, const TAufnahme& a, int zeile, int aufgenommen) {
    if (!a.Gespraech || zeile < 0 || zeile == aufgenommen) return TZielart::Ungueltig;
    if (zeile >= AktiveSlots(p))
        return a.Gespraech->Termin >= 0 ? TZielart::NichtTerminiert : TZielart::Ungueltig;
    const auto s = static_cast<size_t>(ZeileZuSlot(p, zeile));
    if (!Frei(a.Familie[s]) || !Frei(a.Lehrer[s])) return TZielart::Ungueltig;
    return a.Familie[s] == SlotFrei && a.Lehrer[s] == SlotFrei ? TZielart::Frei : TZielart::Pause;
}

void TerminVerschieben(TProjekt& p, TGespraech& g, int slot) {
    TZeiten& familie = g.Eltern()->Zeiten;
    TZeiten& lehrer = g.Lehrer->Zeiten;
    if (g.Termin >= 0) {
        familie[static_cast<size_t>(g.Termin)] = SlotFrei;
        lehrer[static_cast<size_t>(g.Termin)] = SlotFrei;
    }
    if (slot < 0) {
        g.Termin = TerminOffen;
    } else {
        familie[static_cast<size_t>(slot)] = g.Nummer;
        lehrer[static_cast<size_t>(slot)] = g.Nummer;
        g.Termin = static_cast<int16_t>(slot);
    }
    p.PausenSetzen(lehrer, false);
    p.PausenSetzen(familie, true);
}

void EintragHinzufuegen(TRueckCollection& rueck, const TRueckgEintrag& eintrag) {
    while (rueck.Count() > rueck.Position)
        rueck.Delete(rueck.Count() - 1);
    if (rueck.Count() >= MaxRueckSchritte)
        rueck.Delete(0);
    else
        ++rueck.Position;
    rueck.Add(std::make_unique<TRueckgEintrag>(eintrag));
}

void PlanwechselEintragen(TRueckCollection& rueck, std::vector<std::pair<TGespraech*, int16_t>> alt) {
    TRueckgEintrag e{TRueckgEintrag::Planwechsel, nullptr, static_cast<int32_t>(alt.size())};
    e.Termine = std::move(alt);
    EintragHinzufuegen(rueck, e);
}

void RueckListeLeeren(TRueckCollection& rueck) {
    rueck.Clear();
}

void GespraechAblegen(TProjekt& p, TRueckCollection& rueck, TGespraech& g, int zeile) {
    EintragHinzufuegen(rueck, {TRueckgEintrag::Terminverschiebung, &g, g.Termin});
    TerminVerschieben(p, g, zeile < AktiveSlots(p) ? ZeileZuSlot(p, zeile) : TerminOffen);
    p.Handverschoben = -1;
}

void NagelUmschalten(TRueckCollection& rueck, TGespraech& g) {
    g.SetGenagelt(!g.IstGenagelt());
    EintragHinzufuegen(rueck, {TRueckgEintrag::Nagel, &g, 0});
}

bool SlotUmschalten(TProjekt& p, TRueckCollection& rueck, TPerson& person, bool istFamilie, int slot) {
    if (!Aktiv(p, slot) || person.Zeiten[static_cast<size_t>(slot)] > 0) return false;
    SlotWechseln(p, person, istFamilie, slot);
    EintragHinzufuegen(
        rueck, {istFamilie ? TRueckgEintrag::ElternSperre : TRueckgEintrag::LehrerSperre, &person, slot});
    return true;
}

const TRueckgEintrag* AnstehenderEintrag(const TRueckCollection& rueck, int richtung) {
    const int index = richtung < 0 ? rueck.Position - 1 : rueck.Position;
    return index >= 0 && index < rueck.Count() ? rueck[index] : nullptr;
}

TGespraech* ZielGespraech(const TProjekt& p, const TRueckgEintrag& e) {
    if (e.Art != TRueckgEintrag::Terminverschiebung && e.Art != TRueckgEintrag::Nagel) return nullptr;
    if (!Enthaelt(p.Gespraechsliste, e.Ziel)) return nullptr;
    auto* g = static_cast<TGespraech*>(e.Ziel);
    return g->Lehrer && g->Eltern() ? g : nullptr;
}

TPerson* ZielPerson(const TProjekt& p, const TRueckgEintrag& e) {
    if (e.Art == TRueckgEintrag::LehrerSperre && Enthaelt(p.Lehrerliste, e.Ziel))
        return static_cast<TLehrer*>(e.Ziel);
    if (e.Art == TRueckgEintrag::ElternSperre && Enthaelt(p.Elternliste, e.Ziel))
        return static_cast<TEltern*>(e.Ziel);
    return nullptr;
}

bool EintragAusfuehrbar(const TProjekt& p, const TRueckgEintrag& e) {
    switch (e.Art) {
    case TRueckgEintrag::Terminverschiebung: {
        const TGespraech* g = ZielGespraech(p, e);
        if (!g) return false;
        if (e.Wert < 0) return true;
        // Blocking in another dialog does not empty the store; the old slot must still be open to both.
        auto offen = [&](const TZeiten& z) { return Frei(z[e.Wert]) || z[e.Wert] == g->Nummer; };
        return Aktiv(p, e.Wert) && offen(g->Eltern()->Zeiten) && offen(g->Lehrer->Zeiten);
    }
    case TRueckgEintrag::Nagel:
        return ZielGespraech(p, e) != nullptr;
    case TRueckgEintrag::Planwechsel:
        return PlanwechselAusfuehrbar(p, e);
    case TRueckgEintrag::LehrerSperre:
    case TRueckgEintrag::ElternSperre: {
        const TPerson* person = ZielPerson(p, e);
        return person && Aktiv(p, e.Wert) && person->Zeiten[static_cast<size_t>(e.Wert)] <= 0;
    }
    default:
        return false;
    }
}

TRueckfrage RueckfrageText(const TProjekt& p, const TRueckgEintrag& e, int richtung) {
    const bool vor = richtung > 0;
    TRueckfrage f;
    if (e.Art == TRueckgEintrag::Terminverschiebung) {
        const TGespraech* g = ZielGespraech(p, e);
        if (!g) return f;
        f.Titel = vor ? QStringLiteral("Erneut verschieben:") : QStringLiteral("Verschiebung zurücknehmen:");
        f.Text = QStringLiteral("Soll das Gespräch von ") + Gespraechstext(*g) +
                 (vor ? QStringLiteral("erneut verschoben") : QStringLiteral("zurückgesetzt")) +
                 QStringLiteral(" werden\r\rvon: ") + p.TerminText(g->Termin) + QStringLiteral("\rauf:  ") +
                 p.TerminText(e.Wert) + QStringLiteral(" ?");
        return f;
    }
    if (e.Art == TRueckgEintrag::Planwechsel) {
        f.Titel = vor ? QStringLiteral("Planverbesserung wiederherstellen:")
                      : QStringLiteral("Planverbesserung zurücknehmen:");
        f.Text =
            vor ? QStringLiteral("Soll die Verbesserung des Plans wiederhergestellt werden?\r%1 Gespräche "
                                 "erhalten wieder ihre verbesserten Termine.")
                      .arg(e.Termine.size())
                : QStringLiteral("Soll die Verbesserung des Plans zurückgenommen werden?\r%1 Gespräche "
                                 "kehren auf ihre vorigen Termine zurück.")
                      .arg(e.Termine.size());
        return f;
    }
    f.Titel = QStringLiteral("Nagel-Aktion ") +
              (vor ? QStringLiteral("wiederherstellen:") : QStringLiteral("rückgängig:"));
    if (e.Art == TRueckgEintrag::Nagel) {
        const TGespraech* g = ZielGespraech(p, e);
        if (!g) return f;
        f.Text = QStringLiteral("Soll beim Gespräch von ") + Gespraechstext(*g) +
                 QStringLiteral("der Nagel wieder ") +
                 (g->IstGenagelt() ? QStringLiteral("entfernt") : QStringLiteral("gesetzt")) +
                 QStringLiteral(" werden?");
        return f;
    }
    const TPerson* person = ZielPerson(p, e);
    if (!person) return f;
    const bool gesperrt = person->Zeiten[static_cast<size_t>(e.Wert)] == SlotGesperrt;
    f.Text = QStringLiteral("Soll bei ") + person->Anschrift(true) + QStringLiteral("\rdie Zeit ") +
             p.TerminText(e.Wert) + QStringLiteral("\rwieder ") +
             (gesperrt ? QStringLiteral("freigegeben") : QStringLiteral("gesperrt")) +
             QStringLiteral(" werden?");
    return f;
}

QString EintragBeschreiben(const TProjekt& p, const TRueckCollection& rueck, int index, int richtung) {
    if (index < 0 || index >= rueck.Count()) return {};
    const TRueckgEintrag& e = *rueck[index];
    const bool vor = richtung > 0;
    if (e.Art == TRueckgEintrag::Planwechsel)
        return QStringLiteral("Planverbesserung:\r%1 Gespräche verlegt").arg(e.Termine.size());
    if (e.Art == TRueckgEintrag::Terminverschiebung || e.Art == TRueckgEintrag::Nagel) {
        const TGespraech* g = ZielGespraech(p, e);
        if (!g) return {};
        if (e.Art == TRueckgEintrag::Terminverschiebung)
            return QStringLiteral("Terminverschiebung:\r%1 + %2").arg(g->Eltern()->Name, g->Lehrer->Kuerzel);
        return QStringLiteral("Nagel%1 :\r%2 + %3")
            .arg(g->IstGenagelt() != vor ? QStringLiteral("setzen") : QStringLiteral("ziehen"),
                 g->Eltern()->Name, g->Lehrer->Kuerzel);
    }
    const TPerson* person = ZielPerson(p, e);
    if (!person || e.Wert < 0 || e.Wert >= SlotAnzahl) return {};
    const bool gesperrt = person->Zeiten[static_cast<size_t>(e.Wert)] == SlotGesperrt;
    return QStringLiteral("Zeit%1 bei %2")
        .arg(gesperrt != vor ? QStringLiteral("sperrung") : QStringLiteral("freigabe"), person->Name);
}

bool Zurueckspulen(TProjekt& p, TRueckCollection& rueck, int richtung) {
    TRueckgEintrag* e = const_cast<TRueckgEintrag*>(AnstehenderEintrag(rueck, richtung));
    if (!e || !EintragAusfuehrbar(p, *e)) return false;
    switch (e->Art) {
    case TRueckgEintrag::Terminverschiebung: {
        TGespraech& g = *ZielGespraech(p, *e);
        const int ziel = e->Wert;
        e->Wert = g.Termin;
        TerminVerschieben(p, g, ziel);
        break;
    }
    case TRueckgEintrag::Nagel: {
        TGespraech& g = *ZielGespraech(p, *e);
        g.SetGenagelt(!g.IstGenagelt());
        break;
    }
    case TRueckgEintrag::Planwechsel:
        PlanWechseln(p, *e);
        break;
    default:
        SlotWechseln(p, *ZielPerson(p, *e), e->Art == TRueckgEintrag::ElternSperre, e->Wert);
        break;
    }
    rueck.Position = static_cast<uint16_t>(rueck.Position + richtung);
    return true;
}
