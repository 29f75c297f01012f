#include "LayoutLogo.h"

#include "model/Logo.h"
#include "model/Meldung.h"
#include "ui/Dateiwahl.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QPainter>
#include <QPushButton>

TLogobild::TLogobild(const QImage& logo, QWidget* eltern)
    : QWidget(eltern)
    , Logo(logo) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize TLogobild::sizeHint() const {
    const int zeile = fontMetrics().height();
    return {zeile * 14, zeile * 8};
}

void TLogobild::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    const QRect kasten = rect().adjusted(0, 0, -1, -1);
    maler.fillRect(kasten, Qt::white);
    maler.setPen(Qt::darkGray);
    maler.drawRect(kasten);
    if (Logo.isNull()) return;
    const QSize groesse = Logo.size().scaled(kasten.adjusted(4, 4, -4, -4).size(), Qt::KeepAspectRatio);
    QRect ziel(QPoint(), groesse);
    ziel.moveCenter(kasten.center());
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    maler.drawImage(ziel, Logo);
}

TLayoutLogo::TLayoutLogo(TListenlayout& layout, TDateiwahl& dateiwahl, TMeldung& meldung, QWidget* eltern)
    : TLayoutSeite(layout, eltern)
    , Dateiwahl(dateiwahl)
    , Meldungen(meldung) {
    BtnOeffnen = new QPushButton(QString::fromUtf8("Bild öffnen ..."));
    BtnVerwerfen = new QPushButton(QStringLiteral("Logo verwerfen"));
    ChHasName = new QCheckBox(QStringLiteral("Schulnamen ausblenden"));
    Bild = new TLogobild(L.Logo);
    auto* raster = new QGridLayout(this);
    raster->addWidget(Bild, 0, 0, 4, 1);
    raster->addWidget(BtnOeffnen, 0, 1);
    raster->addWidget(BtnVerwerfen, 1, 1);
    raster->addWidget(ChHasName, 2, 1);
    raster->setRowStretch(3, 1);
    raster->setColumnStretch(0, 1);
    connect(BtnOeffnen, &QPushButton::clicked, this, &TLayoutLogo::BildOeffnen);
    connect(BtnVerwerfen, &QPushButton::clicked, this, [this] {
        Aendern(TListenArt::Beide, [this] { LogoVerwerfen(L); });
        Fuellen();
    });
    connect(ChHasName, &QCheckBox::toggled, this,
            [this](bool an) { Aendern(TListenArt::Beide, [this, an] { L.SchulnameAusblenden = an; }); });
    Fuellen();
}

void TLayoutLogo::Anzeigen() {
    const bool logo = L.MitLogo && !L.Logo.isNull();
    ChHasName->setEnabled(logo);
    ChHasName->setChecked(logo && L.SchulnameAusblenden);
    BtnVerwerfen->setEnabled(L.MitLogo || !L.Logo.isNull());
    Bild->update();
}

void TLayoutLogo::BildOeffnen() {
    const QString datei = Dateiwahl.OeffnenWaehlen(
        {QString::fromUtf8("Bild öffnen"),
         QStringLiteral("Bilder (*.jpg *.jpeg *.bmp *.emf *.wmf *.png *.ico *.gif);;Alle Dateien (*)"),
         QString(), L.LogoDatei.isEmpty() ? QString() : QFileInfo(L.LogoDatei).absolutePath(), QString()});
    if (datei.isEmpty()) return;
    // A file that cannot be loaded leaves the layout as it was.
    const TLogoFehler fehler = LogoLaden(L, datei);
    if (fehler != TLogoFehler::Keiner) {
        Meldungen.Meldung(LogoFehlertext(fehler, datei), QStringLiteral("Logo"), MeldungsArt::Fehler);
        return;
    }
    Q_EMIT Geaendert(TListenArt::Beide);
    Fuellen();
}
