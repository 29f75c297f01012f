#include "Planhilfen.h"

#include "model/Projekt.h"

#include <QTextStream>
#include <random>

namespace {

QString Zeiten(const TZeiten& z) {
    QStringList teile;
    for (int16_t w : z)
        teile << QString::number(w);
    return teile.join(' ');
}

// Length of the run a booking at s would stand in.
int Lauflaenge(const TProjekt& p, const TZeiten& z, int s) {
    const int basis = s / SlotsProTag * SlotsProTag;
    auto belegt = [&](int i) { return p.ZeitAktiv[i] && z[i] > 0; };
    int n = 1;
    for (int i = s - 1; i >= basis && belegt(i); --i)
        ++n;
    for (int i = s + 1; i < basis + SlotsProTag && belegt(i); ++i)
        ++n;
    return n;
}

} // namespace

QString PlanAbbild(const TProjekt& p, bool mitZaehlern) {
    QString text;
    QTextStream s(&text);
    s << "Flags " << p.UnmoeglichBestimmt << p.ReihenfolgeFest << p.TermineBerechnet << p.BitteTag1 << '\n';
    for (const auto& g : p.Gespraechsliste)
        s << "G" << g->Nummer << ' ' << g->Termin << ' ' << g->AlterTermin << ' ' << g->Flags << '\n';
    auto person = [&](const TPerson& x) {
        if (mitZaehlern) s << ' ' << x.Zaehler << ' ' << x.FreieZeiten;
        s << ' ' << Zeiten(x.Zeiten) << '\n';
    };
    for (const auto& e : p.Elternliste) {
        s << "E" << e->Nummer;
        person(*e);
    }
    for (const auto& l : p.Lehrerliste) {
        s << "L" << l->Kuerzel;
        person(*l);
    }
    return text;
}

QString ErsterUnterschied(const QString& a, const QString& b) {
    const QStringList za = a.split('\n');
    const QStringList zb = b.split('\n');
    for (qsizetype i = 0; i < std::max(za.size(), zb.size()); ++i) {
        const QString x = za.value(i);
        const QString y = zb.value(i);
        if (x != y) return QStringLiteral("Zeile %1:\n  %2\n  %3").arg(i).arg(x, y);
    }
    return {};
}

void ProjektAufbauen(TProjekt& p, const TGeneratorOptionen& o, int grenzeLehrer, int grenzeEltern, bool tag1,
                     TVorbelegung vorbelegung) {
    ProjektErzeugen(p, o);
    p.MaximalBlock = static_cast<uint16_t>(grenzeLehrer);
    p.MaximalBlock_El = static_cast<uint16_t>(grenzeEltern);
    p.BitteTag1 = tag1;
    if (vorbelegung == TVorbelegung::Keine) return;
    std::mt19937 z(o.Saat * 7919u + 13u);
    auto zahl = [&](int n) { return static_cast<int>(z() % static_cast<uint32_t>(n)); };
    // Scattered blocks, some families blocked almost all day so that a few conversations become impossible.
    for (const auto& e : p.Elternliste) {
        for (int i = 0; i < 3; ++i)
            if (zahl(4) == 0) e->Zeiten[zahl(p.LetzterSlot + 1)] = SlotGesperrt;
        if (zahl(25) == 0)
            for (int s = 0; s <= p.LetzterSlot; ++s)
                if (zahl(8) != 0) e->Zeiten[s] = SlotGesperrt;
    }
    for (const auto& l : p.Lehrerliste)
        if (zahl(3) == 0) l->Zeiten[zahl(p.LetzterSlot + 1)] = SlotGesperrt;
    // Hand-set appointments, most of them nailed, at slots free for both.
    for (const auto& g : p.Gespraechsliste) {
        if (zahl(5) != 0) continue;
        const int s = zahl(p.LetzterSlot + 1);
        if (!p.ZeitAktiv[s] || g->Eltern()->Zeiten[s] != SlotFrei || g->Lehrer->Zeiten[s] != SlotFrei)
            continue;
        auto passt = [&](const TZeiten& z, int grenze) {
            return grenze == 0 || Lauflaenge(p, z, s) <= grenze;
        };
        if (vorbelegung == TVorbelegung::Naegel &&
            (!passt(g->Eltern()->Zeiten, grenzeEltern) || !passt(g->Lehrer->Zeiten, grenzeLehrer)))
            continue;
        g->Termin = static_cast<int16_t>(s);
        g->Eltern()->Zeiten[s] = g->Lehrer->Zeiten[s] = g->Nummer;
        g->SetGenagelt(zahl(4) != 0);
    }
    p.PausenAlle();
}

QString NaegelUndSperren(const TProjekt& p) {
    QString text;
    QTextStream s(&text);
    for (const auto& g : p.Gespraechsliste)
        if (g->IstGenagelt()) s << g->Nummer << '@' << g->Termin << ' ';
    auto sperren = [&](const TPerson& x) {
        for (int i = 0; i < SlotAnzahl; ++i)
            if (x.Zeiten[i] == SlotGesperrt) s << i << ',';
        s << ';';
    };
    for (const auto& e : p.Elternliste)
        sperren(*e);
    for (const auto& l : p.Lehrerliste)
        sperren(*l);
    return text;
}

void TProtokoll::Balken(int balken, int prozent) {
    if (balken == 0) Balken0 << prozent;
}

void TProtokoll::Text(TLaufText label, const QString& text) {
    Texte << QStringLiteral("Label%1 %2").arg(static_cast<int>(label) + 1).arg(text);
    if ((label == TLaufText::Label3 || label == TLaufText::Label4) && text == AbbruchPhase)
        PhaseErreicht = true;
}

bool TProtokoll::Abbruch() {
    ++Abfragen;
    if (AbbruchNach < 0 || !(PhaseErreicht || AbbruchPhase.isEmpty())) return false;
    return SeitPhase++ >= AbbruchNach;
}
