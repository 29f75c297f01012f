#include "Referenz.h"

#include "model/Projekt.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct TErgebnis {
    int Wert = -32768;
    int Slot = -1;
    int Alternative = -1;
};

class TReferenz {
public:
    explicit TReferenz(TProjekt& projekt)
        : P(projekt) {}

    void Lauf() {
        P.Handverschoben = 0;
        for (const auto& g : P.Gespraechsliste)
            g->AlterTermin = -2;
        UnmoeglicheBestimmen();
        Freigeben();
        P.TermineBerechnet = true;
        if (!P.ReihenfolgeFest) {
            KapazitaetZaehlen();
            P.Gespraechsliste.Sortieren(
                [this](const TGespraech& a, const TGespraech& b) { return Vergleich(a, b) < 0; });
            P.ReihenfolgeFest = true;
        }
        ErsteVerteilung();
        Optimieren();
    }

private:
    TProjekt& P;
    int Basis1 = 0, Basis2 = 48;
    int Durchgang = 0;
    bool KeineVerschiebung = true, KeinNeuerPlatz = true, SweepGeaendert = false, Verbessert = false;
    int KostenFamilie0 = 0, KostenLehrer0 = 0, BesterGewinn = 0, BesterPlatz = -1;

    bool Ex(int s) const { return s >= 0 && s < 96 && P.ZeitAktiv[s]; }
    bool Frei(const TZeiten& p, int s) const { return Ex(s) && p[s] == 0; }
    bool Belegt(const TZeiten& p, int s) const { return Ex(s) && p[s] > 0; }
    int GrenzeE() const { return P.MaximalBlock_El ? P.MaximalBlock_El : P.LetzterSlot + 1; }
    int GrenzeL() const { return P.MaximalBlock ? P.MaximalBlock : P.LetzterSlot + 1; }
    TGespraech* Nummer(int n) const { return P.Gespraechsliste.FindeNummer(n); }

    void UnmoeglicheBestimmen() {
        if (P.UnmoeglichBestimmt) return;
        for (const auto& g : P.Gespraechsliste) {
            if (g->Termin >= 0) continue;
            bool moeglich = false;
            for (int s = 0; s <= P.LetzterSlot; ++s)
                if (Ex(s) && g->Lehrer->Zeiten[s] != -1 && g->Eltern()->Zeiten[s] != -1) moeglich = true;
            g->Termin = moeglich ? -2 : -1;
        }
        P.UnmoeglichBestimmt = true;
    }

    void Freigeben() {
        auto person = [&](TPerson& x) {
            x.FreieZeiten = 0;
            x.Zaehler = 0;
            for (int s = 0; s <= P.LetzterSlot; ++s)
                if (x.Zeiten[s] == -2) x.Zeiten[s] = 0;
        };
        for (const auto& e : P.Elternliste)
            person(*e);
        for (const auto& l : P.Lehrerliste)
            person(*l);
        for (const auto& g : P.Gespraechsliste)
            if (g->Termin >= 0 && !g->IstGenagelt()) {
                g->Lehrer->Zeiten[g->Termin] = 0;
                g->Eltern()->Zeiten[g->Termin] = 0;
                g->Termin = -2;
            }
    }

    void KapazitaetZaehlen() {
        auto freie = [&](const TZeiten& z) {
            int n = 0;
            for (int s = 0; s <= P.LetzterSlot; ++s)
                if (Ex(s) && z[s] != -1) ++n;
            return n;
        };
        for (const auto& l : P.Lehrerliste)
            l->FreieZeiten = static_cast<uint16_t>(freie(l->Zeiten));
        for (const auto& e : P.Elternliste) {
            e->FreieZeiten = static_cast<uint16_t>(freie(e->Zeiten));
            for (const auto& k : e->Kinder) {
                e->Zaehler = static_cast<uint16_t>(e->Zaehler + k->Gespraeche.size());
                for (TGespraech* g : k->Gespraeche) {
                    if (g->Termin == -2 && g->IstGenagelt()) --e->Zaehler;
                    if (g->Termin == -1) --e->Zaehler;
                    if (g->Termin >= 0 && g->Lehrer->Zaehler < g->Lehrer->FreieZeiten) ++g->Lehrer->Zaehler;
                }
                if (e->Zaehler > e->FreieZeiten) e->Zaehler = e->FreieZeiten;
            }
        }
    }

