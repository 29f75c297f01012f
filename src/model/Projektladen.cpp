#include "Cp1252.h"
#include "Entnehmen.h"
#include "Logo.h"
#include "Meldung.h"
#include "Optionswort.h"
#include "Projekt.h"
#include "Projektdatei.h"
#include "VELMemStream.h"

#include <QFileInfo>
#include <QHash>
#include <algorithm>

const char* const ProjektMagic = "VELProjekt04";
const char* const KeineProjektdateiText = "Die Datei ist keine gültige Projektdatei.";
const char* const NotizHinweisText = "Hinweis:\r\nDiese Notizen waren bisher nicht im Projekt gespeichert.";

namespace {

const QString DateiFehlerTitel = QStringLiteral("Fehler in Projektdatei:");

void Melden(TMeldung& meldung, const QString& text, const QString& titel = QStringLiteral("Fehler"),
            MeldungsArt art = MeldungsArt::Fehler) {
    meldung.Meldung(text, titel, art);
}

// Conversations name their family, child and teacher; one whose partners are missing cannot stay.
void Verknuepfen(TProjekt& p, TMeldung& meldung) {
    QHash<int, TEltern*> familien;
    for (const auto& e : p.Elternliste)
        if (!familien.contains(e->Nummer)) familien.insert(e->Nummer, e.get());
    QHash<QString, TLehrer*> lehrer;
    for (const auto& l : p.Lehrerliste)
        if (!lehrer.contains(l->Kuerzel)) lehrer.insert(l->Kuerzel, l.get());
    int verworfen = 0;
    for (auto& g : AllesEntnehmen(p.Gespraechsliste)) {
        TEltern* e = familien.value(g->ElternNr);
        TKind* k = e ? e->Kinder.FindeVorname(g->KindName) : nullptr;
        TLehrer* l = lehrer.value(g->LehrerKuerzel);
        if (!k || !l) {
            ++verworfen;
            continue;
        }
        g->Kind = k;
        g->Lehrer = l;
        k->Gespraeche.push_back(g.get());
        p.Gespraechsliste.Add(std::move(g));
    }
    if (verworfen)
        Melden(meldung,
               QStringLiteral("%1 Gespräch(e) der Datei gehören zu keiner vorhandenen Familie, keinem Kind "
                              "oder keiner Lehrkraft und wurden entfernt.")
                   .arg(verworfen),
               DateiFehlerTitel, MeldungsArt::Warnung);
}

void RangOrdnen(TProjekt& p) {
    for (const auto& e : p.Elternliste)
        for (const auto& k : e->Kinder) {
            if (k->AltKuerzel) {
                for (TGespraech* g : k->Gespraeche)
                    for (int i = 0; i < k->AltKuerzel->Count(); ++i)
                        if ((*k->AltKuerzel)[i]->Kuerzel == g->Lehrer->Kuerzel) {
                            g->Rang = static_cast<int16_t>(i);
                            break;
                        }
                k->AltKuerzel.reset();
            }
            std::stable_sort(k->Gespraeche.begin(), k->Gespraeche.end(),
                             [](const TGespraech* a, const TGespraech* b) { return a->Rang < b->Rang; });
        }
}

void EinstellungenLesen(TVELMemStream& s, const TDateiformat& f, TProjekt& p) {
    TListenlayout& l = p.Listenlayout;
    const uint32_t wort = f.Version >= 4 ? static_cast<uint32_t>(s.Int32()) : s.Byte();
    OptionenSetzen(p, wort);
    if (wort & OptionMitTitel) l.Titel = s.Text();
    if (wort & OptionMitLogo)
        LogoLesen(s, l);
    else
        LogoEntfernen(l);
    if (f.Version >= 4) {
        double* raender[] = {&l.Seitenraender.Links, &l.Seitenraender.Oben, &l.Seitenraender.Rechts,
                             &l.Seitenraender.Unten};
        for (double* rand : raender)
            *rand = s.Int32() / 1000.0;
        for (int32_t& tab : l.Tabulatoren)
            tab = s.Int32();
        for (int32_t& rand : l.ListenRaender)
            rand = s.Int32();
        l.ListenAusrichtung = s.Byte();
        l.ListenSchriftgroesse = s.Int32();
        l.ListenSchriftart = s.Text();
        p.Reserviert = s.Bytes(p.Reserviert.size());
    }
    p.MaximalBlock = s.UInt16();
    p.MaximalBlock_El = s.UInt16();
}

// The annotations, the note pad and the later layout fields came to the format one by one; a file
// that ends among them still opens. False when it ended early.
bool NotizUndLayoutLesen(TVELMemStream& s, const TDateiformat& f, TProjekt& p) {
    auto text = [&s](QString& ziel) {
        const QString t = s.Text();
        if (s.LeseOK) ziel = t;
        return s.LeseOK;
    };
    auto zahl = [&s](int32_t& ziel) {
        const int32_t z = s.Int32();
        if (s.LeseOK) ziel = z;
        return s.LeseOK;
    };
    auto zeiten = [&s](TZeiten& ziel) {
        TZeiten z{};
        s.Zeiten(z);
        if (s.LeseOK) ziel = z;
        return s.LeseOK;
    };
    auto haken = [&s](std::array<bool, NotizHakenAnzahl>& ziel) {
        const QByteArray bytes = s.Bytes(NotizHakenAnzahl);
        for (int i = 0; i < bytes.size(); ++i)
            ziel[i] = bytes[i] != 0;
        return s.LeseOK;
    };
    TListenlayout& l = p.Listenlayout;
    p.NotizText.clear();
    p.NotizHaken.fill(false);
    std::fill_n(p.NotizHaken.begin(), 6, true);
    if (!(text(p.AnmerkungAlleEltern) && text(p.AnmerkungAlleLehrer) && zeiten(p.Standardsperre) &&
          haken(p.NotizHaken) && text(p.NotizText)))
        return false;
    if (f.Version < 3) return true;
    const uint8_t mitNummer = s.Byte();
    if (!s.LeseOK) return false;
    l.MitNummer = mitNummer;
    if (!(zahl(l.NachrPosL) && zahl(l.NachrPosE) && zahl(l.Lehrer_Leerzeilen) && zahl(l.Eltern_Leerzeilen) &&
          zahl(l.Schriftgroesse) && text(l.Schriftart)))
        return false;
    if (s.Rest() == 0) {
        l.UeberschriftWunsch = QString::fromUtf8(StandardUeberschriftWunsch);
        l.UeberschriftOhneTermin = QString::fromUtf8(StandardUeberschriftOhneTermin);
        return true;
    }
    return text(l.UeberschriftWunsch) && text(l.UeberschriftOhneTermin);
}

void NotizHinweisSetzen(TProjekt& p) {
    p.NotizText = QString::fromUtf8(NotizHinweisText);
    if (!p.Lehrerliste.HatRaum()) p.NotizHaken[Notizhaken::RaeumeZugeordnet] = false;
    if (p.Gespraechsliste.HatTermine()) p.NotizHaken[Notizhaken::TermineBerechnet] = true;
}

void Abschliessen(TProjekt& p) {
    // 0 means no limit: a run as long as the whole frame.
    const auto ohneGrenze = static_cast<uint16_t>(p.LetzterSlot + 1);
    if (p.MaximalBlock == 0) p.MaximalBlock = ohneGrenze;
    if (p.MaximalBlock_El == 0) p.MaximalBlock_El = ohneGrenze;
    TListenlayout& l = p.Listenlayout;
    if (l.UeberschriftWunsch.isEmpty()) l.UeberschriftWunsch = QString::fromUtf8(StandardUeberschriftWunsch);
    if (l.UeberschriftOhneTermin.isEmpty())
        l.UeberschriftOhneTermin = QString::fromUtf8(StandardUeberschriftOhneTermin);
    int hoechste = 0;
    for (const auto& g : p.Gespraechsliste)
        hoechste = std::max<int>(hoechste, g->Nummer);
    p.LetzteGespraechNr = static_cast<uint16_t>(hoechste);
    p.Lehrerliste.NamenDoppeltMarkieren();
    p.ZaehleGespraeche();
    // The stored mark may be older than the plan it was saved with; the plan decides.
    p.BelegungMarkieren();
}

} // namespace

