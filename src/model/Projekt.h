#pragma once

#include "Listenlayout.h"
#include "TypFunc.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <utility>

constexpr int NotizHakenAnzahl = 11;

// The note pad's marks that commands set or clear themselves, as indexes into NotizHaken.
namespace Notizhaken {
constexpr int Standardsperre = 0;
constexpr int LehrerlisteErfasst = 1;
constexpr int ElternlisteErfasst = 2;
constexpr int ElternlisteBearbeitet = 4; // "Elternliste: Zeiten gesperrt, Gesprächswünsche eingegeben"
constexpr int RaeumeZugeordnet = 5;
constexpr int TermineBerechnet = 6;
constexpr int LehrerGedruckt = 9;
constexpr int ElternGedruckt = 10;
} // namespace Notizhaken

// Level and rest of a class text: "7b" gives 7 and "b".
struct TKlassenStufe {
    int Stufe = 0;
    QString Rest;
};

// Everything that belongs to one open project: records, plan state, time frame, scheduler settings,
// list layout and note pad.
class TProjekt {
public:
    TProjekt();
    ~TProjekt();
    TProjekt(const TProjekt&) = delete;
    TProjekt& operator=(const TProjekt&) = delete;

    // Declared first so that it outlives the families whose children refer to it.
    TGespraechsliste Gespraechsliste{*this};
    TLehrerliste Lehrerliste;
    TElternliste Elternliste;
    TRaumListe RaumListe;

    QString Dateiversion;
    uint16_t LetzteElternNr = 0;
    uint16_t LetzteGespraechNr = 0;
    bool LatKlBez = false;
    int16_t Handverschoben = 0;
    uint8_t ListenSortierung = 0;
    bool UnmoeglichBestimmt = false;
    bool ReihenfolgeFest = false;
    bool TermineBerechnet = false;
    double Laufzeit = 0;

    // Time frame: an empty time text means the slot does not exist.
    std::array<QString, SlotAnzahl> Zeittexte;
    std::array<bool, SlotAnzahl> ZeitAktiv{};
    std::array<double, 2> Datum{};
    bool ZweiTage = false;
    uint16_t LetzterSlot = SlotsProTag - 1;
    TZeiten Standardsperre{};

    // Scheduler settings.
    uint16_t MaximalBlock = 6;
    uint16_t MaximalBlock_El = 4;
    bool BitteTag1 = true;

    TListenlayout Listenlayout;
    QString AnmerkungAlleEltern;
    QString AnmerkungAlleLehrer;
    std::array<bool, NotizHakenAnzahl> NotizHaken{};
    QString NotizText;
    QByteArray Reserviert = QByteArray(48, '\0');

    // Set while the project is being destroyed, so that freed children skip per-child upkeep.
    bool Aufloesung = false;

    TEltern* NeueFamilie(const QString& anrede, const QString& name, const QString& zusatz = {});
    TKind* NeuesKind(TEltern* eltern, const QString& vorname, const QString& klasse);
    TGespraech* NeuesGespraech(TLehrer* lehrer, TKind* kind);
    TLehrer* NeuerLehrer(const QString& anrede, const QString& kuerzel, const QString& name,
                         const QString& zusatz = {}, const QString& akadTitel = {});

    QString TerminText(int slot) const;
    QString RaumSetzen(const QString& alt, const QString& raum, bool tag1) const;

    void ZaehleGespraeche();
    void BelegungMarkieren();
    void RaumListeAktualisieren() { RaumListe.update(Lehrerliste); }

    // Recomputes the pause marks of one person's slot array.
    void PausenSetzen(TZeiten& zeiten, bool istFamilie) const;
    void PausenAlle();

    TKlassenStufe KlassenStufe(const QString& klasse) const;
    void ElternSortieren() { Elternliste.ElternSortieren(ListenSortierung, LatKlBez); }
};

// Class order of the family list: level (descending with the class bit 0x10 of sortierung), then the
// rest of the text ignoring case.
int KlassenVergleich(const QString& a, const QString& b, uint8_t sortierung, bool latKlBez);

// Order of the family list for a ListenSortierung of 128 and above: by name or (0x40) by class first.
int ElternVergleich(const TEltern& a, const TEltern& b, uint8_t sortierung, bool latKlBez);

// Latin class-level names in search order (a name before the shorter names it contains) and the
// end marker of pupils who have left school.
extern const QStringList Klassenstufen;
