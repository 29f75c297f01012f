#include "FAnmerk.h"

#include "model/Listenlayout.h"
#include "model/TypFunc.h"
#include "output/Anmerkungen.h"
#include "ui/Arbeitsflaeche.h"
#include "ui/Hilfekontext.h"
#include "ui/Speicherbar.h"

#include <QColor>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Ergebnis(const QPlainTextEdit* memo, const QString& alt) {
    const QString text = memo->toPlainText();
    return text == Bearbeitungsform(alt) ? alt : Dateiform(text);
}

} // namespace

TFAnmerk::TFAnmerk(const TListenlayout& layout, bool eltern, const QString& alle, const TPerson* person,
                   QWidget* eltern_)
    : QDialog(eltern_)
    , LblKopf(new QLabel(this))
    , LblName(new QLabel(this))
    , MemoEigen(new QPlainTextEdit(this))
    , LblAlle(new QLabel(this))
    , MemoAlle(new QPlainTextEdit(this))
    , AlleAlt(alle)
    , EigeneAlt(person ? person->Anmerkung : QString()) {
    QFont schrift(layout.Schriftart);
    schrift.setPointSize(layout.Schriftgroesse > 0 ? layout.Schriftgroesse : 12);
    for (QPlainTextEdit* memo : {MemoEigen, MemoAlle}) {
        memo->setFont(schrift);
        memo->setTabChangesFocus(true);
    }
    MemoAlle->setPlainText(Bearbeitungsform(alle));
    MemoEigen->setPlainText(Bearbeitungsform(EigeneAlt));
    const QString wer = eltern ? QStringLiteral("Eltern") : QStringLiteral("Lehrer");

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* aussen = new QVBoxLayout(this);
    if (person) {
        setWindowTitle(QString::fromUtf8("Ergänzender Text für ") + person->Anschrift(true));
        LblKopf->setText(QStringLiteral(
            "Der folgende Text erscheint als Ergänzung zu den Terminen in der Gesprächsliste für"));
        LblName->setText(person->Anschrift(true));
        QFont fett = LblName->font();
        fett.setBold(true);
        LblName->setFont(fett);
        LblAlle->setText(QString::fromUtf8("Außerdem geht folgender Text an alle %1:").arg(wer));
        // The general text is only shown here, on grey as a reminder that it is not edited here.
        MemoAlle->setReadOnly(true);
        QPalette grau = MemoAlle->palette();
        grau.setColor(QPalette::Base, QColor(0xD4, 0xD0, 0xC8));
        MemoAlle->setPalette(grau);
        MemoAlle->setFocusPolicy(Qt::NoFocus);
        NurSpeicherbar(MemoEigen);
        aussen->addWidget(LblKopf);
        aussen->addWidget(LblName);
        aussen->addWidget(MemoEigen, 2);
        aussen->addWidget(LblAlle);
        aussen->addWidget(MemoAlle, 1);
        MemoEigen->setFocus();
    } else {
        setWindowTitle(QString::fromUtf8("Ergänzender Text für alle..."));
        LblKopf->setText(
            QString::fromUtf8("Folgender Text wird bei allen %1%2 zu der Gesprächsliste ergänzt:")
                .arg(wer, eltern ? QString() : QStringLiteral("n")));
        LblName->hide();
        MemoEigen->hide();
        LblAlle->hide();
        NurSpeicherbar(MemoAlle);
        aussen->addWidget(LblKopf);
        aussen->addWidget(MemoAlle, 1);
        MemoAlle->setFocus();
    }
    HilfekontextSetzen(this, Hilfekontext::Anmerkungen);
    LblKopf->setWordWrap(true);
    aussen->addWidget(knoepfe);
    Anfangsgroesse(this, QSize(560, person ? 420 : 300));
}

QString TFAnmerk::Alle() const {
    return Ergebnis(MemoAlle, AlleAlt);
}

QString TFAnmerk::Eigene() const {
    return Ergebnis(MemoEigen, EigeneAlt);
}
