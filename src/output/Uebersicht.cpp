#include "Uebersicht.h"

#include "Gespraechsliste.h"
#include "model/Datumstexte.h"
#include "model/Projekt.h"
#include "model/Textvergleich.h"

#include <algorithm>
#include <functional>

namespace {

// A conversation of the conversation overviews with the places of its persons, for the sort.
struct TSortGespraech {
    const TGespraech* Gespraech;
    int Lehrer;
    int Familie;
    int Kind;
};

int Index(const TProjekt& p, const TLehrer* l) {
    for (int i = 0; i < p.Lehrerliste.Count(); ++i)
        if (p.Lehrerliste[i] == l) return i;
    return -1;
}

int Index(const TProjekt& p, const TEltern* e) {
    for (int i = 0; i < p.Elternliste.Count(); ++i)
        if (p.Elternliste[i] == e) return i;
    return -1;
}

int Index(const TEltern* e, const TKind* k) {
    for (int i = 0; e && i < e->Kinder.Count(); ++i)
        if (e->Kinder[i] == k) return i;
    return -1;
}

void Gespraeche(const TProjekt& p, const TUebersichtWahl& w, TUebersicht& u) {
    const bool genagelt = w.Art == TUebersichtArt::Genagelt;
    std::vector<TSortGespraech> liste;
    for (const auto& g : p.Gespraechsliste)
        if (genagelt ? g->IstGenagelt() : g->Termin < 0)
            liste.push_back(
                {g.get(), Index(p, g->Lehrer), Index(p, g->Eltern()), Index(g->Eltern(), g->Kind)});
    const auto schluessel = [&w](const TSortGespraech& s) {
        return w.FuerEltern ? std::tuple(s.Familie, s.Kind, s.Lehrer)
                            : std::tuple(s.Lehrer, s.Familie, s.Kind);
    };
    std::stable_sort(liste.begin(), liste.end(), [&](const TSortGespraech& a, const TSortGespraech& b) {
        return schluessel(a) < schluessel(b);
    });

    const QString art =
        genagelt ? QStringLiteral("Genagelte Gespräche") : QStringLiteral("Nicht terminierte Gespräche");
    u.Titel = liste.empty()
                  ? QStringLiteral("%1 gibt es nicht in diesem Projekt.").arg(art)
                  : QStringLiteral("%1 (nach %2 sortiert)")
                        .arg(art, w.FuerEltern ? QStringLiteral("Eltern") : QStringLiteral("Lehrern"));
    u.Wechseltext = QStringLiteral("Ansicht wechseln");
    const QString letzte = genagelt ? QStringLiteral("Termin") : QString();
    const std::array<int, 5> breiten =
        genagelt ? std::array{122, 44, 112, 105, 102} : std::array{140, 44, 130, 138, 35};
    const QStringList titel = w.FuerEltern ? QStringList{"Eltern", "Kürzel", "Lehrer", "Kind", letzte}
                                           : QStringList{"Kürzel", "Lehrer", "Eltern", "Kind", letzte};
    // The widths belong to the columns' contents: the teachers' view starts with Kürzel and teacher.
    const std::array<int, 5> ordnung = w.FuerEltern ? std::array{0, 1, 2, 3, 4} : std::array{1, 2, 0, 3, 4};
    for (int i = 0; i < 5; ++i)
        u.Spalten.push_back({titel[i], breiten[size_t(ordnung[size_t(i)])], false});

    const TEltern* vorigeFamilie = nullptr;
    const TLehrer* vorigerLehrer = nullptr;
    for (const TSortGespraech& s : liste) {
        const TGespraech& g = *s.Gespraech;
        const QString kuerzel = g.Lehrer ? g.Lehrer->Kuerzel : g.LehrerKuerzel;
        const QString lehrer = g.Lehrer ? LehrerText(*g.Lehrer) : QString();
        const QString familie = g.Eltern() ? FamilienText(*g.Eltern()) : QString();
        const QString kind = g.Kind ? KindText(*g.Kind) : QString();
        const QString ende = genagelt                   ? Termintext(p, g.Termin)
                             : p.Listenlayout.MitNummer ? QStringLiteral("(%1)").arg(g.Rang + 1)
                                                        : QString();
        // A repeated person is named on its first row only.
        if (w.FuerEltern) {
            const bool neu = g.Eltern() != vorigeFamilie || !vorigeFamilie;
            vorigeFamilie = g.Eltern();
            u.Zeilen.push_back({neu ? familie : QString(), kuerzel, lehrer, kind, ende});
        } else {
            const bool neu = g.Lehrer != vorigerLehrer || !vorigerLehrer;
            vorigerLehrer = g.Lehrer;
            u.Zeilen.push_back({neu ? kuerzel : QString(), neu ? lehrer : QString(), familie, kind, ende});
        }
    }
}

using TLehrerOrdnung = std::function<int(const TLehrer&, const TLehrer&)>;

// The teacher overviews' column sorts: each compares by its column, then by the teacher.
TLehrerOrdnung Ordnung(TUebersichtArt art, int spalte) {
    const auto dann = [](int r, const TLehrer& a, const TLehrer& b) { return r ? r : LehrerVergleich(a, b); };
    switch (spalte) {
    case 0:
        return [](const TLehrer& a, const TLehrer& b) { return QString::compare(a.Kuerzel, b.Kuerzel); };
    case 1:
        return LehrerVergleich;
    case 2:
        if (art == TUebersichtArt::Raeume)
            return [dann](const TLehrer& a, const TLehrer& b) {
                return dann(TextVergleich(RaumAnzeige(a.Raum), RaumAnzeige(b.Raum)), a, b);
            };
        return [dann](const TLehrer& a, const TLehrer& b) {
            return dann(int(b.Zaehler) - int(a.Zaehler), a, b);
        };
    case 3:
        return [dann](const TLehrer& a, const TLehrer& b) {
            return dann(int(b.AnzTerminiert) - int(a.AnzTerminiert), a, b);
        };
    case 4:
        return [dann](const TLehrer& a, const TLehrer& b) {
            return dann(int(b.Zaehler - b.AnzTerminiert) - int(a.Zaehler - a.AnzTerminiert), a, b);
        };
    default:
        return {};
    }
}

void LehrerUebersicht(const TProjekt& p, const TUebersichtWahl& w, TUebersicht& u) {
    const bool raeume = w.Art == TUebersichtArt::Raeume;
    const bool alle = raeume ? w.AlleAnzeigen : w.AnzahlenAlle;
    const bool terminiert = p.Gespraechsliste.HatTermine();
    if (raeume) {
        u.Titel = alle ? QStringLiteral("Raumzuordnung für alle Lehrer")
                       : QStringLiteral("Raumzuordnung [nur für Lehrer mit Gespräch]");
        u.Spalten = {{QStringLiteral("Kürzel"), 60, false},
                     {QStringLiteral("Lehrer"), 160, false},
                     {QStringLiteral("Raum"), 230, false}};
    } else {
        u.Titel = alle ? QStringLiteral("Gesprächsanzahlen der Lehrer (für alle)")
                       : QStringLiteral("Gesprächsanzahlen der Lehrer (nur beteiligte)");
        u.Spalten = {{QStringLiteral("Kürzel"), 60, false}, {QStringLiteral("Lehrer"), 160, false}};
        if (terminiert)
            u.Spalten.insert(u.Spalten.end(), {{QStringLiteral("gesamt"), 60, true},
                                               {QStringLiteral("terminiert"), 80, true},
                                               {QStringLiteral("nichtterm."), 80, true}});
        else
            u.Spalten.push_back({QStringLiteral("Anzahl"), 60, true});
    }
    u.Wechseltext = alle ? QStringLiteral("nur beteiligte") : QStringLiteral("Ansicht für alle");

    std::vector<const TLehrer*> lehrer;
    for (const auto& l : p.Lehrerliste)
        if (alle || l->Zaehler > 0) lehrer.push_back(l.get());
    const int spalte = w.Sortierspalte >= 0 && w.Sortierspalte < int(u.Spalten.size()) ? w.Sortierspalte
                       : raeume                                                        ? -1
                                                                                       : 2;
    if (const TLehrerOrdnung ordnung = Ordnung(w.Art, spalte))
        std::stable_sort(lehrer.begin(), lehrer.end(),
                         [&ordnung](const TLehrer* a, const TLehrer* b) { return ordnung(*a, *b) < 0; });
    for (const TLehrer* l : lehrer) {
        QStringList zeile{l->Kuerzel, LehrerText(*l)};
        if (raeume)
            zeile << RaumAnzeige(l->Raum);
        else if (terminiert)
            zeile << QString::number(l->Zaehler) << QString::number(l->AnzTerminiert)
                  << QString::number(int(l->Zaehler) - int(l->AnzTerminiert));
        else
            zeile << QString::number(l->Zaehler);
        u.Zeilen.push_back(zeile);
    }
}

} // namespace

