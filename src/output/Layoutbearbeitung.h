#pragma once

#include "Seitenmetrik.h"
#include "model/Listenlayout.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// Which lists a change of the layout concerns.
enum class TListenArt { Eltern, Lehrer, Beide };

// Whether two layouts print the same lists: every field the layout dialog edits.
bool LayoutGleich(const TListenlayout& a, const TListenlayout& b);

// The layout being edited and what it was when editing began or was last taken over. Every change goes
// to the layout at once, so that a preview shows it; closing without taking it over puts the state back.
// Beside the project's layout it edits the families' code, an option of this machine.
class TLayoutArbeitskopie {
public:
    explicit TLayoutArbeitskopie(TListenlayout& layout, bool terminecode = false)
        : Layout(layout)
        , Terminecode(terminecode)
        , Stand(layout)
        , TerminecodeStand(terminecode) {}

    TListenlayout& Layout;
    bool Terminecode;
    const TListenlayout& Schnappschuss() const { return Stand; }
    // The project's layout differs; the code alone does not change the project.
    bool LayoutGeaendert() const { return !LayoutGleich(Layout, Stand); }
    bool Geaendert() const { return LayoutGeaendert() || Terminecode != TerminecodeStand; }
    void Festhalten() {
        Stand = Layout;
        TerminecodeStand = Terminecode;
    }
    void Verwerfen() {
        Layout = Stand;
        Terminecode = TerminecodeStand;
    }

private:
    TListenlayout Stand;
    bool TerminecodeStand;
};

// Moves of the general and of the individual annotation, one place down or up the list.
enum class TAnmerkungsschritt { AllgemeinRunter, AllgemeinHoch, EigeneRunter, EigeneHoch };
// The position code after the move; none where the move is not possible from that code.
std::optional<int> AnmerkungVerschoben(int code, TAnmerkungsschritt schritt);

// A typed value: what is stored, or the message that refuses it with its caption.
struct TEingabePruefung {
    std::optional<int32_t> Wert;
    QString Text;
    QString Titel;
};

// A tab stop typed in centimetres; stored in tenths of a millimetre. It must lie on the visible paper.
TEingabePruefung TabulatorPruefen(const QString& eingabe, const TListenlayout& layout,
                                  const TSeitenmetrik& metrik);

enum TRandSeite { RandLinks, RandOben, RandRechts, RandUnten };
double& Rand(TSeitenraender& raender, TRandSeite seite);
double Rand(const TSeitenraender& raender, TRandSeite seite);
// A margin typed in centimetres; stored in thousandths. At least 5 cm of the page must stay between it
// and the opposite margin.
TEingabePruefung RandPruefen(const QString& eingabe, TRandSeite seite, const TListenlayout& layout,
                             const TSeitenmetrik& metrik);

// A decimal number with a comma as typed in the dialogs; none when it is not one.
std::optional<double> Dezimalzahl(const QString& text);
// "1,89" for a tab stop of 189, "2,200" for a margin of 2.2 cm.
QString TabulatorText(int32_t wert);
QString RandText(double cm);

// Tab stops that fall off the paper after the margins changed, and their correction onto its edges.
bool TabulatorenAusserhalb(const TListenlayout& layout, const TSeitenmetrik& metrik);
void TabulatorenAnpassen(TListenlayout& layout, const TSeitenmetrik& metrik);

// The tab stops the dialog lists for one kind of list: those the lists print with the current
// settings, named by their purpose.
struct TTabulatorEintrag {
    int Index;
    QString Zweck;
};
std::vector<TTabulatorEintrag> TabulatorEintraege(const TListenlayout& layout, TListenArt art);
// The kind of list a tab stop belongs to.
TListenArt TabulatorArt(int index);

// The phone settings of the teachers' lists as the dialog offers them.
enum class TTelefonwahl { Nie, NichtTerminiert, Immer };
TTelefonwahl Telefonwahl(const TListenlayout& layout);
void TelefonwahlSetzen(TListenlayout& layout, TTelefonwahl wahl);

// The bit of MitNummer that prints the request position on teachers' lists.
constexpr uint8_t NummerDrucken = 2;

// Margins, orientation and font of the other lists, as their format dialog edits them.
struct TListenFormat {
    std::array<int32_t, 4> Raender{}; // left, top, right, bottom in thousandths of a centimetre
    uint8_t Ausrichtung = 0;
    QString Schriftart;
    int32_t Schriftgroesse = 12;
    bool operator==(const TListenFormat&) const = default;
};
TListenFormat ListenFormat(const TListenlayout& layout);
// False when nothing differs.
bool ListenFormatSetzen(TListenlayout& layout, const TListenFormat& format);
