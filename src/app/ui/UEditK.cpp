#include "UEditK.h"

#include "model/Meldung.h"
#include "model/TypFunc.h"
#include "ui/Eingabehilfen.h"
#include "ui/Hilfekontext.h"
#include "ui/Speicherbar.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFEditK::TFEditK(TMeldung& meldung, QWidget* parent)
    : QDialog(parent)
    , Meldung(meldung) {
    HilfekontextSetzen(this, Hilfekontext::Kind);
    auto* gruppe = new QGroupBox(QStringLiteral("Kind"));
    Edit1 = new QLineEdit;
    Edit2 = new QLineEdit;
    Edit3 = new QLineEdit;
    Edit1->setMinimumWidth(240);
    auto* felder = new QFormLayout(gruppe);
    felder->addRow(QStringLiteral("N&ame"), Edit1);
    felder->addRow(QStringLiteral("&Klasse"), Edit2);
    felder->addRow(QStringLiteral("&Nachname"), Edit3);
    QHBoxLayout* knoepfe = OkAbbrechenZeile(OkBtn, CancBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gruppe);
    layout->addLayout(knoepfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    NurSpeicherbar(this, {Edit1, Edit2, Edit3});
    GrossAnfang(Edit1);
    connect(OkBtn, &QPushButton::clicked, this, &TFEditK::OkBtnClick);
    connect(CancBtn, &QPushButton::clicked, this, &QDialog::reject);
}

int TFEditK::Hinzufuegen(const TEltern& eltern, const QString& letzteKlasse) {
    Eltern = &eltern;
    Kind = nullptr;
    LetzteKlasse = letzteKlasse;
    setWindowTitle(QString::fromUtf8("Kind hinzufügen bei ") + eltern.Anschrift(true));
    Edit1->clear();
    Edit2->clear();
    Edit3->setText(eltern.VollName());
    return Zeigen();
}

int TFEditK::Aendern(const TKind& kind) {
    Eltern = kind.Eltern;
    Kind = &kind;
    setWindowTitle(QString::fromUtf8("Kinddaten ändern"));
    Edit1->setText(kind.Vorname);
    Edit2->setText(kind.Klasse);
    Edit3->setText(kind.Nachname.isEmpty() ? Eltern->VollName() : kind.Nachname);
    return Zeigen();
}

int TFEditK::Zeigen() {
    NachnameGeaendert = false;
    Edit1->setFocus();
    Edit1->selectAll();
    return exec();
}

QString TFEditK::Vorname() const {
    return Edit1->text();
}
QString TFEditK::Klasse() const {
    return Edit2->text();
}
QString TFEditK::Nachname() const {
    return Edit3->text();
}

void TFEditK::OkBtnClick() {
    const bool ausNamensfeld = focusWidget() == Edit1;
    for (QLineEdit* feld : {Edit1, Edit2, Edit3})
        feld->setText(Trimmen(feld->text()));
    const QString name = Edit1->text();
    if (Edit2->text().isEmpty() && !name.isEmpty()) {
        if (ausNamensfeld) {
            if (Eltern->Kinder.Leer()) Edit2->setText(LetzteKlasse);
            // Selected, so that typing another class replaces the offered one.
            Edit2->setFocus();
            Edit2->selectAll();
            return;
        }
        if (Meldung.Meldung(QStringLiteral("Möchten Sie noch die Klasse eingeben?"),
                            QStringLiteral("Die Klasse fehlt..."), MeldungsArt::Frage, Knoepfe::JaNein,
                            Antwort::Ja) == Antwort::Ja) {
            Edit2->setFocus();
            return;
        }
    }
    if (!name.isEmpty()) {
        const bool geaendert = !Kind || name != Kind->Vorname;
        if (geaendert && Eltern->Kinder.FindeVorname(name)) {
            Meldung.Meldung(
                QStringLiteral("Ein Kind mit diesem Namen gibt es bereits. Diese Eingabe kann daher nicht "
                               "angenommen werden!"),
                QStringLiteral("Eingabefehler"), MeldungsArt::Fehler);
            Edit1->setFocus();
            Edit1->selectAll();
            return;
        }
        const QString bisher = Kind && !Kind->Nachname.isEmpty() ? Kind->Nachname : Eltern->VollName();
        NachnameGeaendert = Edit3->text() != bisher;
        accept();
        return;
    }
    if (!Kind) {
        done(DialogBeendet);
        return;
    }
    if (Meldung.Meldung(QStringLiteral("Der Name des Kindes fehlt. Möchten Sie die Änderungen abbrechen?"),
                        QStringLiteral("Leere Eingabe"), MeldungsArt::Frage, Knoepfe::JaNein,
                        Antwort::Ja) == Antwort::Ja)
        reject();
}
