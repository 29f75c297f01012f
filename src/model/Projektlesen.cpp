#include "Cp1252.h"
#include "Datumstexte.h"
#include "Meldung.h"
#include "Projekt.h"
#include "Projektdatei.h"
#include "Projektoperationen.h"
#include "VELMemStream.h"
#include "Zeitzellen.h"

#include <QStringList>
#include <cmath>

namespace {

constexpr int ZeitZelle = 6;
constexpr int DatumText = 11;

// Version 00 frames the count of the family and child lists and each of their entries with filler bytes.
int Listenlaenge(TVELMemStream& s, const TDateiformat& f) {
    if (f.Version == 0) s.Ueberspringen(2);
    const int anzahl = s.Int16();
    if (f.Version == 0) s.Ueberspringen(4);
    return anzahl;
}

void Eintragsanfang(TVELMemStream& s, const TDateiformat& f) {
    if (f.Version == 0) s.Ueberspringen(2);
}

void KinderLesen(TVELMemStream& s, const TDateiformat& f, TEltern& e) {
    const int anzahl = Listenlaenge(s, f);
    for (int i = 0; i < anzahl && s.LeseOK; ++i) {
        Eintragsanfang(s, f);
        const QString vorname = s.Text();
        const QString klasse = s.Text();
        TKind* k = e.Kinder.Add(std::make_unique<TKind>(vorname, &e, klasse));
        if (f.Version < 2) {
            // Old files keep the order of the requests as the teachers' abbreviations at the child.
            k->AltKuerzel = std::make_unique<TKuerzelliste>();
            const int kuerzel = s.Int16();
            if (f.Version == 0) s.Ueberspringen(4);
            for (int j = 0; j < kuerzel && s.LeseOK; ++j)
                k->AltKuerzel->Add(std::make_unique<TKuerzel>(s.Text()));
        } else if (!f.OhneKindNachname)
            k->Nachname = s.Text();
    }
}

// The text of a 6-byte time cell up to its zero byte, normalised; an invalid time gives an empty cell.
QString ZeitAusZelle(const char* zelle) {
    int n = 0;
    while (n < ZeitZelle && zelle[n] != 0)
        ++n;
    return ZeitNormieren(AusCp1252(zelle, n), false);
}

// Old files keep the dates as text "d.m.y"; a two-digit year is one of this century.
double DatumAusText(const QByteArray& bytes) {
    const qsizetype ende = bytes.indexOf('\0');
    const QStringList teile = AusCp1252(ende < 0 ? bytes : bytes.left(ende)).trimmed().split(u'.');
    if (teile.size() != 3 && !(teile.size() == 4 && teile[3].isEmpty())) return 0;
    bool ok[3];
    const int tag = teile[0].toInt(&ok[0]);
    const int monat = teile[1].toInt(&ok[1]);
    int jahr = teile[2].toInt(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2]) return 0;
    if (teile[2].trimmed().size() <= 2) jahr += 2000;
    return WertAusDatum(QDate(jahr, monat, tag));
}

// A date outside the calendar would break every date text later; it counts as no date.
double DatumPruefen(double wert) {
    return std::isfinite(wert) && wert > -693594 && wert < 2958466 ? wert : 0;
}

void RahmenLesen(TVELMemStream& s, const TDateiformat& f, TProjekt& p) {
    const QByteArray tabelle = s.Bytes(SlotAnzahl * ZeitZelle);
    if (tabelle.size() == SlotAnzahl * ZeitZelle)
        for (int slot = 0; slot < SlotAnzahl; ++slot) {
            p.Zeittexte[slot] = ZeitAusZelle(tabelle.constData() + slot * ZeitZelle);
            p.ZeitAktiv[slot] = !p.Zeittexte[slot].isEmpty();
        }
    for (double& datum : p.Datum)
        datum = f.Version < 2 || f.DatumAlsText ? DatumAusText(s.Bytes(DatumText)) : DatumPruefen(s.Double());
    ZweiTageBestimmen(p);
}

