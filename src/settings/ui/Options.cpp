#include "Options.h"

#include "model/Datumstexte.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "ui/Hilfekontext.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLineEdit* Zahlfeld(int stellen, QWidget* eltern) {
    auto* feld = new QLineEdit(eltern);
    // Only digits and backspace are taken.
    feld->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,%1}").arg(stellen)), feld));
    feld->setMaxLength(stellen);
    feld->setFixedWidth(feld->fontMetrics().horizontalAdvance(QString(stellen + 2, u'0')) + 12);
    return feld;
}

QString LangesDatum(const TProjekt& p, int tag) {
    return DatumLang(DatumAusWert(p.Datum[tag]));
}

} // namespace

TOptDlg::TOptDlg(const TProgrammwerte& programm, const TProjekt* projekt, Modus modus, TMeldung& meldung,
                 TOrdnerWahl ordnerWahl, QWidget* parent)
    : QDialog(parent)
    , Meldung(meldung)
    , OrdnerWahl(std::move(ordnerWahl))
    , ZweiTage(projekt && projekt->ZweiTage)
    , BitteTag1(projekt ? projekt->BitteTag1 : true) {
    Seiten = new QTabWidget(this);

    // A child from the start, so that it is freed also in the start mode, which does not show it.
    ProgOpt = new QWidget(this);
    ProgOpt->hide();
    auto* prog = new QVBoxLayout(ProgOpt);
    auto ordnerZeile = [&](const QString& text, QLineEdit*& feld, QPushButton*& knopf) {
        prog->addWidget(new QLabel(text));
        auto* zeile = new QHBoxLayout;
        feld = new QLineEdit;
        feld->setMinimumWidth(320);
        knopf = new QPushButton(QString::fromUtf8("auswählen..."));
        zeile->addWidget(feld, 1);
        zeile->addWidget(knopf);
        prog->addLayout(zeile);
    };
    ordnerZeile(QString::fromUtf8("Ordner für Projekte:"), DirEd, Aend);
    ordnerZeile(QString::fromUtf8("Ordner für Datenimport:"), ImportDirEd, ImportAend);
    AutoOeff =
        new QCheckBox(QStringLiteral("Beim Programmstart zuletzt bearbeitetes Projekt automatisch öffnen"));
    prog->addWidget(AutoOeff);
    auto* sicherung = new QHBoxLayout;
    AutoSich = new QCheckBox(QStringLiteral("Automatische Datensicherung"));
    MinEd = Zahlfeld(3, this);
    sicherung->addWidget(AutoSich);
    sicherung->addWidget(new QLabel(QStringLiteral("alle")));
    sicherung->addWidget(MinEd);
    sicherung->addWidget(new QLabel(QStringLiteral("Minuten")));
    sicherung->addStretch();
    prog->addLayout(sicherung);
    auto* RGBez = new QGroupBox(QStringLiteral("Klassenstufen-Bezeichungen"));
    auto* bez = new QHBoxLayout(RGBez);
    BezZahl = new QRadioButton(QStringLiteral("5, 6, 7, 8, 9, ..."));
    BezLatein = new QRadioButton(QStringLiteral("VI, V, IV, UIII, ..."));
    bez->addWidget(BezZahl);
    bez->addWidget(BezLatein);
    prog->addWidget(RGBez);
    prog->addStretch();

    AuswOpt = new QWidget;
    auto* ausw = new QVBoxLayout(AuswOpt);
    RadioGroup1 =
        new QGroupBox(QStringLiteral("Auf welchen Tag sollen die Gespräche vorzugsweise gelegt werden?"));
    auto* tage = new QVBoxLayout(RadioGroup1);
    Tag1 = new QRadioButton;
    Tag2 = new QRadioButton;
    tage->addWidget(Tag1);
    tage->addWidget(Tag2);
    ausw->addWidget(RadioGroup1);
    EinTagText = new QLabel;
    ausw->addWidget(EinTagText);
    auto* bloecke = new QGroupBox(QStringLiteral("Maximalzahl von Gesprächen ohne Pause:"));
    auto* form = new QFormLayout(bloecke);
    MblE = Zahlfeld(2, this);
    MblL = Zahlfeld(2, this);
    form->addRow(QStringLiteral("Bei Eltern"), MblE);
    form->addRow(QStringLiteral("Bei Lehrern"), MblL);
    ausw->addWidget(bloecke);
    ausw->addStretch();
    if (ZweiTage) {
        Tag1->setText(QStringLiteral("%1.Tag (%2)").arg(1).arg(LangesDatum(*projekt, 0)));
        Tag2->setText(QStringLiteral("%1.Tag (%2)").arg(2).arg(LangesDatum(*projekt, 1)));
        EinTagText->hide();
    } else {
        RadioGroup1->hide();
        if (projekt) EinTagText->setText(QStringLiteral("Elternsprechtag am ") + LangesDatum(*projekt, 0));
    }

    if (modus != Modus::Start) Seiten->addTab(ProgOpt, QStringLiteral("Programm-Einstellungen"));
    Seiten->addTab(AuswOpt, QStringLiteral("Terminberechnung"));
    if (modus == Modus::Terminberechnung) Seiten->setCurrentWidget(AuswOpt);
    HilfekontextSetzen(ProgOpt, Hilfekontext::Programmeinstellungen);
    HilfekontextSetzen(AuswOpt, Hilfekontext::Terminberechnung);
    HilfekontextFolgtSeite(Seiten);

    auto* knoepfe = new QDialogButtonBox(this);
    OkBtn = knoepfe->addButton(modus == Modus::Start ? QStringLiteral("START") : QStringLiteral("OK"),
                               QDialogButtonBox::AcceptRole);
    CancBtn = knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    UebBtn = knoepfe->addButton(QString::fromUtf8("Übernehmen"), QDialogButtonBox::ApplyRole);
    HilfeBtn = knoepfe->addButton(QStringLiteral("Hilfe"), QDialogButtonBox::HelpRole);
    OkBtn->setDefault(true);
    UebBtn->setVisible(modus != Modus::Start);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Seiten);
    layout->addWidget(knoepfe);
    setWindowTitle(modus == Modus::Start ? QStringLiteral("Termine mit folgenden Einstellungen berechnen:")
                                         : QStringLiteral("Programm-Optionen"));

    WerteAnzeigen(programm, projekt);

    connect(Aend, &QPushButton::clicked, this,
            [this] { OrdnerWaehlen(DirEd, QStringLiteral("Speicherziel für VEL-Projekte")); });
    connect(ImportAend, &QPushButton::clicked, this,
            [this] { OrdnerWaehlen(ImportDirEd, QString::fromUtf8("Quelle für Import-Dateien")); });
    for (QLineEdit* feld : {DirEd, ImportDirEd, MinEd, MblE, MblL})
        connect(feld, &QLineEdit::textEdited, this, &TOptDlg::Geaendert);
    for (QAbstractButton* knopf :
         std::initializer_list<QAbstractButton*>{AutoOeff, AutoSich, BezZahl, BezLatein, Tag1, Tag2})
        connect(knopf, &QAbstractButton::clicked, this, &TOptDlg::Geaendert);
    connect(UebBtn, &QPushButton::clicked, this, &TOptDlg::UebBtnClick);
    connect(OkBtn, &QPushButton::clicked, this, &TOptDlg::OkBtnClick);
    connect(CancBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HilfeBtn, &QPushButton::clicked, this, &TOptDlg::HilfeAngefordert);
}

