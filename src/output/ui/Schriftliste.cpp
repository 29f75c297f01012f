#include "Schriftliste.h"

#include <QFontMetrics>
#include <algorithm>

TSchriftliste::TSchriftliste(QWidget* eltern)
    : QListWidget(eltern) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(false);
    connect(this, &QListWidget::currentTextChanged, this, [this](const QString& familie) {
        if (!signalsBlocked() && !familie.isEmpty()) Q_EMIT SchriftGewaehlt(familie);
    });
}

void TSchriftliste::Zeigen(const QStringList& familien, const QString& gewaehlt) {
    const QSignalBlocker still(this);
    clear();
    for (const QString& familie : familien) {
        auto* eintrag = new QListWidgetItem(familie, this);
        QFont schrift(familie);
        schrift.setPointSize(12);
        eintrag->setFont(schrift);
        eintrag->setSizeHint(QSize(QFontMetrics(schrift).horizontalAdvance(familie) + 8,
                                   std::max(16, QFontMetrics(schrift).height())));
    }
    Waehlen(gewaehlt);
}

void TSchriftliste::Waehlen(const QString& familie) {
    const QSignalBlocker still(this);
    const QList<QListWidgetItem*> gefunden = findItems(familie, Qt::MatchFixedString);
    setCurrentItem(gefunden.isEmpty() ? nullptr : gefunden.front());
    if (currentItem()) scrollToItem(currentItem(), QAbstractItemView::PositionAtCenter);
}

QString TSchriftliste::Gewaehlt() const {
    return currentItem() ? currentItem()->text() : QString();
}

void GroessenZeigen(QListWidget* liste, int von, int bis, int gewaehlt, bool zweistellig) {
    const QSignalBlocker still(liste);
    if (liste->count() == 0)
        for (int g = von; g <= bis; ++g)
            liste->addItem(zweistellig ? QStringLiteral("%1").arg(g, 2, 10, QLatin1Char('0'))
                                       : QString::number(g));
    liste->setCurrentRow(gewaehlt >= von && gewaehlt <= bis ? gewaehlt - von : -1);
}
