#include "VelInfo.h"

#include "Programmversion.h"
#include "Startbild.h"
#include "settings/Schuldaten.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int BildBreite = 400;

// A line no wider than the picture, so that a long name does not stretch the window; the tool tip
// keeps the whole text. Plain text: a name is never taken for markup. An empty field shows no line.
QLabel* Zeile(const QString& text, bool fett, QWidget* eltern, const QString& vorsatz = {}) {
    auto* zeile = new QLabel(eltern);
    zeile->setTextFormat(Qt::PlainText);
    QFont schrift = zeile->font();
    schrift.setBold(fett);
    zeile->setFont(schrift);
    const bool leer = text.trimmed().isEmpty();
    const QString ganz = leer ? QString() : vorsatz + text;
    const QString gekuerzt = QFontMetrics(schrift).elidedText(ganz, Qt::ElideRight, BildBreite);
    zeile->setText(gekuerzt);
    if (gekuerzt != ganz) zeile->setToolTip(ganz);
    zeile->setVisible(!leer);
    return zeile;
}

} // namespace

TVelInfo::TVelInfo(const TSchuldaten& schule, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8("Info über VEL"));
    const qreal dpr = devicePixelRatioF();
    QPixmap bild(QSize(BildBreite, 176) * dpr);
    bild.setDevicePixelRatio(dpr);
    {
        QPainter maler(&bild);
        StartbildMalen(maler, QRect(0, 0, BildBreite, 176));
    }
    Bild = new QLabel(this);
    Bild->setPixmap(bild);
    Version = new QLabel(QStringLiteral("VEL-Version ") + Programmversion(), this);
    SchulName = Zeile(schule.Name, true, this);
    SchulStrasse = Zeile(schule.Strasse, false, this);
    SchulOrt = Zeile(schule.Ort, false, this);
    SchulTelefon = Zeile(schule.Telefon, false, this, QStringLiteral("Tel.: "));
    SchulFax = Zeile(schule.Fax, false, this, QStringLiteral("Fax: "));
    OkBtn = new QPushButton(QStringLiteral("OK"), this);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(Bild);
    spalte->addWidget(Version);
    const QList<QLabel*> schulzeilen{SchulName, SchulStrasse, SchulOrt, SchulTelefon, SchulFax};
    if (std::any_of(schulzeilen.begin(), schulzeilen.end(),
                    [this](QLabel* z) { return z->isVisibleTo(this); }))
        spalte->addSpacing(8);
    for (QLabel* z : schulzeilen)
        spalte->addWidget(z);
    spalte->addWidget(OkBtn, 0, Qt::AlignRight);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
}
