#include "UEditL.h"

#include "ErgRckfrg.h"
#include "model/Meldung.h"
#include "model/TypFunc.h"
#include "ui/Eingabehilfen.h"
#include "ui/Hilfekontext.h"
#include "ui/Speicherbar.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFEditL::TFEditL(const TLehrerliste& lehrer, TMeldung& meldung, QWidget* parent)
    : QDialog(parent)
    , Lehrer(lehrer)
    , Meldung(meldung) {
    HilfekontextSetzen(this, Hilfekontext::Lehrkraft);
    E_Anr = new QLineEdit;
    E_Dr = new QLineEdit;
    E_Zus = new QLineEdit;
    E_Name = new QLineEdit;
    E_Krz = new QLineEdit;
    E_Name->setMinimumWidth(240);
    auto* felder = new QFormLayout;
    felder->addRow(QStringLiteral("Anrede"), E_Anr);
    felder->addRow(QStringLiteral("Akademischer Titel"), E_Dr);
    felder->addRow(QStringLiteral("Namenszusatz ('von')"), E_Zus);
    felder->addRow(QStringLiteral("Nachname (ohne Zusatz)"), E_Name);
    felder->addRow(QStringLiteral("Kürzel"), E_Krz);
    QHBoxLayout* knoepfe = OkAbbrechenZeile(OkBtn, CancBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(felder);
    layout->addLayout(knoepfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    NurSpeicherbar(this, {E_Anr, E_Dr, E_Zus, E_Name, E_Krz});
    AnredeKurzwahl(E_Anr, false, false);
    GrossAnfang(E_Name);
    connect(OkBtn, &QPushButton::clicked, this, &TFEditL::OkBtnClick);
    connect(CancBtn, &QPushButton::clicked, this, &QDialog::reject);
}

int TFEditL::Zeigen(const QString& titel, bool kuerzelFest) {
    setWindowTitle(titel);
    KuerzelFest = kuerzelFest;
    E_Krz->setReadOnly(kuerzelFest);
    // Navy text; a given Kürzel stands on a pale yellow-green.
    E_Krz->setStyleSheet(QStringLiteral("QLineEdit { color: navy; background: %1; }")
                             .arg(kuerzelFest ? QStringLiteral("#F8FFD8") : QStringLiteral("white")));
    E_Anr->setFocus();
    E_Anr->selectAll();
    return exec();
}

int TFEditL::Aendern(const TLehrer& lehrer) {
    Bearbeitet = &lehrer;
    E_Anr->setText(lehrer.Anrede);
    E_Dr->setText(lehrer.AkadTitel);
    E_Zus->setText(lehrer.Zusatz);
    E_Name->setText(lehrer.Name);
    E_Krz->setText(lehrer.Kuerzel);
    return Zeigen(QStringLiteral("Lehrerdaten korrigieren"), false);
}

int TFEditL::Hinzufuegen() {
    Bearbeitet = nullptr;
    for (QLineEdit* feld : {E_Anr, E_Dr, E_Zus, E_Name, E_Krz})
        feld->clear();
    return Zeigen(QStringLiteral("Lehrer(in) hinzufügen"), false);
}

int TFEditL::HinzufuegenMitKuerzel(const QString& kuerzel) {
    Bearbeitet = nullptr;
    for (QLineEdit* feld : {E_Anr, E_Dr, E_Zus, E_Name})
        feld->clear();
    E_Krz->setText(kuerzel);
    return Zeigen(QStringLiteral("Möchten Sie einen Lehrer mit diesem Kürzel ergänzen?"), true);
}

QString TFEditL::Anrede() const {
    return E_Anr->text();
}
QString TFEditL::AkadTitel() const {
    return E_Dr->text();
}
QString TFEditL::Zusatz() const {
    return E_Zus->text();
}
QString TFEditL::Name() const {
    return E_Name->text();
}
QString TFEditL::Kuerzel() const {
    return E_Krz->text();
}

void TFEditL::OkBtnClick() {
    for (QLineEdit* feld : {E_Anr, E_Dr, E_Zus, E_Name, E_Krz})
        feld->setText(Trimmen(feld->text()));
    if (E_Name->text().startsWith(QLatin1String("Von ")) && E_Zus->text().isEmpty()) {
        E_Zus->setText(QStringLiteral("von"));
        E_Name->setText(E_Name->text().mid(4));
    }
    QWidget* fokus = focusWidget();
    if (fokus == E_Anr || fokus == E_Dr || fokus == E_Zus) {
        E_Name->setFocus();
        E_Name->selectAll();
        return;
    }
    if (fokus == E_Name && !E_Name->text().isEmpty() && !KuerzelFest) {
        E_Krz->setFocus();
        E_Krz->selectAll();
        return;
    }
    const QString kuerzel = E_Krz->text();
    const TLehrer* vorhanden = kuerzel.isEmpty() ? nullptr : Lehrer.FindeKuerzel(kuerzel);
    if (vorhanden && vorhanden != Bearbeitet) {
        QApplication::beep();
        Meldung.Meldung(
            QStringLiteral("Dieses Kürzel ist bereits für %1 vergeben,\r\nbitte korrigieren Sie es.")
                .arg(vorhanden->Anschrift(true)),
            QStringLiteral("Kürzel: ") + kuerzel, MeldungsArt::Information);
        E_Krz->setFocus();
        E_Krz->selectAll();
        return;
    }
    if (!E_Name->text().isEmpty()) {
        if (!kuerzel.isEmpty()) {
            accept();
            return;
        }
        QApplication::beep();
        Meldung.Meldung(QStringLiteral("Ohne Kürzel können die Eingaben nicht übernommen werden."),
                        windowTitle(), MeldungsArt::Information);
        E_Krz->setFocus();
        return;
    }
    if (Bearbeitet) {
        if (Meldung.Meldung(QStringLiteral("Der Nachname darf nicht leer sein. Möchten Sie abbrechen?"),
                            windowTitle(), MeldungsArt::Frage, Knoepfe::JaNein, Antwort::Ja) == Antwort::Ja)
            reject();
        return;
    }
    const QString frage = KuerzelFest
                              ? QStringLiteral("Der Nachname fehlt.\rMöchten Sie abbrechen?")
                              : QStringLiteral("Der Nachname fehlt.\rMöchten Sie das Hinzufügen von Lehrern "
                                               "beenden?");
    TFErgRckfrg rueckfrage(this);
    if (rueckfrage.Fragen(QStringLiteral("Lehrer: Name fehlt"), frage)) done(DialogBeendet);
}
