#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>
#include <cstdint>

// Page margins in centimetres, in the order the project file keeps them.
struct TSeitenraender {
    double Links = 2.2;
    double Oben = 1.4;
    double Rechts = 1.1;
    double Unten = 1.3;
    bool operator==(const TSeitenraender&) const = default;
};

constexpr int TabulatorAnzahl = 17;

// How the conversation lists and the other lists look; part of the project.
struct TListenlayout {
    uint8_t MitNummer = 1;
    int32_t Eltern_Leerzeilen = 1;
    int32_t Lehrer_Leerzeilen = 1;
    bool EinzellistenProTagE = false;
    bool EinzellistenProTagL = false;
    bool HinweisAlleTerminiertE = true;
    bool HinweisAlleTerminiertL = true;
    bool PauseDrucken = true;
    bool TelefonNichtTerminiert = false;
    bool TelefonImmer = false;
    bool UeberschriftKursiv = false;
    QString UeberschriftWunsch;
    QString UeberschriftOhneTermin;
    int32_t NachrPosE = 0;
    int32_t NachrPosL = 0;
    uint8_t Datumsformat = 0;
    QString Titel;
    bool TitelGross = true;
    bool TitelGesperrt = true;
    QString Schriftart;
    int32_t Schriftgroesse = 12;
    std::array<int32_t, TabulatorAnzahl> Tabulatoren{};
    TSeitenraender Seitenraender;
    uint8_t Ausrichtung = 0;
    bool MitLogo = false;
    bool SchulnameAusblenden = false;
    // Logo kinds: 1 bitmap, 2 JPEG, 3 metafile, 4 PNG, 5 icon, 6 GIF.
    QImage Logo;
    QByteArray LogoQuelle; // the picture as loaded, written back unchanged
    QString LogoDatei;
    uint8_t LogoArt = 0;
    bool Elt2Sp = false;
    bool Leh2Sp = false;
    std::array<int32_t, 4> ListenRaender{}; // left, top, right, bottom in 1/1000 cm
    uint8_t ListenAusrichtung = 0;
    QString ListenSchriftart;
    int32_t ListenSchriftgroesse = 12;

    TListenlayout() { LayoutStandard(); }
    void LayoutStandard();

    // The other lists borrow the conversation lists' page settings for one output.
    void SonstigeFormatEinsetzen();
    void SonstigeFormatZuruecksetzen();

private:
    struct Gesichert {
        TSeitenraender Seitenraender;
        uint8_t Ausrichtung = 0;
        QString Schriftart;
        int32_t Schriftgroesse = 0;
    } Gemerkt;
};

extern const char* const StandardUeberschriftWunsch;
extern const char* const StandardUeberschriftOhneTermin;
