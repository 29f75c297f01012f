#include "BackUpF.h"

#include "ui/Hilfekontext.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TBackUpF::TBackUpF(const QString& datei, QWidget* parent)
    : QDialog(parent) {
    HilfekontextSetzen(this, Hilfekontext::Sicherungsdatei);
    setWindowTitle(QStringLiteral("Sicherungsdatei gefunden"));
    const QFileInfo info(datei);
    const QDateTime zeit = info.lastModified();
    const QDate d = zeit.date();
    const QTime t = zeit.time();

    auto* text = new QLabel(QString::fromUtf8(
        "Als Folge eines irregulären Abbruchs hat VEL folgendende Sicherungsdatei eines Projekts gefunden:"));
    text->setWordWrap(true);
    LblName = new QLabel(info.fileName());
    LblDatum = new QLabel(QString::asprintf("%02d.%02d.%4d", d.day(), d.month(), d.year()));
    LblZeit = new QLabel(QString::asprintf("%02d:%02d:%02d", t.hour(), t.minute(), t.second()));
    LblGroesse = new QLabel(QString::number(info.size()));
    auto* werte = new QFormLayout;
    werte->addRow(QStringLiteral("Dateiname:"), LblName);
    werte->addRow(QStringLiteral("Datum:"), LblDatum);
    werte->addRow(QStringLiteral("Uhrzeit:"), LblZeit);
    werte->addRow(QString::fromUtf8("Dateigröße:"), LblGroesse);

    auto* knoepfe = new QDialogButtonBox;
    BtnOeffnen = knoepfe->addButton(QString::fromUtf8("Öffnen"), QDialogButtonBox::AcceptRole);
    BtnLoeschen = knoepfe->addButton(QString::fromUtf8("Löschen"), QDialogButtonBox::RejectRole);
    BtnHilfe = knoepfe->addButton(QStringLiteral("Hilfe"), QDialogButtonBox::HelpRole);
    BtnOeffnen->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(werte);
    layout->addWidget(new QLabel(QString::fromUtf8("Wenn Sie diese Datei nicht öffnen, wird sie gelöscht.")));
    layout->addWidget(new QLabel(
        QString::fromUtf8("Wenn Sie diese Datei öffnen, sollten Sie sie unter neuem Namen speichern.")));
    layout->addWidget(knoepfe);

    connect(BtnOeffnen, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnLoeschen, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnHilfe, &QPushButton::clicked, this, &TBackUpF::HilfeAngefordert);
}
