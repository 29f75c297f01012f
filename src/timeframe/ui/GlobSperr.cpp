#include "GlobSperr.h"

#include "model/Meldung.h"
#include "ui/Hilfekontext.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

QButtonGroup* Radiogruppe(const QString& titel, const QStringList& texte, int vorgabe, QWidget* eltern,
                          QLayout* ziel) {
    auto* kasten = new QGroupBox(titel, eltern);
    auto* spalte = new QVBoxLayout(kasten);
    auto* gruppe = new QButtonGroup(kasten);
    for (int i = 0; i < texte.size(); ++i) {
        auto* r = new QRadioButton(texte[i], kasten);
        gruppe->addButton(r, i);
        spalte->addWidget(r);
    }
    gruppe->button(vorgabe)->setChecked(true);
    ziel->addWidget(kasten);
    return gruppe;
}

} // namespace

TGlobSperrF::TGlobSperrF(bool lehrerLeer, bool elternLeer, TMeldung& meldungen, std::function<void()> hilfe,
                         QWidget* eltern)
    : QDialog(eltern)
    , LehrerLeer(lehrerLeer)
    , ElternLeer(elternLeer)
    , Meldungen(meldungen) {
    HilfekontextSetzen(this, Hilfekontext::GlobaleSperre);
    setWindowTitle(QString::fromUtf8("Zeiten  freigeben / sperren für alle..."));
    auto* spalte = new QVBoxLayout(this);
    auto* gruppen = new QHBoxLayout;
    Modus = Radiogruppe(QStringLiteral("Modus"),
                        {QString::fromUtf8("nur Zeiten zusätzlich freigeben..."),
                         QString::fromUtf8("nur Zeiten zusätzlich sperren..."),
                         QStringLiteral("Zeiten frei und gesperrt setzen...")},
                        0, this, gruppen);
    Zielgruppe =
        Radiogruppe(QStringLiteral("Zielgruppe"),
                    {QStringLiteral("Lehrer"), QStringLiteral("Eltern"), QStringLiteral("Lehrer und Eltern")},
                    2, this, gruppen);
    spalte->addLayout(gruppen);
    auto* erklaerung = new QLabel(
        QString::fromUtf8(
            "Wählen Sie den Modus und die Zielgruppe aus, klicken Sie dann auf den Schalter 'Zeiten'."),
        this);
    erklaerung->setWordWrap(true);
    spalte->addWidget(erklaerung);
    auto* knoepfe = new QHBoxLayout;
    ZeitenBtn = new QPushButton(QStringLiteral("Zeiten"), this);
    auto* hilfeBtn = new QPushButton(QStringLiteral("&Hilfe"), this);
    auto* abbruchBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    ZeitenBtn->setDefault(true);
    for (QPushButton* b : {hilfeBtn, abbruchBtn})
        b->setAutoDefault(false);
    knoepfe->addStretch();
    knoepfe->addWidget(ZeitenBtn);
    knoepfe->addWidget(hilfeBtn);
    knoepfe->addWidget(abbruchBtn);
    spalte->addLayout(knoepfe);
    connect(ZeitenBtn, &QPushButton::clicked, this, &TGlobSperrF::ZeitenClick);
    connect(hilfeBtn, &QPushButton::clicked, this, [hilfe] {
        if (hilfe) hilfe();
    });
    connect(abbruchBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TGlobalModus TGlobSperrF::GewaehlterModus() const {
    return static_cast<TGlobalModus>(Modus->checkedId());
}

TZielgruppe TGlobSperrF::GewaehlteGruppe() const {
    const TZielgruppe gruppen[] = {TZielgruppe::Lehrer, TZielgruppe::Eltern, TZielgruppe::Beide};
    return gruppen[Zielgruppe->checkedId()];
}

QString TGlobSperrF::Modustext() const {
    switch (GewaehlterModus()) {
    case TGlobalModus::Freigeben:
        return QStringLiteral("Freigeben von Zeiten");
    case TGlobalModus::Sperren:
        return QStringLiteral("Sperren von Zeiten");
    case TGlobalModus::Setzen:
        break;
    }
    return QStringLiteral("Setzen der Sperrungen");
}

QString TGlobSperrF::Gruppentext() const {
    return Zielgruppe->checkedButton()->text();
}

void TGlobSperrF::ZeitenClick() {
    const TZielgruppe gruppe = GewaehlteGruppe();
    const char* liste = gruppe == TZielgruppe::Lehrer && LehrerLeer   ? "Weil die Lehrerliste leer ist"
                        : gruppe == TZielgruppe::Eltern && ElternLeer ? "Weil die Elternliste leer ist"
                                                                      : nullptr;
    if (liste) {
        Meldungen.Meldung(QString::fromUtf8(liste) +
                              QString::fromUtf8(", können dort\r\nkeine Zeitsperrungen geändert werden."),
                          QStringLiteral("Hinweis"), MeldungsArt::Information);
        return;
    }
    accept();
}