void TOptDlg::WerteAnzeigen(const TProgrammwerte& programm, const TProjekt* projekt) {
    DirEd->setText(programm.ProjektPfad);
    ImportDirEd->setText(programm.ImportPfad);
    AutoOeff->setChecked(programm.DateiLaden);
    AutoSich->setChecked(programm.AutoSpeichern);
    MinEd->setText(QString::number(programm.AutoSpeichZeit));
    (programm.LatKlBez ? BezLatein : BezZahl)->setChecked(true);
    (BitteTag1 ? Tag1 : Tag2)->setChecked(true);
    MblE->setText(QString::number(projekt ? projekt->MaximalBlock_El : 4));
    MblL->setText(QString::number(projekt ? projekt->MaximalBlock : 6));
    UebBtn->setEnabled(false);
}

TOptionswerte TOptDlg::Werte() const {
    TOptionswerte werte;
    werte.ProjektPfad = DirEd->text();
    werte.ImportPfad = ImportDirEd->text();
    werte.DateiLaden = AutoOeff->isChecked();
    werte.AutoSpeichern = AutoSich->isChecked();
    werte.AutoSpeichZeit = MinEd->text().toUInt();
    werte.LatKlBez = BezLatein->isChecked();
    werte.MaximalBlock_El = MblE->text().toUShort();
    werte.MaximalBlock = MblL->text().toUShort();
    werte.BitteTag1 = ZweiTage ? Tag1->isChecked() : BitteTag1;
    return werte;
}

void TOptDlg::Geaendert() {
    UebBtn->setEnabled(true);
}

void TOptDlg::OrdnerWaehlen(QLineEdit* feld, const QString& prompt) {
    const QString ordner = OrdnerWahl(QString::fromUtf8("Ordner wählen"), prompt, feld->text());
    if (ordner.isEmpty()) return;
    feld->setText(ordner);
    Geaendert();
}

bool TOptDlg::ZahlPruefen(QLineEdit* feld, QWidget* seite, int von, int bis, const QString& titel) {
    bool ok = false;
    const int wert = feld->text().toInt(&ok);
    if (ok && wert >= von && wert <= bis) return true;
    Seiten->setCurrentWidget(seite);
    feld->setFocus();
    feld->selectAll();
    Meldung.Meldung(
        QStringLiteral("%1 ist keine Ganzzahl zwischen %2 und %3!").arg(feld->text()).arg(von).arg(bis),
        titel, MeldungsArt::Fehler);
    return false;
}

bool TOptDlg::Uebernehmen() {
    // A backup interval above 60 minutes would be read back as 5 at the next start, so 60 is the limit.
    if (!ZahlPruefen(MinEd, ProgOpt, 1, 60, QStringLiteral("Zeitabstand korrigieren:")) ||
        !ZahlPruefen(MblE, AuswOpt, 1, 99, QStringLiteral("Blocklänge (Eltern) korrigieren:")) ||
        !ZahlPruefen(MblL, AuswOpt, 1, 99, QStringLiteral("Blocklänge (Lehrer) korrigieren:")))
        return false;
    Q_EMIT WerteUebernehmen(Werte());
    UebBtn->setEnabled(false);
    return true;
}

void TOptDlg::UebBtnClick() {
    Uebernehmen();
}

void TOptDlg::OkBtnClick() {
    if (UebBtn->isEnabled() && !Uebernehmen()) return;
    accept();
}
