#include "FamilienDialoge.h"

#include "model/Meldung.h"
#include "model/TypFunc.h"

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

QString Erstkind(const TEltern& f) {
    return f.Kinder.Leer() ? QString() : f.Kinder[0]->KindMitKlasse();
}

} // namespace

TKlRueckfrgDlg::TKlRueckfrgDlg(QWidget* eltern)
    : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Rückfrage wegen fehlender Klassenbezeichnung"));
    auto* aussen = new QVBoxLayout(this);
    LblSchueler = new QLabel(this);
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
    LblSchueler->setText(
        QStringLiteral("Bei %1 %2 fehlt die Klassenbezeichnung").arg(satz.Vorname, satz.Vollname()));
    const bool ohne = letzteKlasse.isEmpty();
    RBWahl[0]->setText(QStringLiteral("zuletzt verwendete Klassenbezeichnung eintragen (hier: %1)")
                           .arg(ohne ? QStringLiteral("keine!") : letzteKlasse));
    if (ohne && RBWahl[0]->isChecked()) RBWahl[2]->setChecked(true);
    BtnAlle->setEnabled(!ohne);
    WahlGeaendert();
    FuerAlle = false;
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
    auto* aussen = new QVBoxLayout(this);
    LblInfo = new QLabel(this);
    LblInfo->setWordWrap(true);
    LblInfo->setFrameShape(QFrame::StyledPanel);
    LblFrage = new QLabel(this);
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

TGeschwisterAntwort TRueckFrageForm::Fragen(int frage, const TImportSatz& r, const TEltern& f,
                                            bool namenGleich) {
    if (frage == 1) {
        setWindowTitle(QStringLiteral("Rückfrage wegen fehlender Telefonnummer"));
        LblInfo->setText(Zeilentext(QStringLiteral(
            "Wählen Sie 'Automatisch zuordnen', wenn Sie bei fehlenden Telefonnummern auf eine Rückfrage "
            "verzichten möchten.\r\rDer Nachname entscheidet dann darüber, ob es Geschwister sind.")));
        LblFrage->setText(Zeilentext(
            QStringLiteral("%1, %2 (%3)\r\rund\r\r%4, %5\r\rhaben kein Telefon. Sind es Geschwister?")
                .arg(r.Vollname(), r.Vorname, r.Klasse, f.VollName(), Erstkind(f))));
    } else {
        setWindowTitle(QStringLiteral("Rückfrage wegen Ähnlichkeit bei der Telefonnummer"));
        LblInfo->setText(Zeilentext(QStringLiteral(
            "Wählen Sie 'Automatisch zuordnen', wenn Sie bei solchen Übereinstimmungen in der Telefonnummer "
            "auf eine Rückfrage verzichten möchten.\r\rDer Nachname entscheidet dann darüber, ob es "
            "Geschwister sind.")));
        LblFrage->setText(Zeilentext(
            QStringLiteral("%1, %2 (%3)\r%4\r\rund\r\r%5, %6\r%7\r\rhaben eine "
                           "auffallende Übereinstimmung bei der Telefonnummer.\r"
                           "Sind es Geschwister?")
                .arg(r.Vollname(), r.Vorname, r.Klasse, r.Telefon, f.VollName(), Erstkind(f), f.Telefon)));
    }
    (namenGleich ? BtnJa : BtnNein)->setFocus();
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
    setWindowTitle(QStringLiteral("Elternimport"));
    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(new QLabel(QStringLiteral("Die Kinder"), this));
    const auto seite = [this](const QString& vorname, const QString& zusatz, const QString& name) {
        auto* p =
            new QPushButton(vorname + u' ' + (zusatz.isEmpty() ? QString() : zusatz + u' ') + name, this);
        p->setAutoDefault(false);
        p->setToolTip(QStringLiteral("Hier klicken, um ") + name + QStringLiteral(" einzutragen"));
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
    return Meldungen.Meldung(
               QStringLiteral("%1, %2 (%3)\r%4\r\rund\r\r%5, %6\r%7\r\rhaben die gleiche "
                              "Telefonnummer.\rSind es Geschwister?")
                   .arg(r.Vollname(), r.Vorname, r.Klasse, r.Telefon, f.VollName(), Erstkind(f), f.Telefon),
               QStringLiteral("Geschwistererkennung"), MeldungsArt::Frage, Knoepfe::JaNein,
               Antwort::Ja) == Antwort::Ja;
}

std::optional<std::pair<QString, QString>> TFensterFragen::Familienname(const TEltern& familie,
                                                                        const TImportSatz& satz) {
    TFamilDlgF dlg(familie, satz, Eltern);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return std::make_pair(dlg.EdZusatz->text().trimmed(), dlg.EdName->text().trimmed());
}