std::unique_ptr<TGespraech> GespraechLesen(TVELMemStream& s, const TDateiformat& f) {
    auto g = std::make_unique<TGespraech>();
    const int16_t flags = s.Int16();
    if (f.Version > 0) g->Flags = flags;
    g->Nummer = s.Int16();
    g->ElternNr = s.Int16();
    g->LehrerKuerzel = s.Text();
    g->KindName = s.Text();
    if (f.Version < 2)
        s.Text(); // a text in place of Rang, which comes from the child's abbreviations
    else
        g->Rang = s.Int16();
    g->Termin = s.Int16();
    if (f.Version == 0 && g->Termin < TerminOffen) {
        // Version 00 marks a nailed appointment by its slot minus 1000.
        g->SetGenagelt(true);
        g->Termin = static_cast<int16_t>(g->Termin + 1000);
    }
    // Every part of the program takes an appointment as an index into the slot arrays.
    if (g->Termin < TerminOffen || g->Termin >= SlotAnzahl) {
        g->Termin = TerminOffen;
        g->SetGenagelt(false);
    }
    return g;
}

} // namespace

int ProjektVersion(const QByteArray& magic) {
    if (magic == "VEL-Projekt00") return 0;
    int version = 0;
    for (const char* grenze : {"VELProjekt01", "VELProjekt02", "VELProjekt03", "VELProjekt04"}) {
        if (KurzTextKleiner(magic, grenze)) break;
        ++version;
    }
    return version == 0 ? -1 : version;
}

void ElternlisteLesen(TVELMemStream& s, const TDateiformat& f, TProjekt& projekt, TElternliste& ziel) {
    const int anzahl = Listenlaenge(s, f);
    for (int i = 0; i < anzahl && s.LeseOK; ++i) {
        Eintragsanfang(s, f);
        const int16_t nummer = s.Int16();
        const QString anrede = s.Text();
        const QString name = s.Text();
        const QString zusatz = s.Text();
        TEltern* e = ziel.Add(std::make_unique<TEltern>(projekt, anrede, nummer, name, zusatz));
        s.Zeiten(e->Zeiten);
        if (!s.LeseOK) return;
        KinderLesen(s, f, *e);
        if (f.Version >= 2) {
            e->Anmerkung = s.Text();
            if (!f.OhneKindNachname) e->Telefon = s.Text();
        }
    }
}

void LehrerlisteLesen(TVELMemStream& s, const TDateiformat& f, const TZeiten& standardsperre,
                      TLehrerliste& ziel) {
    s.Int16();
    const int anzahl = s.Int16();
    s.Int16();
    s.Int16();
    for (int i = 0; i < anzahl && s.LeseOK; ++i) {
        s.Int16();
        const QString anrede = s.Text();
        const QString titel = s.Text();
        const QString name = s.Text();
        const QString zusatz = s.Text();
        const QString kuerzel = s.Text();
        auto l = std::make_unique<TLehrer>(standardsperre, anrede, kuerzel, name, zusatz, titel);
        l->Raum = s.Text();
        if (f.MitZeiten) {
            s.Zeiten(l->Zeiten);
            l->HatTermin = s.Byte();
        }
        l->Anmerkung = s.Text();
        ziel.Add(std::move(l));
    }
    s.Byte();
}

void GespraecheLesen(TVELMemStream& s, const TDateiformat& f, TProjekt& p, TMeldung& meldung) {
    if (f.Version == 0) s.Ueberspringen(2);
    p.Handverschoben = s.Int16();
    p.ListenSortierung = s.Byte();
    p.UnmoeglichBestimmt = s.Byte();
    p.ReihenfolgeFest = s.Byte();
    p.TermineBerechnet = s.Byte();
    RahmenLesen(s, f, p);
    const int anzahl = s.Int16();
    if (f.Version == 0) s.Ueberspringen(4);
    int gelesen = 0;
    for (; gelesen < anzahl && s.LeseOK; ++gelesen) {
        auto g = GespraechLesen(s, f);
        if (!s.LeseOK) break;
        p.Gespraechsliste.Add(std::move(g));
    }
    s.Byte();
    if (gelesen < anzahl)
        meldung.Meldung(QStringLiteral("Die eingelesene Datei ist beschädigt: Die Gesprächsliste konnte nur "
                                       "unvollständig gelesen werden."),
                        QStringLiteral("Fehler"), MeldungsArt::Fehler);
}
