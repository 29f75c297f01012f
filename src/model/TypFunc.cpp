#include "TypFunc.h"

#include "Projekt.h"

TLehrer::TLehrer(const TZeiten& standardsperre, const QString& anrede, const QString& kuerzel,
                 const QString& name, const QString& zusatz, const QString& akadTitel)
    : AkadTitel(akadTitel)
    , Kuerzel(kuerzel) {
    Anrede = anrede;
    Name = name;
    Zusatz = zusatz;
    Zeiten = standardsperre;
}

TEltern::TEltern(TProjekt& projekt, const QString& anrede, int16_t nummer, const QString& name,
                 const QString& zusatz)
    : Nummer(nummer)
    , Projekt(&projekt) {
    Anrede = anrede;
    Name = name;
    Zusatz = zusatz;
    Zeiten = projekt.Standardsperre;
}

TEltern::~TEltern() {
    Kinder.Clear();
}

TKind::TKind(const QString& vorname, TEltern* eltern, const QString& klasse)
    : Vorname(vorname)
    , Klasse(klasse)
    , Eltern(eltern) {}

TKind::~TKind() {
    TProjekt* projekt = Eltern ? Eltern->Projekt : nullptr;
    if (projekt) {
        while (!Gespraeche.empty()) {
            TGespraech* g = Gespraeche.front();
            projekt->Gespraechsliste.Entfernen(g);
            // A conversation the list does not hold must not keep a reference to this child.
            if (!Gespraeche.empty() && Gespraeche.front() == g) {
                g->Kind = nullptr;
                Gespraeche.erase(Gespraeche.begin());
            }
        }
    }
    for (TGespraech* g : Gespraeche)
        g->Kind = nullptr;
    Gespraeche.clear();
    AltKuerzel.reset();
    if (projekt && !projekt->Aufloesung) projekt->ZaehleGespraeche();
}

void TKind::RangNummerieren() {
    for (size_t i = 0; i < Gespraeche.size(); ++i)
        Gespraeche[i]->Rang = static_cast<int16_t>(i);
}

TKind* TKindliste::FindeVorname(const QString& vorname) const {
    for (const auto& k : *this)
        if (k->Vorname == vorname) return k.get();
    return nullptr;
}

TGespraech::TGespraech(TProjekt& projekt, TLehrer* lehrer, TKind* kind)
    : Nummer(static_cast<int16_t>(++projekt.LetzteGespraechNr))
    , Kind(kind)
    , Lehrer(lehrer)
    , Rang(kind ? static_cast<int16_t>(kind->Gespraeche.size()) : 0) {}

TGespraech::~TGespraech() {
    if (!Kind) return;
    auto& liste = Kind->Gespraeche;
    liste.erase(std::remove(liste.begin(), liste.end(), this), liste.end());
}

TGespraech* TGespraechsliste::FindeNummer(int nummer) const {
    for (const auto& g : *this)
        if (g->Nummer == nummer) return g.get();
    return nullptr;
}

void TGespraechsliste::Entfernen(TGespraech* g) {
    if (!g) return;
    const int index = IndexOf(g);
    if (index < 0) return;
    TEltern* eltern = g->Eltern();
    if (g->Termin >= 0 && g->Termin < SlotAnzahl) {
        if (g->Lehrer) {
            g->Lehrer->Zeiten[g->Termin] = SlotFrei;
            Projekt.PausenSetzen(g->Lehrer->Zeiten, false);
        }
        if (eltern) {
            eltern->Zeiten[g->Termin] = SlotFrei;
            Projekt.PausenSetzen(eltern->Zeiten, true);
        }
    }
    TKind* kind = g->Kind;
    Delete(index); // the conversation leaves the child's list as it is freed
    if (kind) kind->RangNummerieren();
    Projekt.ReihenfolgeFest = false;
}

bool TGespraechsliste::HatTermine() const {
    for (const auto& g : *this)
        if (g->Termin >= 0) return true;
    return false;
}

void TGespraechsliste::TerminAufheben(int nummer) {
    for (const auto& g : *this) {
        if (g->Nummer != nummer || g->Termin < 0) continue;
        if (g->Termin < SlotAnzahl) {
            if (g->Lehrer) g->Lehrer->Zeiten[g->Termin] = SlotFrei;
            if (TEltern* e = g->Eltern()) e->Zeiten[g->Termin] = SlotFrei;
        }
        g->Termin = TerminOffen;
        g->SetGenagelt(false);
        return;
    }
}

TLehrer* TLehrerliste::FindeKuerzel(const QString& kuerzel) const {
    for (const auto& l : *this)
        if (l->Kuerzel == kuerzel) return l.get();
    return nullptr;
}

void TLehrerliste::SucheKuerzel(const QString& kuerzel, std::vector<TLehrer*>& ergebnis) const {
    const QString gesucht = kuerzel.toLower();
    for (const auto& l : *this)
        if (l->Kuerzel.toLower() == gesucht) ergebnis.push_back(l.get());
}

void TLehrerliste::NamenDoppeltMarkieren() {
    for (int i = 0; i < Count(); ++i)
        for (int j = i + 1; j < Count(); ++j) {
            TLehrer* a = (*this)[i];
            TLehrer* b = (*this)[j];
            if (a->Name == b->Name && a->Anrede == b->Anrede) a->NameDoppelt = b->NameDoppelt = true;
        }
}

TLehrer* TLehrerliste::LehrerOhneRaum() const {
    for (const auto& l : *this)
        if (l->HatTermin && l->Raum.isEmpty() && l->Zaehler != 0) return l.get();
    return nullptr;
}

bool TLehrerliste::HatRaum() const {
    for (const auto& l : *this)
        if (!l->Raum.isEmpty()) return true;
    return false;
}

TEltern* TElternliste::FindeNummer(int nummer) const {
    for (const auto& e : *this)
        if (e->Nummer == nummer) return e.get();
    return nullptr;
}
