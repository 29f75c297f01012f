#include "Ansicht.h"

#include "ui/Arbeitsflaeche.h"
#include "ui/Hilfekontext.h"
#include "ui/Zeilenhoehe.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TAnsichtDlg::TAnsichtDlg(TProjekt& projekt, TUebersichtWahl wahl, QString druckername, TAusgabe ausgeben,
                         QWidget* eltern)
    : QDialog(eltern)
    , Wahl(wahl)
    , LblTitel(new QLabel(this))
    , Liste(new QTreeWidget(this))
    , Druck(new QPushButton(QStringLiteral("Liste drucken"), this))
    , PDFbtn(new QPushButton(QStringLiteral("Speichern als PDF ..."), this))
    , Wechsln(new QPushButton(QStringLiteral("Wechseln"), this))
    , Schl(new QPushButton(QString::fromUtf8("&Schließen"), this))
    , Projekt(projekt)
    , Druckername(std::move(druckername))
    , Ausgeben(std::move(ausgeben)) {
    HilfekontextSetzen(this, Hilfekontext::Uebersichten);
    // Several overviews open one after the other are told apart by their captions.
    setWindowTitle(Uebersichtsname(Wahl.Art));
    auto* spalte = new QVBoxLayout(this);
    QFont fett = LblTitel->font();
    fett.setBold(true);
    LblTitel->setFont(fett);
    spalte->addWidget(LblTitel);
    Liste->setRootIsDecorated(false);
    Liste->setUniformRowHeights(true);
    Liste->setItemDelegate(new TZeilenDelegate(Liste));
    Liste->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste->setAllColumnsShowFocus(true);
    Liste->header()->setStretchLastSection(false);
    spalte->addWidget(Liste, 1);
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* b : {Druck, PDFbtn, Wechsln}) {
        knoepfe->addWidget(b);
        b->setAutoDefault(false);
    }
    knoepfe->addStretch();
    knoepfe->addWidget(Schl);
    Schl->setDefault(true);
    spalte->addLayout(knoepfe);
    Druck->setToolTip(Druckername.isEmpty() ? QStringLiteral("Sie haben keinen Drucker festgelegt.")
                                            : Druckername);
    connect(Druck, &QPushButton::clicked, this, [this] { Ausgeben(false, Wahl, Gezeigt); });
    connect(PDFbtn, &QPushButton::clicked, this, [this] { Ausgeben(true, Wahl, Gezeigt); });
    connect(Wechsln, &QPushButton::clicked, this, &TAnsichtDlg::Wechseln);
    connect(Schl, &QPushButton::clicked, this, &QDialog::accept);
    connect(Liste->header(), &QHeaderView::sectionClicked, this, &TAnsichtDlg::Sortieren);
    Anfangsgroesse(this, QSize(640, 480));
}

void TAnsichtDlg::showEvent(QShowEvent* ereignis) {
    Fuellen();
    QDialog::showEvent(ereignis);
}

void TAnsichtDlg::Fuellen() {
    Gezeigt = UebersichtBauen(Projekt, Wahl);
    LblTitel->setText(Gezeigt.Titel);
    Wechsln->setText(Gezeigt.Wechseltext);
    Liste->clear();
    Liste->setColumnCount(int(Gezeigt.Spalten.size()));
    QStringList titel;
    for (const TUebersichtSpalte& s : Gezeigt.Spalten)
        titel << s.Titel;
    Liste->setHeaderLabels(titel);
    Liste->header()->setSectionsClickable(Sortierbar(Wahl.Art));
    for (const QStringList& zeile : Gezeigt.Zeilen) {
        auto* eintrag = new QTreeWidgetItem(zeile);
        for (int i = 0; i < int(Gezeigt.Spalten.size()); ++i)
            if (Gezeigt.Spalten[size_t(i)].Rechts)
                eintrag->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
        Liste->addTopLevelItem(eintrag);
    }
    // The widths are for the list's own font; a larger screen font widens them alike.
    const double mass = fontMetrics().averageCharWidth() / 6.0;
    for (int i = 0; i < int(Gezeigt.Spalten.size()); ++i) {
        const TUebersichtSpalte& s = Gezeigt.Spalten[size_t(i)];
        Liste->setColumnWidth(i, std::max(int(s.Breite * mass), Liste->header()->sectionSizeHint(i)));
        if (s.Rechts) Liste->headerItem()->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
    }
    const bool leer = Gezeigt.Zeilen.empty();
    Druck->setEnabled(!Druckername.isEmpty() && !leer);
    PDFbtn->setEnabled(!leer);
}

void TAnsichtDlg::Wechseln() {
    if (Sortierbar(Wahl.Art)) {
        bool& alle = Wahl.Art == TUebersichtArt::Raeume ? Wahl.AlleAnzeigen : Wahl.AnzahlenAlle;
        alle = !alle;
    } else {
        Wahl.FuerEltern = !Wahl.FuerEltern;
    }
    Fuellen();
}

void TAnsichtDlg::Sortieren(int spalte) {
    if (!Sortierbar(Wahl.Art)) return;
    Wahl.Sortierspalte = spalte;
    Fuellen();
}
