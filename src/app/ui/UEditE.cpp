#include "UEditE.h"

#include "model/Meldung.h"
#include "model/TypFunc.h"
#include "ui/Eingabehilfen.h"
#include "ui/Hilfekontext.h"
#include "ui/Speicherbar.h"
#include "ui/Zeilenhoehe.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFEditE::TFEditE(TMeldung& meldung, QWidget* parent)
    : QDialog(parent)
    , Meldung(meldung) {
    HilfekontextSetzen(this, Hilfekontext::Familie);
    TelE = new QLineEdit;
    CB = new QCheckBox(QStringLiteral("Eingabe mit Tel. beginnen"));
    AnrE = new QLineEdit;
    AnrE->setToolTip(QStringLiteral("Mit Strg-F8 schnell wechslen: Familie --> Frau --> Herr --> Famile"));
    ZusE = new QLineEdit;
    NacE = new QLineEdit;
    NacE->setMinimumWidth(260);
    auto* telefon = new QHBoxLayout;
    telefon->addWidget(TelE, 1);
    telefon->addWidget(CB);
    auto* felder = new QFormLayout;
    // A row of a layout gets no buddy of its own, which the accelerator needs.
    auto* telefonText = new QLabel(QStringLiteral("&Telefon"));
    telefonText->setBuddy(TelE);
    felder->addRow(telefonText, telefon);
    felder->addRow(QStringLiteral("&Anrede"), AnrE);
    felder->addRow(QStringLiteral("Namens&zusatz"), ZusE);
    felder->addRow(QStringLiteral("&Name"), NacE);

    QHBoxLayout* knoepfe = OkAbbrechenZeile(OkBtn, CancBtn);

    CkLB_ki = new QListWidget;
    CkLB_ki->setItemDelegate(new TZeilenDelegate(CkLB_ki));
    CkLB_ki->setMaximumHeight(110);
    HakenHinweis =
        new QLabel(QString::fromUtf8("✔ = Änderungen des Nachnamens auch für das Kind übernehmen"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(felder);
    layout->addLayout(knoepfe);
    layout->addWidget(CkLB_ki);
    layout->addWidget(HakenHinweis);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    NurSpeicherbar(this, {TelE, AnrE, ZusE, NacE});
    AnredeKurzwahl(AnrE, true, true);
    GrossAnfang(NacE);
    auto* anredeWechsel = new QAction(this);
    anredeWechsel->setShortcut(Qt::CTRL | Qt::Key_F8);
    addAction(anredeWechsel);
    connect(anredeWechsel, &QAction::triggered, this,
            [this] { AnrE->setText(NaechsteAnrede(AnrE->text())); });
    connect(OkBtn, &QPushButton::clicked, this, &TFEditE::OkBtnClick);
    connect(CancBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(NacE, &QLineEdit::textEdited, this, &TFEditE::NameBearbeitet);
    connect(ZusE, &QLineEdit::textEdited, this, &TFEditE::NameBearbeitet);
    connect(CkLB_ki, &QListWidget::itemChanged, this, &TFEditE::HakenGeklickt);
}

int TFEditE::Hinzufuegen() {
    Eltern = nullptr;
    setWindowTitle(QString::fromUtf8("Eltern hinzufügen"));
    TelE->clear();
    AnrE->setText(QStringLiteral("Familie"));
    ZusE->clear();
    NacE->clear();
    CB->show();
    CkLB_ki->hide();
    HakenHinweis->hide();
    (CB->isChecked() ? TelE : NacE)->setFocus();
    return exec();
}

int TFEditE::Aendern(const TEltern& eltern) {
    Eltern = &eltern;
    setWindowTitle(QStringLiteral("Elterndaten korrigieren"));
    TelE->setText(eltern.Telefon);
    AnrE->setText(eltern.Anrede);
    ZusE->setText(eltern.Zusatz);
    NacE->setText(eltern.Name);
    CB->hide();
    HakenVorher.clear();
    CkLB_ki->blockSignals(true);
    CkLB_ki->clear();
    for (const auto& kind : eltern.Kinder) {
        const bool haken = kind->Nachname.isEmpty();
        HakenVorher.push_back(haken);
        auto* zeile =
            new QListWidgetItem(ZeilenText(static_cast<int>(HakenVorher.size()) - 1, haken), CkLB_ki);
        zeile->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        zeile->setCheckState(haken ? Qt::Checked : Qt::Unchecked);
    }
    CkLB_ki->blockSignals(false);
    const bool kinder = !eltern.Kinder.Leer();
    CkLB_ki->setVisible(kinder);
    HakenHinweis->setVisible(kinder);
    TelE->setFocus();
    return exec();
}

QString TFEditE::Telefon() const {
    return TelE->text();
}
QString TFEditE::Anrede() const {
    return AnrE->text();
}
QString TFEditE::Zusatz() const {
    return ZusE->text();
}
QString TFEditE::Name() const {
    return NacE->text();
}

std::vector<bool> TFEditE::KinderHaken() const {
    std::vector<bool> haken;
    for (int i = 0; i < CkLB_ki->count(); ++i)
        haken.push_back(CkLB_ki->item(i)->checkState() == Qt::Checked);
    return haken;
}

QString TFEditE::Familienname() const {
    const QString zusatz = Trimmen(ZusE->text());
    const QString name = Trimmen(NacE->text());
    return zusatz.isEmpty() ? name : zusatz + u' ' + name;
}

// A ticked child shows the family's new name; an unticked one its own surname, or the old family name.
QString TFEditE::ZeilenText(int kind, bool haken) const {
    const TKind* k = (*Eltern).Kinder[kind];
    QString nachname = Familienname();
    if (!haken) nachname = k->Nachname.isEmpty() ? Eltern->VollName() : k->Nachname;
    return k->Vorname + u' ' + nachname;
}

void TFEditE::NameBearbeitet() {
    if (!Eltern) return;
    const QSignalBlocker sperre(CkLB_ki);
    for (int i = 0; i < CkLB_ki->count(); ++i)
        if (CkLB_ki->item(i)->checkState() == Qt::Checked) CkLB_ki->item(i)->setText(ZeilenText(i, true));
}

void TFEditE::HakenGeklickt(QListWidgetItem* zeile) {
    const QSignalBlocker sperre(CkLB_ki);
    zeile->setText(ZeilenText(CkLB_ki->row(zeile), zeile->checkState() == Qt::Checked));
}

void TFEditE::OkBtnClick() {
    QWidget* fokus = focusWidget();
    for (auto [von, nach] : {std::pair{TelE, AnrE}, std::pair{AnrE, ZusE}, std::pair{ZusE, NacE}})
        if (fokus == von) {
            nach->setFocus();
            nach->selectAll();
            return;
        }
    for (QLineEdit* feld : {TelE, AnrE, ZusE, NacE})
        feld->setText(Trimmen(feld->text()));
    if (!NacE->text().isEmpty()) {
        if (Eltern) {
            TelefonGeaendert = TelE->text() != Eltern->Telefon;
            HakenGeaendert = KinderHaken() != HakenVorher;
        }
        accept();
        return;
    }
    if (!Eltern) {
        done(DialogBeendet);
        return;
    }
    if (Meldung.Meldung(QStringLiteral("Der Nachname darf nicht leer sein. Möchten Sie abbrechen?"),
                        windowTitle(), MeldungsArt::Frage, Knoepfe::JaNein, Antwort::Ja) == Antwort::Ja)
        reject();
}
