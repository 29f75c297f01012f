#include "RaumZeitplan.h"

#include "model/Cp1252.h"
#include "model/Meldung.h"
#include "model/Projekt.h"

#include <QHash>
#include <tuple>
#include <utility>

namespace {

bool Gezeigt(TTagesansicht ansicht, int tag) {
    return tag == 0 ? ansicht != TTagesansicht::Tag2 : ansicht != TTagesansicht::Tag1;
}

// First and last slot of the day that holds an appointment of any teacher.
std::pair<int, int> Spaltenbereich(const TProjekt& projekt, int tag) {
    const int anfang = tag * SlotsProTag;
    int erster = -1;
    int letzter = -1;
    for (const auto& l : projekt.Lehrerliste)
        for (int s = anfang; s < anfang + SlotsProTag; ++s) {
            if (l->Zeiten[static_cast<size_t>(s)] <= 0) continue;
            if (erster < 0 || s < erster) erster = s;
            if (s > letzter) letzter = s;
        }
    if (erster < 0) return {anfang, anfang + SlotsProTag - 1};
    return {erster, letzter};
}

bool HatTerminAmTag(const TLehrer& lehrer, int tag) {
    for (int s = tag * SlotsProTag; s < (tag + 1) * SlotsProTag; ++s)
        if (lehrer.Zeiten[static_cast<size_t>(s)] > 0) return true;
    return false;
}

class TFuellung {
public:
    TFuellung(const TProjekt& projekt, TRaumplan& plan, TMeldung* meldung)
        : Projekt(projekt)
        , Plan(plan)
        , Meldung(meldung) {}

    // False when the user cancelled.
    bool Eintragen(int tag, int zeile, const TLehrer& lehrer) {
        TPlantag& t = Plan.Tage[static_cast<size_t>(tag)];
        for (int k = 1; k < t.Spalten(); ++k) {
            const int slot = t.Slot(k);
            if (lehrer.Zeiten[static_cast<size_t>(slot)] <= 0) continue;
            const TLehrer*& drin = t.Lehrer[static_cast<size_t>(zeile)][static_cast<size_t>(k)];
            if (!drin) {
                drin = &lehrer;
                t.Zellen[static_cast<size_t>(zeile)][k] = lehrer.Kuerzel;
                continue;
            }
            TPlankonflikt konflikt{tag,
                                   zeile,
                                   k,
                                   Plan.Raeume[zeile - 1],
                                   Projekt.Zeittexte[static_cast<size_t>(slot)],
                                   drin->Kuerzel,
                                   lehrer.Kuerzel};
            Plan.Konflikte.push_back(konflikt);
            if (!Fragen(konflikt)) return false;
        }
        return true;
    }

private:
    bool Fragen(const TPlankonflikt& konflikt) {
        if (!Meldung || !WeiterFragen) return true;
        switch (Meldung->Meldung(RaumkonfliktFrage(konflikt), RaumkonfliktTitel(konflikt), MeldungsArt::Frage,
                                 Knoepfe::JaNeinAbbrechen, Antwort::Ja)) {
        case Antwort::Ja:
            return true;
        case Antwort::Nein:
            WeiterFragen = false;
            return true;
        default:
            return false;
        }
    }

    const TProjekt& Projekt;
    TRaumplan& Plan;
    TMeldung* Meldung;
    bool WeiterFragen = true;
};

} // namespace

TTagesansicht Tagesansicht(const TProjekt& projekt, std::optional<TTagesansicht> bisher) {
    if (!projekt.ZweiTage) return TTagesansicht::Tag1;
    return bisher.value_or(TTagesansicht::BeideTage);
}

bool TPlantag::Belegt(int zeile, int spalte) const {
    return zeile >= 0 && static_cast<size_t>(zeile) < Lehrer.size() && spalte > 0 && spalte < Spalten() &&
           Lehrer[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)];
}

const TLehrer* RaumplanVorbereiten(TProjekt& projekt) {
    projekt.RaumListeAktualisieren();
    projekt.BelegungMarkieren();
    projekt.ZaehleGespraeche();
    return projekt.Lehrerliste.LehrerOhneRaum();
}

