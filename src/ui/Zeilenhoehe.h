#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;
class QFontMetrics;

// The height of a list row in which capital umlauts keep their dots: many fonts draw the marks of "ÄÖÜ"
// above their ascent, so the row gets that much more room above the text and, to keep the text centred,
// as much below.
int Zeilenhoehe(const QFontMetrics& fm);

// Draws as the standard delegate, in rows at least Zeilenhoehe high; the lists' own delegates build on it.
class TZeilenDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// Gives a list without a delegate of its own rows of that height.
void UmlautZeilen(QAbstractItemView* liste);
