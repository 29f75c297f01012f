#pragma once

#include <optional>

class QString;
class QTabWidget;
class QWidget;

// Every page of the handbook a window can open, with its context number. The numbers below 1100 are
// those the handbook has always used; they stay fixed so that older references keep finding their page.
#define VEL_HILFEKONTEXTE(X)                                                                                 \
    X(Zeitrahmen, 10)                                                                                        \
    X(Standardsperre, 50)                                                                                    \
    X(Lehrerimport, 55)                                                                                      \
    X(Lehrerimportdialog, 70)                                                                                \
    X(Elternimport, 75)                                                                                      \
    X(Elternimportdialog, 90)                                                                                \
    X(Speichern, 130)                                                                                        \
    X(Familie, 180)                                                                                          \
    X(Lehrkraft, 200)                                                                                        \
    X(Kind, 210)                                                                                             \
    X(Sortierung, 235)                                                                                       \
    X(Festnageln, 320)                                                                                       \
    X(Programmeinstellungen, 610)                                                                            \
    X(LayoutInhalt, 620)                                                                                     \
    X(LayoutTitel, 622)                                                                                      \
    X(LayoutAnmerkungen, 640)                                                                                \
    X(LayoutFormat, 645)                                                                                     \
    X(LayoutUeberschrift, 647)                                                                               \
    X(LayoutSchrift, 650)                                                                                    \
    X(LayoutTabulatoren, 657)                                                                                \
    X(Terminberechnung, 660)                                                                                 \
    X(LayoutLogo, 665)                                                                                       \
    X(Seitenraender, 701)                                                                                    \
    X(Klassengespraeche, 735)                                                                                \
    X(Sicherungsdatei, 920)                                                                                  \
    X(Anredeeditor, 1001)                                                                                    \
    X(Hauptfenster, 1100)                                                                                    \
    X(Gespraechswuensche, 1102)                                                                              \
    X(Zeitfenster, 1105)                                                                                     \
    X(GlobaleSperre, 1110)                                                                                   \
    X(MausTastatur, 1115)                                                                                    \
    X(Terminlauf, 1120)                                                                                      \
    X(Planverbessern, 1125)                                                                                  \
    X(Handbearbeitung, 1130)                                                                                 \
    X(Raumzuweisung, 1140)                                                                                   \
    X(Raumkonflikte, 1145)                                                                                   \
    X(Raumbelegung, 1150)                                                                                    \
    X(Drucken, 1160)                                                                                         \
    X(PdfExport, 1165)                                                                                       \
    X(Uebersichten, 1170)                                                                                    \
    X(Statistik, 1175)                                                                                       \
    X(Seitenvorschau, 1180)                                                                                  \
    X(Anmerkungen, 1185)                                                                                     \
    X(RtfExport, 1190)                                                                                       \
    X(Telefonnummern, 1195)                                                                                  \
    X(Notizzettel, 1200)                                                                                     \
    X(ListenFormat, 1205)                                                                                    \
    X(Schuldaten, 1210)

enum class Hilfekontext : int {
#define VEL_KONTEXT_WERT(name, nummer) name = nummer,
    VEL_HILFEKONTEXTE(VEL_KONTEXT_WERT)
#undef VEL_KONTEXT_WERT
};

inline constexpr Hilfekontext AlleHilfekontexte[] = {
#define VEL_KONTEXT_EINTRAG(name, nummer) Hilfekontext::name,
    VEL_HILFEKONTEXTE(VEL_KONTEXT_EINTRAG)
#undef VEL_KONTEXT_EINTRAG
};

// F1 and the help buttons open the page of the innermost widget that names one.
void HilfekontextSetzen(QWidget* fenster, Hilfekontext kontext);
std::optional<Hilfekontext> HilfekontextVon(const QWidget* widget);

// A dialog with pages: each page names its own context, and the dialog follows the page shown, so that
// its help button opens the page in front.
void HilfekontextFolgtSeite(QTabWidget* seiten);

// How the handbook names the page of a context.
QString HilfekontextKennung(Hilfekontext kontext);