    static int Vergleich(const TGespraech& a, const TGespraech& b) {
        if (a.IstGenagelt() && !b.IstGenagelt()) return -1;
        if (!a.IstGenagelt() && b.IstGenagelt()) return 1;
        if (a.Termin != -2 || b.Termin != -2) {
            if (a.Termin == -2) return -1;
            if (b.Termin == -2) return 1;
            return 0;
        }
        const int ka = a.Lehrer->FreieZeiten - a.Lehrer->Zaehler,
                  kb = b.Lehrer->FreieZeiten - b.Lehrer->Zaehler;
        if (ka != kb) return ka - kb;
        if (a.Lehrer->FreieZeiten != b.Lehrer->FreieZeiten)
            return a.Lehrer->FreieZeiten - b.Lehrer->FreieZeiten;
        if (a.Rang != b.Rang) return a.Rang - b.Rang;
        const long long x = 1LL * a.Eltern()->Zaehler * b.Eltern()->Kinder.Count();
        const long long y = 1LL * b.Eltern()->Zaehler * a.Eltern()->Kinder.Count();
        if (x != y) return x < y ? -1 : 1;
        return a.Eltern()->FreieZeiten - b.Eltern()->FreieZeiten;
    }

    void Buchen(TZeiten& f, TZeiten& t, TGespraech& g, int s) {
        f[s] = t[s] = g.Nummer;
        g.Termin = static_cast<int16_t>(s);
    }

    int ErsterTermin(const TZeiten& p, int basis) const {
        for (int s = basis; s <= basis + 47; ++s)
            if (Belegt(p, s)) return s;
        return -1;
    }
    int LetzterTermin(const TZeiten& p, int basis) const {
        for (int s = basis + 47; s >= basis; --s)
            if (Belegt(p, s)) return s;
        return -1;
    }
    int FreiFuerBeide(const TZeiten& a, const TZeiten& b, int start, int schritt, int grenze) const {
        for (int s = start; schritt > 0 ? s <= grenze : s >= grenze; s += schritt)
            if (Frei(a, s) && Frei(b, s)) return s;
        return -1;
    }
    int Abstand(const TZeiten& p, int s) const {
        const int basis = s / 48 * 48;
        int unten = 48, oben = 48;
        for (int x = s - 1; x >= basis; --x)
            if (Belegt(p, x)) {
                unten = s - x;
                break;
            }
        for (int x = s + 1; x <= basis + 47; ++x)
            if (Belegt(p, x)) {
                oben = x - s;
                break;
            }
        return std::min(unten, oben);
    }
    int Blocklaenge(int basis, int s, const TZeiten& p) const {
        int n = 1;
        for (int x = s - 1; x >= basis && Belegt(p, x); --x)
            ++n;
        for (int x = s + 1; x <= basis + 47 && Belegt(p, x); ++x)
            ++n;
        return n;
    }
    bool BlockPruefen(int basis, int s, TZeiten& p, int grenze) {
        if (Blocklaenge(basis, s, p) <= grenze) return true;
        p[s] = -2;
        return false;
    }
    void PausenLoesen(int s, TZeiten& p) {
        const int basis = s / 48 * 48;
        int x = s - 1;
        while (x >= basis && Belegt(p, x))
            --x;
        if (x >= basis && p[x] == -2) p[x] = 0;
        x = s + 1;
        while (x <= basis + 47 && Belegt(p, x))
            ++x;
        if (x <= basis + 47 && p[x] == -2) p[x] = 0;
    }

    int FindeTermin(TZeiten& f, TZeiten& t, int basis) {
        for (;;) {
            const int L = LetzterTermin(f, basis);
            int kandidat = -1;
            if (L >= 0) {
                const int vorher = FreiFuerBeide(f, t, L - 1, -1, basis);
                if (vorher >= 0) {
                    const int c = Abstand(f, vorher);
                    const int nachher = FreiFuerBeide(f, t, L + 1, +1, basis + 47);
                    kandidat = nachher >= 0 && nachher - L < c ? nachher : vorher;
                }
            }
            if (kandidat < 0) kandidat = FreiFuerBeide(f, t, L >= 0 ? L + 1 : basis, +1, basis + 47);
            if (kandidat < 0) return -1;
            if (BlockPruefen(basis, kandidat, f, GrenzeE()) && BlockPruefen(basis, kandidat, t, GrenzeL()))
                return kandidat;
        }
    }

    void ErsteVerteilung() {
        if (!P.ZweiTage) P.BitteTag1 = true;
        Basis1 = P.BitteTag1 ? 0 : 48;
        Basis2 = 48 - Basis1;
        for (const auto& g : P.Gespraechsliste) {
            if (g->Termin != -2 || g->IstGenagelt()) continue;
            TZeiten& f = g->Eltern()->Zeiten;
            TZeiten& t = g->Lehrer->Zeiten;
            int s = FindeTermin(f, t, Basis1);
            if (s < 0 && P.ZweiTage) s = FindeTermin(f, t, Basis2);
            if (s >= 0) Buchen(f, t, *g, s);
        }
    }