void LetzteElternNrKorrigieren(TProjekt& p, TMeldung& meldung) {
    int hoechste = 0;
    for (const auto& e : p.Elternliste)
        hoechste = std::max<int>(hoechste, e->Nummer);
    if (hoechste <= p.LetzteElternNr) return;
    Melden(meldung,
           QStringLiteral("Maximale Schlüsselnr. wird korrigiert von %1 auf %2!")
               .arg(p.LetzteElternNr)
               .arg(hoechste),
           DateiFehlerTitel, MeldungsArt::Warnung);
    p.LetzteElternNr = static_cast<uint16_t>(hoechste);
}

TLeseErgebnis ProjektLaden(const QString& pfad, TProjekt& neu, TMeldung& meldung,
                           const TLeseOptionen& optionen) {
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung != u"pdt" && endung != u"pd~") {
        Melden(meldung, QString::fromUtf8(KeineProjektdateiText));
        return TLeseErgebnis::KeinProjekt;
    }
    QByteArray daten;
    QString fehler;
    if (!DateiLesen(pfad, daten, fehler)) {
        Melden(meldung, fehler);
        return TLeseErgebnis::KeinProjekt;
    }
    return ProjektLesen(daten, neu, meldung, optionen);
}

namespace {

bool LiestSauber(const QByteArray& daten, const TLeseOptionen& optionen) {
    TProjekt probe;
    TStilleMeldung still;
    return ProjektLesen(daten, probe, still, optionen) == TLeseErgebnis::Gelesen && still.Anzahl == 0;
}

} // namespace

