#include "Statistik.h"

#include "model/Projekt.h"
#include "scheduler/Termin.h"

#include <QLocale>
#include <algorithm>

namespace {

const QLocale Deutsch(QLocale::German, QLocale::Germany);

double Mittel(int gespraeche, int zahl) {
    return zahl > 0 ? double(gespraeche) / zahl : 0.0;
}

bool Aktiv(const TProjekt& p, int s) {
    return s <= p.LetzterSlot && p.ZeitAktiv[size_t(s)];
}

} // namespace

TStatistik StatistikBerechnen(TProjekt& p) {
    p.ZaehleGespraeche();
    TTerminierung(p).UnmoeglicheBestimmen();
    TStatistik s;
    s.GZahl = p.Gespraechsliste.Count();
    for (const auto& e : p.Elternliste) {
        if (e->Zaehler > 0) ++s.EZahl;
        for (const auto& k : e->Kinder)
            if (!k->Gespraeche.empty()) ++s.KZahl;
    }
    int ausgeschlossen = 0;
    for (const auto& g : p.Gespraechsliste) {
        if (g->Termin >= 0) ++s.AnzG;
        if (g->Termin == TerminUnmoeglich || (g->Termin == TerminOffen && g->IstGenagelt())) ++ausgeschlossen;
    }
    int mangel = 0;
    for (const auto& l : p.Lehrerliste) {
        if (l->Zaehler == 0) continue;
        ++s.LZahl;
        int frei = 0;
        for (int slot = 0; slot < SlotAnzahl; ++slot)
            if (Aktiv(p, slot) && l->Zeiten[size_t(slot)] >= 0) ++frei;
        mangel += std::max(0, int(l->Zaehler) - frei);
    }
    s.mGE = Mittel(s.GZahl, s.EZahl);
    s.mGK = Mittel(s.GZahl, s.KZahl);
    s.mGL = Mittel(s.GZahl, s.LZahl);
    // The run keeps its duration in days, as a date difference.
    s.RZeit = p.Laufzeit * 86400.0;
    s.keinT = s.GZahl - s.AnzG;
    s.unmT = ausgeschlossen;
    s.zuvT = std::clamp(mangel, 0, std::max(0, s.GZahl - s.AnzG - ausgeschlossen));
    s.maxF = s.GZahl - ausgeschlossen - s.zuvT;
    if (s.maxF > 0) s.Quote = s.AnzG * 100.0 / s.maxF;
    s.MaximalBlock = p.MaximalBlock;
    s.MaximalBlockEl = p.MaximalBlock_El;
    return s;
}

QString Zahltext(double wert) {
    return Deutsch.toString(wert, 'f', 2);
}

QString Quotentext(const TStatistik& s) {
    return s.Quote ? Zahltext(*s.Quote) + u'%' : QString();
}

QString Rechenzeittext(const TStatistik& s) {
    return s.RZeit > 0 ? QStringLiteral("Rechenzeit: ") + Zahltext(s.RZeit) + u's' : QString();
}

std::vector<TStatistikzeile> Statistikzeilen(const TStatistik& s) {
    const auto n = [](int wert) { return QString::number(wert); };
    return {
        {0, QStringLiteral("E I N G A B E N :"), {}},
        {2, QStringLiteral("Anzahl der Gesprächswünsche:"), n(s.GZahl)},
        {3, QStringLiteral("Anzahl der beteiligten Eltern:"), n(s.EZahl)},
        {4, QStringLiteral("Anzahl der Kinder:"), n(s.KZahl)},
        {5, QStringLiteral("Anzahl der beteiligten Lehrkräfte:"), n(s.LZahl)},
        {7, QStringLiteral("Mittlere Anzahl von Gesprächen pro Familie:"), Zahltext(s.mGE)},
        {8, QStringLiteral("Mittlere Anzahl von Gesprächen pro Kind:"), Zahltext(s.mGK)},
        {9, QStringLiteral("Mittlere Anzahl von Gesprächen pro Lehrkraft:"), Zahltext(s.mGL)},
        {12, QStringLiteral("A U S W E R T U N G :"), {}},
        {14, QStringLiteral("Anzahl von Gesprächen insgesamt:"), n(s.GZahl)},
        {15, QStringLiteral("Kein Termin festgesetzt für:"), n(s.keinT)},
        {16, QStringLiteral("Prinzipiell von der Terminierung ausgeschlossen:"), n(s.unmT)},
        {17, QStringLiteral("Wegen Zeitmangels bei Lehrern nicht terminierbar:"), n(s.zuvT)},
        {18,
         QStringLiteral("(Lehrer haben maximal %1 und Eltern maximal %2 Gespräche ohne Pause.)")
             .arg(s.MaximalBlock)
             .arg(s.MaximalBlockEl),
         {}},
        {20,
         QStringLiteral("Es bleibt als maximale Anzahl terminierbarer Gespräche (%1 - %2 - %3):")
             .arg(s.GZahl)
             .arg(s.unmT)
             .arg(s.zuvT),
         n(s.maxF)},
        {22, QStringLiteral("Anzahl der mit VEL gesetzten Termine:"), n(s.AnzG)},
        {24, QStringLiteral("E R F O L G S Q U O T E  (%1 von %2):").arg(s.AnzG).arg(s.maxF), Quotentext(s)},
    };
}

TAuslastung AuslastungBerechnen(const TProjekt& p) {
    TAuslastung a;
    for (int tag = 0; tag < (p.ZweiTage ? 2 : 1); ++tag)
        for (int i = 0; i < SlotsProTag; ++i) {
            const int slot = tag * SlotsProTag + i;
            if (!Aktiv(p, slot)) continue;
            a.Zeiten[tag].push_back(p.Zeittexte[size_t(slot)]);
            int n = 0;
            for (const auto& l : p.Lehrerliste)
                if (l->Zeiten[size_t(slot)] > 0) ++n;
            a.Gespraeche[tag].push_back(n);
        }
    // The slots between two appointments of one family on one day.
    for (const auto& e : p.Elternliste)
        for (int tag = 0; tag < 2; ++tag) {
            int letzte = -1;
            for (int i = 0; i < SlotsProTag; ++i) {
                if (e->Zeiten[size_t(tag * SlotsProTag + i)] <= 0) continue;
                if (letzte >= 0) {
                    const size_t luecke = size_t(i - letzte - 1);
                    if (a.Wartezeiten.size() <= luecke) a.Wartezeiten.resize(luecke + 1, 0);
                    ++a.Wartezeiten[luecke];
                }
                letzte = i;
            }
        }
    return a;
}
