#include "Einstellungen.h"

#include "UReg.h"
#include "model/Listenlayout.h"
#include "model/Projekt.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

const QString Optionen = QStringLiteral("Optionen");

uint32_t AutoSpeichZeitPruefen(uint32_t minuten) {
    return minuten == 0 || minuten > 60 ? 5 : minuten;
}

} // namespace

TProgrammwerte ProgrammwerteLesen(const TEinstellungsSpeicher& speicher, const QString& programmordner) {
    TProgrammwerte w;
    w.ProjektPfad = programmordner;
    const TSchluessel s = speicher.SchluesselLesen(Optionen);
    if (!s.Offen()) return w;
    w.ZeitMaus = s.SchalterLesen("ZeitMaus", true);
    w.ZeitSplash = s.SchalterLesen("ZeitSplash", false);
    w.Notiz = s.SchalterLesen("Notiz", false);
    w.autoAnmerk = s.SchalterLesen("autoAnmerk", false);
    w.ProjektPfad = s.TextLesen("ProjektPfad", programmordner);
    w.ImportPfad = s.TextLesen("ImportPfad", {});
    w.DateiLaden = s.SchalterLesen("DateiLaden", false);
    w.StartDatei = s.TextLesen("StartDatei", {});
    w.DblClickLehrer = s.SchalterLesen("DblClickLehrer", false);
    w.AutoSpeichern = s.SchalterLesen("AutoSpeichern", true);
    w.AutoSpeichZeit = AutoSpeichZeitPruefen(s.ZahlLesen("AutoSpeichZeit", 5));
    w.LatKlBez = s.SchalterLesen("LatKlBez", false);
    w.colFrei = s.ZahlLesen("colFrei", w.colFrei);
    w.colPause = s.ZahlLesen("colPause", w.colPause);
    w.colNicht = s.ZahlLesen("colNicht", w.colNicht);
    return w;
}

void ProgrammwerteSchreiben(TEinstellungsSpeicher& speicher, const TProgrammwerte& w) {
    TSchluessel s = speicher.SchluesselSchreiben(Optionen);
    s.TextSchreiben("ProjektPfad", w.ProjektPfad);
    s.TextSchreiben("ImportPfad", w.ImportPfad);
    s.SchalterSchreiben("DateiLaden", w.DateiLaden);
    s.SchalterSchreiben("AutoSpeichern", w.AutoSpeichern);
    s.ZahlSchreiben("AutoSpeichZeit", w.AutoSpeichZeit);
}

void ProgrammwertSchreiben(TEinstellungsSpeicher& speicher, const QString& name, bool wert) {
    speicher.SchluesselSchreiben(Optionen).SchalterSchreiben(name, wert);
}

void ProgrammtextSchreiben(TEinstellungsSpeicher& speicher, const QString& name, const QString& wert) {
    speicher.SchluesselSchreiben(Optionen).TextSchreiben(name, wert);
}

TTerminwerte TerminwerteLesen(const TEinstellungsSpeicher& speicher) {
    TTerminwerte w;
    const TSchluessel s = speicher.SchluesselLesen(Optionen);
    if (!s.Offen()) {
        w.MaximalBlock_El = 2;
        return w;
    }
    w.MaximalBlock = static_cast<uint16_t>(s.ZahlLesen("MaximalBlock", 6));
    w.MaximalBlock_El = static_cast<uint16_t>(s.ZahlLesen("MaximalBlock_El", 4));
    w.BitteTag1 = s.SchalterLesen("BitteTag1", true);
    w.AlleAnzeigen = s.SchalterLesen("AlleAnzeigen", false);
    w.SortierKrit = static_cast<uint8_t>(s.ZahlLesen("SortierKrit", 192));
    return w;
}

void TerminwerteSchreiben(TEinstellungsSpeicher& speicher, uint16_t maximalBlock, uint16_t maximalBlockEl,
                          bool bitteTag1) {
    TSchluessel s = speicher.SchluesselSchreiben(Optionen);
    s.ZahlSchreiben("MaximalBlock_El", maximalBlockEl);
    s.ZahlSchreiben("MaximalBlock", maximalBlock);
    s.SchalterSchreiben("BitteTag1", bitteTag1);
}

