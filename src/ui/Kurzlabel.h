#pragma once

#include <QLabel>

// A one-line label that shows a text too long for it cut off with "…" instead of cutting it mid-letter;
// text() keeps the whole text.
class TKurzLabel : public QLabel {
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override;
    // What the label shows at its current width.
    QString Gezeigt() const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    // Within the frame and the label's margin.
    QRect Textflaeche() const;
};
