#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

// One day's grid of the occupancy plan: the heading row and the room column shaded, one selectable row,
// always as large as all its cells, so that the plan's scroll area scrolls both days together. The
// mouse is handed on with the row under the pointer (-1 outside the rows); the window does the rest.
class TRaumgitter : public QWidget {
    Q_OBJECT
public:
    explicit TRaumgitter(QWidget* parent = nullptr);

    // Row 0 the headings, column 0 the rooms.
    void Fuellen(const std::vector<QStringList>& zellen);
    int Zeilen() const { return static_cast<int>(Zellen.size()); }
    int Spalten() const { return Zellen.empty() ? 0 : static_cast<int>(Zellen.front().size()); }
    QString Zelle(int zeile, int spalte) const;

    // The selected row, -1 for none.
    int Markiert() const { return Markierung; }
    void Markieren(int zeile);

    int ZeileBei(int y) const;
    QRect ZellRechteck(int zeile, int spalte) const;
    // Sized by the font: the room column fits "Koordinatorenraum", a slot column "12:35", a row "Gg".
    int Raumspalte() const;
    int Slotspalte() const;
    int Zeilenhoehe() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void Gedrueckt(int zeile);
    // With the left button held; the global position lets the window scroll when it nears an edge.
    void Gezogen(int zeile, QPoint global);
    void Losgelassen(int zeile);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;

private:
    int SpaltenX(int spalte) const;
    int Spaltenbreite(int spalte) const;

    std::vector<QStringList> Zellen;
    int Markierung = -1;
};
