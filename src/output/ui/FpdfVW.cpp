#include "FpdfVW.h"

#include "SonstigeListen.h"
#include "output/Druckbereich.h"
#include "ui/Dateiwahl.h"
#include "ui/Hilfekontext.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

TFpdfVW::TFpdfVW(TDrucklaufStand& stand, TDateiwahl& dateiwahl, QWidget* parent)
    : QDialog(parent)
    , Stand(stand)
    , Dateiwahl(dateiwahl) {
    HilfekontextSetzen(this, Hilfekontext::PdfExport);
    setWindowTitle(QStringLiteral("Listen als PDF speichern"));
    Ordner = new QLineEdit;
    Ordner->setReadOnly(true);
    Bfolder = new QPushButton(QString::fromUtf8("Ordner wählen ..."));
    BpdfE = new QPushButton(QString::fromUtf8("für Eltern ..."));
    BpdfL = new QPushButton(QString::fromUtf8("für Lehrkräfte ..."));
    BpdfS = new QPushButton(QStringLiteral("Sonstige Listen ..."));
    SonstMenue = SonstigeListenMenue(BpdfS);
    CBKalender = new QCheckBox(QStringLiteral("Kalenderdateien (.ics)"));
    CBKalender->setToolTip(QString::fromUtf8(
        "Zu jeder Liste eine Kalenderdatei mit ihren Terminen, gleich benannt und im selben Ordner.\n"
        "Als Mail-Anhang geöffnet, übernimmt das Handy die Termine in seinen Kalender."));
    CBKalender->setChecked(Stand.Kalenderdateien);
    for (QPushButton* knopf : {BpdfE, BpdfL})
        knopf->setMinimumWidth(knopf->sizeHint().width() + 24);

    auto* ordner = new QHBoxLayout;
    ordner->addWidget(Ordner, 1);
    ordner->addWidget(Bfolder);
    auto* listen = new QHBoxLayout;
    listen->addWidget(BpdfE);
    listen->addWidget(BpdfL);
    listen->addStretch();
    listen->addWidget(BpdfS);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(ordner);
    layout->addSpacing(8);
    layout->addLayout(listen);
    // Under the lists' buttons: it goes with their runs, not with the other lists.
    layout->addWidget(CBKalender, 0, Qt::AlignLeft);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    OrdnerPruefen();
    Bfolder->setDefault(true);

    connect(Bfolder, &QPushButton::clicked, this, &TFpdfVW::BfolderClick);
    connect(BpdfE, &QPushButton::clicked, this, [this] { Starten(true); });
    connect(BpdfL, &QPushButton::clicked, this, [this] { Starten(false); });
    connect(CBKalender, &QCheckBox::toggled, this, [this](bool an) { Stand.Kalenderdateien = an; });
}

bool TFpdfVW::OrdnerPruefen() {
    Ordner->setText(Stand.PdfOrdner.isEmpty() ? QString::fromUtf8("(noch nicht gewählt)") : Stand.PdfOrdner);
    Ordner->setToolTip(Stand.PdfOrdner);
    // The field grows with the folder's name, so that usual paths show whole.
    const QFontMetrics m = Ordner->fontMetrics();
    const int zeichen = m.averageCharWidth();
    Ordner->setFixedWidth(
        std::clamp(m.horizontalAdvance(Ordner->text()) + 2 * zeichen, 40 * zeichen, 90 * zeichen));
    Ordner->setCursorPosition(0);
    const bool da = !Stand.PdfOrdner.isEmpty() && QFileInfo(Stand.PdfOrdner).isDir();
    BpdfE->setEnabled(da);
    BpdfL->setEnabled(da);
    return da;
}

bool TFpdfVW::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::Show || ereignis->type() == QEvent::WindowActivate) OrdnerPruefen();
    return QDialog::event(ereignis);
}

void TFpdfVW::BfolderClick() {
    const QString start = Stand.PdfOrdner.isEmpty() ? DesktopOrdner() : Stand.PdfOrdner;
    const QString ordner = Dateiwahl.OrdnerWaehlen(QStringLiteral("Ort für Speichern (PDF)"), start);
    if (ordner.isEmpty()) return;
    Stand.PdfOrdner = ordner;
    OrdnerPruefen();
}

void TFpdfVW::Starten(bool eltern) {
    if (!OrdnerPruefen()) return;
    if (eltern)
        Q_EMIT ElternSpeichern();
    else
        Q_EMIT LehrerSpeichern();
}
