#pragma once

#include "model/Zeiten.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// A project file as a test states it. Projektdatei() writes it byte by byte in the layout of the
// given version, independently of the program's writer, so that reading and writing are both checked
// against the format itself.
struct TKindF {
    QString Vorname;
    QString Klasse;
    QString Nachname;
    QStringList Kuerzel; // the request order of files before version 02
};

struct TFamilieF {
    int16_t Nummer = 1;
    QString Anrede = QStringLiteral("Familie");
    QString Name;
    QString Zusatz;
    TZeiten Zeiten{};
    QList<TKindF> Kinder;
    QString Anmerkung;
    QString Telefon;
};

struct TLehrerF {
    QString Anrede = QStringLiteral("Herr");
    QString AkadTitel;
    QString Name;
    QString Zusatz;
    QString Kuerzel;
    QString Raum;
    TZeiten Zeiten{};
    bool HatTermin = false;
    QString Anmerkung;
};

struct TGespraechF {
    int16_t Nummer = 1;
    int16_t ElternNr = 1;
    QString Kuerzel;
    QString Kind;
    int16_t Termin = -2;
    int16_t Rang = 0;
    int16_t Flags = 0;
};

struct TProjektF {
    int Version = 4;
    QByteArray Magic; // empty: the magic of the version
    // Layouts of files that the legacy reading modes are for: version 02 and later without the
    // child's Nachname and the family's Telefon, and with the dates as text.
    bool OhneKindNachname = false;
    bool DatumAlsText = false;
    QList<TFamilieF> Familien;
    uint16_t LetzteElternNr = 0;
    QList<TLehrerF> Lehrer;
    int16_t Handverschoben = 0;
    uint8_t ListenSortierung = 0;
    bool UnmoeglichBestimmt = false;
    bool ReihenfolgeFest = false;
    bool TermineBerechnet = false;
    QStringList Zeiten;            // cell texts from slot 0 on
    std::array<double, 2> Datum{}; // as day counts; files before version 02 store them as text
    std::array<QString, 2> DatumText;
    QList<TGespraechF> Gespraeche;
    bool LatKlBez = false;
    uint32_t Optionen = 0x10000 | 0x1; // title follows, day 1 first
    QString Titel = QStringLiteral("Elternsprechtag");
    int32_t LogoArt = 0;
    QByteArray LogoDaten; // the bytes after the kind, byte counts included
    std::array<int32_t, 4> Seitenraender{2200, 1400, 1100, 1300};
    std::array<int32_t, 17> Tabulatoren{0,   189, 327,  808,  1272, 327, 808,  0,   189,
                                        327, 859, 1306, 1600, 327,  859, 1306, 1600};
    std::array<int32_t, 4> ListenRaender{2200, 1100, 1400, 1300};
    uint8_t ListenAusrichtung = 0;
    int32_t ListenSchriftgroesse = 12;
    QString ListenSchriftart = QStringLiteral("Times New Roman");
    QByteArray Reserviert = QByteArray(48, '\0');
    uint16_t MaximalBlock = 6;
    uint16_t MaximalBlock_El = 4;
    QString AnmerkungAlleEltern;
    QString AnmerkungAlleLehrer;
    TZeiten Standardsperre{};
    std::array<bool, 11> NotizHaken{true, true, true, true, true, true};
    QString NotizText;
    uint8_t MitNummer = 1;
    int32_t NachrPosL = 0;
    int32_t NachrPosE = 0;
    int32_t Lehrer_Leerzeilen = 1;
    int32_t Eltern_Leerzeilen = 1;
    int32_t Schriftgroesse = 12;
    QString Schriftart = QStringLiteral("Times New Roman");
    bool MitUeberschriften = true; // version 03 files may end before the two headings
    QString UeberschriftWunsch = QStringLiteral("Folgende Gespräche werden gewünscht:");
    QString UeberschriftOhneTermin =
        QStringLiteral("Für folgende Gespräche konnte kein Termin gefunden werden:");
};

QByteArray Projektdatei(const TProjektF& projekt);
// The byte offset at which the annotations (the first field after MaximalBlock_El) start.
qsizetype NotizAnfang(const TProjektF& projekt);

// A small picture of a logo kind as its file holds it (a metafile is only a header).
QByteArray Logobild(int art);
// The logo block after the kind: the picture, with its byte count in front where the kind has one.
QByteArray Logoblock(int art, const QByteArray& bild);

// A teacher file with these teachers.
QByteArray Lehrerdatei(const QList<TLehrerF>& lehrer);

// A small project of every kind of record: two families, three children, two teachers, three
// conversations, two days.
TProjektF Beispielprojekt(int version = 4);
