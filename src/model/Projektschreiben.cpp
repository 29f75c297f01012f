#include "Cp1252.h"
#include "Logo.h"
#include "Optionswort.h"
#include "Projekt.h"
#include "Projektdatei.h"
#include "VELMemStream.h"

#include <cmath>
#include <limits>

namespace {

constexpr int ZeitZelle = 6;

// Margins are kept in centimetres and stored in thousandths, rounded half to even.
int32_t Tausendstel(double zentimeter) {
    const double wert = std::nearbyint(zentimeter * 1000);
    if (!(wert >= std::numeric_limits<int32_t>::min() && wert <= std::numeric_limits<int32_t>::max()))
        return 0;
    return static_cast<int32_t>(wert);
}

void ElternlisteSchreiben(TVELMemStream& s, const TElternliste& liste) {
    s.SchreibeAnzahl(liste.Count(), "Familien");
    for (const auto& e : liste) {
        s.Datensatz = e.get();
        s.SchreibeInt16(e->Nummer);
        s.SchreibeText(e->Anrede, "Anrede");
        s.SchreibeText(e->Name, "Name");
        s.SchreibeText(e->Zusatz, "Namenszusatz");
        s.SchreibeZeiten(e->Zeiten);
        s.SchreibeAnzahl(e->Kinder.Count(), "Kinder");
        for (const auto& k : e->Kinder) {
            s.Datensatz = k.get();
            s.SchreibeText(k->Vorname, "Vorname");
            s.SchreibeText(k->Klasse, "Klasse");
            s.SchreibeText(k->Nachname, "Nachname");
        }
        s.Datensatz = e.get();
        s.SchreibeText(e->Anmerkung, "Anmerkung");
        s.SchreibeText(e->Telefon, "Telefon");
    }
    s.Datensatz = nullptr;
}

void ZeittabelleSchreiben(TVELMemStream& s, const TProjekt& p) {
    for (const QString& zeit : p.Zeittexte) {
        QByteArray zelle = NachCp1252(zeit).left(ZeitZelle - 1);
        zelle.append(ZeitZelle - zelle.size(), '\0');
        s.SchreibeBytes(zelle);
    }
}

void GespraecheSchreiben(TVELMemStream& s, const TProjekt& p) {
    s.SchreibeInt16(p.Handverschoben);
    s.SchreibeByte(p.ListenSortierung);
    s.SchreibeByte(p.UnmoeglichBestimmt);
    s.SchreibeByte(p.ReihenfolgeFest);
    s.SchreibeByte(p.TermineBerechnet);
    ZeittabelleSchreiben(s, p);
    for (double datum : p.Datum)
        s.SchreibeDouble(datum);
    s.SchreibeAnzahl(p.Gespraechsliste.Count(), "Gespräche");
    for (const auto& g : p.Gespraechsliste) {
        s.Datensatz = g.get();
        const TEltern* e = g->Eltern();
        s.SchreibeInt16(g->Flags);
        s.SchreibeInt16(g->Nummer);
        s.SchreibeInt16(e ? e->Nummer : g->ElternNr);
        s.SchreibeText(g->Lehrer ? g->Lehrer->Kuerzel : g->LehrerKuerzel, "Kürzel");
        s.SchreibeText(g->Kind ? g->Kind->Vorname : g->KindName, "Vorname");
        s.SchreibeInt16(g->Rang);
        s.SchreibeInt16(g->Termin);
    }
    s.Datensatz = nullptr;
    s.SchreibeByte(1);
}

void LayoutSchreiben(TVELMemStream& s, const TProjekt& p) {
    const TListenlayout& l = p.Listenlayout;
    s.SchreibeInt32(static_cast<int32_t>(OptionenWort(p)));
    s.SchreibeText(l.Titel, "Titel");
    if (l.MitLogo) LogoSchreiben(s, l);
    for (double rand :
         {l.Seitenraender.Links, l.Seitenraender.Oben, l.Seitenraender.Rechts, l.Seitenraender.Unten})
        s.SchreibeInt32(Tausendstel(rand));
    for (int32_t tab : l.Tabulatoren)
        s.SchreibeInt32(tab);
    for (int32_t rand : l.ListenRaender)
        s.SchreibeInt32(rand);
    s.SchreibeByte(l.ListenAusrichtung);
    s.SchreibeInt32(l.ListenSchriftgroesse);
    s.SchreibeText(l.ListenSchriftart, "Schriftart der sonstigen Listen");
    QByteArray reserviert = p.Reserviert.left(48);
    reserviert.append(48 - reserviert.size(), '\0');
    s.SchreibeBytes(reserviert);
}

void NotizUndLayoutSchreiben(TVELMemStream& s, const TProjekt& p) {
    const TListenlayout& l = p.Listenlayout;
    s.SchreibeText(p.AnmerkungAlleEltern, "Anmerkung für alle Eltern");
    s.SchreibeText(p.AnmerkungAlleLehrer, "Anmerkung für alle Lehrkräfte");
    s.SchreibeZeiten(p.Standardsperre);
    for (bool haken : p.NotizHaken)
        s.SchreibeByte(haken);
    const bool hinweis = p.NotizText == QString::fromUtf8(NotizHinweisText);
    s.SchreibeText(hinweis ? QString() : p.NotizText, "Notizen");
    s.SchreibeByte(l.MitNummer);
    s.SchreibeInt32(l.NachrPosL);
    s.SchreibeInt32(l.NachrPosE);
    s.SchreibeInt32(l.Lehrer_Leerzeilen);
    s.SchreibeInt32(l.Eltern_Leerzeilen);
    s.SchreibeInt32(l.Schriftgroesse);
    s.SchreibeText(l.Schriftart, "Schriftart");
    s.SchreibeText(l.UeberschriftWunsch, "Überschrift vor gewünschten Gesprächen");
    s.SchreibeText(l.UeberschriftOhneTermin, "Überschrift vor Gesprächen ohne Termin");
}

} // namespace

