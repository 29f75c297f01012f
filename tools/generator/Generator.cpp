#include "Generator.h"

#include "model/Cp1252.h"
#include "model/Datumstexte.h"
#include "model/Projekt.h"
#include "timeframe/ZRahmen.h"

#include <QDate>
#include <QStringList>
#include <algorithm>
#include <random>

namespace {

const char* const Nachnamen[] = {
    "Müller",   "Schmidt",  "Schneider", "Fischer",    "Weber",   "Meyer",    "Wagner",     "Becker",
    "Schulz",   "Hoffmann", "Schäfer",   "Koch",       "Bauer",   "Richter",  "Klein",      "Wolf",
    "Schröder", "Neumann",  "Schwarz",   "Zimmermann", "Braun",   "Krüger",   "Hofmann",    "Hartmann",
    "Lange",    "Schmitt",  "Werner",    "Schmitz",    "Krause",  "Meier",    "Lehmann",    "Schmid",
    "Schulze",  "Maier",    "Köhler",    "Herrmann",   "König",   "Walter",   "Mayer",      "Huber",
    "Kaiser",   "Fuchs",    "Peters",    "Lang",       "Scholz",  "Möller",   "Weiß",       "Jung",
    "Hahn",     "Schubert", "Vogel",     "Friedrich",  "Keller",  "Günther",  "Frank",      "Berger",
    "Winkler",  "Roth",     "Beck",      "Lorenz",     "Baumann", "Franke",   "Albrecht",   "Schuster",
    "Simon",    "Ludwig",   "Böhm",      "Winter",     "Kraus",   "Martin",   "Schumacher", "Krämer",
    "Vogt",     "Stein",    "Jäger",     "Otto",       "Sommer",  "Groß",     "Seidel",     "Heinrich",
    "Brandt",   "Haas",     "Schreiber", "Graf",       "Schulte", "Dietrich", "Ziegler",    "Kuhn",
    "Kühn",     "Pohl",     "Engel",     "Horn",       "Busch",   "Bergmann", "Thomas",     "Voigt",
    "Sauer",    "Arnold",   "Wolff",     "Pfeiffer",   "Yılmaz",  "Nowak",    "Kowalski",   "Öztürk",
};

const char* const Vornamen[] = {
    "Anna",   "Ben",    "Clara",  "David",  "Emma",  "Felix", "Greta", "Hannah",  "Jonas", "Jörg",
    "Lena",   "Leon",   "Lukas",  "Marie",  "Mia",   "Noah",  "Paul",  "Sophie",  "Tim",   "Zoë",
    "Elias",  "Finn",   "Ida",    "Jana",   "Karl",  "Lotta", "Maxi",  "Nele",    "Ole",   "Pia",
    "Jürgen", "Söhnke", "Malte",  "Frieda", "Ömer",  "Ayşe",  "Luca",  "Milan",   "Emil",  "Mats",
    "Lea",    "Luisa",  "Moritz", "Niklas", "Sarah", "Theo",  "Tom",   "Vincent", "Yusuf", "Zoe",
};

const char* const Zusaetze[] = {"von", "van der", "de", "von der"};
const char* const Titel[] = {"Dr.", "Dr. Dr.", "Prof. Dr."};

class TZufall {
public:
    explicit TZufall(uint32_t saat)
        : Gen(saat) {}
    // Independent of the standard library's distributions, so every machine makes the same project.
    int Zahl(int n) { return static_cast<int>(Gen() % static_cast<uint32_t>(n)); }
    bool Prozent(int p) { return Zahl(100) < p; }
    // In the form a project file stores, as if typed in by the office ("Yılmaz" becomes "Yilmaz").
    template <class T, size_t N> QString Aus(const T (&feld)[N]) {
        return Speicherform(QString::fromUtf8(feld[Zahl(N)]));
    }

private:
    std::mt19937 Gen;
};

QString KuerzelAus(const QString& name) {
    QString basis = name;
    basis.replace(u'ä', "ae").replace(u'ö', "oe").replace(u'ü', "ue").replace(u'ß', "ss").replace(u'Ö', "Oe");
    return basis.left(3).toUpper();
}

void Rahmen(TProjekt& p, const TGeneratorOptionen& o) {
    const int start = 20 * 60 - o.Slots * 10; // the last slot of a day starts at 19:50
    for (int tag = 0; tag < o.Tage; ++tag)
        for (int i = 0; i < o.Slots; ++i) {
            const int s = tag * SlotsProTag + i;
            p.Zeittexte[s] = UhrzeitText(start + i * 10);
            p.ZeitAktiv[s] = true;
        }
    const QDate tag1(2027, 3, 1);
    p.Datum = {WertAusDatum(tag1), o.Tage > 1 ? WertAusDatum(tag1.addDays(1)) : 0.0};
    ZweiTageBestimmen(p);
}

// About one person in three arrives late or leaves early: a run of blocked slots at one end of a day.
void Sperren(TProjekt& p, TZeiten& zeiten, const TGeneratorOptionen& o, TZufall& z) {
    if (!z.Prozent(33)) return;
    const int tag = z.Zahl(o.Tage);
    const int laenge = 1 + z.Zahl(std::max(1, o.Slots * 3 / 10));
    const bool anfang = z.Prozent(50);
    for (int i = 0; i < laenge; ++i) {
        const int s = tag * SlotsProTag + (anfang ? i : o.Slots - 1 - i);
        if (p.ZeitAktiv[s]) zeiten[s] = SlotGesperrt;
    }
}

void LehrerAnlegen(TProjekt& p, const TGeneratorOptionen& o, TZufall& z) {
    for (int i = 0; i < o.Lehrer; ++i) {
        const QString name = z.Aus(Nachnamen);
        QString kuerzel = KuerzelAus(name);
        for (int n = 2; p.Lehrerliste.FindeKuerzel(kuerzel); ++n)
            kuerzel = KuerzelAus(name) + QString::number(n);
        TLehrer* l = p.NeuerLehrer(z.Prozent(55) ? "Frau" : "Herr", kuerzel, name,
                                   z.Prozent(3) ? z.Aus(Zusaetze) : QString(),
                                   z.Prozent(12) ? z.Aus(Titel) : QString());
        l->Raum = QStringLiteral("%1%2").arg(QChar(u'A' + z.Zahl(4))).arg(100 + z.Zahl(40));
        if (o.Tage > 1 && z.Prozent(10))
            l->Raum = p.RaumSetzen(l->Raum, QStringLiteral("B%1").arg(200 + z.Zahl(30)), false);
        Sperren(p, l->Zeiten, o, z);
    }
    p.Lehrerliste.LehrerSortieren();
    p.Lehrerliste.NamenDoppeltMarkieren();
}

QStringList Klassen() {
    QStringList klassen;
    for (int stufe = 5; stufe <= 13; ++stufe)
        for (QChar zug : {u'a', u'b', u'c'})
            klassen << QString::number(stufe) + zug;
    return klassen;
}

} // namespace

