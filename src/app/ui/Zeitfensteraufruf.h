#pragma once

#include <QObject>

class QAbstractButton;
class QAction;
class QEvent;
class QModelIndex;
class QPoint;
class QTreeView;
class TEingabe;
class TFZeitSplash;
class TPerson;
struct TBefehlsumgebung;

// Opens the pop-up time window from the person lists: a clock hotspot (by hovering or clicking, as the
// user chose), a double click, Ctrl+Z; marks whose window is open, for the lists to draw; and applies
// and closes it before a command of the window runs.
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

    // The window applies what the user blocked and closes before the command's handler runs, which is
    // connected afterwards: the command sees the blocks, and no window shows a stale plan or a person
    // the command deleted.
    void Vorschalten(QAction* befehl);
    void Vorschalten(QAbstractButton* knopf);

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
