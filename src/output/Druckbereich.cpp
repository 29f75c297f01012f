#include "Druckbereich.h"

#include "model/Datumstexte.h"
#include "model/Projekt.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <limits>

namespace {

bool HatGespraeche(const TEltern& e) {
    return std::any_of(e.Kinder.begin(), e.Kinder.end(),
                       [](const auto& k) { return !k->Gespraeche.empty(); });
}

const TKind* KindMitGespraech(const TEltern& e, const QString& klasse) {
    for (const auto& k : e.Kinder)
        if (k->Klasse == klasse && !k->Gespraeche.empty()) return k.get();
    return nullptr;
}

void KlassenSortieren(std::vector<QString>& klassen, const TProjekt& p) {
    std::stable_sort(klassen.begin(), klassen.end(), [&](const QString& a, const QString& b) {
        return KlassenVergleich(a, b, p.ListenSortierung, p.LatKlBez) < 0;
    });
}

// Equal texts would give equal file names, so every occurrence gets its number, wherever it stands.
void GleicheNummerieren(std::vector<TBereichEintrag>& eintraege) {
    QHash<QString, int> anzahl;
    for (const auto& e : eintraege)
        ++anzahl[e.Text];
    QHash<QString, int> gezaehlt;
    for (auto& e : eintraege)
        if (anzahl.value(e.Text) > 1) {
            const QString nummer = u' ' + QString::number(++gezaehlt[e.Text]);
            e.Text += nummer;
            e.NamensTeil += nummer;
        }
}

void FamilienProFamilie(const TProjekt& p, TDruckbereich& b) {
    const int art = p.ListenSortierung & 0xD0;
    const bool mitKlasse = art == 192 || art == 208;
    QSet<QString> gesehen;
    for (const auto& e : p.Elternliste) {
        if (!HatGespraeche(*e)) continue;
        TBereichEintrag eintrag;
        eintrag.Person = e.get();
        if (mitKlasse) eintrag.Klasse = (art == 192 ? e->Kinder.Erstes() : e->Kinder.Letztes())->Klasse;
        eintrag.NamensTeil = Dateiname(e->Name);
        eintrag.Text = QStringLiteral("%1 (%2)").arg(eintrag.NamensTeil, Dateiname(eintrag.Klasse));
        if (mitKlasse && !gesehen.contains(eintrag.Klasse)) {
            gesehen.insert(eintrag.Klasse);
            b.Klassen.push_back(eintrag.Klasse);
        }
        b.Eintraege.push_back(std::move(eintrag));
    }
    KlassenSortieren(b.Klassen, p);
}

void FamilienProKind(const TProjekt& p, TDruckbereich& b) {
    QSet<QString> gesehen;
    for (const auto& e : p.Elternliste)
        for (const auto& k : e->Kinder)
            if (!k->Gespraeche.empty() && !gesehen.contains(k->Klasse)) {
                gesehen.insert(k->Klasse);
                b.Klassen.push_back(k->Klasse);
            }
    KlassenSortieren(b.Klassen, p);
    for (const QString& klasse : b.Klassen) {
        const size_t anfang = b.Eintraege.size();
        std::vector<const TKind*> kinder;
        for (const auto& e : p.Elternliste) {
            const TKind* kind = KindMitGespraech(*e, klasse);
            if (!kind) continue;
            TBereichEintrag eintrag;
            eintrag.Person = e.get();
            eintrag.Klasse = klasse;
            eintrag.NamensTeil = Dateiname(e->Name);
            eintrag.Text = QStringLiteral("%1 - %2").arg(Dateiname(klasse), eintrag.NamensTeil);
            b.Eintraege.push_back(std::move(eintrag));
            kinder.push_back(kind);
        }
        QHash<QString, int> anzahl;
        for (size_t i = anfang; i < b.Eintraege.size(); ++i)
            ++anzahl[b.Eintraege[i].Text];
        for (size_t i = anfang; i < b.Eintraege.size(); ++i) {
            TBereichEintrag& eintrag = b.Eintraege[i];
            if (anzahl.value(eintrag.Text) < 2) continue;
            const QString vorname = QStringLiteral(", ") + Dateiname(kinder[i - anfang]->Vorname);
            eintrag.Text += vorname;
            eintrag.NamensTeil += vorname;
        }
    }
}

void Lehrer(const TProjekt& p, TDruckbereich& b) {
    QSet<const TLehrer*> mitGespraech;
    for (const auto& g : p.Gespraechsliste)
        if (g->Lehrer && g->Eltern()) mitGespraech.insert(g->Lehrer);
    int nummer = 0;
    for (const auto& l : p.Lehrerliste) {
        if (!mitGespraech.contains(l.get())) continue;
        TBereichEintrag eintrag;
        eintrag.Person = l.get();
        eintrag.Text =
            QString::asprintf("%03d: ", ++nummer) + Dateiname(l->Kuerzel) + u' ' + Dateiname(l->Name);
        b.Eintraege.push_back(std::move(eintrag));
    }
}

uint16_t AlsZaehler(int wert) {
    return static_cast<uint16_t>(std::clamp(wert, 0, int(std::numeric_limits<uint16_t>::max())));
}

} // namespace

