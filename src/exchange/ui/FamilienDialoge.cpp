#include "FamilienDialoge.h"

#include "model/Meldung.h"
#include "model/Textgrenze.h"
#include "model/TypFunc.h"
#include "ui/Bildschirm.h"
#include "ui/Hilfekontext.h"
#include "ui/Speicherbar.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

QString Zeilentext(const QString& text) {
    return QString(text).replace(u'\r', u'\n');
}

namespace {

// The questions quote names by their beginning: one as long as the files allow would push the
// buttons off the screen.
QString Erstkind(const TEltern& f) {
    return f.Kinder.Leer() ? QString() : Textanfang(f.Kinder[0]->KindMitKlasse());
}

// What a button or radio button needs beside its text.
constexpr int Knopfrand = 40;

// The record and the family as the sibling questions name them.
QStringList Namen(const TImportSatz& r, const TEltern& f) {
    return {Textanfang(r.Vollname()), Textanfang(r.Vorname), Textanfang(r.Klasse), Textanfang(r.Telefon),
            Textanfang(f.VollName()), Erstkind(f),           Textanfang(f.Telefon)};
}

} // namespace

TKlRueckfrgDlg::TKlRueckfrgDlg(QWidget* eltern)
    : QDialog(eltern) {
    HilfekontextSetzen(this, Hilfekontext::Elternimportdialog);
    setWindowTitle(QStringLiteral("Rückfrage wegen fehlender Klassenbezeichnung"));
    auto* aussen = new QVBoxLayout(this);
    LblSchueler = new QLabel(this);
    LblSchueler->setWordWrap(true);
    aussen->addWidget(LblSchueler);
    auto* gruppe = new QGroupBox(QStringLiteral("Bei fehlender Klassenbezeichnung ... "), this);
    auto* innen = new QVBoxLayout(gruppe);
    Wahl = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        RBWahl[i] = new QRadioButton(gruppe);
        Wahl->addButton(RBWahl[i], i);
        innen->addWidget(RBWahl[i]);
    }
    RBWahl[1]->setText(QStringLiteral("leere Klassenbezeichnungen nicht ersetzen"));
    RBWahl[2]->setText(QStringLiteral("folgende Klassenbezeichnung verwenden:"));
    EdKlasse = new QLineEdit(gruppe);
    NurSpeicherbar(this, {EdKlasse});
    innen->addWidget(EdKlasse);
    aussen->addWidget(gruppe);
    auto* knoepfe = new QHBoxLayout;
    BtnOk = new QPushButton(QStringLiteral("Ok"), this);
    BtnOk->setToolTip(QString::fromUtf8("Einstellung für diesen Schüler übernehmen"));
    BtnOk->setDefault(true);
    BtnAlle = new QPushButton(QString::fromUtf8("Einstellung für alle Schüler übernehmen"), this);
    BtnAlle->setToolTip(QString::fromUtf8("Übernehmen ohne weitere Rückfragen"));
    knoepfe->addStretch();
    knoepfe->addWidget(BtnOk);
    knoepfe->addWidget(BtnAlle);
    aussen->addLayout(knoepfe);
    RBWahl[0]->setChecked(true);
    connect(Wahl, &QButtonGroup::idClicked, this, [this] {
        BtnAlle->setEnabled(true);
        WahlGeaendert();
    });
    connect(EdKlasse, &QLineEdit::textEdited, this, [this] { BtnAlle->setEnabled(true); });
    connect(BtnOk, &QPushButton::clicked, this, [this] {
        FuerAlle = false;
        accept();
    });
    connect(BtnAlle, &QPushButton::clicked, this, [this] {
        FuerAlle = true;
        accept();
    });
}

void TKlRueckfrgDlg::WahlGeaendert() {
    EdKlasse->setEnabled(RBWahl[2]->isChecked());
}

TKlassenantwort TKlRueckfrgDlg::Fragen(const TImportSatz& satz, const QString& letzteKlasse) {
    const int breite = Zeilenbreite(this);
    LblSchueler->setText(Anzeigetext(QStringLiteral("Bei %1 %2 fehlt die Klassenbezeichnung")
                                         .arg(Textanfang(satz.Vorname), Textanfang(satz.Vollname())),
                                     LblSchueler->fontMetrics(), breite, 4));
    const bool ohne = letzteKlasse.isEmpty();
    RBWahl[0]->setText(Einzeilig(QStringLiteral("zuletzt verwendete Klassenbezeichnung eintragen (hier: %1)")
                                     .arg(ohne ? QStringLiteral("keine!") : Textanfang(letzteKlasse)),
                                 RBWahl[0]->fontMetrics(), breite - Knopfrand));
    if (ohne && RBWahl[0]->isChecked()) RBWahl[2]->setChecked(true);
    BtnAlle->setEnabled(!ohne);
    WahlGeaendert();
    FuerAlle = false;
    InBildschirm(this);
    // Closing the window answers as Ok does: the pupil has to get some class.
    exec();
    TKlassenantwort a;
    a.Wahl = static_cast<TKlassenwahl>(Wahl->checkedId());
    a.Klasse = EdKlasse->text();
    a.FuerAlle = FuerAlle;
    return a;
}