void LehrerlisteSchreiben(TVELMemStream& s, const TLehrerliste& liste, bool mitZeiten) {
    s.SchreibeInt16(1102);
    s.SchreibeAnzahl(liste.Count(), "Lehrkräfte");
    s.SchreibeInt16(static_cast<int16_t>(liste.Count()));
    s.SchreibeInt16(5);
    for (const auto& l : liste) {
        s.Datensatz = l.get();
        s.SchreibeInt16(1101);
        s.SchreibeText(l->Anrede, "Anrede");
        s.SchreibeText(l->AkadTitel, "Akad. Titel");
        s.SchreibeText(l->Name, "Name");
        s.SchreibeText(l->Zusatz, "Namenszusatz");
        s.SchreibeText(l->Kuerzel, "Kürzel");
        s.SchreibeText(l->Raum, "Raum");
        if (mitZeiten) {
            s.SchreibeZeiten(l->Zeiten);
            s.SchreibeByte(l->HatTermin);
        }
        s.SchreibeText(l->Anmerkung, "Anmerkung");
    }
    s.Datensatz = nullptr;
    s.SchreibeByte(0);
}

QByteArray ProjektDaten(const TProjekt& p, QString& fehler) {
    TVELMemStream s;
    // A family with its slot array and children takes about 300 bytes, a conversation about 30.
    s.Reservieren(4096 + 320 * p.Elternliste.Count() + 260 * p.Lehrerliste.Count() +
                  32 * p.Gespraechsliste.Count() + p.Listenlayout.LogoQuelle.size());
    s.SchreibeKurzText(ProjektMagic);
    ElternlisteSchreiben(s, p.Elternliste);
    s.SchreibeUInt16(p.LetzteElternNr);
    LehrerlisteSchreiben(s, p.Lehrerliste, true);
    GespraecheSchreiben(s, p);
    s.SchreibeByte(p.LatKlBez);
    LayoutSchreiben(s, p);
    s.SchreibeUInt16(p.MaximalBlock);
    s.SchreibeUInt16(p.MaximalBlock_El);
    NotizUndLayoutSchreiben(s, p);
    fehler = s.Schreibfehler;
    return fehler.isEmpty() ? s.Inhalt() : QByteArray();
}

bool ProjektSpeichern(TProjekt& p, const QString& pfad, QString& fehler) {
    const QByteArray daten = ProjektDaten(p, fehler);
    if (daten.isEmpty() || !DateiSchreiben(pfad, daten, fehler)) return false;
    if (p.NotizText == QString::fromUtf8(NotizHinweisText)) p.NotizText.clear();
    return true;
}
