#include "Planpruefung.h"

#include "model/Projekt.h"

#include <QSet>
#include <unordered_map>

namespace {

QString PersonText(const TEltern& e) {
    return QStringLiteral("Familie %1 (%2)").arg(e.Nummer).arg(e.VollName());
}

QString PersonText(const TLehrer& l) {
    return QStringLiteral("Lehrer %1").arg(l.Kuerzel);
}

class TPruefung {
public:
    explicit TPruefung(const TProjekt& projekt)
        : P(projekt) {
        for (const auto& g : P.Gespraechsliste) {
            if (!NachNummer.emplace(g->Nummer, g.get()).second)
                Befunde << QStringLiteral("Die Gesprächsnummer %1 kommt mehrfach vor.").arg(g->Nummer);
        }
    }

    // A file names a conversation's teacher by Kürzel and its child by first name: a name given twice
    // sends the conversations of both to the first.
    void Namen() {
        QSet<QString> kuerzel;
        for (const auto& l : P.Lehrerliste)
            if (!Zaehlen(kuerzel, l->Kuerzel))
                Befunde << QStringLiteral("Das Kürzel „%1“ ist mehrfach vergeben.").arg(l->Kuerzel);
        for (const auto& e : P.Elternliste) {
            QSet<QString> vornamen;
            for (const auto& k : e->Kinder)
                if (!Zaehlen(vornamen, k->Vorname))
                    Befunde << QStringLiteral("%1: Der Vorname „%2“ kommt mehrfach vor.")
                                   .arg(PersonText(*e), k->Vorname);
        }
    }

    QStringList Befunde;

    bool Existiert(int s) const {
        return s >= 0 && s <= P.LetzterSlot && P.ZeitAktiv[static_cast<size_t>(s)];
    }

    QString SlotText(int s) const {
        return Existiert(s) ? P.TerminText(s) : QStringLiteral("Slot %1").arg(s);
    }

    void Gespraeche() {
        for (const auto& g : P.Gespraechsliste) {
            if (!g->Lehrer || !g->Eltern()) {
                Befunde << QStringLiteral("Gespräch %1 hat keinen Lehrer oder keine Familie.").arg(g->Nummer);
                continue;
            }
            if (g->Termin < 0) continue;
            if (!Existiert(g->Termin)) {
                Befunde << QStringLiteral("Gespräch %1 steht auf %2, den es im Zeitrahmen nicht gibt.")
                               .arg(g->Nummer)
                               .arg(SlotText(g->Termin));
                continue;
            }
            Eintrag(*g, g->Eltern()->Zeiten, PersonText(*g->Eltern()));
            Eintrag(*g, g->Lehrer->Zeiten, PersonText(*g->Lehrer));
        }
    }

    void Eintrag(const TGespraech& g, const TZeiten& z, const QString& person) {
        const int16_t wert = z[g.Termin];
        if (wert == g.Nummer) return;
        const QString text = wert == SlotGesperrt
                                 ? QStringLiteral("Gespräch %1 steht am %2, wo %3 gesperrt ist.")
                                 : QStringLiteral("Gespräch %1 steht am %2 nicht bei %3.");
        Befunde << text.arg(g.Nummer).arg(SlotText(g.Termin), person);
    }

    template <class Person> void Eintraege(const Person& person, bool istFamilie) {
        for (int s = 0; s < SlotAnzahl; ++s) {
            const int16_t n = person.Zeiten[s];
            if (n <= 0) continue;
            const auto it = NachNummer.find(n);
            const TGespraech* g = it == NachNummer.end() ? nullptr : it->second;
            const TPerson* zustaendig = !g           ? nullptr
                                        : istFamilie ? static_cast<const TPerson*>(g->Eltern())
                                                     : static_cast<const TPerson*>(g->Lehrer);
            if (g && g->Termin == s && zustaendig == &person) continue;
            const QString text =
                g ? QStringLiteral("%1: am %2 steht Gespräch %3, das dort nicht terminiert ist.")
                  : QStringLiteral("%1: am %2 steht Gespräch %3, das es nicht gibt.");
            Befunde << text.arg(PersonText(person), SlotText(s)).arg(n);
        }
    }

    template <class Person> void Bloecke(const Person& person, int grenze) {
        if (grenze <= 0) return;
        const int tage = P.ZweiTage ? 2 : 1;
        for (int tag = 0; tag < tage; ++tag) {
            const int ende = (tag + 1) * SlotsProTag;
            for (int s = tag * SlotsProTag; s < ende;) {
                const int anfang = s;
                while (s < ende && Existiert(s) && person.Zeiten[s] > 0)
                    ++s;
                if (s - anfang > grenze)
                    Befunde << QStringLiteral("%1: %2 Termine in Folge ab %3, erlaubt sind %4.")
                                   .arg(PersonText(person))
                                   .arg(s - anfang)
                                   .arg(SlotText(anfang))
                                   .arg(grenze);
                if (s == anfang) ++s;
            }
        }
    }

private:
    static bool Zaehlen(QSet<QString>& schon, const QString& name) {
        const auto vorher = schon.size();
        schon.insert(name);
        return schon.size() > vorher;
    }

    const TProjekt& P;
    std::unordered_map<int, const TGespraech*> NachNummer;
};

} // namespace

QStringList PlanPruefen(const TProjekt& projekt) {
    TPruefung pruefung(projekt);
    pruefung.Namen();
    pruefung.Gespraeche();
    // A conversation placed by hand onto a pause may make a run longer than the limit: that is the
    // user's decision, not an inconsistency, so the limit is checked only for plans nobody edited by hand.
    const bool vonHand = projekt.Handverschoben != 0;
    for (const auto& e : projekt.Elternliste) {
        pruefung.Eintraege(*e, true);
        if (!vonHand) pruefung.Bloecke(*e, projekt.MaximalBlock_El);
    }
    for (const auto& l : projekt.Lehrerliste) {
        pruefung.Eintraege(*l, false);
        if (!vonHand) pruefung.Bloecke(*l, projekt.MaximalBlock);
    }
    return pruefung.Befunde;
}
