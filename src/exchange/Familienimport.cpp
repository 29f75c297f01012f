#include "Familienimport.h"

#include "model/Cp1252.h"
#include "model/Dateneingabe.h"
#include "model/Projekt.h"
#include "model/Projektoperationen.h"

#include <algorithm>

namespace {

QString Ziffern(const QString& text) {
    QString z;
    for (const QChar c : text)
        if (c.isDigit()) z += c;
    return z;
}

bool Entscheiden(TGeschwisterAntwort a, bool namenGleich, bool& automatisch, bool& abbrechen) {
    switch (a) {
    case TGeschwisterAntwort::Ja:
        return true;
    case TGeschwisterAntwort::Nein:
        return false;
    case TGeschwisterAntwort::Automatisch:
        automatisch = true;
        return namenGleich;
    case TGeschwisterAntwort::Abbrechen:
        break;
    }
    abbrechen = true;
    return false;
}

void Beitreten(TProjekt& p, TEltern& f, TImportSatz r, TFamilienFragen& fragen) {
    const QString vorher = f.VollName();
    if (r.Vollname() != vorher && f.Zaehler == 0) {
        if (const auto name = fragen.Familienname(f, r); name && !name->second.isEmpty()) {
            f.Zusatz = name->first;
            f.Name = name->second;
        }
        f.Zaehler = 1;
    }
    if (f.VollName() != vorher && !f.Kinder.Leer()) f.Kinder[0]->Vorname += u' ' + vorher;
    QString vorname = r.Vorname;
    if (r.Vollname() != f.VollName()) vorname += u' ' + r.Vollname();
    if (f.Kinder.FindeVorname(vorname)) vorname += QString::number(f.Kinder.Count());
    p.NeuesKind(&f, vorname, r.Klasse);
}

} // namespace

TKlassenantwort TFamilienFragen::KlasseFehlt(const TImportSatz&, const QString&) {
    return {TKlassenwahl::Leer, {}, true};
}

TGeschwisterAntwort TFamilienFragen::Geschwister(int, const TImportSatz&, const TEltern&, bool) {
    return TGeschwisterAntwort::Automatisch;
}

bool TFamilienFragen::GleichesTelefon(const TImportSatz&, const TEltern&) {
    return false;
}

std::optional<std::pair<QString, QString>> TFamilienFragen::Familienname(const TEltern&, const TImportSatz&) {
    return std::nullopt;
}

std::optional<TImportSatz> SchuelerSatz(int zeile, std::array<QString, 6> texte, bool telefonZugeordnet,
                                        TFamilienImportStand& stand, TFamilienFragen& fragen) {
    for (QString& t : texte)
        t = Speicherform(t.trimmed());
    TImportSatz s{texte[SVorname], texte[SZusatz], texte[SNachname], texte[SKlasse], texte[STelefon]};
    if (s.Nachname.isEmpty()) s.Nachname = QStringLiteral("X?");
    if (s.Vorname.isEmpty()) return std::nullopt;
    // Without a phone column every pupil gets a number of its own, so that none share a phone.
    if (!telefonZugeordnet) s.Telefon = QString::number(zeile);
    if (s.Zusatz.isEmpty() && s.Nachname.startsWith(QStringLiteral("von "))) {
        s.Zusatz = QStringLiteral("von");
        s.Nachname = s.Nachname.mid(4).trimmed();
    }
    if (s.Zusatz.isEmpty() && s.Nachname.size() > 4 && s.Nachname.endsWith(QStringLiteral(", von"))) {
        s.Zusatz = QStringLiteral("von");
        s.Nachname.chop(5);
    }
    if (!s.Klasse.isEmpty()) {
        stand.ImportKlasse = s.Klasse;
        return s;
    }
    if (stand.KlasseFragen) {
        stand.KlassenVorgabe = fragen.KlasseFehlt(s, stand.ImportKlasse);
        if (stand.KlassenVorgabe.FuerAlle) {
            stand.KlasseFragen = false;
            stand.KlassenFolgeImport = true;
        }
    }
    switch (stand.KlassenVorgabe.Wahl) {
    case TKlassenwahl::Zuletzt:
        s.Klasse = stand.ImportKlasse;
        break;
    case TKlassenwahl::Eigene:
        s.Klasse = Trimmen(stand.KlassenVorgabe.Klasse);
        stand.ImportKlasse = s.Klasse;
        break;
    case TKlassenwahl::Leer:
        break;
    }
    return s;
}

namespace {

int Aehnlichkeit(const QString& a, const QString& b, bool gleicherName) {
    int code = 0;
    if (a.isEmpty() && b.isEmpty())
        code = 1;
    else if (a == b)
        code = 3;
    else if (!a.isEmpty() && !b.isEmpty() && (a.contains(b) || b.contains(a)))
        code = 2;
    return gleicherName ? code + 4 : code;
}

} // namespace

int Aehnlichkeit(const TEltern& f, const TImportSatz& r) {
    return Aehnlichkeit(Ziffern(f.Telefon), Ziffern(r.Telefon), f.Name == r.Nachname);
}

