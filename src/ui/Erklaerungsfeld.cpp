#include "Erklaerungsfeld.h"

#include <QEvent>
#include <QTextDocument>
#include <cmath>
#include <memory>

TErklaerungsfeld::TErklaerungsfeld(const QString& text, const QString& mindestbreite, QWidget* eltern)
    : QTextEdit(eltern)
    , Mindestbreite(mindestbreite) {
    setPlainText(text);
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QSizePolicy politik(QSizePolicy::Expanding, QSizePolicy::Fixed);
    politik.setHeightForWidth(true);
    setSizePolicy(politik);
    BreiteSetzen();
}

int TErklaerungsfeld::heightForWidth(int breite) const {
    // Laid out as the box lays it out: the same font and margins at the width of the viewport.
    const std::unique_ptr<QTextDocument> probe(document()->clone());
    probe->setDefaultFont(font());
    probe->setTextWidth(breite - 2 * frameWidth());
    return static_cast<int>(std::ceil(probe->size().height())) + 2 * frameWidth();
}

QSize TErklaerungsfeld::sizeHint() const {
    return {minimumWidth(), heightForWidth(minimumWidth())};
}

void TErklaerungsfeld::changeEvent(QEvent* ereignis) {
    QTextEdit::changeEvent(ereignis);
    if (ereignis->type() == QEvent::FontChange || ereignis->type() == QEvent::StyleChange) BreiteSetzen();
}

void TErklaerungsfeld::BreiteSetzen() {
    // The margins on both sides, and room for the text cursor and rounding.
    const qreal rand = 2 * document()->documentMargin() + 2 * frameWidth() + 2;
    setMinimumWidth(fontMetrics().horizontalAdvance(Mindestbreite) + static_cast<int>(std::ceil(rand)));
    updateGeometry();
}
