#pragma once

#include <QObject>

class QEvent;
class QModelIndex;
class QPoint;
class QTreeView;
class TEingabe;
class TFZeitSplash;
class TPerson;
struct TBefehlsumgebung;

// Opens the pop-up time window from the person lists: a clock hotspot (by hovering or clicking, as the
// user chose), a double click, Ctrl+Z; and marks whose window is open, for the lists to draw.
class TZeitfensterAufruf : public QObject {
    Q_OBJECT
public:
    // person: the window's record of whose pop-up is open, which the list delegates read.
    TZeitfensterAufruf(const TBefehlsumgebung& umgebung, TEingabe& eingabe, const TPerson*& person,
                       QObject* eltern);

    TFZeitSplash* Fenster;

    // The selected family, or the one selected teacher.
    void FamilieZeigen(bool ausTastatur);
    void LehrerZeigen(bool ausTastatur);

private:
    void Zeigen(QTreeView* liste, const QModelIndex& zeile, bool ausTastatur, bool perHotspot);
    // The row whose shown clock lies under ort (viewport coordinates), or an invalid index.
    QModelIndex UhrBei(QTreeView* liste, const QPoint& ort) const;
    bool Mausereignis(QTreeView* liste, QEvent* ereignis);
    void ListenNeuZeichnen();
    bool Hovermodus() const;

    TEingabe& Eingabe;
    const TPerson*& Person;
    const bool& ZeitSplash; // the user's choice: open by click instead of by hovering
};
