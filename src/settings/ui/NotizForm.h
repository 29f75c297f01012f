#pragma once

#include "settings/Notizzettel.h"

#include <QPoint>
#include <QWidget>
#include <array>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QToolButton;
class TProjekt;

// One work step on the note pad: its mark and caption. A click, or Space while it has the focus,
// asks to toggle it; a double click counts as one click.
class TNotizZeile : public QWidget {
    Q_OBJECT
public:
    TNotizZeile(int schritt, QWidget* eltern);

    const int Schritt;
    QLabel* Haken = nullptr;
    QLabel* Beschriftung = nullptr;

    void Setzen(bool an);

Q_SIGNALS:
    void Geklickt(int schritt);

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;
};

// The note pad: a small frameless window with rounded corners that stays on top of the main window,
// the work steps of a conference day with their marks, and free notes. It is dragged by its top.
class TNotizForm : public QWidget {
    Q_OBJECT
public:
    explicit TNotizForm(QWidget* hauptfenster);

    std::array<TNotizZeile*, NotizSchritte> Zeilen{};
    QPlainTextEdit* MemoNotiz = nullptr;
    QToolButton* SpeedButton1 = nullptr;

    // Shows the project's marks and notes; without a project nothing is ticked and nothing can be noted.
    void Anzeigen(const TProjekt* projekt);
    // At the right edge of the work area, just below the main window's menu and tool bar, and up as far
    // as needed to stay on the screen.
    void Platzieren();

    static constexpr int Eckradius = 24;
    static constexpr int Griffhoehe = 30;

Q_SIGNALS:
    void HakenGeklickt(int schritt);
    void NotizGeaendert(const QString& text);
    void Ausblenden();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    QWidget* const Hauptfenster;
    // Where the window was grabbed, relative to its top-left corner, while it is dragged.
    std::optional<QPoint> Griff;
};
