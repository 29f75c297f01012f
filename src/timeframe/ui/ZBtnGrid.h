#pragma once

#include "timeframe/Zeitraster.h"

#include <QWidget>
#include <functional>

class TMeldung;
class TProjekt;

// The slot switches of one day: drawn cell by cell, blocked and freed with the mouse (clicking or
// dragging); tells its owner of every change.
class TZBtnGrid : public QWidget {
    Q_OBJECT
public:
    explicit TZBtnGrid(QWidget* eltern = nullptr);

    TZeitraster Raster;
    bool IstLehrer = false;
    const TProjekt* Projekt = nullptr; // for the hints over booked cells
    TMeldung* Meldungen = nullptr;     // asks before an appointment is blocked
    // Runs after every question, so that a window that closes when the pointer leaves it stays open.
    std::function<void()> NachFrage;

    void WerteLaden(const TTageswerte& werte);
    const TTageswerte& Werte() const { return Raster.Werte; }
    int ZelleBei(const QPoint& ort) const;
    QRect Zellenrechteck(int zelle) const;

Q_SIGNALS:
    void Geaendert();
    // A mouse button went down on the grid, whether or not a cell changed.
    void Gedrueckt();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    bool event(QEvent* ereignis) override;

private:
    void ZelleZeichnen(class QPainter& maler, int zelle) const;
    bool Fragen();
    QString Hinweis(int zelle, bool& genagelt) const;

    Qt::MouseButton Taste = Qt::NoButton;
};

// The focusable host of a grid: Tab brings the keyboard into it, the arrows mark cells, space blocks
// and Shift+space frees them.
class TZBtnPanel : public QWidget {
    Q_OBJECT
public:
    explicit TZBtnPanel(QWidget* eltern = nullptr);

    TZBtnGrid* Grid() const { return Raster; }
    QSize sizeHint() const override;
    // On a small screen the cells shrink to their times.
    QSize minimumSizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;

private:
    TTerminSperre BereichFragen();

    TZBtnGrid* Raster;
};
