#pragma once

#include <QRect>
#include <QSize>

// The page preview and the layout dialog beside it share the work area: the preview's head row spans it
// above both, below it the sheet stands at the left and the dialog right of it, neither covering the
// other. Where both do not fit, the sheet keeps a third of the width and the dialog's contents scroll.
struct TVorschauplatz {
    // The part of the work area the sheet is fitted into.
    QRect Blatt;
    // The dialog's place, frame included.
    QRect Dialog;
};

// flaeche: the work area the preview covers; kopf: the height of the preview above its sheet area;
// dialog: the size the dialog asks for, frame included; seitenverhaeltnis: the paper's width / height.
TVorschauplatz VorschauplatzTeilen(const QRect& flaeche, int kopf, const QSize& dialog,
                                   double seitenverhaeltnis);
