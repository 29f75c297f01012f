#include "Zeitraster.h"

#include "model/Datumstexte.h"
#include "model/Projekt.h"

#include <QDate>
#include <algorithm>

namespace {

// The test area's cell that behaves like a pause, so that the user sees how a pause comes back.
constexpr int TestPause = 13;

size_t Index(int zelle) {
    return static_cast<size_t>(zelle);
}

} // namespace

TTageswerte Tageswerte(const TZeiten& zeiten, int tag) {
    TTageswerte werte;
    std::copy_n(zeiten.begin() + tag * SlotsProTag, SlotsProTag, werte.begin());
    return werte;
}

void TageswerteSetzen(TZeiten& zeiten, int tag, const TTageswerte& werte) {
    std::copy(werte.begin(), werte.end(), zeiten.begin() + tag * SlotsProTag);
}

void TZeitraster::RahmenLaden(const TProjekt& p, int tag) {
    for (int i = 0; i < SlotsProTag; ++i) {
        const int slot = tag * SlotsProTag + i;
        Beschriftung[Index(i)] = p.Zeittexte[Index(slot)];
        Aktiv[Index(i)] = slot <= p.LetzterSlot && p.ZeitAktiv[Index(slot)];
    }
    Testmodus = false;
}

void TZeitraster::TestrasterLaden() {
    for (int i = 0; i < SlotsProTag; ++i)
        Beschriftung[Index(i)] = UhrzeitText(12 * 60 + 10 * i);
    Aktiv.fill(true);
    Werte.fill(SlotFrei);
    Ausgangswerte.reset();
    Testmodus = true;
}

bool TZeitraster::Sichtbar(int zelle) const {
    return zelle >= 0 && zelle < SlotsProTag && !Beschriftung[Index(zelle)].isEmpty();
}

bool TZeitraster::Bedienbar(int zelle) const {
    return Sichtbar(zelle) && (Testmodus || Aktiv[Index(zelle)]);
}

int TZeitraster::ErsteZelle() const {
    for (int i = 0; i < SlotsProTag; ++i)
        if (Bedienbar(i)) return i;
    return -1;
}

int TZeitraster::LetzteZelle() const {
    for (int i = SlotsProTag - 1; i >= 0; --i)
        if (Bedienbar(i)) return i;
    return -1;
}

int16_t TZeitraster::Freigabewert(int zelle) const {
    if (Ausgangswerte && (*Ausgangswerte)[Index(zelle)] == SlotPause) return SlotPause;
    if (Testmodus && zelle == TestPause) return SlotPause;
    return SlotFrei;
}

bool TZeitraster::Sperren(int zelle, bool fragen) {
    int16_t& wert = Werte[Index(zelle)];
    if (wert == SlotGesperrt) return false;
    if (wert > 0 && !(fragen && EinzelnFragen())) return false;
    wert = SlotGesperrt;
    return true;
}

bool TZeitraster::Freigeben(int zelle) {
    int16_t& wert = Werte[Index(zelle)];
    if (wert != SlotGesperrt) return false;
    wert = Freigabewert(zelle);
    return true;
}

bool TZeitraster::Anwenden(int zelle, bool links, bool einzeln) {
    const bool gesperrt = Werte[Index(zelle)] == SlotGesperrt;
    if (Umschalten) return gesperrt ? Freigeben(zelle) : Sperren(zelle, einzeln);
    return links ? Sperren(zelle, einzeln) : Freigeben(zelle);
}

void TZeitraster::FruehereMitnehmen(int zelle, bool gesperrt) {
    for (int i = zelle - 1; i >= 0 && Bedienbar(i); --i) {
        int16_t& wert = Werte[Index(i)];
        if (gesperrt) {
            if (wert != SlotFrei && wert != SlotPause) break;
            wert = SlotGesperrt;
        } else {
            if (wert != SlotGesperrt) break;
            wert = Freigabewert(i);
        }
    }
}

bool TZeitraster::Druecken(int zelle, bool links, bool shift) {
    Gezogen = -1;
    if (!Bedienbar(zelle)) return false;
    Gezogen = zelle;
    if (!Anwenden(zelle, links, true)) return false;
    if (shift) FruehereMitnehmen(zelle, Werte[Index(zelle)] == SlotGesperrt);
    return true;
}