void ProjektErzeugen(TProjekt& p, const TGeneratorOptionen& o) {
    TZufall z(o.Saat);
    Rahmen(p, o);
    LehrerAnlegen(p, o, z);

    // Every class has a few teachers; the first of them are asked for most often.
    const QStringList klassen = Klassen();
    std::vector<std::vector<TLehrer*>> klassenLehrer(static_cast<size_t>(klassen.size()));
    for (auto& liste : klassenLehrer)
        while (static_cast<int>(liste.size()) < std::min(8, o.Lehrer)) {
            TLehrer* l = p.Lehrerliste[z.Zahl(o.Lehrer)];
            if (std::find(liste.begin(), liste.end(), l) == liste.end()) liste.push_back(l);
        }

    for (int i = 0; i < o.Familien; ++i) {
        const int anrede = z.Zahl(100);
        TEltern* e = p.NeueFamilie(anrede < 80   ? "Familie"
                                   : anrede < 92 ? "Frau"
                                                 : "Herr",
                                   z.Aus(Nachnamen), z.Prozent(4) ? z.Aus(Zusaetze) : QString());
        if (z.Prozent(50))
            e->Telefon = QStringLiteral("0%1 %2").arg(200 + z.Zahl(700)).arg(10000 + z.Zahl(89999));
        Sperren(p, e->Zeiten, o, z);
        const int wurf = z.Zahl(100);
        const int kinder = wurf < 50 ? 1 : wurf < 85 ? 2 : 3;
        for (int k = 0; k < kinder; ++k) {
            QString vorname = z.Aus(Vornamen);
            while (e->Kinder.FindeVorname(vorname))
                vorname = z.Aus(Vornamen);
            const int klasse = z.Zahl(static_cast<int>(klassen.size()));
            TKind* kind = p.NeuesKind(e, vorname, klassen[klasse]);
            if (z.Prozent(5)) kind->Nachname = z.Aus(Nachnamen);
            const int w = z.Zahl(100);
            const int wuensche = w < 25 ? 1 : w < 60 ? 2 : w < 85 ? 3 : 4;
            std::vector<TLehrer*> gewaehlt;
            const auto& lehrer = klassenLehrer[static_cast<size_t>(klasse)];
            while (static_cast<int>(gewaehlt.size()) <
                   std::min<int>(wuensche, static_cast<int>(lehrer.size()))) {
                // The smaller of two draws favours the front of the class's teacher list.
                const int n = static_cast<int>(lehrer.size());
                TLehrer* l = lehrer[static_cast<size_t>(std::min(z.Zahl(n), z.Zahl(n)))];
                if (std::find(gewaehlt.begin(), gewaehlt.end(), l) != gewaehlt.end()) continue;
                gewaehlt.push_back(l);
                TGespraech* g = p.NeuesGespraech(l, kind);
                g->SetKindKommtMit(z.Prozent(3));
            }
        }
        e->KinderSortieren(p.LatKlBez);
    }
    p.ZaehleGespraeche();
}
