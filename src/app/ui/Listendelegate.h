#pragma once

#include "ui/Zeilenhoehe.h"

class QAbstractItemView;
class TPerson;

// Draws the rows of the family list, the teacher list and the children tree: the selection in the
// list's own colours (brighter while the list has the focus), the row of the person whose pop-up time
// window is open, the list images and, in the person lists, the clock hotspot.
class TListenDelegate : public TZeilenDelegate {
    Q_OBJECT
public:
    enum class TArt { Eltern, Lehrer, Kinder };

    // zeitfensterPerson: the window's record of whose pop-up time window is open; a person list's rows
    // name their person in TPersonenModell::RollePerson.
    TListenDelegate(QAbstractItemView* ansicht, TArt art, const TPerson* const& zeitfensterPerson);

    // Clocks on every row instead of on the selected one only.
    void UhrenBeiAllen(bool an);
    // Where the clock hotspot of a row lies, in viewport coordinates.
    QRect UhrFlaeche(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void AuswahlfarbeSetzen(bool fokus);

    QAbstractItemView* Ansicht;
    TArt Art;
    const TPerson* const& ZeitfensterPerson;
    bool AlleUhren = false;
};