TOptionsAenderung OptionenUebernehmen(TEinstellungsSpeicher& speicher, TProgrammwerte& programm,
                                      TProjekt* projekt, const TOptionswerte& werte) {
    TOptionsAenderung aenderung;
    if (werte.LatKlBez != programm.LatKlBez) {
        programm.LatKlBez = werte.LatKlBez;
        if (projekt) projekt->LatKlBez = programm.LatKlBez;
        ProgrammwertSchreiben(speicher, QStringLiteral("LatKlBez"), programm.LatKlBez);
    }

    TProgrammwerte neu = programm;
    neu.ProjektPfad = werte.ProjektPfad;
    neu.ImportPfad = werte.ImportPfad;
    neu.DateiLaden = werte.DateiLaden;
    neu.AutoSpeichern = werte.AutoSpeichern;
    neu.AutoSpeichZeit = werte.AutoSpeichZeit;
    if (neu.ProjektPfad != programm.ProjektPfad || neu.ImportPfad != programm.ImportPfad ||
        neu.DateiLaden != programm.DateiLaden || neu.AutoSpeichern != programm.AutoSpeichern ||
        neu.AutoSpeichZeit != programm.AutoSpeichZeit) {
        aenderung.Sicherung =
            neu.AutoSpeichern != programm.AutoSpeichern || neu.AutoSpeichZeit != programm.AutoSpeichZeit;
        programm = neu;
        ProgrammwerteSchreiben(speicher, programm);
    }

    if (projekt && (werte.MaximalBlock_El != projekt->MaximalBlock_El ||
                    werte.MaximalBlock != projekt->MaximalBlock || werte.BitteTag1 != projekt->BitteTag1)) {
        projekt->MaximalBlock_El = werte.MaximalBlock_El;
        projekt->MaximalBlock = werte.MaximalBlock;
        projekt->BitteTag1 = werte.BitteTag1;
        TerminwerteSchreiben(speicher, projekt->MaximalBlock, projekt->MaximalBlock_El, projekt->BitteTag1);
        aenderung.Terminwerte = true;
    }
    return aenderung;
}

namespace {

// The layout flags kept in the two-byte value "Umbruch"; an inverted flag is stored when it is off.
struct TUmbruchBit {
    uint16_t Bit;
    bool TListenlayout::*Feld;
    bool Umgekehrt;
};
const TUmbruchBit UmbruchBits[] = {
    {0x001, &TListenlayout::EinzellistenProTagL, false},
    {0x002, &TListenlayout::EinzellistenProTagE, false},
    {0x004, &TListenlayout::HinweisAlleTerminiertE, true},
    {0x008, &TListenlayout::HinweisAlleTerminiertL, true},
    {0x010, &TListenlayout::PauseDrucken, true},
    {0x020, &TListenlayout::UeberschriftKursiv, false},
    {0x040, &TListenlayout::TelefonImmer, false},
    {0x080, &TListenlayout::TitelGross, true},
    {0x100, &TListenlayout::TitelGesperrt, true},
};

const char* const RandNamen[4] = {"Links", "Oben", "Rechts", "Unten"};

double& Rand(TSeitenraender& r, int i) {
    double* felder[4] = {&r.Links, &r.Oben, &r.Rechts, &r.Unten};
    return *felder[i];
}

} // namespace

