#include "Raumbelegung.h"

#include "Raumgitter.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "ui/Hilfekontext.h"
#include "ui/Ziehzeiger.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// How close to the visible edge the pointer must come before the plan scrolls by itself.
constexpr int Scrollrand = 10;

} // namespace

TFRaumbelegung::TFRaumbelegung(TProjektDokument& dokument, TMeldung& meldung, TDateiwahl& dateiwahl,
                               QPrinter& drucker, const QString& pdfOrdner, std::function<void()> hilfe,
                               QWidget* parent)
    : QDialog(parent)
    , Dokument(dokument)
    , Meldungen(meldung)
    , Dateiwahl(dateiwahl)
    , Drucker(drucker)
    , PdfOrdner(pdfOrdner)
    , Hilfe(std::move(hilfe)) {
    HilfekontextSetzen(this, Hilfekontext::Raumbelegung);
    setWindowTitle(QStringLiteral("Raumbelegungsplan"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

    MainMenu1 = new QMenuBar(this);
    QMenu* datei = MainMenu1->addMenu(QStringLiteral("Datei"));
    Export1 = datei->addAction(QStringLiteral("Export als csv ..."));
    ExportPdf1 = datei->addAction(QStringLiteral("Export als PDF ..."));
    Drucken1 = datei->addAction(QStringLiteral("Drucken ..."));
    datei->addSeparator();
    Schliessen1 = datei->addAction(QStringLiteral("Schließen"));
    QMenu* bearbeiten = MainMenu1->addMenu(QStringLiteral("Bearbeiten"));
    Zulassen1 = bearbeiten->addAction(QStringLiteral("... zulassen"));
    QMenu* ansicht = MainMenu1->addMenu(QStringLiteral("Ansicht"));
    auto* tage = new QActionGroup(this);
    Tag11 = ansicht->addAction(QStringLiteral("1.Tag"));
    Tag21 = ansicht->addAction(QStringLiteral("2.Tag"));
    BeideTage1 = ansicht->addAction(QStringLiteral("Beide Tage"));
    for (QAction* a : {Tag11, Tag21, BeideTage1}) {
        a->setCheckable(true);
        tage->addAction(a);
    }
    Hilfe1 = MainMenu1->addAction(QStringLiteral("Hilfe"));

    StringGrid1 = new TRaumgitter;
    StringGrid2 = new TRaumgitter;
    auto* flaeche = new QWidget;
    auto* nebeneinander = new QHBoxLayout(flaeche);
    nebeneinander->setContentsMargins(0, 0, 0, 0);
    nebeneinander->setSpacing(0);
    nebeneinander->addWidget(StringGrid1, 0, Qt::AlignTop);
    nebeneinander->addWidget(StringGrid2, 0, Qt::AlignTop);
    nebeneinander->addStretch();
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setWidget(flaeche);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(ScrollBox1);

    // The window opens maximised; this is its size when the user restores it.
    resize(screen()->availableGeometry().size() * 4 / 5);

    VertScrollTimer = new QTimer(this);
    VertScrollTimer->setInterval(100);

    connect(Export1, &QAction::triggered, this, &TFRaumbelegung::Export1Click);
    connect(ExportPdf1, &QAction::triggered, this, [this] { Drucken1Click(true); });
    connect(Drucken1, &QAction::triggered, this, [this] { Drucken1Click(false); });
    connect(Schliessen1, &QAction::triggered, this, &QDialog::accept);
    connect(Zulassen1, &QAction::triggered, this, &TFRaumbelegung::Zulassen1Click);
    connect(Tag11, &QAction::triggered, this, [this] { AnsichtWaehlen(TTagesansicht::Tag1); });
    connect(Tag21, &QAction::triggered, this, [this] { AnsichtWaehlen(TTagesansicht::Tag2); });
    connect(BeideTage1, &QAction::triggered, this, [this] { AnsichtWaehlen(TTagesansicht::BeideTage); });
    connect(Hilfe1, &QAction::triggered, this, [this] {
        if (Hilfe) Hilfe();
    });
    for (TRaumgitter* g : {StringGrid1, StringGrid2}) {
        connect(g, &TRaumgitter::Gedrueckt, this, [this, g](int zeile) { GitterGedrueckt(g, zeile); });
        connect(g, &TRaumgitter::Gezogen, this,
                [this, g](int zeile, QPoint global) { GitterGezogen(g, zeile, global); });
        connect(g, &TRaumgitter::Losgelassen, this, [this, g](int zeile) { GitterLosgelassen(g, zeile); });
    }
    connect(VertScrollTimer, &QTimer::timeout, this, &TFRaumbelegung::VertScrollTimerTimer);
}

bool TFRaumbelegung::Oeffnen(TRaumplanStart start) {
    const TProjekt* p = Dokument.Projekt();
    if (!p) return false;
    GewaehlteAnsicht = ::Tagesansicht(*p, GewaehlteAnsicht);
    Tag21->setEnabled(p->ZweiTage);
    BeideTage1->setEnabled(p->ZweiTage);
    // The rooms may be others than last time.
    StringGrid1->Markieren(-1);
    StringGrid2->Markieren(-1);
    Zuletzt = nullptr;
    if (!PlanFuellen()) return false;
    Start = start;
    setWindowState(windowState() | Qt::WindowMaximized);
    return true;
}

bool TFRaumbelegung::PlanFuellen() {
    const TProjekt* p = Dokument.Projekt();
    if (!p) return false;
    const TTagesansicht ansicht = Ansicht();
    Tag11->setChecked(ansicht == TTagesansicht::Tag1);
    Tag21->setChecked(ansicht == TTagesansicht::Tag2);
    BeideTage1->setChecked(ansicht == TTagesansicht::BeideTage);
    Raumplan = RaumplanBauen(*p, ansicht, &Meldungen);
    GitterZeigen();
    return !Raumplan.Abgebrochen;
}

void TFRaumbelegung::GitterZeigen() {
    for (int tag = 0; tag < 2; ++tag) {
        const TPlantag& t = Raumplan.Tage[static_cast<size_t>(tag)];
        TRaumgitter* g = Gitter(tag);
        g->Fuellen(t.Zellen);
        g->setVisible(t.Gezeigt);
    }
    if (!Zuletzt || !Zuletzt->isVisibleTo(this))
        Zuletzt = StringGrid1->isVisibleTo(this) ? StringGrid1 : StringGrid2;
    ScrollBox1->horizontalScrollBar()->setValue(0);
}

TRaumgitter* TFRaumbelegung::Gitter(int tag) const {
    return tag == 0 ? StringGrid1 : StringGrid2;
}

int TFRaumbelegung::Tag(const TRaumgitter* gitter) const {
    return gitter == StringGrid1 ? 0 : 1;
}

void TFRaumbelegung::AnsichtWaehlen(TTagesansicht ansicht) {
    GewaehlteAnsicht = ansicht;
    PlanFuellen();
}

void TFRaumbelegung::Zulassen1Click() {
    VerschiebenErlaubt = !VerschiebenErlaubt;
    Zulassen1->setText(VerschiebenErlaubt ? QStringLiteral("... nicht zulassen")
                                          : QStringLiteral("... zulassen"));
}

void TFRaumbelegung::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    if (Start == TRaumplanStart::Anzeigen) return;
    const bool alsPdf = Start == TRaumplanStart::AlsPdf;
    Start = TRaumplanStart::Anzeigen;
    // Once the window stands, so that the print dialog has it as its parent on screen.
    QTimer::singleShot(0, this, [this, alsPdf] { Drucken1Click(alsPdf); });
}

void TFRaumbelegung::done(int ergebnis) {
    ZiehenBeenden();
    QDialog::done(ergebnis);
    // The plan points at the teachers; the project may be replaced before the next opening.
    Raumplan = TRaumplan();
    StringGrid1->Fuellen({});
    StringGrid2->Fuellen({});
}

void TFRaumbelegung::GitterGedrueckt(TRaumgitter* gitter, int zeile) {
    if (gitter != Zuletzt) {
        Zuletzt = gitter;
        return;
    }
    if (zeile < 1) return;
    Quelle = zeile;
    LetztesZiel = zeile;
    Richtung = 0;
    gitter->Markieren(zeile);
    gitter->setCursor(ZiehzeigerLaden(TZiehzeiger::Lehrer));
}

void TFRaumbelegung::GitterGezogen(TRaumgitter* gitter, int zeile, QPoint global) {
    if (Quelle < 1 || gitter != Zuletzt) return;
    Zeiger = global;
    ZielZeigen(zeile);
    const QWidget* sicht = ScrollBox1->viewport();
    const int y = sicht->mapFromGlobal(global).y();
    const bool unten = Richtung > 0 && y > sicht->height() - Scrollrand;
    const bool oben = Richtung < 0 && y < Scrollrand;
    if (unten || oben) {
        if (!VertScrollTimer->isActive()) VertScrollTimer->start();
    } else {
        VertScrollTimer->stop();
    }
}

void TFRaumbelegung::ZielZeigen(int zeile) {
    if (zeile < 1) return;
    if (zeile != LetztesZiel) {
        Richtung = zeile > LetztesZiel ? 1 : -1;
        LetztesZiel = zeile;
    }
    Zuletzt->Markieren(zeile);
    if (zeile == Quelle) {
        Zuletzt->setCursor(ZiehzeigerLaden(TZiehzeiger::Lehrer));
        return;
    }
    const bool passt =
        ZeilenVergleichen(Raumplan, Tag(Zuletzt), Quelle, zeile) == TZeilenvergleich::Vereinbar;
    Zuletzt->setCursor(ZiehzeigerLaden(passt ? TZiehzeiger::Ablegen : TZiehzeiger::NichtAblegen));
}

void TFRaumbelegung::VertScrollTimerTimer() {
    QScrollBar* leiste = ScrollBox1->verticalScrollBar();
    const int vorher = leiste->value();
    leiste->setValue(vorher + Richtung * (Zuletzt->Zeilenhoehe() + 1));
    if (leiste->value() == vorher) {
        VertScrollTimer->stop();
        return;
    }
    // The pointer stands still while the rows move under it.
    ZielZeigen(Zuletzt->ZeileBei(Zuletzt->mapFromGlobal(Zeiger).y()));
}

void TFRaumbelegung::ZiehenBeenden() {
    VertScrollTimer->stop();
    StringGrid1->unsetCursor();
    StringGrid2->unsetCursor();
    Quelle = -1;
    Richtung = 0;
}

void TFRaumbelegung::GitterLosgelassen(TRaumgitter* gitter, int zeile) {
    const int quelle = Quelle;
    if (quelle < 1 || gitter != Zuletzt) return;
    ZiehenBeenden();
    if (zeile < 1 || zeile == quelle) return;
    gitter->Markieren(zeile);
    Verschieben(Tag(gitter), quelle, zeile);
}

void TFRaumbelegung::Verschieben(int tag, int quelle, int ziel) {
    TProjekt* p = Dokument.Projekt();
    if (!p) return;
    const QString von = Raumplan.Raeume.value(quelle - 1);
    const QString nach = Raumplan.Raeume.value(ziel - 1);
    if (!VerschiebenErlaubt) {
        Meldungen.Meldung(QString::fromUtf8(VerschiebenGesperrtText), QStringLiteral("Hinweis"),
                          MeldungsArt::Information);
        return;
    }
    switch (ZeilenVergleichen(Raumplan, tag, quelle, ziel)) {
    case TZeilenvergleich::QuelleLeer:
        Meldungen.Meldung(NichtsZuVerschiebenText(von), QStringLiteral("Hinweis"), MeldungsArt::Information);
        return;
    case TZeilenvergleich::Unvereinbar:
        Meldungen.Meldung(QString::fromUtf8(VerschiebenUnmoeglichText), QStringLiteral("Hinweis"),
                          MeldungsArt::Information);
        return;
    case TZeilenvergleich::Vereinbar:
        break;
    }
    if (Meldungen.Meldung(VerschiebenFrage(von, nach), QString::fromUtf8(VerschiebenTitel),
                          MeldungsArt::Frage, Knoepfe::JaNein, Antwort::Ja) != Antwort::Ja)
        return;
    const TBefehlsWache wache(Dokument);
    if (ZeileVerschieben(*p, Raumplan, tag, quelle, ziel) > 0) Dokument.Melden(TAenderung::Lehrer);
    PlanFuellen();
    Gitter(tag)->Markieren(ziel);
}
