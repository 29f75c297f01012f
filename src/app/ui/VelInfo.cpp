#include "VelInfo.h"

#include "Programmversion.h"
#include "Startbild.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TVelInfo::TVelInfo(QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8("Info über VEL"));
    const qreal dpr = devicePixelRatioF();
    QPixmap bild(QSize(400, 176) * dpr);
    bild.setDevicePixelRatio(dpr);
    {
        QPainter maler(&bild);
        StartbildMalen(maler, QRect(0, 0, 400, 176));
    }
    Bild = new QLabel(this);
    Bild->setPixmap(bild);
    Version = new QLabel(QStringLiteral("VEL-Version ") + Programmversion(), this);
    OkBtn = new QPushButton(QStringLiteral("OK"), this);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(Bild);
    spalte->addWidget(Version);
    spalte->addWidget(OkBtn, 0, Qt::AlignRight);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
}