TLeseOptionen AltformatOptionen(TAltformat format) {
    TLeseOptionen optionen;
    optionen.OhneKindNachname = format != TAltformat::Aktuell;
    optionen.DatumAlsText = format == TAltformat::DatumAlsText;
    return optionen;
}

TAltformat PassendesAltformat(const QString& pfad) {
    QByteArray daten;
    QString fehler;
    if (!DateiLesen(pfad, daten, fehler)) return TAltformat::Aktuell;
    for (const TAltformat format : {TAltformat::OhneKindNachname, TAltformat::DatumAlsText})
        if (LiestSauber(daten, AltformatOptionen(format))) return format;
    return TAltformat::Aktuell;
}

TLeseErgebnis ProjektLesen(const QByteArray& daten, TProjekt& p, TMeldung& meldung,
                           const TLeseOptionen& optionen) {
    if ((optionen.OhneKindNachname || optionen.DatumAlsText) && LiestSauber(daten, TLeseOptionen()))
        return TLeseErgebnis::AktuellesFormat;
    TVELMemStream s(daten);
    const QByteArray magic = s.KurzText();
    const int version = s.LeseOK ? ProjektVersion(magic) : -1;
    if (version < 0) {
        Melden(meldung, QString::fromUtf8(KeineProjektdateiText));
        return TLeseErgebnis::KeinProjekt;
    }
    const TDateiformat f{version, true, optionen.OhneKindNachname || optionen.DatumAlsText,
                         optionen.DatumAlsText};
    p.Dateiversion = AusCp1252(magic);
    p.Listenlayout = optionen.Layout;

    ElternlisteLesen(s, f, p, p.Elternliste);
    p.LetzteElternNr = s.UInt16();
    if (!s.LeseOK) return TLeseErgebnis::Lesefehler;
    LetzteElternNrKorrigieren(p, meldung);
    LehrerlisteLesen(s, f, p.Standardsperre, p.Lehrerliste);
    if (!s.LeseOK) return TLeseErgebnis::Lesefehler;
    GespraecheLesen(s, f, p, meldung);
    if (!s.LeseOK) return TLeseErgebnis::Lesefehler;

    // Sorted before linking, so that of two teachers with one abbreviation the conversations keep the one
    // that comes first in the file this program writes.
    p.Lehrerliste.LehrerSortieren();
    Verknuepfen(p, meldung);
    RangOrdnen(p);
    p.LatKlBez = version < 2 ? optionen.LatKlBez : s.Byte() != 0;
    p.Laufzeit = 0;
    EinstellungenLesen(s, f, p);
    if (!s.LeseOK) return TLeseErgebnis::Lesefehler;

    if (!NotizUndLayoutLesen(s, f, p)) NotizHinweisSetzen(p);
    if (version < 3) {
        // Older files carry no list layout: the program's defaults apply, as for a new project.
        p.Listenlayout = optionen.Layout;
        p.Listenlayout.ListenRaender = TListenlayout().ListenRaender;
        p.Listenlayout.ListenAusrichtung = 0;
        p.Listenlayout.Elt2Sp = p.Listenlayout.Leh2Sp = false;
        LogoEntfernen(p.Listenlayout);
    }
    Abschliessen(p);
    return TLeseErgebnis::Gelesen;
}

bool ProjektPruefen(TProjekt& p, TMeldung& meldung) {
    std::vector<bool> vorhanden(65536, false);
    for (const auto& g : p.Gespraechsliste)
        vorhanden[static_cast<uint16_t>(g->Nummer)] = true;
    bool gefunden = false;
    auto pruefen = [&](TZeiten& zeiten) {
        for (int16_t& z : zeiten)
            if (z > 0 && !vorhanden[static_cast<uint16_t>(z)]) {
                z = SlotFrei;
                gefunden = true;
            }
    };
    for (const auto& l : p.Lehrerliste)
        pruefen(l->Zeiten);
    for (const auto& e : p.Elternliste)
        pruefen(e->Zeiten);
    if (gefunden)
        Melden(
            meldung,
            QStringLiteral("DIE GELADENE DATEI WAR FEHLERHAFT!\rBei mindestens einer Person waren in der "
                           "Terminliste undefinierte Gespräche eingetragen,\rVEL musste diese löschen, damit "
                           "Sie mit dieser Datei arbeiten können.\rWenn Sie noch eine frühere Version ihres "
                           "Projekts gespeichert haben, sollten Sie prüfen,mit welcher Datei Sie "
                           "erfolgreicher weiter arbeiten können."),
            QStringLiteral("Fehler in der Datei"), MeldungsArt::Warnung);
    return gefunden;
}

QString BeschaedigtText(const QString& pfad) {
    return QStringLiteral(
               "Die Datei „%1“ ist beschädigt und konnte nicht vollständig gelesen werden; es wurde "
               "nichts übernommen.")
        .arg(QFileInfo(pfad).fileName());
}