    int Tageskosten(const TZeiten& p, int basis, bool familie, bool& benutzt) const {
        const int first = ErsterTermin(p, basis), last = LetzterTermin(p, basis);
        benutzt = first >= 0;
        if (!benutzt) return 0;
        int cnt = 0;
        for (int s = first; s <= last; ++s)
            if (Belegt(p, s)) ++cnt;
        const int G = (last - first + 1) - cnt;
        const int tol = familie ? static_cast<int>(std::round(std::log(cnt) * 0.6)) : 0;
        int x = G - tol;
        if (x <= 0) return 0;
        int k = 0, m = 0;
        for (int s = first + 1; s <= last;) {
            if (Belegt(p, s)) {
                ++s;
                continue;
            }
            int laenge = 0;
            while (s <= last && !Belegt(p, s)) {
                ++laenge;
                ++s;
            }
            x += laenge - 1;
            ++k;
            if (laenge >= 2) ++m;
        }
        x = x + k + 2 * m;
        if (m > 0) x += k;
        x -= tol;
        return x < 0 ? 0 : x;
    }

    int Luecken(const TZeiten& p, bool familie) const {
        bool tag1 = false, tag2 = false;
        int kosten = Tageskosten(p, 0, familie, tag1);
        if (P.ZweiTage) kosten += Tageskosten(p, 48, familie, tag2);
        return kosten + (tag1 && tag2 ? 12 : 0);
    }

    int Verschiebungswert(TZeiten& p, int von, int nach) const {
        const int16_t altVon = p[von], altNach = p[nach];
        p[nach] = 32767;
        p[von] = 0;
        const int A = Luecken(p, true);
        p[nach] = 0;
        p[von] = 32767;
        const int B = Luecken(p, true);
        p[von] = altVon;
        p[nach] = altNach;
        return B - A;
    }

    TErgebnis VerdraengungBewerten(int s, TZeiten& F, TZeiten& T) {
        TErgebnis r;
        TGespraech* h = Nummer(F[s] != 0 ? F[s] : T[s]);
        if (h->Termin < 0 || h->IstGenagelt()) return r;
        TZeiten& F2 = h->Eltern()->Zeiten;
        TZeiten& T2 = h->Lehrer->Zeiten;
        TZeiten& x = F[s] != 0 ? T2 : F2;
        x[s] = -1;
        PausenLoesen(s, x);
        const int a1 = FindeTermin(F2, T2, Basis1);
        if (a1 >= 0) {
            r.Wert = Verschiebungswert(F2, s, a1);
            r.Alternative = a1;
        }
        if (P.ZweiTage) {
            const int a2 = FindeTermin(F2, T2, Basis2);
            if (a2 >= 0) {
                const int w = Verschiebungswert(F2, s, a2);
                if (w > r.Wert) {
                    r.Wert = w;
                    r.Alternative = a2;
                }
            }
        }
        x[s] = h->Nummer;
        return r;
    }

    TErgebnis KandidatSuchen(TZeiten& F, TZeiten& T, int start, int schritt, int grenze,
                             const std::vector<bool>& verworfen) {
        TErgebnis r;
        for (int s = start; schritt > 0 ? s <= grenze : s >= grenze; s += schritt) {
            if (!Ex(s) || verworfen[s]) continue;
            if ((F[s] >= 0 && T[s] == 0) || (F[s] == 0 && T[s] >= 0)) {
                if (F[s] == 0 && T[s] == 0) {
                    r = {0, s, s};
                    break;
                }
                const TErgebnis w = VerdraengungBewerten(s, F, T);
                if (r.Wert < w.Wert) r = {w.Wert, s, w.Alternative};
            }
        }
        return r;
    }

    bool Pruefen(int basis, int s, TZeiten& p, int grenze, std::vector<bool>& verworfen) {
        if (p[s] <= 0) return BlockPruefen(basis, s, p, grenze);
        if (Blocklaenge(basis, s, p) <= grenze) return true;
        verworfen[s] = true;
        return false;
    }

    TErgebnis TerminMitVerdraengung(TZeiten& F, TZeiten& T, int basis) {
        std::vector<bool> verworfen(96, false);
        for (;;) {
            const int L = LetzterTermin(F, basis);
            TErgebnis r;
            if (L >= 0) {
                const TErgebnis r1 = KandidatSuchen(F, T, L - 1, -1, basis, verworfen);
                const TErgebnis r2 = KandidatSuchen(F, T, L + 1, +1, basis + 47, verworfen);
                r = r2.Slot >= 0 && (r1.Slot < 0 || r1.Wert < r2.Wert) ? r2 : r1;
            } else {
                r = KandidatSuchen(F, T, basis, +1, basis + 47, verworfen);
            }
            if (r.Slot < 0) return r;
            if (Pruefen(basis, r.Slot, F, GrenzeE(), verworfen) &&
                Pruefen(basis, r.Slot, T, GrenzeL(), verworfen))
                return r;
        }
    }

