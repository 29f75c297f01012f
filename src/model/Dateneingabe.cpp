#include "Dateneingabe.h"

#include "Projekt.h"

#include <QSet>
#include <algorithm>

TGespraech* GespraechHinzufuegen(TProjekt& projekt, TLehrer* lehrer, TKind* kind, bool kindKommtMit) {
    TGespraech* g = projekt.NeuesGespraech(lehrer, kind);
    g->SetKindKommtMit(kindKommtMit);
    projekt.UnmoeglichBestimmt = false;
    projekt.ReihenfolgeFest = false;
    projekt.ZaehleGespraeche();
    return g;
}

bool GespraechVorhanden(const TKind& kind, const QString& kuerzel) {
    return std::any_of(kind.Gespraeche.begin(), kind.Gespraeche.end(),
                       [&](const TGespraech* g) { return g->Lehrer && g->Lehrer->Kuerzel == kuerzel; });
}

void GespraechVerschieben(TProjekt& projekt, TGespraech* g, TKind* ziel, int index) {
    TKind* quelle = g->Kind;
    auto& alt = quelle->Gespraeche;
    alt.erase(std::find(alt.begin(), alt.end(), g));
    quelle->RangNummerieren();
    auto& neu = ziel->Gespraeche;
    if (ziel != quelle)
        g->SetKindKommtMit(!neu.empty() && std::all_of(neu.begin(), neu.end(), [](const TGespraech* x) {
            return x->KindKommtMit();
        }));
    g->Kind = ziel;
    neu.insert(neu.begin() + std::clamp<qsizetype>(index, 0, static_cast<qsizetype>(neu.size())), g);
    ziel->RangNummerieren();
    projekt.ReihenfolgeFest = false;
}

QString KuerzelAbtrennen(QString& text) {
    const qsizetype komma = text.indexOf(u',');
    if (komma < 0) {
        const QString token = text.trimmed();
        text.clear();
        return token;
    }
    const QString token = text.left(komma).trimmed();
    text = text.mid(komma + 1).trimmed();
    return token;
}

int GespraecheDerFamilie(const TEltern& eltern) {
    int anzahl = 0;
    for (const auto& k : eltern.Kinder)
        anzahl += static_cast<int>(k->Gespraeche.size());
    return anzahl;
}

int GespraecheDesLehrers(const TProjekt& projekt, const TLehrer& lehrer) {
    return static_cast<int>(std::count_if(projekt.Gespraechsliste.begin(), projekt.Gespraechsliste.end(),
                                          [&](const auto& g) { return g->Lehrer == &lehrer; }));
}

namespace {

void RueckListeSchuetzen(TRueckCollection& rueck, const std::vector<const TLoadSaveObject*>& frei) {
    const bool verweist = std::any_of(rueck.begin(), rueck.end(), [&](const auto& e) {
        return std::find(frei.begin(), frei.end(), e->Ziel) != frei.end();
    });
    if (verweist) rueck.Clear();
}

std::vector<const TLoadSaveObject*> GespraecheDerKinder(const TEltern& eltern) {
    std::vector<const TLoadSaveObject*> gespraeche;
    for (const auto& k : eltern.Kinder)
        gespraeche.insert(gespraeche.end(), k->Gespraeche.begin(), k->Gespraeche.end());
    return gespraeche;
}

} // namespace

void GespraecheLoeschen(TProjekt& projekt, TRueckCollection& rueck, std::vector<TGespraech*> gespraeche) {
    RueckListeSchuetzen(rueck, {gespraeche.begin(), gespraeche.end()});
    for (TGespraech* g : gespraeche)
        projekt.Gespraechsliste.Entfernen(g);
    projekt.ZaehleGespraeche();
}

void FamilieLoeschen(TProjekt& projekt, TRueckCollection& rueck, TEltern* eltern) {
    std::vector<const TLoadSaveObject*> frei = GespraecheDerKinder(*eltern);
    frei.push_back(eltern);
    RueckListeSchuetzen(rueck, frei);
    projekt.Elternliste.Delete(projekt.Elternliste.IndexOf(eltern));
    projekt.ZaehleGespraeche();
}

void KindLoeschen(TProjekt& projekt, TRueckCollection& rueck, TKind* kind) {
    RueckListeSchuetzen(rueck, {kind->Gespraeche.begin(), kind->Gespraeche.end()});
    TKindliste& kinder = kind->Eltern->Kinder;
    kinder.Delete(kinder.IndexOf(kind));
    projekt.ZaehleGespraeche();
}

