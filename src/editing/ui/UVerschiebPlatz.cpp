// Where the editing board lies: at the top left of the work area and as high as it; in full height
// (F4) over the whole height of the screen, task bar included.
#include "UVerschieb.h"

#include "ui/Arbeitsflaeche.h"

#include <QComboBox>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <algorithm>

void TFVerschieb::Platzieren() {
    const QScreen* schirm = screen();
    if (!schirm) return;
    const QRect flaeche = VolleHoehe ? schirm->geometry() : schirm->availableGeometry();
    const QMargins rahmen = Fensterrahmen(this);
    // The two tables share what the control panel leaves of the width, at most 559 pixels each.
    const QMargins innen = layout()->contentsMargins();
    const int rest = flaeche.width() - rahmen.left() - rahmen.right() - innen.left() - innen.right() -
                     BtnSchliessen->parentWidget()->minimumWidth() - 2 * layout()->spacing();
    const int breite = std::min({schirm->geometry().width() * 92 / 210, 559, rest / 2});
    for (QWidget* w : std::initializer_list<QWidget*>{CombE, LVE, CombL, LVL})
        w->setFixedWidth(breite);
    const QRect wunsch(flaeche.topLeft() + QPoint(rahmen.left(), rahmen.top()),
                       QSize(1273, flaeche.height()));
    setGeometry(Eingepasst(wunsch, rahmen, flaeche));
}
