#include "Aufruf.h"
#include "Befehle.h"
#include "JsonSchreiber.h"
#include "Konsole.h"

#include "model/Datumstexte.h"
#include "model/Projekt.h"

#include <QCommandLineParser>
#include <QFile>
#include <QStringList>
#include <QTextStream>

namespace {

void FamilienSchreiben(TJsonSchreiber& j, const TElternliste& liste) {
    j.ListeAnfang();
    for (const auto& e : liste) {
        j.ObjektAnfang();
        j.Schluessel("Nummer").Wert(e->Nummer);
        j.Schluessel("Anrede").Wert(e->Anrede);
        j.Schluessel("Zusatz").Wert(e->Zusatz);
        j.Schluessel("Name").Wert(e->Name);
        j.Schluessel("Anmerkung").Wert(e->Anmerkung);
        j.Schluessel("Telefon").Wert(e->Telefon);
        j.Schluessel("Zeiten").Werte(e->Zeiten);
        j.Schluessel("Kinder").ListeAnfang();
        for (const auto& k : e->Kinder) {
            j.ObjektAnfang();
            j.Schluessel("Vorname").Wert(k->Vorname);
            j.Schluessel("Klasse").Wert(k->Klasse);
            j.Schluessel("Nachname").Wert(k->Nachname);
            j.ObjektEnde();
        }
        j.ListeEnde();
        j.ObjektEnde();
    }
    j.ListeEnde();
}

void LehrerSchreiben(TJsonSchreiber& j, const TLehrerliste& liste) {
    j.ListeAnfang();
    for (const auto& l : liste) {
        j.ObjektAnfang();
        j.Schluessel("Anrede").Wert(l->Anrede);
        j.Schluessel("AkadTitel").Wert(l->AkadTitel);
        j.Schluessel("Zusatz").Wert(l->Zusatz);
        j.Schluessel("Name").Wert(l->Name);
        j.Schluessel("Kuerzel").Wert(l->Kuerzel);
        j.Schluessel("Raum").Wert(l->Raum);
        j.Schluessel("Anmerkung").Wert(l->Anmerkung);
        j.Schluessel("Zeiten").Werte(l->Zeiten);
        j.Schluessel("HatTermin").Wert(l->HatTermin);
        j.ObjektEnde();
    }
    j.ListeEnde();
}

void GespraecheSchreiben(TJsonSchreiber& j, const TGespraechsliste& liste) {
    j.ListeAnfang();
    for (const auto& g : liste) {
        j.ObjektAnfang();
        j.Schluessel("Nummer").Wert(g->Nummer);
        j.Schluessel("Flags").Wert(g->Flags);
        j.Schluessel("Termin").Wert(g->Termin);
        j.Schluessel("Rang").Wert(g->Rang);
        j.Schluessel("ElternNr").Wert(g->Eltern() ? g->Eltern()->Nummer : g->ElternNr);
        j.Schluessel("KindName").Wert(g->Kind ? g->Kind->Vorname : g->KindName);
        j.Schluessel("LehrerKuerzel").Wert(g->Lehrer ? g->Lehrer->Kuerzel : g->LehrerKuerzel);
        j.ObjektEnde();
    }
    j.ListeEnde();
}

void LayoutSchreiben(TJsonSchreiber& j, const TListenlayout& l) {
    j.ObjektAnfang();
    j.Schluessel("MitNummer").Wert(l.MitNummer);
    j.Schluessel("Eltern_Leerzeilen").Wert(l.Eltern_Leerzeilen);
    j.Schluessel("Lehrer_Leerzeilen").Wert(l.Lehrer_Leerzeilen);
    j.Schluessel("EinzellistenProTagE").Wert(l.EinzellistenProTagE);
    j.Schluessel("EinzellistenProTagL").Wert(l.EinzellistenProTagL);
    j.Schluessel("HinweisAlleTerminiertE").Wert(l.HinweisAlleTerminiertE);
    j.Schluessel("HinweisAlleTerminiertL").Wert(l.HinweisAlleTerminiertL);
    j.Schluessel("PauseDrucken").Wert(l.PauseDrucken);
    j.Schluessel("TelefonNichtTerminiert").Wert(l.TelefonNichtTerminiert);
    j.Schluessel("TelefonImmer").Wert(l.TelefonImmer);
    j.Schluessel("UeberschriftKursiv").Wert(l.UeberschriftKursiv);
    j.Schluessel("UeberschriftWunsch").Wert(l.UeberschriftWunsch);
    j.Schluessel("UeberschriftOhneTermin").Wert(l.UeberschriftOhneTermin);
    j.Schluessel("NachrPosE").Wert(l.NachrPosE);
    j.Schluessel("NachrPosL").Wert(l.NachrPosL);
    j.Schluessel("Datumsformat").Wert(l.Datumsformat);
    j.Schluessel("Titel").Wert(l.Titel);
    j.Schluessel("TitelGross").Wert(l.TitelGross);
    j.Schluessel("TitelGesperrt").Wert(l.TitelGesperrt);
    j.Schluessel("Schriftart").Wert(l.Schriftart);
    j.Schluessel("Schriftgroesse").Wert(l.Schriftgroesse);
    j.Schluessel("Tabulatoren").Werte(l.Tabulatoren);
    j.Schluessel("Seitenraender").ObjektAnfang();
    j.Schluessel("Links").Wert(l.Seitenraender.Links);
    j.Schluessel("Oben").Wert(l.Seitenraender.Oben);
    j.Schluessel("Rechts").Wert(l.Seitenraender.Rechts);
    j.Schluessel("Unten").Wert(l.Seitenraender.Unten);
    j.ObjektEnde();
    j.Schluessel("Ausrichtung").Wert(l.Ausrichtung);
    j.Schluessel("MitLogo").Wert(l.MitLogo);
    j.Schluessel("SchulnameAusblenden").Wert(l.SchulnameAusblenden);
    j.Schluessel("LogoDatei").Wert(l.LogoDatei);
    j.Schluessel("LogoArt").Wert(l.LogoArt);
    j.Schluessel("LogoBytes").Wert(qint64(l.LogoQuelle.size()));
    j.Schluessel("Elt2Sp").Wert(l.Elt2Sp);
    j.Schluessel("Leh2Sp").Wert(l.Leh2Sp);
    j.Schluessel("ListenRaender").Werte(l.ListenRaender);
    j.Schluessel("ListenAusrichtung").Wert(l.ListenAusrichtung);
    j.Schluessel("ListenSchriftart").Wert(l.ListenSchriftart);
    j.Schluessel("ListenSchriftgroesse").Wert(l.ListenSchriftgroesse);
    j.ObjektEnde();
}

QByteArray ProjektAlsJson(const TProjekt& p, bool kompakt) {
    TJsonSchreiber j(kompakt);
    j.ObjektAnfang();
    j.Schluessel("Dateiversion").Wert(p.Dateiversion);
    j.Schluessel("LetzteElternNr").Wert(p.LetzteElternNr);
    j.Schluessel("LetzteGespraechNr").Wert(p.LetzteGespraechNr);
    j.Schluessel("LatKlBez").Wert(p.LatKlBez);
    j.Schluessel("Handverschoben").Wert(p.Handverschoben);
    j.Schluessel("ListenSortierung").Wert(p.ListenSortierung);
    j.Schluessel("UnmoeglichBestimmt").Wert(p.UnmoeglichBestimmt);
    j.Schluessel("ReihenfolgeFest").Wert(p.ReihenfolgeFest);
    j.Schluessel("TermineBerechnet").Wert(p.TermineBerechnet);
    j.Schluessel("MaximalBlock").Wert(p.MaximalBlock);
    j.Schluessel("MaximalBlock_El").Wert(p.MaximalBlock_El);
    j.Schluessel("BitteTag1").Wert(p.BitteTag1);
    j.Schluessel("Zeittexte").Werte(p.Zeittexte);
    j.Schluessel("Datum").ListeAnfang(true);
    for (double datum : p.Datum)
        if (datum == 0)
            j.Null();
        else
            j.Wert(DatumAusWert(datum).toString(Qt::ISODate));
    j.ListeEnde();
    j.Schluessel("ZweiTage").Wert(p.ZweiTage);
    j.Schluessel("LetzterSlot").Wert(p.LetzterSlot);
    j.Schluessel("Standardsperre").Werte(p.Standardsperre);
    j.Schluessel("Elternliste");
    FamilienSchreiben(j, p.Elternliste);
    j.Schluessel("Lehrerliste");
    LehrerSchreiben(j, p.Lehrerliste);
    j.Schluessel("Gespraechsliste");
    GespraecheSchreiben(j, p.Gespraechsliste);
    j.Schluessel("Listenlayout");
    LayoutSchreiben(j, p.Listenlayout);
    j.Schluessel("AnmerkungAlleEltern").Wert(p.AnmerkungAlleEltern);
    j.Schluessel("AnmerkungAlleLehrer").Wert(p.AnmerkungAlleLehrer);
    j.Schluessel("NotizHaken").Werte(p.NotizHaken);
    j.Schluessel("NotizText").Wert(p.NotizText);
    j.Schluessel("Reserviert").Wert(QString::fromLatin1(p.Reserviert.toHex()));
    j.ObjektEnde();
    QByteArray json = j.Ergebnis();
    json += '\n';
    return json;
}

} // namespace

int BefehlDump(const QStringList& argumente) {
    const QCommandLineOption kompaktOption({"kompakt", "compact"}, QString::fromUtf8("JSON in einer Zeile"));
    QCommandLineParser parser;
    if (const int status =
            Zerlegen(parser, QStringLiteral("Aufruf: vel-cli dump DATEI [--kompakt]"),
                     QString::fromUtf8("Gibt das Projekt als JSON aus."), {kompaktOption}, argumente, 1);
        status >= 0)
        return status;
    const bool kompakt = parser.isSet(kompaktOption);
    TProjekt p;
    if (!ProjektFuerBefehl(parser.positionalArguments().constFirst(), p)) return 2;
    QFile aus;
    if (!aus.open(stdout, QIODevice::WriteOnly)) return 2;
    aus.write(ProjektAlsJson(p, kompakt));
    return 0;
}
