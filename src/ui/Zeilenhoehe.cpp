#include "Zeilenhoehe.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <algorithm>

int Zeilenhoehe(const QFontMetrics& fm) {
    const int ueberstand = std::max(0, -fm.tightBoundingRect(QString::fromUtf8("ÄÖÜÅ")).top() - fm.ascent());
    return fm.height() + 2 * (ueberstand + 1);
}

QSize TZeilenDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize groesse = QStyledItemDelegate::sizeHint(option, index);
    groesse.setHeight(std::max(groesse.height(), Zeilenhoehe(option.fontMetrics)));
    return groesse;
}

void UmlautZeilen(QAbstractItemView* liste) {
    liste->setItemDelegate(new TZeilenDelegate(liste));
}
