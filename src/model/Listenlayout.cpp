#include "Listenlayout.h"

const char* const StandardUeberschriftWunsch = "Folgende Gespräche werden gewünscht:";
const char* const StandardUeberschriftOhneTermin =
    "Für folgende Gespräche konnte kein Termin gefunden werden:";

void TListenlayout::LayoutStandard() {
    MitNummer = 1;
    Eltern_Leerzeilen = 1;
    Lehrer_Leerzeilen = 1;
    EinzellistenProTagE = false;
    EinzellistenProTagL = false;
    HinweisAlleTerminiertE = true;
    HinweisAlleTerminiertL = true;
    PauseDrucken = true;
    TelefonNichtTerminiert = false;
    TelefonImmer = false;
    UeberschriftKursiv = false;
    UeberschriftWunsch = QString::fromUtf8(StandardUeberschriftWunsch);
    UeberschriftOhneTermin = QString::fromUtf8(StandardUeberschriftOhneTermin);
    NachrPosE = 0;
    NachrPosL = 0;
    Datumsformat = 0;
    Titel = QStringLiteral("Elternsprechtag");
    TitelGross = true;
    TitelGesperrt = true;
    Schriftart = QStringLiteral("Times New Roman");
    Schriftgroesse = 12;
    Tabulatoren = {0, 189, 327, 808, 1272, 327, 808, 0, 189, 327, 859, 1306, 1600, 327, 859, 1306, 1600};
    Seitenraender = TSeitenraender{};
    Ausrichtung = 0;
    MitLogo = false;
    SchulnameAusblenden = false;
    Logo = QImage();
    LogoQuelle.clear();
    LogoDatei.clear();
    LogoArt = 0;
    Elt2Sp = false;
    Leh2Sp = false;
    ListenRaender = {2200, 1100, 1400, 1300};
    ListenAusrichtung = 0;
    ListenSchriftart = QStringLiteral("Times New Roman");
    ListenSchriftgroesse = 12;
}

void TListenlayout::SonstigeFormatEinsetzen() {
    Gemerkt = {Seitenraender, Ausrichtung, Schriftart, Schriftgroesse};
    Seitenraender = {ListenRaender[0] / 1000.0, ListenRaender[1] / 1000.0, ListenRaender[2] / 1000.0,
                     ListenRaender[3] / 1000.0};
    Ausrichtung = ListenAusrichtung;
    Schriftart = ListenSchriftart;
    Schriftgroesse = ListenSchriftgroesse;
}

void TListenlayout::SonstigeFormatZuruecksetzen() {
    Seitenraender = Gemerkt.Seitenraender;
    Ausrichtung = Gemerkt.Ausrichtung;
    Schriftart = Gemerkt.Schriftart;
    Schriftgroesse = Gemerkt.Schriftgroesse;
}
