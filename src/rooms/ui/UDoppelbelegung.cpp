#include "UDoppelbelegung.h"

#include "ui/Arbeitsflaeche.h"
#include "ui/Hilfekontext.h"
#include "ui/Zeilenhoehe.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QLabel* Absatz(const char* text, QWidget* eltern) {
    auto* l = new QLabel(QString::fromUtf8(text), eltern);
    l->setWordWrap(true);
    return l;
}

} // namespace

TFDoppelbelegung::TFDoppelbelegung(std::vector<TRaumkonflikt> konflikte, QWidget* eltern)
    : QDialog(eltern)
    , Liste(new QTreeWidget(this))
    , ZuordnenBtn(new QPushButton(QStringLiteral("Zur Raumzuordnung"), this))
    , FortfahrenBtn(new QPushButton(QStringLiteral("Ignorieren, schließen, fortfahren"), this))
    , Konflikte(std::move(konflikte)) {
    HilfekontextSetzen(this, Hilfekontext::Raumkonflikte);
    setWindowTitle(QStringLiteral("Raumkonflikte"));
    Liste->setItemDelegate(new TZeilenDelegate(Liste));
    auto* spalte = new QVBoxLayout(this);
    auto* kopf = new QLabel(QStringLiteral("Achtung: Doppelbelegung erkannt!"), this);
    QFont fett = kopf->font();
    fett.setBold(true);
    fett.setPointSizeF(fett.pointSizeF() * 1.3);
    kopf->setFont(fett);
    spalte->addWidget(kopf);
    spalte->addWidget(
        Absatz("Diese Listenansicht zeigt Ihnen alle Gespräche an, bei denen zwei Lehrkräfte zur "
               "selben Zeit denselben Raum zugewiesen bekommen haben.",
               this));
    spalte->addWidget(
        Absatz("Dieser Konflikt kann durch ein Versehen bei der Raumzuordnung entstanden sein, "
               "aber auch bei konfliktfreier gemeinsamer Nutzung eines Raumes und anschließender "
               "Änderung eines Gesprächstermins.",
               this));
    Liste->setHeaderLabels({QStringLiteral("Zeit"), QStringLiteral("Raum"), QStringLiteral("Lehrer1"),
                            QStringLiteral("Lehrer2")});
    Liste->setRootIsDecorated(false);
    Liste->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste->header()->setSectionsClickable(true);
    Liste->header()->setSortIndicatorShown(true);
    connect(Liste->header(), &QHeaderView::sectionClicked, this, &TFDoppelbelegung::Sortieren);
    spalte->addWidget(Liste, 1);
    spalte->addWidget(
        Absatz("Mit dem Schalter \"Zur Raumzuordnung\" schließen Sie dieses Fenster und gelangen "
               "zum Raumzuordnungsdialog, um den Konflikt zu beheben.",
               this));
    spalte->addWidget(
        Absatz("(Weisen Sie der einen Lehrkraft zumindest für den betroffenen Tag einen anderen "
               "Raum zu.)",
               this));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(ZuordnenBtn);
    knoepfe->addWidget(FortfahrenBtn);
    spalte->addLayout(knoepfe);
    ZuordnenBtn->setDefault(true);
    connect(ZuordnenBtn, &QPushButton::clicked, this, [this] { done(ZurRaumzuordnung); });
    connect(FortfahrenBtn, &QPushButton::clicked, this, [this] { done(Fortfahren); });
    Liste->header()->setSortIndicator(2, Qt::AscendingOrder);
    Fuellen();
    for (int i = 0; i < Liste->columnCount(); ++i)
        Liste->resizeColumnToContents(i);
    Anfangsgroesse(this, QSize(qMax(sizeHint().width(), 560), sizeHint().height()));
}

void TFDoppelbelegung::reject() {
    // Closing the window is carrying on, as its second button says.
    done(Fortfahren);
}

void TFDoppelbelegung::Sortieren(int spalte) {
    const TKonfliktSpalte spalten[] = {TKonfliktSpalte::Zeit, TKonfliktSpalte::Raum, TKonfliktSpalte::Lehrer1,
                                       TKonfliktSpalte::Lehrer2};
    RaumkonflikteSortieren(Konflikte, spalten[spalte]);
    Liste->header()->setSortIndicator(spalte, Qt::AscendingOrder);
    Fuellen();
}

void TFDoppelbelegung::Fuellen() {
    Liste->clear();
    for (const TRaumkonflikt& k : Konflikte)
        Liste->addTopLevelItem(new QTreeWidgetItem({k.Zeit, k.Raum, k.Lehrer1, k.Lehrer2}));
}
