#pragma once

#include <QCursor>
#include <QModelIndex>
#include <QObject>
#include <array>
#include <optional>

class QMouseEvent;
class TEingabe;
class TEreignisFilter;
class TGespraech;
class TGespraechBefehle;
class TProjektDokument;
enum class TZiehzeiger;

// The drag state of the main window and the mouse handling of the teacher list and the tree. A drag
// lasts while the left button is down, so the list where it was pressed keeps the mouse (Qt's implicit
// grab); the keyboard is held back meanwhile, so that no command can change the tree underneath it.
class TZiehen : public QObject {
public:
    TZiehen(QWidget& fenster, TEingabe& eingabe, TGespraechBefehle& gespraechbefehle);
    ~TZiehen() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    enum class TArt { Keine, Lehrer, Gespraech };
    enum class TAblage { Nicht, Verschieben, Loeschen };

    bool LehrerMaus(const QMouseEvent& maus);
    bool BaumMaus(const QMouseEvent& maus);
    bool Taste(QEvent* ereignis);
    bool Weit(const QPoint& global) const;
    QModelIndex Druckzeile() const;

    void LehrerZiehenBeginnen();
    void LehrerZiehen(const QPoint& global);
    void LehrerAblegen(const QPoint& global);
    void GespraechZiehenBeginnen();
    void GespraechZiehen(const QPoint& global);
    void GespraechAblegen(const QPoint& global);
    void GespraechVersetzen();
    void Beginnen(TArt art);
    void Beenden();
    void Abbrechen();

    void ZeigerSetzen(TZiehzeiger nummer);
    QModelIndex Knoten(quintptr daten) const;
    QModelIndex Knoten(const TGespraech* g) const;
    QModelIndex KnotenUnter(const QPoint& global) const;
    void Waehlen(const QModelIndex& knoten);
    QString Lehrername() const;

    QWidget& Fenster;
    TEingabe& E;
    TGespraechBefehle& G;
    TProjektDokument& Dokument;
    // Compared only: while the window is destroyed, the filter may still see events of the lists.
    const QObject* LehrerFlaeche;
    TEreignisFilter* Tastensperre;
    std::array<QCursor, 9> Zeigerbilder;

    TArt Art = TArt::Keine;
    // Where the left button went down on a teacher row or a request node, on the screen.
    std::optional<QPoint> Druckpunkt;
    // Pressed on one of several selected teachers: they stay selected for dragging them all, and a
    // click without dragging selects the one row at release.
    bool Verzoegert = false;
    // A drag was cancelled while the button is still down: the list must not select by dragging.
    bool Nachlauf = false;

    // Dragging teachers.
    bool Mehrere = false;
    bool UeberKnoten = false;
    quintptr Vorher = 0; // the record of the tree node selected before the drag

    // Dragging a request.
    TGespraech* Gespraech = nullptr;
    TAblage Ablage = TAblage::Nicht;
    QModelIndex Ziel;
    bool NachOben = false;
};