QString KindText(const TKind& k) {
    QString text = k.Vorname;
    if (!k.Nachname.isEmpty()) text += u' ' + k.Nachname;
    if (!k.Klasse.isEmpty()) text += QStringLiteral(" (%1)").arg(k.Klasse);
    return text;
}

QString Termintext(const TProjekt& p, int termin) {
    if (termin < 0) return QStringLiteral("nicht terminiert");
    const QDate tag = DatumAusWert(p.Datum[size_t(TagVonSlot(termin))]);
    return DatumKurz(tag) + QStringLiteral(", ") + p.Zeittexte[size_t(termin)];
}

bool Sortierbar(TUebersichtArt art) {
    return art == TUebersichtArt::Raeume || art == TUebersichtArt::Anzahlen;
}

QString Uebersichtsname(TUebersichtArt art) {
    switch (art) {
    case TUebersichtArt::OhneTermin:
        return QStringLiteral("Gespräche ohne Termin");
    case TUebersichtArt::Raeume:
        return QStringLiteral("Raumzuordnung");
    case TUebersichtArt::Anzahlen:
        return QStringLiteral("Gesprächsanzahlen");
    case TUebersichtArt::Genagelt:
        break;
    }
    return QStringLiteral("Genagelte Gespräche");
}

TUebersicht UebersichtBauen(TProjekt& p, const TUebersichtWahl& w) {
    p.ZaehleGespraeche();
    TUebersicht u;
    if (Sortierbar(w.Art))
        LehrerUebersicht(p, w, u);
    else
        Gespraeche(p, w, u);
    return u;
}