TRueckFrageForm::TRueckFrageForm(QWidget* eltern)
    : QDialog(eltern) {
    HilfekontextSetzen(this, Hilfekontext::Elternimportdialog);
    auto* aussen = new QVBoxLayout(this);
    LblInfo = new QLabel(this);
    LblInfo->setWordWrap(true);
    LblInfo->setFrameShape(QFrame::StyledPanel);
    LblFrage = new QLabel(this);
    LblFrage->setWordWrap(true);
    aussen->addWidget(LblInfo);
    aussen->addWidget(LblFrage);
    auto* knoepfe = new QHBoxLayout;
    BtnJa = new QPushButton(QStringLiteral("&Ja"), this);
    BtnNein = new QPushButton(QStringLiteral("&Nein"), this);
    BtnAuto = new QPushButton(QStringLiteral("&Automatisch zuordnen"), this);
    BtnAbbrechen = new QPushButton(QStringLiteral("Import a&bbrechen"), this);
    const QList<QPushButton*> alle{BtnJa, BtnNein, BtnAuto, BtnAbbrechen};
    for (int i = 0; i < alle.size(); ++i) {
        knoepfe->addWidget(alle[i]);
        alle[i]->setAutoDefault(false);
        connect(alle[i], &QPushButton::clicked, this, [this, i] { done(10 + i); });
    }
    aussen->addLayout(knoepfe);
}

void TRueckFrageForm::Frage(const QString& text) {
    LblFrage->setText(Anzeigetext(Zeilentext(text), LblFrage->fontMetrics(), Zeilenbreite(this), 16));
}

TGeschwisterAntwort TRueckFrageForm::Fragen(int frage, const TImportSatz& r, const TEltern& f,
                                            bool namenGleich) {
    const QStringList n = Namen(r, f);
    if (frage == 1) {
        setWindowTitle(QStringLiteral("Rückfrage wegen fehlender Telefonnummer"));
        LblInfo->setText(Zeilentext(QStringLiteral(
            "Wählen Sie 'Automatisch zuordnen', wenn Sie bei fehlenden Telefonnummern auf eine Rückfrage "
            "verzichten möchten.\r\rDer Nachname entscheidet dann darüber, ob es Geschwister sind.")));
        Frage(QStringLiteral("%1, %2 (%3)\r\rund\r\r%4, %5\r\rhaben kein Telefon. Sind es Geschwister?")
                  .arg(n[0], n[1], n[2], n[4], n[5]));
    } else {
        setWindowTitle(QStringLiteral("Rückfrage wegen Ähnlichkeit bei der Telefonnummer"));
        LblInfo->setText(Zeilentext(QStringLiteral(
            "Wählen Sie 'Automatisch zuordnen', wenn Sie bei solchen Übereinstimmungen in der Telefonnummer "
            "auf eine Rückfrage verzichten möchten.\r\rDer Nachname entscheidet dann darüber, ob es "
            "Geschwister sind.")));
        Frage(QStringLiteral("%1, %2 (%3)\r%4\r\rund\r\r%5, %6\r%7\r\rhaben eine "
                             "auffallende Übereinstimmung bei der Telefonnummer.\r"
                             "Sind es Geschwister?")
                  .arg(n[0], n[1], n[2], n[3], n[4], n[5], n[6]));
    }
    (namenGleich ? BtnJa : BtnNein)->setFocus();
    adjustSize();
    InBildschirm(this);
    switch (exec()) {
    case 10:
        return TGeschwisterAntwort::Ja;
    case 11:
        return TGeschwisterAntwort::Nein;
    case 12:
        return TGeschwisterAntwort::Automatisch;
    default:
        // Closing the window stops as "Import abbrechen" does: the user did not want to decide.
        return TGeschwisterAntwort::Abbrechen;
    }
}