TFamilienImportErgebnis GeschwisterZuordnen(TProjekt& p, const std::vector<TImportSatz>& saetze,
                                            TFamilienFragen& fragen, TFamilienImportStand& stand) {
    TFamilienImportErgebnis e;
    // The digits of every family's phone, kept beside the list: thousands of pupils meet thousands of
    // families.
    std::vector<QString> telefone;
    for (const auto& f : p.Elternliste)
        telefone.push_back(Ziffern(f->Telefon));
    for (const TImportSatz& r : saetze) {
        TEltern* gefunden = nullptr;
        const QString ziffern = Ziffern(r.Telefon);
        for (int i = 0; i < p.Elternliste.Count(); ++i) {
            TEltern* f = p.Elternliste[i];
            const QString& telefon = telefone[size_t(i)];
            // Two different phones neither of which contains the other: no siblings, no question.
            if (!telefon.isEmpty() && !ziffern.isEmpty() && telefon != ziffern &&
                !telefon.contains(ziffern) && !ziffern.contains(telefon))
                continue;
            const bool namenGleich = f->VollName() == r.Vollname();
            const int code = Aehnlichkeit(telefon, ziffern, f->Name == r.Nachname);
            bool geschwister = false;
            switch (code) {
            case 1:
            case 5:
            case 2:
            case 6: {
                const bool ohneTelefon = code == 1 || code == 5;
                bool& automatisch = ohneTelefon ? stand.Q1Automatisch : stand.Q2Automatisch;
                geschwister = automatisch
                                  ? namenGleich
                                  : Entscheiden(fragen.Geschwister(ohneTelefon ? 1 : 2, r, *f, namenGleich),
                                                namenGleich, automatisch, e.Abgebrochen);
                if (e.Abgebrochen) return e;
                if (geschwister && !ohneTelefon && ziffern.size() > telefon.size()) {
                    f->Telefon = r.Telefon;
                    telefone[size_t(i)] = ziffern;
                }
                break;
            }
            case 3:
                geschwister = fragen.GleichesTelefon(r, *f);
                break;
            case 7:
                geschwister = true;
                break;
            default:
                break;
            }
            if (geschwister) {
                gefunden = f;
                break;
            }
        }
        if (gefunden) {
            Beitreten(p, *gefunden, r, fragen);
            ++e.Geschwister;
        } else {
            TEltern* neu = p.NeueFamilie(QStringLiteral("Familie"), r.Nachname, r.Zusatz);
            neu->Telefon = r.Telefon;
            neu->Zaehler = 0;
            telefone.push_back(ziffern);
            p.NeuesKind(neu, r.Vorname, r.Klasse);
            ++e.Familien;
        }
        ++e.Kinder;
    }
    return e;
}

TFamilienImportErgebnis FamilienImportieren(TProjekt& p, TRueckCollection& rueck, const TTextimport& datei,
                                            const TFeldzuordnung& zuordnung, bool anhaengen,
                                            TFamilienFragen& fragen, TFamilienImportStand& stand) {
    stand.KlasseFragen = true;
    stand.Q1Automatisch = stand.Q2Automatisch = false;
    std::vector<TImportSatz> saetze;
    for (size_t i = 0; i < datei.Zeilen.size(); ++i)
        if (auto s =
                SchuelerSatz(int(i), datei.Felder(i, zuordnung), zuordnung[STelefon] >= 0, stand, fragen))
            saetze.push_back(std::move(*s));
    if (!anhaengen) {
        PlanZuruecksetzen(p, rueck, false);
        // Without conversations the reset keeps the undo store, whose entries may name these families.
        rueck.Clear();
        p.Gespraechsliste.Clear();
        p.Elternliste.Clear();
    }
    // Families of an appending import that have conversations are never asked about their name.
    p.ZaehleGespraeche();
    std::vector<const TEltern*> vorher;
    std::vector<const TKind*> kinderVorher;
    for (const auto& f : p.Elternliste) {
        vorher.push_back(f.get());
        for (const auto& k : f->Kinder)
            kinderVorher.push_back(k.get());
    }
    TFamilienImportErgebnis e = GeschwisterZuordnen(p, saetze, fragen, stand);
    if (e.Abgebrochen) {
        // A cancelled import takes back what it added; the families that were there stay with their
        // conversations.
        std::vector<TEltern*> neu;
        std::vector<TKind*> neueKinder;
        for (const auto& f : p.Elternliste) {
            if (std::find(vorher.begin(), vorher.end(), f.get()) == vorher.end()) {
                neu.push_back(f.get());
                continue;
            }
            for (const auto& k : f->Kinder)
                if (std::find(kinderVorher.begin(), kinderVorher.end(), k.get()) == kinderVorher.end())
                    neueKinder.push_back(k.get());
        }
        for (TKind* k : neueKinder)
            KindLoeschen(p, rueck, k);
        for (TEltern* f : neu)
            FamilieLoeschen(p, rueck, f);
    }
    for (const auto& f : p.Elternliste)
        f->KinderSortieren(p.LatKlBez);
    p.ElternSortieren();
    p.ZaehleGespraeche();
    return e;
}
