#include "Tagesraster.h"

#include "ZBtnGrid.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TTagesraster::TTagesraster(int tag, QWidget* eltern)
    : QWidget(eltern)
    , Tag(tag)
    , LblDatum(new QLabel(this))
    , BtnSperren(
          new QPushButton(tag == 0 ? QStringLiteral("Tag &sperren") : QStringLiteral("Tag s&perren"), this))
    , BtnFreigeben(new QPushButton(
          tag == 0 ? QStringLiteral("Tag &freigeben") : QStringLiteral("Tag freige&ben"), this))
    , Panel(new TZBtnPanel(this)) {
    auto* raster = new QGridLayout(this);
    raster->setContentsMargins(0, 0, 0, 0);
    auto* name = new QLabel(QStringLiteral("Tag %1:").arg(tag + 1), this);
    QFont fett = name->font();
    fett.setBold(true);
    name->setFont(fett);
    LblDatum->setFont(fett);
    for (QPushButton* b : {BtnSperren, BtnFreigeben})
        b->setAutoDefault(false);
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(name);
    kopf->addWidget(LblDatum);
    kopf->addStretch();
    kopf->addWidget(BtnSperren);
    kopf->addWidget(BtnFreigeben);
    raster->addLayout(kopf, 0, 0);
    raster->addWidget(Panel, 1, 0);
}

TZBtnGrid* TTagesraster::Grid() const {
    return Panel->Grid();
}
