#include "Gespraechsliste.h"

#include "model/Datumstexte.h"
#include "model/Projekt.h"

#include <array>
#include <optional>

namespace {

const QString Gesperrt = QStringLiteral(" - - - - - - -");
const QString Pause = QStringLiteral(" - - Pause - -");
constexpr QChar Raumtrenner(0x00FF);
constexpr QChar Telefonmarke(0x00A8);

QString Kindtext(const TGespraech& g, bool mitKommtMit) {
    const TKind& k = *g.Kind;
    const QString name = k.Klasse.isEmpty() ? k.Vorname : QStringLiteral("%1 (%2)").arg(k.Vorname, k.Klasse);
    return mitKommtMit && g.KindKommtMit() ? QStringLiteral("+ ") + name : name;
}

uint16_t Marke(const TGespraech& g) {
    return static_cast<uint16_t>(g.Nummer) | (g.IstGenagelt() ? Zeilenmarke::Genagelt : 0);
}

QString Rangtext(const char* format, const TGespraech& g) {
    return QString::asprintf(format, g.Rang + 1);
}

// One composition in either form; a row is a list of columns, the first of which is the caption.
class TZusammenstellung {
public:
    TZusammenstellung(const TProjekt& projekt, const TListenAuftrag& auftrag, bool druck)
        : P(projekt)
        , L(projekt.Listenlayout)
        , Person(*auftrag.AktuellePerson)
        , Eltern(auftrag.FuerEltern)
        , Tuer(auftrag.Tueraushang && !auftrag.FuerEltern)
        , Druck(druck) {
        for (const auto& g : P.Gespraechsliste)
            if (g->Nummer > 0) {
                if (static_cast<size_t>(g->Nummer) >= NachNummer.size()) NachNummer.resize(g->Nummer + 1);
                NachNummer[static_cast<size_t>(g->Nummer)] = g.get();
            }
    }

    struct TZeile {
        QStringList Spalten;
        uint16_t Marke;
    };
    std::vector<TZeile> Zeilen;

    void Ausfuehren() {
        const bool ohneWunsch = Druck && Person.Zaehler == 0;
        if (!ohneWunsch && (!Druck || Person.HatTermin)) Zeitplan();
        const size_t nachPlan = Zeilen.size();
        if (!ohneWunsch) OhneTermin();
        const bool ohneTermin = Zeilen.size() > nachPlan;
        if (Druck && ohneTermin && Person.HatTermin) {
            Zeilen.insert(
                Zeilen.begin() + static_cast<std::ptrdiff_t>(nachPlan),
                {{{QString()}, Zeilenmarke::Leer}, {{L.UeberschriftOhneTermin}, Zeilenmarke::Ueberschrift}});
        }
        if (ohneTermin) return;
        if (!Druck) {
            Zeilen.push_back(
                {{QStringLiteral("ohne "), QStringLiteral("Termin"), QStringLiteral("- keine -")},
                 Zeilenmarke::Hinweis});
        } else if (!Tuer) {
            if (Person.Zaehler == 0)
                Zeilen.push_back(
                    {{QString::fromUtf8("Hier gibt es keinen Gesprächswunsch!")}, Zeilenmarke::Hinweis});
            else if (Eltern ? L.HinweisAlleTerminiertE : L.HinweisAlleTerminiertL)
                Zeilen.push_back(
                    {{QString::fromUtf8("(Für jeden Gesprächswunsch wurde ein Termin gefunden.)")},
                     Zeilenmarke::Hinweis});
        }
    }

private:
    const TGespraech* Gespraech(int nummer) const {
        return nummer > 0 && static_cast<size_t>(nummer) < NachNummer.size()
                   ? NachNummer[static_cast<size_t>(nummer)]
                   : nullptr;
    }

    // The first and last slot of a day that hold a conversation.
    std::optional<std::pair<int, int>> Tagesbereich(int tag) const {
        std::optional<std::pair<int, int>> bereich;
        for (int s = tag * SlotsProTag; s < (tag + 1) * SlotsProTag; ++s)
            if (Person.Zeiten[static_cast<size_t>(s)] > 0 && P.ZeitAktiv[static_cast<size_t>(s)]) {
                if (!bereich) bereich = std::pair{s, s};
                bereich->second = s;
            }
        return bereich;
    }

    bool LeerzeileZeigen(int s, const std::optional<std::pair<int, int>>& bereich) const {
        if (!Druck) return true;
        switch (Eltern ? L.Eltern_Leerzeilen : L.Lehrer_Leerzeilen) {
        case 1:
            return true;
        case 2:
            return bereich && s >= bereich->first && s <= bereich->second;
        default:
            return false;
        }
    }

    QString Datumstext(int tag) const {
        const QDate datum = DatumAusWert(P.Datum[static_cast<size_t>(tag)]);
        return Druck && L.Datumsformat == 0 ? DatumKurz(datum) : DatumTagMonat(datum);
    }

