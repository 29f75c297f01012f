#pragma once

#include "output/Seitenmetrik.h"

#include <QCursor>
#include <QWidget>

class QPicture;

// The sheet of the page preview on its grey ground: paints the page shown and reports clicks on it.
class TVorschaublatt : public QWidget {
    Q_OBJECT
public:
    explicit TVorschaublatt(QWidget* eltern);

    // The sheet's place in this widget, its page metrics and margins, and the page (null: a blank sheet;
    // it must live until the next call).
    void Zeigen(const QRect& blatt, const TSeitenmetrik& metrik, const TSeitenraender& raender,
                const QPicture* seite);
    QRect Blatt() const { return BlattOrt; }
    // The pointer over the sheet.
    void ZeigerSetzen(const QCursor& zeiger);

Q_SIGNALS:
    void Geklickt(QPoint ort, bool links);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;

private:
    QRect BlattOrt;
    TSeitenmetrik Metrik;
    TSeitenraender Raender;
    const QPicture* Seite = nullptr;
    QCursor Zeiger;
};
