#include "Listendelegate.h"

#include "Personenmodell.h"
#include "ui/Symbole.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPen>
#include <QStyle>

namespace {

constexpr int Uhrgroesse = 18;
constexpr int Bildbreite = 16;
constexpr int Abstand = 2;
const QColor Fokusfarbe(0x33, 0x88, 0xFF);
const QColor Auswahlfarbe(0x77, 0xCC, 0xFF);

} // namespace

TListenDelegate::TListenDelegate(QAbstractItemView* ansicht, TArt art,
                                 const TPerson* const& zeitfensterPerson)
    : TZeilenDelegate(ansicht)
    , Ansicht(ansicht)
    , Art(art)
    , ZeitfensterPerson(zeitfensterPerson) {
    // The selection colour follows the focus, so the rows are repainted when it comes or goes.
    Ansicht->installEventFilter(this);
    AuswahlfarbeSetzen(false);
}

// What the view draws itself, such as the branch lines of the tree, gets the same selection colour.
void TListenDelegate::AuswahlfarbeSetzen(bool fokus) {
    QPalette farben = Ansicht->palette();
    farben.setColor(QPalette::Highlight, fokus ? Fokusfarbe : Auswahlfarbe);
    Ansicht->setPalette(farben);
}

void TListenDelegate::UhrenBeiAllen(bool an) {
    AlleUhren = an;
    Ansicht->viewport()->update();
}

bool TListenDelegate::eventFilter(QObject* objekt, QEvent* ereignis) {
    // The view itself is no cell editor, so the base class must not see its events.
    if (objekt == Ansicht) {
        if (ereignis->type() == QEvent::FocusIn || ereignis->type() == QEvent::FocusOut) {
            AuswahlfarbeSetzen(ereignis->type() == QEvent::FocusIn);
            Ansicht->viewport()->update();
        }
        return false;
    }
    return TZeilenDelegate::eventFilter(objekt, ereignis);
}

QRect TListenDelegate::UhrFlaeche(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int oben = option.rect.top() + (option.rect.height() - Uhrgroesse) / 2;
    if (Art == TArt::Eltern && index.column() == 1)
        return {option.rect.left() + Abstand, oben, Uhrgroesse, Uhrgroesse};
    if (Art == TArt::Lehrer && index.column() == index.model()->columnCount() - 1)
        return {Ansicht->viewport()->width() - Uhrgroesse, oben, Uhrgroesse, Uhrgroesse};
    return {};
}

QSize TListenDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize groesse = TZeilenDelegate::sizeHint(option, index);
    groesse.setHeight(qMax(groesse.height(), Uhrgroesse + 2));
    return groesse;
}

void TListenDelegate::paint(QPainter* maler, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const bool ausgewaehlt = option.state & QStyle::State_Selected;
    const bool fokus = Ansicht->hasFocus();
    const quintptr person = index.data(TPersonenModell::RollePerson).value<quintptr>();
    QColor hinten = option.palette.base().color();
    QColor vorn = option.palette.text().color();
    if (person && person == reinterpret_cast<quintptr>(ZeitfensterPerson)) {
        const bool mehrere = Art == TArt::Lehrer && Ansicht->selectionModel()->selectedRows().size() > 1;
        hinten = mehrere ? QColor(0x00, 0x00, 0xAA) : QColor(0xFF, 0xA0, 0xA0);
        vorn = mehrere ? Qt::white : Qt::black;
    } else if (ausgewaehlt) {
        hinten = fokus ? Fokusfarbe : Auswahlfarbe;
        vorn = fokus ? Qt::white : Qt::black;
    }

    maler->save();
    maler->setClipRect(option.rect);
    maler->fillRect(option.rect, hinten);

    QRect text = option.rect.adjusted(Abstand, 0, -Abstand, 0);
    QPixmap bild;
    if (Art == TArt::Kinder)
        bild = index.data(Qt::DecorationRole).value<QPixmap>();
    else if (index.column() == 0)
        bild = ListenBild(Art == TArt::Lehrer ? 7 : (ausgewaehlt ? 0 : 3));
    if (Art == TArt::Kinder || index.column() == 0) {
        if (!bild.isNull())
            maler->drawPixmap(text.left(), text.top() + (text.height() - Bildbreite) / 2, Bildbreite,
                              Bildbreite, bild);
        text.setLeft(text.left() + Bildbreite + Abstand);
    }

    const QRect uhr = UhrFlaeche(option, index);
    if (!uhr.isNull()) {
        if (ausgewaehlt || AlleUhren) maler->drawPixmap(uhr, ListenBild(16));
        // The name never runs under the clock, whether it is shown or not.
        if (Art == TArt::Eltern)
            text.setLeft(uhr.right() + Abstand);
        else
            text.setRight(uhr.left() - Abstand);
    }

    maler->setPen(vorn);
    maler->setFont(option.font);
    const QString inhalt = index.data(Qt::DisplayRole).toString();
    maler->drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                    option.fontMetrics.elidedText(inhalt, Qt::ElideRight, text.width()));

    if (ausgewaehlt && fokus) {
        // One dotted rectangle round the whole row, of which each cell draws its own part.
        const QRect zeile = Art == TArt::Kinder ? option.rect
                                                : QRect(0, option.rect.top(), Ansicht->viewport()->width(),
                                                        option.rect.height());
        maler->setPen(QPen(vorn, 1, Qt::DotLine));
        maler->setBrush(Qt::NoBrush);
        maler->drawRect(zeile.adjusted(0, 0, -1, -1));
    }
    maler->restore();
}