void LayoutAusRegistry(const TEinstellungsSpeicher& speicher, TListenlayout& l) {
    l.LayoutStandard();
    const TSchluessel font = speicher.SchluesselLesen("Font");
    l.Schriftart = font.TextLesen("Name", l.Schriftart);
    l.Schriftgroesse = static_cast<int32_t>(font.ZahlLesen("Size", 12));
    l.ListenSchriftart = font.TextLesen("Name2", l.ListenSchriftart);
    l.ListenSchriftgroesse = static_cast<int32_t>(font.ZahlLesen("Size2", 12));

    const TSchluessel o = speicher.SchluesselLesen(Optionen);
    if (o.Offen()) {
        l.MitNummer = static_cast<uint8_t>(o.ZahlLesen("MitNummer", 1));
        l.Elt2Sp = o.SchalterLesen("Elt2Sp", false);
        l.Leh2Sp = o.SchalterLesen("Leh2Sp", false);
        l.Eltern_Leerzeilen = static_cast<int32_t>(o.ZahlLesen("Eltern_Leerzeilen", 1));
        l.Lehrer_Leerzeilen = static_cast<int32_t>(o.ZahlLesen("Lehrer_Leerzeilen", 1));
        l.NachrPosE = static_cast<int32_t>(o.ZahlLesen("NachrPosE", 0));
        l.NachrPosL = static_cast<int32_t>(o.ZahlLesen("NachrPosL", 0));
        l.TelefonNichtTerminiert = o.SchalterLesen("Tel", false);
        uint8_t umbruch[2] = {0, 0};
        if (!o.BinaerLesen("Umbruch", umbruch, 2)) umbruch[0] = umbruch[1] = 0;
        const uint16_t flags = static_cast<uint16_t>(umbruch[0] | umbruch[1] << 8);
        for (const TUmbruchBit& b : UmbruchBits)
            l.*b.Feld = ((flags & b.Bit) != 0) != b.Umgekehrt;
        l.UeberschriftWunsch = o.TextLesen("noTIMEcap0", l.UeberschriftWunsch);
        l.UeberschriftOhneTermin = o.TextLesen("noTIMEcap1", l.UeberschriftOhneTermin);
        int32_t tabs[TabulatorAnzahl];
        if (o.BinaerLesen(QString::fromUtf8("tab100µm"), tabs, sizeof tabs))
            std::copy(std::begin(tabs), std::end(tabs), l.Tabulatoren.begin());
        uint8_t df = 0;
        l.Datumsformat = o.BinaerLesen("df", &df, 1) ? df : 0;
        const QString logo = o.TextLesen("logo", {});
        l.LogoDatei = !logo.isEmpty() && QFileInfo::exists(logo) ? logo : QString();
    }

    const TSchluessel rand = speicher.SchluesselLesen("Rand");
    if (rand.Offen()) {
        const uint32_t vorgaben[4] = {200, 150, 150, 200};
        for (int i = 0; i < 4; ++i)
            Rand(l.Seitenraender, i) = rand.ZahlLesen(RandNamen[i], vorgaben[i]) / 100.0;
        uint8_t ausrichtung = 0;
        l.Ausrichtung = rand.BinaerLesen("Ausrichtung", &ausrichtung, 1) ? ausrichtung : 0;
        char listen[17];
        if (rand.BinaerLesen(QString::fromUtf8("ListenRänder"), listen, sizeof listen)) {
            std::memcpy(l.ListenRaender.data(), listen, 16);
            l.ListenAusrichtung = static_cast<uint8_t>(listen[16]);
        }
    }
}

void LayoutInRegistry(TEinstellungsSpeicher& speicher, const TListenlayout& l) {
    TSchluessel font = speicher.SchluesselSchreiben("Font");
    font.TextSchreiben("Name", l.Schriftart);
    font.ZahlSchreiben("Size", static_cast<uint32_t>(l.Schriftgroesse));

    TSchluessel o = speicher.SchluesselSchreiben(Optionen);
    o.ZahlSchreiben("MitNummer", l.MitNummer);
    o.SchalterSchreiben("Elt2Sp", l.Elt2Sp);
    o.SchalterSchreiben("Leh2Sp", l.Leh2Sp);
    o.ZahlSchreiben("Eltern_Leerzeilen", static_cast<uint32_t>(l.Eltern_Leerzeilen));
    o.ZahlSchreiben("Lehrer_Leerzeilen", static_cast<uint32_t>(l.Lehrer_Leerzeilen));
    o.ZahlSchreiben("NachrPosE", static_cast<uint32_t>(l.NachrPosE));
    o.ZahlSchreiben("NachrPosL", static_cast<uint32_t>(l.NachrPosL));
    o.SchalterSchreiben("Tel", l.TelefonNichtTerminiert);
    uint16_t flags = 0;
    for (const TUmbruchBit& b : UmbruchBits)
        if (l.*b.Feld != b.Umgekehrt) flags |= b.Bit;
    const uint8_t umbruch[2] = {static_cast<uint8_t>(flags & 0xFF), static_cast<uint8_t>(flags >> 8)};
    o.BinaerSchreiben("Umbruch", umbruch, 2);
    o.TextSchreiben("noTIMEcap0", l.UeberschriftWunsch);
    o.TextSchreiben("noTIMEcap1", l.UeberschriftOhneTermin);
    o.BinaerSchreiben(QString::fromUtf8("tab100µm"), l.Tabulatoren.data(), sizeof(int32_t) * TabulatorAnzahl);
    o.BinaerSchreiben("df", &l.Datumsformat, 1);
    o.TextSchreiben("logo", l.LogoDatei);

    TSchluessel rand = speicher.SchluesselSchreiben("Rand");
    TSeitenraender r = l.Seitenraender;
    for (int i = 0; i < 4; ++i)
        rand.ZahlSchreiben(RandNamen[i],
                           static_cast<uint32_t>(std::lround(std::nearbyint(Rand(r, i) * 100))));
    rand.BinaerSchreiben("Ausrichtung", &l.Ausrichtung, 1);
}