TFamilDlgF::TFamilDlgF(const TEltern& f, const TImportSatz& r, QWidget* eltern)
    : QDialog(eltern) {
    HilfekontextSetzen(this, Hilfekontext::Elternimportdialog);
    setWindowTitle(QStringLiteral("Elternimport"));
    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(new QLabel(QStringLiteral("Die Kinder"), this));
    const auto seite = [this](const QString& vorname, const QString& zusatz, const QString& name) {
        auto* p = new QPushButton(this);
        p->setText(Einzeilig(Textanfang(vorname) + u' ' +
                                 (zusatz.isEmpty() ? QString() : Textanfang(zusatz) + u' ') +
                                 Textanfang(name),
                             p->fontMetrics(), Zeilenbreite(this) - Knopfrand));
        p->setAutoDefault(false);
        p->setToolTip(QStringLiteral("Hier klicken, um ") + Textanfang(name) +
                      QStringLiteral(" einzutragen"));
        connect(p, &QPushButton::clicked, this, [this, zusatz, name] {
            EdZusatz->setText(zusatz);
            EdName->setText(name);
        });
        return p;
    };
    PFamilie = seite(f.Kinder.Leer() ? QString() : f.Kinder[0]->Vorname, f.Zusatz, f.Name);
    aussen->addWidget(PFamilie);
    aussen->addWidget(new QLabel(QStringLiteral("und"), this));
    PSchueler = seite(r.Vorname, r.Zusatz, r.Nachname);
    aussen->addWidget(PSchueler);
    aussen->addWidget(
        new QLabel(QStringLiteral("sind Geschwister. Welcher Elternname soll verwendet werden?"), this));
    auto* gruppe = new QGroupBox(QStringLiteral("Familienname"), this);
    auto* zeile = new QHBoxLayout(gruppe);
    EdZusatz = new QLineEdit(f.Zusatz, gruppe);
    EdName = new QLineEdit(f.Name, gruppe);
    NurSpeicherbar(this, {EdZusatz, EdName});
    zeile->addWidget(new QLabel(QStringLiteral("Zusatz:"), gruppe));
    zeile->addWidget(EdZusatz);
    zeile->addWidget(new QLabel(QStringLiteral("Name:"), gruppe));
    zeile->addWidget(EdName, 1);
    aussen->addWidget(gruppe);
    BtnOk = new QPushButton(QStringLiteral("OK"), this);
    BtnOk->setDefault(true);
    aussen->addWidget(BtnOk, 0, Qt::AlignRight);
    connect(EdName, &QLineEdit::textChanged, this,
            [this](const QString& t) { BtnOk->setEnabled(!t.trimmed().isEmpty()); });
    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    adjustSize();
    InBildschirm(this);
}

TFensterFragen::TFensterFragen(TMeldung& meldung, QWidget* eltern)
    : Meldungen(meldung)
    , Eltern(eltern) {}

TFensterFragen::~TFensterFragen() {
    delete Klasse;
    delete Rueckfrage;
}

TKlassenantwort TFensterFragen::KlasseFehlt(const TImportSatz& satz, const QString& letzteKlasse) {
    if (!Klasse) Klasse = new TKlRueckfrgDlg(Eltern);
    return Klasse->Fragen(satz, letzteKlasse);
}

TGeschwisterAntwort TFensterFragen::Geschwister(int frage, const TImportSatz& satz, const TEltern& familie,
                                                bool namenGleich) {
    if (!Rueckfrage) Rueckfrage = new TRueckFrageForm(Eltern);
    return Rueckfrage->Fragen(frage, satz, familie, namenGleich);
}

bool TFensterFragen::GleichesTelefon(const TImportSatz& r, const TEltern& f) {
    const QStringList n = Namen(r, f);
    return Meldungen.Meldung(QStringLiteral("%1, %2 (%3)\r%4\r\rund\r\r%5, %6\r%7\r\rhaben die gleiche "
                                            "Telefonnummer.\rSind es Geschwister?")
                                 .arg(n[0], n[1], n[2], n[3], n[4], n[5], n[6]),
                             QStringLiteral("Geschwistererkennung"), MeldungsArt::Frage, Knoepfe::JaNein,
                             Antwort::Ja) == Antwort::Ja;
}

std::optional<std::pair<QString, QString>> TFensterFragen::Familienname(const TEltern& familie,
                                                                        const TImportSatz& satz) {
    TFamilDlgF dlg(familie, satz, Eltern);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return std::make_pair(dlg.EdZusatz->text().trimmed(), dlg.EdName->text().trimmed());
}
