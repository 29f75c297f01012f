#pragma once

#include <QColor>
#include <QWidget>

// A percentage bar with its value written in the middle; the text takes the widget's font and the
// palette's WindowText colour.
class TProzBar : public QWidget {
    Q_OBJECT
public:
    explicit TProzBar(QWidget* parent = nullptr);

    int Progress() const { return Prozent; }
    // Values outside 0..100 are clamped; repaints only when the shown percentage changes.
    void setProgress(int wert);
    QColor ForeColor() const { return Vordergrund; }
    void setForeColor(const QColor& farbe);
    QColor BackColor() const { return Hintergrund; }
    void setBackColor(const QColor& farbe);
    // 0 no border, 1 a single line around the bar.
    int BorderStyle() const { return Rahmen; }
    void setBorderStyle(int stil);

    QSize sizeHint() const override { return {100, 100}; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    int Prozent = 0;
    QColor Vordergrund = Qt::black;
    QColor Hintergrund = Qt::white;
    int Rahmen = 1;
};
