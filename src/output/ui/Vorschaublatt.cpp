#include "Vorschaublatt.h"

#include "output/Vorschau.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TVorschaublatt::TVorschaublatt(QWidget* eltern)
    : QWidget(eltern) {
    setMouseTracking(true);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Dark);
}

void TVorschaublatt::Zeigen(const QRect& blatt, const TSeitenmetrik& metrik, const TSeitenraender& raender,
                            const QPicture* seite) {
    BlattOrt = blatt;
    Metrik = metrik;
    Raender = raender;
    Seite = seite;
    update();
}

void TVorschaublatt::ZeigerSetzen(const QCursor& zeiger) {
    Zeiger = zeiger;
    if (underMouse() && BlattOrt.contains(mapFromGlobal(QCursor::pos()))) setCursor(Zeiger);
}

void TVorschaublatt::paintEvent(QPaintEvent* ereignis) {
    if (BlattOrt.isEmpty() || !ereignis->rect().intersects(BlattOrt)) return;
    QPainter maler(this);
    BlattMalen(maler, BlattOrt, Metrik, Raender, Seite);
}

void TVorschaublatt::mousePressEvent(QMouseEvent* ereignis) {
    const QPoint ort = ereignis->position().toPoint();
    const bool links = ereignis->button() == Qt::LeftButton;
    if (!BlattOrt.contains(ort) || (!links && ereignis->button() != Qt::RightButton))
        return QWidget::mousePressEvent(ereignis);
    Q_EMIT Geklickt(ort, links);
}

void TVorschaublatt::mouseMoveEvent(QMouseEvent* ereignis) {
    if (BlattOrt.contains(ereignis->position().toPoint()))
        setCursor(Zeiger);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(ereignis);
}