TRaumplan RaumplanBauen(const TProjekt& projekt, TTagesansicht ansicht, TMeldung* meldung) {
    TRaumplan plan;
    plan.Ansicht = projekt.ZweiTage ? ansicht : TTagesansicht::Tag1;
    plan.Raeume = projekt.RaumListe.Raeume();
    const size_t zeilen = static_cast<size_t>(plan.Zeilen());
    for (int tag = 0; tag < 2; ++tag) {
        TPlantag& t = plan.Tage[static_cast<size_t>(tag)];
        t.Gezeigt = Gezeigt(plan.Ansicht, tag);
        std::tie(t.Erster, t.Letzter) = Spaltenbereich(projekt, tag);
        if (!t.Gezeigt) continue;
        t.Zellen.assign(zeilen, QStringList(t.Spalten()));
        t.Lehrer.assign(zeilen, std::vector<const TLehrer*>(static_cast<size_t>(t.Spalten()), nullptr));
        t.Zellen[0][0] = RaumplanEckText();
        for (int k = 1; k < t.Spalten(); ++k)
            t.Zellen[0][k] = projekt.Zeittexte[static_cast<size_t>(t.Slot(k))];
        for (size_t r = 1; r < zeilen; ++r)
            t.Zellen[r][0] = plan.Raeume[static_cast<qsizetype>(r - 1)];
    }

    // Who is entered in which row on which day, in the order the rows are filled: teacher by teacher, a
    // two-room teacher day 1 first, a one-room teacher day 2 first.
    QHash<QString, int> zeileVon;
    for (int r = 1; r < plan.Zeilen(); ++r)
        zeileVon.insert(plan.Raeume[r - 1], r);
    std::vector<std::vector<std::pair<const TLehrer*, int>>> eintraege(zeilen);
    for (const auto& l : projekt.Lehrerliste) {
        const bool zweiRaeume = l->Raum.contains(QChar(RaumTrenner));
        for (int tag : zweiRaeume ? std::array{0, 1} : std::array{1, 0}) {
            const auto r = zeileVon.constFind(zweiRaeume ? RaumAmTag(l->Raum, tag) : l->Raum);
            if (r != zeileVon.cend()) eintraege[static_cast<size_t>(*r)].emplace_back(l.get(), tag);
        }
    }

    TFuellung fuellung(projekt, plan, meldung);
    for (size_t r = 1; r < zeilen; ++r)
        for (const auto& [lehrer, tag] : eintraege[r]) {
            if (!plan.Tage[static_cast<size_t>(tag)].Gezeigt) continue;
            if (!fuellung.Eintragen(tag, static_cast<int>(r), *lehrer)) {
                plan.Abgebrochen = true;
                return plan;
            }
        }
    return plan;
}

TZeilenvergleich ZeilenVergleichen(const TRaumplan& plan, int tag, int quelle, int ziel) {
    if (tag < 0 || tag > 1) return TZeilenvergleich::QuelleLeer;
    const TPlantag& t = plan.Tage[static_cast<size_t>(tag)];
    bool leer = true;
    bool gemeinsam = false;
    for (int k = 1; k < t.Spalten(); ++k) {
        if (!t.Belegt(quelle, k)) continue;
        leer = false;
        if (t.Belegt(ziel, k)) gemeinsam = true;
    }
    if (leer) return TZeilenvergleich::QuelleLeer;
    const bool zielGueltig = ziel >= 1 && ziel < plan.Zeilen() && ziel != quelle;
    return gemeinsam || !zielGueltig ? TZeilenvergleich::Unvereinbar : TZeilenvergleich::Vereinbar;
}

