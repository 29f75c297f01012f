#include "Zeilenhoehe.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QStyledItemDelegate>
#include <algorithm>

int Zeilenhoehe(const QFontMetrics& schrift) {
    const int ueberstand = -schrift.tightBoundingRect(QStringLiteral("ÄÖÜ")).top() - schrift.ascent();
    return schrift.height() + 2 * std::max(0, ueberstand) + 4;
}

namespace {

class TUmlautDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize groesse = QStyledItemDelegate::sizeHint(option, index);
        groesse.setHeight(std::max(groesse.height(), Zeilenhoehe(option.fontMetrics)));
        return groesse;
    }
};

} // namespace

void UmlautZeilen(QAbstractItemView* liste) {
    liste->setItemDelegate(new TUmlautDelegate(liste));
}
