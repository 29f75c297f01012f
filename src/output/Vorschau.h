#pragma once

#include "Listenseiten.h"

#include <QPicture>
#include <QRectF>
#include <QSize>
#include <QString>
#include <vector>

class QPainter;
class TPerson;
class TProjekt;

// One entry of the preview's person chooser.
struct TVorschauEintrag {
    QString Text;
    const TPerson* Person = nullptr;
};

// The persons whose lists the preview offers, in the order of their list: families by name, teachers
// as "Name (Kürzel)". With nurMitGespraech only persons with conversations (their counter must be
// current).
std::vector<TVorschauEintrag> VorschauEintraege(const TProjekt& projekt, bool fuerEltern,
                                                bool nurMitGespraech);

// The place of the person among the entries; 0 (the first) when it is not offered.
int EintragIndex(const std::vector<TVorschauEintrag>& eintraege, const TPerson* person);

// Whose list the preview starts with, from the selections of the main window's lists: the family
// unless the teacher list has the focus or no family is selected; Andere is the other kind's.
struct TVorschauStart {
    bool FuerEltern = true;
    const TPerson* Person = nullptr;
    const TPerson* Andere = nullptr;
};
TVorschauStart VorschauStarten(const TPerson* familie, const TPerson* lehrer, bool lehrerHatFokus);

// The pages of a composed list as pictures, drawn by the same code as printer and PDF.
std::vector<QPicture> VorschauZeichnen(const TListenblatt& blatt, const TListenZeilen& zeilen);

// Where the parts of a sheet lie when the whole sheet is shown as the rectangle blatt: the printable
// area and the content area, into which a page picture is stretched.
struct TBlattteile {
    QRectF Druckbar;
    QRectF Inhalt;
};
TBlattteile Blattteile(const TSeitenmetrik& metrik, const TSeitenraender& raender, const QRectF& blatt);

// Paints a sheet as the rectangle blatt: white paper, the printable area framed dotted in cyan, and the
// page picture (when there is one) in the content area.
void BlattMalen(QPainter& maler, const QRectF& blatt, const TSeitenmetrik& metrik,
                const TSeitenraender& raender, const QPicture* seite);

// The zoom levels: the sheet 1, 1.3 or 1.69 times the size that fits the window.
constexpr int Zoomstufen = 3;
// A left click zooms 0 → 1 → 2 → 0, a right click 0 → 2 → 1 → 0.
int Zoomschritt(int stufe, bool links);
// The sheet at a zoom level: at level 0 a portrait sheet is as high as the space, a landscape sheet as
// wide, and the other side follows the paper.
QSize Blattgroesse(const TSeitenmetrik& metrik, int stufe, QSize platz);
// The same, but at level 0 the sheet fits the space both ways: beside the layout dialog the space may be
// narrower than a sheet as high as it.
QSize BlattgroesseEingepasst(const TSeitenmetrik& metrik, int stufe, QSize platz);