int ZeileVerschieben(TProjekt& projekt, const TRaumplan& plan, int tag, int quelle, int ziel) {
    if (ZeilenVergleichen(plan, tag, quelle, ziel) != TZeilenvergleich::Vereinbar) return 0;
    const QString von = plan.Raeume[quelle - 1];
    const QString nach = plan.Raeume[ziel - 1];
    // Taken from the teachers' rooms rather than from the Kürzel in the cells: a teacher behind a
    // conflict moves as well, and a Kürzel two teachers share cannot move the wrong one.
    int geaendert = 0;
    for (const auto& l : projekt.Lehrerliste) {
        if (RaumAmTag(l->Raum, tag) != von || !HatTerminAmTag(*l, tag)) continue;
        l->Raum = projekt.RaumSetzen(l->Raum, nach, tag == 0);
        ++geaendert;
    }
    return geaendert;
}

QByteArray RaumplanCsv(const TRaumplan& plan) {
    QString text;
    for (int r = 0; r < plan.Zeilen(); ++r) {
        QString zeile;
        for (const TPlantag& t : plan.Tage) {
            if (!t.Gezeigt) continue;
            // A quote inside a cell is doubled, so that a room name with quotes keeps its row intact.
            for (const QString& zelle : t.Zellen[static_cast<size_t>(r)])
                zeile += QStringLiteral(",\"") + QString(zelle).replace(u'"', QStringLiteral("\"\"")) + u'"';
        }
        if (zeile.startsWith(u',')) zeile.remove(0, 1);
        text += zeile + QStringLiteral("\r\n");
    }
    return NachCp1252(text);
}

QString RaumplanEckText() {
    return QStringLiteral("Räume \\\u00A0\u00A0Zeiten");
}

const char* const RaumplanOhneRaeumeText =
    "Es sind noch keine Räume für die Gespräche festgelegt.\rUm Räume festzulegen, rufen Sie den Dialog über "
    "das Menü\rBearbeiten/Raum zuweisen\r oder den zugehörigen Schalter auf.";

const char* const RaumzuweisungUnvollstaendigTitel = "Warnung: Raumzuweisung unvollständig";

QString RaumzuweisungUnvollstaendigText(const TLehrer& lehrer) {
    return QStringLiteral(
               "Es haben noch nicht alle Lehrer\r(an die sich Gesprächswünsche richten)\reinen Raum "
               "zugewiesen bekommen.\r") +
           lehrer.Anschrift(false) +
           QStringLiteral(" hat z.B. Gespräche, aber noch keinen Raum.\r\rLehrer ohne Raum können in der "
                          "Raumübersicht NICHT berücksichtigt werden!");
}

QString RaumkonfliktTitel(const TPlankonflikt& konflikt) {
    return QStringLiteral("Raumkonflikt!  (") + konflikt.Raum + u')';
}

QString RaumkonfliktFrage(const TPlankonflikt& konflikt) {
    return QStringLiteral(
               "Lehrer '%1' und\rLehrer %2\rhaben um %3 ein Gespräch im gleichen Raum.\rIn die Tabelle "
               "wird jetzt für diese Zeit nur %2 eingetragen.\r\rWollen Sie jetzt weitere Konflikte "
               "angezeigt bekommen, falls vorhanden?")
        .arg(konflikt.Neu, konflikt.Eingetragen, konflikt.Zeit);
}

const char* const VerschiebenGesperrtText =
    "Wenn Sie die Raumzuordnung für die markierten Gespräche verschieben wollen, müssen Sie dieses über das "
    "Menü \"Bearbeiten/...zulassen\" ermöglichen";

QString NichtsZuVerschiebenText(const QString& raum) {
    return QStringLiteral("Im markierten Zeitbereich finden im Raum\r     ") + raum +
           QStringLiteral("\rkeine Gespräche statt.\r\rAlso kann nichts verschoben werden.");
}

const char* const VerschiebenTitel = "Verschieben bestätigen:";

QString VerschiebenFrage(const QString& von, const QString& nach) {
    return QStringLiteral("Sollen für den markierten Zeitraum alle Gespräche von\r     ") + von +
           QStringLiteral("\rnach\r     ") + nach + QStringLiteral("\rverschoben werden?");
}

const char* const VerschiebenUnmoeglichText =
    "Verschieben hierher ist NICHT möglich, da verschiedene Gespräche "
    "nicht zeitgleich im selben Raum stattfinden können";