int LehrerLoeschen(TProjekt& projekt, TRueckCollection& rueck, TLehrer* lehrer) {
    std::vector<TGespraech*> seine;
    for (const auto& g : projekt.Gespraechsliste)
        if (g->Lehrer == lehrer) seine.push_back(g.get());
    rueck.Clear();
    for (TGespraech* g : seine)
        projekt.Gespraechsliste.Entfernen(g);
    projekt.Lehrerliste.Delete(projekt.Lehrerliste.IndexOf(lehrer));
    projekt.UnmoeglichBestimmt = false;
    projekt.ReihenfolgeFest = false;
    projekt.ZaehleGespraeche();
    return static_cast<int>(seine.size());
}

void LehrerNeuOrdnen(TProjekt& projekt) {
    projekt.Lehrerliste.LehrerSortieren();
    for (const auto& l : projekt.Lehrerliste)
        l->NameDoppelt = false;
    projekt.Lehrerliste.NamenDoppeltMarkieren();
}

TLehrer* LehrerHinzufuegen(TProjekt& projekt, const QString& anrede, const QString& kuerzel,
                           const QString& name, const QString& zusatz, const QString& akadTitel) {
    TLehrer* l = projekt.NeuerLehrer(anrede, kuerzel, name, zusatz, akadTitel);
    LehrerNeuOrdnen(projekt);
    return l;
}

void FamilieUmbenennen(TEltern& eltern, const QString& name, const QString& zusatz,
                       const std::vector<bool>& haken) {
    const QString alterName = eltern.VollName();
    eltern.Name = name;
    eltern.Zusatz = zusatz;
    const QString neuerName = eltern.VollName();
    for (int i = 0; i < eltern.Kinder.Count(); ++i) {
        TKind* k = eltern.Kinder[i];
        if (static_cast<size_t>(i) < haken.size() && haken[static_cast<size_t>(i)])
            k->Nachname.clear();
        else if (k->Nachname.isEmpty())
            k->Nachname = alterName;
        else if (k->Nachname == neuerName)
            k->Nachname.clear();
    }
}

TKlassenZuwachs AlleKlasseHinzu(TProjekt& projekt, TLehrer* lehrer, const QString& klasse,
                                bool kindKommtMit) {
    TKlassenZuwachs zuwachs;
    for (const auto& e : projekt.Elternliste)
        for (const auto& k : e->Kinder) {
            if (k->Klasse != klasse) continue;
            const auto vorhanden = std::find_if(k->Gespraeche.begin(), k->Gespraeche.end(),
                                                [&](const TGespraech* g) { return g->Lehrer == lehrer; });
            if (vorhanden == k->Gespraeche.end()) {
                projekt.NeuesGespraech(lehrer, k.get())->SetKindKommtMit(kindKommtMit);
                ++zuwachs.Neu;
            } else if (kindKommtMit && !(*vorhanden)->KindKommtMit()) {
                (*vorhanden)->SetKindKommtMit(true);
                ++zuwachs.Markiert;
            }
        }
    if (zuwachs.Neu > 0) {
        projekt.UnmoeglichBestimmt = false;
        projekt.ReihenfolgeFest = false;
        projekt.ZaehleGespraeche();
    }
    return zuwachs;
}

std::vector<QString> KlassenDerKinder(const TProjekt& projekt, bool mitLeerer) {
    std::vector<QString> klassen;
    QSet<QString> gesehen;
    for (const auto& e : projekt.Elternliste)
        for (const auto& k : e->Kinder)
            if ((mitLeerer || !k->Klasse.isEmpty()) && !gesehen.contains(k->Klasse)) {
                gesehen.insert(k->Klasse);
                klassen.push_back(k->Klasse);
            }
    std::stable_sort(klassen.begin(), klassen.end(), [&](const QString& a, const QString& b) {
        return KlassenVergleich(a, b, projekt.ListenSortierung, projekt.LatKlBez) < 0;
    });
    return klassen;
}

bool AnredenTauschen(TLehrerliste& lehrer) {
    bool geaendert = false;
    for (const auto& l : lehrer) {
        if (l->Anrede == u"Herr")
            l->Anrede = QStringLiteral("Frau");
        else if (l->Anrede == u"Frau")
            l->Anrede = QStringLiteral("Herr");
        else
            continue;
        geaendert = true;
    }
    return geaendert;
}

bool AnredenErsetzen(TLehrerliste& lehrer, const QString& von, const QString& nach) {
    const QString alt = Trimmen(von);
    const QString neu = Trimmen(nach);
    if (alt == neu) return false;
    bool geaendert = false;
    for (const auto& l : lehrer)
        if (l->Anrede == alt) {
            l->Anrede = neu;
            geaendert = true;
        }
    return geaendert;
}