    void Zeitplan() {
        const std::array<std::optional<std::pair<int, int>>, 2> bereiche{Tagesbereich(0), Tagesbereich(1)};
        const auto* lehrer = Eltern ? nullptr : static_cast<const TLehrer*>(&Person);
        const bool zweiRaeume = lehrer && lehrer->Raum.contains(Raumtrenner);
        int letzterTag = -1;
        for (int s = 0; s <= P.LetzterSlot && s < SlotAnzahl; ++s) {
            if (!P.ZeitAktiv[static_cast<size_t>(s)]) continue;
            const int v = Person.Zeiten[static_cast<size_t>(s)];
            const int tag = TagVonSlot(s);
            if (v < 1 && !LeerzeileZeigen(s, bereiche[static_cast<size_t>(tag)])) continue;
            const bool ersteDesTages = tag != letzterTag;
            letzterTag = tag;
            TZeile z{{ersteDesTages ? Datumstext(tag) : QString(), P.Zeittexte[static_cast<size_t>(s)]},
                     Zeilenmarke::Leer};
            const TGespraech* g = v > 0 ? Gespraech(v) : nullptr;
            if (v == SlotGesperrt) {
                z.Spalten << Gesperrt;
                z.Marke = Zeilenmarke::Genagelt;
            } else if (v == SlotPause && (!Eltern || !Druck)) {
                z.Spalten << (L.PauseDrucken ? Pause : QString());
            } else if (v < 1 && !Eltern && Druck) {
                z.Spalten << QString();
            }
            if (v < 1 && Druck) z.Spalten << QString();
            if (g) Gespraechsspalten(z, *g, tag);
            if (lehrer && Druck && !L.TelefonImmer)
                z.Spalten << (ersteDesTages && zweiRaeume ? RaumAmTag(lehrer->Raum, tag) : QString());
            if (g && lehrer && Druck && (L.MitNummer & 2) && !Tuer) z.Spalten << Rangtext("[%d]", *g);
            Zeilen.push_back(std::move(z));
        }
    }

    void Gespraechsspalten(TZeile& z, const TGespraech& g, int tag) const {
        z.Marke = Marke(g);
        if (Eltern) {
            z.Spalten << (g.Lehrer ? LehrerText(*g.Lehrer) : QString()) << Kindtext(g, true)
                      << (g.Lehrer ? RaumAmTag(g.Lehrer->Raum, tag) : QString());
        } else if (Tuer) {
            z.Spalten << QString::fromUtf8("Gespräch");
        } else {
            z.Spalten << FamilienText(*g.Eltern()) << Kindtext(g, true);
            if (Druck && L.TelefonImmer) z.Spalten << Telefonmarke + g.Eltern()->Telefon;
        }
        if (!Druck && (L.MitNummer & 1)) z.Spalten << Rangtext("(%d)", g);
    }

    bool GehoertZurPerson(const TGespraech& g) const {
        if (Eltern) return g.Eltern() == &Person;
        if (Tuer || !g.Lehrer) return false;
        return g.Lehrer->Kuerzel == static_cast<const TLehrer&>(Person).Kuerzel;
    }

    void OhneTermin() {
        bool erste = true;
        for (const auto& eintrag : P.Gespraechsliste) {
            const TGespraech& g = *eintrag;
            if (g.Termin >= 0 || !g.Kind || !GehoertZurPerson(g)) continue;
            QString name =
                Eltern ? (g.Lehrer ? LehrerText(*g.Lehrer) : QString()) : FamilienText(*g.Eltern());
            TZeile z{{}, Marke(g)};
            if (Druck) {
                z.Spalten << QString() << QString() << name << Kindtext(g, false);
                if (!Eltern) {
                    z.Spalten << (L.TelefonNichtTerminiert ? g.Eltern()->Telefon : QString());
                    if (L.MitNummer & 2) z.Spalten << Rangtext("[%d]", g);
                }
            } else {
                if (g.Termin == TerminUnmoeglich) name.prepend(QStringLiteral("* "));
                z.Spalten << (erste ? QStringLiteral("ohne ") : QString())
                          << (erste ? QStringLiteral("Termin") : QString()) << name << Kindtext(g, false);
                if (L.MitNummer & 1) {
                    if (Eltern) z.Spalten << QString();
                    z.Spalten << Rangtext("[%d]", g);
                }
            }
            erste = false;
            Zeilen.push_back(std::move(z));
        }
    }

    const TProjekt& P;
    const TListenlayout& L;
    const TPerson& Person;
    const bool Eltern;
    const bool Tuer;
    const bool Druck;
    std::vector<const TGespraech*> NachNummer;
};

} // namespace

QString LehrerText(const TPerson& person) {
    const auto& l = static_cast<const TLehrer&>(person);
    QString text;
    for (const QString& teil : {l.Anrede, l.AkadTitel, l.Zusatz})
        if (!teil.isEmpty()) text += teil + u' ';
    text += l.Name;
    if (l.NameDoppelt) text += QStringLiteral(" (%1)").arg(l.Kuerzel);
    return text;
}

QString FamilienText(const TPerson& familie) {
    QString text;
    for (const QString& teil : {familie.Anrede, familie.Zusatz})
        if (!teil.isEmpty()) text += teil + u' ';
    return text + familie.Name;
}

void ListeZusammenstellen(const TProjekt& projekt, const TListenAuftrag& auftrag, TListenZeilen& ziel) {
    ziel.clear();
    TZusammenstellung z(projekt, auftrag, true);
    z.Ausfuehren();
    ziel.reserve(z.Zeilen.size());
    for (const auto& zeile : z.Zeilen)
        ziel.push_back({zeile.Spalten.join(u'\t'), zeile.Marke});
}

void ListeZusammenstellen(const TProjekt& projekt, const TListenAuftrag& auftrag, TAnsichtZeilen& ziel) {
    ziel.clear();
    TZusammenstellung z(projekt, auftrag, false);
    z.Ausfuehren();
    ziel.reserve(z.Zeilen.size());
    for (auto& zeile : z.Zeilen) {
        TAnsichtZeile a{zeile.Spalten.takeFirst(), std::move(zeile.Spalten), zeile.Marke};
        ziel.push_back(std::move(a));
    }
}