bool TZeitraster::Ziehen(int zelle, bool links) {
    if (zelle == Gezogen || !Bedienbar(zelle)) return false;
    Gezogen = zelle;
    // Dragging over a booked cell never takes its appointment away.
    return Anwenden(zelle, links, false);
}

void TZeitraster::CursorSetzen(int zelle, bool shift) {
    Cursor = zelle;
    if (!shift || Anker < 0) Anker = zelle;
}

void TZeitraster::CursorBewegen(int schritt, bool shift) {
    const int erste = Testmodus ? 0 : ErsteZelle();
    const int letzte = Testmodus ? SlotsProTag - 1 : LetzteZelle();
    if (erste < 0) return;
    const int von = Cursor < 0 ? erste : Cursor;
    CursorSetzen(std::clamp(von + schritt, erste, letzte), shift);
}

bool TZeitraster::Markiert(int zelle) const {
    return Cursor >= 0 && zelle >= std::min(Anker, Cursor) && zelle <= std::max(Anker, Cursor);
}

bool TZeitraster::BereichSperren() {
    if (Cursor < 0) return false;
    const int von = std::min(Anker, Cursor);
    const int bis = std::max(Anker, Cursor);
    bool termine = false;
    for (int i = von; i <= bis; ++i)
        termine = termine || (Bedienbar(i) && Werte[Index(i)] > 0);
    const TTerminSperre antwort = termine ? BereichFragen() : TTerminSperre::Nein;
    if (antwort == TTerminSperre::Abbrechen) return false;
    bool geaendert = false;
    for (int i = von; i <= bis; ++i) {
        int16_t& wert = Werte[Index(i)];
        if (!Bedienbar(i) || wert == SlotGesperrt || (wert > 0 && antwort != TTerminSperre::Ja)) continue;
        wert = SlotGesperrt;
        geaendert = true;
    }
    return geaendert;
}

bool TZeitraster::BereichFreigeben() {
    if (Cursor < 0) return false;
    bool geaendert = false;
    for (int i = std::min(Anker, Cursor); i <= std::max(Anker, Cursor); ++i)
        geaendert = (Bedienbar(i) && Freigeben(i)) || geaendert;
    return geaendert;
}

bool TZeitraster::TagSperren(bool termineAuch) {
    bool geaendert = false;
    for (int i = 0; i < SlotsProTag; ++i) {
        int16_t& wert = Werte[Index(i)];
        if (!Bedienbar(i) || wert == SlotGesperrt || (wert > 0 && !termineAuch)) continue;
        wert = SlotGesperrt;
        geaendert = true;
    }
    return geaendert;
}

bool TZeitraster::TagFreigeben(const TTageswerte& vorher) {
    bool gesperrt = false;
    for (int i = 0; i < SlotsProTag; ++i)
        gesperrt = gesperrt || (Bedienbar(i) && Werte[Index(i)] == SlotGesperrt);
    if (!gesperrt) return false;
    for (int i = 0; i < SlotsProTag; ++i)
        if (Bedienbar(i)) Werte[Index(i)] = vorher[Index(i)] == SlotGesperrt ? SlotFrei : vorher[Index(i)];
    return true;
}

bool TZeitraster::HatTermine() const {
    for (int i = 0; i < SlotsProTag; ++i)
        if (Bedienbar(i) && Werte[Index(i)] > 0) return true;
    return false;
}

QString Terminhinweis(const TProjekt& p, int nummer, bool istLehrer, bool& genagelt) {
    const TGespraech* g = p.Gespraechsliste.FindeNummer(nummer);
    genagelt = g && g->IstGenagelt();
    if (!g || !g->Kind) return {};
    if (istLehrer) return QStringLiteral("Eltern: %1\rKind: %2").arg(g->Eltern()->Name, g->Kind->Vorname);
    if (!g->Lehrer) return {};
    return QStringLiteral("Lehrkraft: %1 (%2)\rKind: %3")
        .arg(g->Lehrer->VollName(), g->Lehrer->Kuerzel, g->Kind->Vorname);
}

QString Tagesdatum(const TProjekt& p, int tag) {
    QDate datum = DatumAusWert(p.Datum[static_cast<size_t>(tag)]);
    if (tag == 1 && p.Datum[1] == 0) datum = DatumAusWert(p.Datum[0]).addDays(1);
    return datum.toString(QStringLiteral("dd.MM.yyyy"));
}