bool ProKindMoeglich(const TProjekt& projekt) {
    return projekt.ListenSortierung >= 192;
}

TDruckbereich BereichAufbauen(const TProjekt& projekt, bool fuerEltern, bool proKind) {
    TDruckbereich b;
    b.FuerEltern = fuerEltern;
    b.ProKind = fuerEltern && proKind && ProKindMoeglich(projekt);
    if (!fuerEltern) {
        Lehrer(projekt, b);
    } else {
        if (b.ProKind)
            FamilienProKind(projekt, b);
        else
            FamilienProFamilie(projekt, b);
        GleicheNummerieren(b.Eintraege);
        for (size_t i = 0; i < b.Eintraege.size(); ++i)
            b.Eintraege[i].Text.prepend(QString::asprintf("%03d: ", int(i) + 1));
    }
    b.AlleWaehlen();
    return b;
}

QString KlassenText(const QString& klasse) {
    return klasse.isEmpty() ? QStringLiteral("unbekannt") : klasse;
}

void TDruckbereich::AlleWaehlen() {
    Erster = 0;
    Letzter = Letzte();
}

void TDruckbereich::VonSetzen(int von) {
    if (Eintraege.empty()) return AlleWaehlen();
    Erster = std::clamp(von, 0, Letzte());
    if (Letzter < Erster) Letzter = Erster;
}

void TDruckbereich::BisSetzen(int bis) {
    if (Eintraege.empty()) return AlleWaehlen();
    Letzter = std::clamp(bis, 0, Letzte());
    if (Erster > Letzter) Erster = Letzter;
}

void TDruckbereich::AnzahlSetzen(int anzahl) {
    if (Eintraege.empty()) return AlleWaehlen();
    Letzter = Erster + std::clamp(anzahl, 1, Letzte() - Erster + 1) - 1;
}

bool TDruckbereich::KlasseWaehlen(const QString& klasse) {
    const auto gleich = [&](const TBereichEintrag& e) { return e.Klasse == klasse; };
    const auto anfang = std::find_if(Eintraege.begin(), Eintraege.end(), gleich);
    if (anfang == Eintraege.end()) return false;
    const auto ende = std::find_if_not(anfang, Eintraege.end(), gleich);
    Erster = static_cast<int>(anfang - Eintraege.begin());
    Letzter = static_cast<int>(ende - Eintraege.begin()) - 1;
    return true;
}

bool TDrucklaufStand::Vorschlagen(TDruckbereich& bereich) const {
    const int start = bereich.FuerEltern ? NaechsterStartE : NaechsterStartL;
    const int anzahl = bereich.FuerEltern ? LetzteAnzahlE : LetzteAnzahlL;
    // The list may have shrunk since that run; then the leftover part is gone.
    if (start == 0 || start > bereich.Letzte()) {
        bereich.AlleWaehlen();
        return false;
    }
    bereich.Erster = start;
    bereich.AnzahlSetzen(anzahl);
    return true;
}

void TDrucklaufStand::Merken(const TDruckbereich& bereich) {
    const uint16_t start = bereich.BisZumEnde() ? 0 : AlsZaehler(bereich.Letzter + 1);
    const uint16_t anzahl = AlsZaehler(bereich.Anzahl());
    (bereich.FuerEltern ? NaechsterStartE : NaechsterStartL) = start;
    (bereich.FuerEltern ? LetzteAnzahlE : LetzteAnzahlL) = anzahl;
}

bool DateiListenName(bool alsPdf, const QString& druckername) {
    return alsPdf || druckername.contains(QLatin1String("pdf"), Qt::CaseInsensitive);
}

QString ListenName(const TProjekt& projekt, const TDruckbereich& bereich, int index, int laufnummer,
                   bool dateiName) {
    const TBereichEintrag& e = bereich.Eintraege.at(static_cast<size_t>(index));
    const auto* lehrer = dynamic_cast<const TLehrer*>(e.Person);
    const QString kuerzel = lehrer ? lehrer->Kuerzel : QString();
    QString name;
    if (dateiName) {
        const int jahr = DatumAusWert(projekt.Datum[0]).year();
        name =
            QString::asprintf("VEL%04d", jahr) + (bereich.FuerEltern ? u'E' : u'L') + QStringLiteral(" - ");
        if (!bereich.FuerEltern)
            name += QStringLiteral("%1 (%2)").arg(e.Person->Name, kuerzel);
        else if (e.Klasse.isEmpty())
            name += e.NamensTeil;
        else
            name += e.Klasse + u' ' + e.NamensTeil;
    } else {
        name = QStringLiteral("Liste %1 von %2 - ").arg(laufnummer).arg(bereich.Anzahl());
        name += bereich.FuerEltern ? e.Person->Name : QStringLiteral("(%1)").arg(kuerzel);
    }
    return Dateiname(name);
}
