#include "RiEd.h"

#include "model/Meldung.h"
#include "output/Rtfdokument.h"
#include "output/Rtfleser.h"
#include "ui/Dateiwahl.h"
#include "ui/Hilfekontext.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

TRiEd_Form::TRiEd_Form(const TProjekt& projekt, bool fuerEltern, TDateiwahl& dateiwahl, TMeldung& meldung,
                       const QString& startordner, QWidget* parent)
    : QDialog(parent)
    , Projekt(projekt)
    , FuerEltern(fuerEltern)
    , Dateiwahl(dateiwahl)
    , Meldungen(meldung)
    , Startordner(startordner) {
    HilfekontextSetzen(this, Hilfekontext::RtfExport);
    setWindowTitle(QString::fromUtf8("Gesprächlisten als Text speichern ..."));
    RichEdit1 = new QTextEdit;
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    BtnSpeichern = new QPushButton(QStringLiteral("Listen als Text speichern unter..."));
    BtnSchliessen = new QPushButton(QString::fromUtf8("&Schließen"));
    // Nothing to save or close before the document is shown.
    BtnSpeichern->setEnabled(false);
    BtnSchliessen->setEnabled(false);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BtnSpeichern);
    knoepfe->addStretch();
    knoepfe->addWidget(BtnSchliessen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RichEdit1, 1);
    layout->addLayout(knoepfe);
    resize(820, 600);

    connect(BtnSpeichern, &QPushButton::clicked, this, &TRiEd_Form::BtnSpeichernClick);
    connect(BtnSchliessen, &QPushButton::clicked, this, &QDialog::accept);

    setWindowTitle(QString::fromUtf8("Gesprächslisten für ") + Art() +
                   QStringLiteral(" im Rich Text Format (.rtf) exportieren"));
    // Filled before the view lays it out: the view would lay out the growing document at every line.
    auto* dokument = new QTextDocument(RichEdit1);
    RtfDarstellen(RtfErzeugen(Projekt, FuerEltern, TRtfFassung::Bildschirm).Daten, *dokument);
    RichEdit1->setDocument(dokument);
    BtnSpeichern->setEnabled(true);
    BtnSchliessen->setEnabled(true);
    BtnSchliessen->setDefault(true);
}

QString TRiEd_Form::Art() const {
    return FuerEltern ? QStringLiteral("Eltern") : QStringLiteral("Lehrer");
}

void TRiEd_Form::BtnSpeichernClick() {
    const QString datei = Dateiwahl.SpeichernWaehlen(
        {QString::fromUtf8("Gesprächslisten für ") + Art() + QStringLiteral(" speichern"),
         QStringLiteral("Text im RichText-Format (*.rtf);;Alle Dateien (*.*)"),
         QStringLiteral("rtf"),
         Startordner,
         {}});
    if (datei.isEmpty()) return;
    const QByteArray daten = RtfErzeugen(Projekt, FuerEltern, TRtfFassung::Datei).Daten;
    QSaveFile f(datei);
    if (f.open(QIODevice::WriteOnly) && f.write(daten) == daten.size() && f.commit()) {
        Gespeichert = datei;
        return;
    }
    Meldungen.Meldung(QString::fromUtf8("Die Gesprächslisten konnten nicht in die Datei\r%1\rgeschrieben "
                                        "werden.\r\r%2")
                          .arg(datei, f.errorString()),
                      QStringLiteral("Fehler"), MeldungsArt::Fehler);
}
