#include "GespraechPanel.h"

#include "Personenliste.h"
#include "ui/Speicherbar.h"
#include "ui/Symbole.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* Werkzeugknopf(QWidget* eltern, const char* symbol, const char* hinweis) {
    auto* knopf = new QToolButton(eltern);
    knopf->setIcon(Symbol(QLatin1String(symbol)));
    knopf->setToolTip(QString::fromUtf8(hinweis));
    knopf->setEnabled(false);
    return knopf;
}

} // namespace

TGespraechPanel::TGespraechPanel(QWidget* eltern)
    : QGroupBox(QString::fromUtf8("Gespräche"), eltern) {
    LbKind = new QLabel(this);
    QFont fett = LbKind->font();
    fett.setBold(true);
    LbKind->setFont(fett);
    KuerzE = new QLineEdit(this);
    KuerzE->setEnabled(false);
    NurSpeicherbar(this, {KuerzE});
    QPalette blau = KuerzE->palette();
    blau.setColor(QPalette::Text, Qt::blue);
    KuerzE->setPalette(blau);
    BtnAddG = Listenknopf(this, "", "list-add");
    BtnAddG->setToolTip(QString::fromUtf8("Gesprächswünsche hinzufügen"));
    SpBLoeG = Werkzeugknopf(this, "edit-delete", "Markierten Gesprächswunsch löschen");
    TipBtn = Werkzeugknopf(this, "dialog-information", "Hinweise");
    ChBxLDBL = new QCheckBox(this);
    connect(ChBxLDBL, &QCheckBox::toggled, this, [this](bool an) {
        ChBxLDBL->setText(an ? QStringLiteral("Lehrerdoppelklick ist aktiviert")
                             : QStringLiteral("Lehrerdoppelklick aktivieren"));
    });
    ChBxLDBL->setText(QStringLiteral("Lehrerdoppelklick aktivieren"));

    auto* spalte = new QVBoxLayout(this);
    LblHinzufuegen = new QLabel(QString::fromUtf8("Hinzufügen:"), this);
    // On one line with what it adds, which leaves the children's tree a line more on a small screen.
    auto* ueber = new QHBoxLayout;
    ueber->addWidget(LblHinzufuegen);
    ueber->addWidget(new QLabel(QString::fromUtf8("Gespräch über"), this));
    ueber->addWidget(LbKind, 1);
    auto* mit = new QHBoxLayout;
    mit->addWidget(new QLabel(QStringLiteral("mit"), this));
    LblKuerzel = new QLabel(QString::fromUtf8("(Kürzel)"), this);
    mit->addWidget(LblKuerzel, 1);
    auto* eingabe = new QHBoxLayout;
    eingabe->addWidget(KuerzE, 1);
    eingabe->addWidget(BtnAddG);
    eingabe->addWidget(SpBLoeG);
    eingabe->addWidget(TipBtn);
    spalte->addLayout(ueber);
    spalte->addLayout(mit);
    spalte->addLayout(eingabe);
    spalte->addWidget(ChBxLDBL);

    LblEingabetaste = new QLabel(eltern);
    QPalette hinweis = LblEingabetaste->palette();
    hinweis.setColor(QPalette::WindowText, Qt::blue);
    LblEingabetaste->setPalette(hinweis);
}