    void Nachplatzieren() {
        for (const auto& gp : P.Gespraechsliste) {
            TGespraech& g = *gp;
            if (g.Termin != -2 || g.IstGenagelt()) continue;
            TZeiten& F = g.Eltern()->Zeiten;
            TZeiten& T = g.Lehrer->Zeiten;
            const TErgebnis r1 = TerminMitVerdraengung(F, T, Basis1);
            TErgebnis r2;
            if (P.ZweiTage && r1.Slot < 0) r2 = TerminMitVerdraengung(F, T, Basis2);
            if (r1.Slot < 0 && r2.Slot < 0) continue;
            const TErgebnis r = r1.Wert < r2.Wert ? r2 : r1;
            const int s = r.Slot, a = r.Alternative;
            if (F[s] != 0) {
                TGespraech* h = Nummer(F[s]);
                TZeiten& T2 = h->Lehrer->Zeiten;
                T2[s] = 0;
                Buchen(F, T2, *h, a);
                Buchen(F, T, g, s);
            } else if (T[s] != 0) {
                TGespraech* h = Nummer(T[s]);
                TZeiten& F2 = h->Eltern()->Zeiten;
                F2[s] = 0;
                Buchen(F2, T, *h, a);
                Buchen(F, T, g, s);
            } else {
                Buchen(F, T, g, s);
            }
        }
    }

    void Probieren(TZeiten& F, TZeiten& T, int d, int basis) {
        int pos = d > 0 ? basis : basis + 47;
        const int grenze = d > 0 ? basis + 47 : basis;
        while (d * pos < d * grenze) {
            const int c = FreiFuerBeide(F, T, pos, d, grenze);
            if (c >= 0) {
                F[c] = T[c] = 32767;
                pos = c;
                const int diff = KostenFamilie0 - Luecken(F, true);
                if (diff >= 0) {
                    const int g = KostenLehrer0 - Luecken(T, false);
                    if (BesterGewinn < diff || (BesterGewinn == diff && g > 0)) {
                        BesterGewinn = diff;
                        BesterPlatz = c;
                    }
                }
                F[c] = T[c] = 0;
            }
            pos += d;
        }
    }

    void Verbessern(TPerson& person, bool familie, int basis, int d) {
        if (person.Zaehler & 0x8000) return;
        const int b = d > 0 ? ErsterTermin(person.Zeiten, basis) : LetzterTermin(person.Zeiten, basis);
        if (b < 0) return;
        TGespraech* h = Nummer(person.Zeiten[b]);
        if (h->IstGenagelt()) return;
        TZeiten& F = familie ? person.Zeiten : h->Eltern()->Zeiten;
        TZeiten& T = familie ? h->Lehrer->Zeiten : person.Zeiten;
        BesterPlatz = b;
        KostenFamilie0 = Luecken(F, true);
        KostenLehrer0 = Luecken(T, false);
        F[b] = T[b] = 0;
        P.PausenSetzen(F, true);
        P.PausenSetzen(T, false);
        BesterGewinn = 0;
        Probieren(F, T, d, Basis1);
        if (P.ZweiTage) Probieren(F, T, d, Basis2);
        if (BesterPlatz != b) {
            SweepGeaendert = true;
            KeineVerschiebung = false;
            Verbessert = true;
            if (BesterPlatz != h->AlterTermin) KeinNeuerPlatz = false;
            h->AlterTermin = b;
        }
        Buchen(F, T, *h, BesterPlatz);
    }

    template <class Liste> void Phase(const Liste& personen, bool familie, int d) {
        do {
            SweepGeaendert = false;
            for (const auto& p : personen) {
                Verbessert = false;
                Verbessern(*p, familie, Basis1, d);
                if (P.ZweiTage) Verbessern(*p, familie, Basis2, d);
                if (!Verbessert) p->Zaehler |= 0x8000;
            }
        } while (SweepGeaendert);
        for (const auto& p : personen)
            p->Zaehler &= 0x7FFF;
        P.PausenAlle();
    }

    void Optimieren() {
        for (;;) {
            ++Durchgang;
            KeineVerschiebung = true;
            Nachplatzieren();
            KeinNeuerPlatz = true;
            Phase(P.Elternliste, true, +1);
            Phase(P.Elternliste, true, -1);
            Phase(P.Lehrerliste, false, +1);
            Phase(P.Lehrerliste, false, -1);
            if (KeineVerschiebung || KeinNeuerPlatz || Durchgang == 9) return;
        }
    }
};

} // namespace

void ReferenzLauf(TProjekt& projekt) {
    TReferenz(projekt).Lauf();
}