void ListenFormatInRegistry(TEinstellungsSpeicher& speicher, const TListenlayout& l) {
    TSchluessel font = speicher.SchluesselSchreiben("Font");
    font.TextSchreiben("Name2", l.ListenSchriftart);
    font.ZahlSchreiben("Size2", static_cast<uint32_t>(l.ListenSchriftgroesse));
    char listen[17];
    std::memcpy(listen, l.ListenRaender.data(), 16);
    listen[16] = static_cast<char>(l.ListenAusrichtung);
    speicher.SchluesselSchreiben("Rand").BinaerSchreiben(QString::fromUtf8("ListenRänder"), listen,
                                                         sizeof listen);
}

std::optional<TRahmenVorgabe> RahmenVorgabeLesen(const TEinstellungsSpeicher& speicher) {
    const TSchluessel s = speicher.SchluesselLesen("Zeiten");
    if (!s.Offen()) return std::nullopt;
    TRahmenVorgabe v;
    v.Abstand = static_cast<int>(s.ZahlLesen("Abstand", 15));
    QStringList texte;
    for (int i = 0; i < 12; ++i)
        texte << s.TextLesen(QString::asprintf("Zeit%.2d", i), {});
    v.Zeiten = ZeitenAusVorgabe(texte);
    return v;
}

void RahmenVorgabeSchreiben(TEinstellungsSpeicher& speicher, const TRahmenVorgabe& v) {
    TSchluessel s = speicher.SchluesselSchreiben("Zeiten");
    s.ZahlSchreiben("Abstand", static_cast<uint32_t>(v.Abstand));
    const auto texte = ZeitVorgabeTexte(v.Zeiten);
    for (int i = 0; i < 12; ++i)
        s.TextSchreiben(QString::asprintf("Zeit%.2d", i), texte[static_cast<size_t>(i)]);
}

TImportVorgabe ImportVorgabeLesen(const TEinstellungsSpeicher& speicher, const QString& art) {
    TImportVorgabe v;
    const TSchluessel s = speicher.SchluesselLesen(art);
    v.DateiTyp = s.ZahlLesen("DateiTyp", 0);
    v.ASCII = s.ZahlLesen("ASCII", 0);
    for (int i = 0; i < 6; ++i) {
        v.Spalte[static_cast<size_t>(i)] =
            static_cast<int32_t>(s.ZahlLesen(QStringLiteral("#%1").arg(i), static_cast<uint32_t>(-1)));
        v.Titel[static_cast<size_t>(i)] = s.TextLesen(QStringLiteral("s%1").arg(i), {});
    }
    return v;
}

void ImportVorgabeSchreiben(TEinstellungsSpeicher& speicher, const QString& art, const TImportVorgabe& v) {
    TSchluessel s = speicher.SchluesselSchreiben(art);
    s.ZahlSchreiben("DateiTyp", v.DateiTyp);
    s.ZahlSchreiben("ASCII", v.ASCII);
    for (int i = 0; i < 6; ++i) {
        const auto idx = static_cast<size_t>(i);
        s.ZahlSchreiben(QStringLiteral("#%1").arg(i), static_cast<uint32_t>(v.Spalte[idx]));
        if (v.Spalte[idx] < 0)
            s.WertLoeschen(QStringLiteral("s%1").arg(i));
        else
            s.TextSchreiben(QStringLiteral("s%1").arg(i), v.Titel[idx]);
    }
}
