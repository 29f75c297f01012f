#pragma once

#include "output/Statistik.h"

#include <QWidget>

// How full each slot is and how long families wait between their conversations, drawn as bars: the
// office sees crowding and idle time at a glance.
class TStatistikgrafik : public QWidget {
    Q_OBJECT
public:
    explicit TStatistikgrafik(QWidget* eltern = nullptr);
    void Setzen(TAuslastung auslastung);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void Balken(class QPainter& maler, const QRect& flaeche, const QString& titel,
                const std::vector<int>& werte, const std::vector<QString>& beschriftung,
                const QColor& farbe) const;

    TAuslastung Daten;
};
