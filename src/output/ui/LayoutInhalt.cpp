#include "LayoutInhalt.h"

#include "model/Meldung.h"
#include "ui/Eingabehilfen.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

namespace {

// The value of Eltern_Leerzeilen and Lehrer_Leerzeilen each button stands for.
constexpr int32_t Leerzeilenwert[3] = {1, 2, 0};

const char* const Leerzeilentext[3] = {"Alle Zeiten ausgeben\r(vollständige Liste)",
                                       "Randzeiten ohne Gespräch\rnicht ausgeben",
                                       "Zeiten ohne Gespräch\rnicht ausgeben"};

QGroupBox* Leerzeilenwahl(std::array<QRadioButton*, 3>& knoepfe) {
    auto* box = new QGroupBox(QString::fromUtf8("Zeiten ohne Gespräch"));
    auto* spalte = new QVBoxLayout(box);
    for (int i = 0; i < 3; ++i) {
        const QString hinweis = QString::fromUtf8(Leerzeilentext[i]);
        knoepfe[static_cast<size_t>(i)] = new QRadioButton(QString(hinweis).replace(u'\r', u' '));
        knoepfe[static_cast<size_t>(i)]->setToolTip(QString(hinweis).replace(u'\r', u'\n'));
        spalte->addWidget(knoepfe[static_cast<size_t>(i)]);
    }
    return box;
}

void LeerzeilenZeigen(const std::array<QRadioButton*, 3>& knoepfe, int32_t wert) {
    for (int i = 0; i < 3; ++i)
        knoepfe[static_cast<size_t>(i)]->setChecked(Leerzeilenwert[i] == wert);
}

} // namespace

TLayoutInhalt::TLayoutInhalt(TListenlayout& layout, bool& terminecode, bool zweiTage, QDate heute,
                             TMeldung& meldung, QWidget* eltern)
    : TLayoutSeite(layout, eltern)
    , Meldungen(meldung)
    , Terminecode(terminecode)
    , ZweiTage(zweiTage) {
    FuerEltern = new QGroupBox(QStringLiteral("Für Eltern:"));
    auto* e = new QVBoxLayout(FuerEltern);
    e->addWidget(Leerzeilenwahl(EltLeer));
    CBumbE = new QCheckBox(QStringLiteral("Einzellisten pro Tag"));
    CBalleTerminiertE =
        new QCheckBox(QString::fromUtf8("Hinweis drucken, wenn alle Gespräche terminiert sind."));
    CBQrCodeE = new QCheckBox(QString::fromUtf8("QR-Code mit den Terminen drucken (für alle Projekte)"));
    CBQrCodeE->setToolTip(QString::fromUtf8(
        "Jede Elternliste erhält einen QR-Code mit ihren Terminen.\nMit der Kamera des Handys gescannt, "
        "kommen die Termine in den Kalender.\nDie Einstellung gilt an diesem Rechner für alle Projekte."));
    e->addWidget(CBumbE);
    e->addWidget(CBalleTerminiertE);
    e->addWidget(CBQrCodeE);
    e->addStretch();

    FuerLehrer = new QGroupBox(QStringLiteral("Für Lehrer:"));
    auto* l = new QVBoxLayout(FuerLehrer);
    l->addWidget(Leerzeilenwahl(LehLeer));
    LNrDruck = new QLabel(QString::fromUtf8("Position aus dem Eingabedialog für Gesprächswünsche"));
    ChBNrDruck = new QCheckBox(QStringLiteral("mit ausdrucken"));
    l->addWidget(LNrDruck);
    l->addWidget(ChBNrDruck);
    CBumbL = new QCheckBox(QStringLiteral("Einzellisten pro Tag"));
    CBpauseDruck = new QCheckBox(QStringLiteral("\"Pause\" drucken"));
    CBalleTerminiertL =
        new QCheckBox(QString::fromUtf8("Hinweis drucken, wenn alle Gespräche terminiert sind."));
    l->addWidget(CBumbL);
    l->addWidget(CBpauseDruck);
    l->addWidget(CBalleTerminiertL);
    rgTelefon = new QGroupBox(QStringLiteral("Elterntelefonnummer drucken"));
    auto* t = new QVBoxLayout(rgTelefon);
    const char* telefontexte[] = {"nie", "falls nicht-terminiert", "immer"};
    for (int i = 0; i < 3; ++i) {
        Telefon[static_cast<size_t>(i)] = new QRadioButton(QString::fromUtf8(telefontexte[i]));
        t->addWidget(Telefon[static_cast<size_t>(i)]);
    }
    l->addWidget(rgTelefon);

    RGdf = new QGroupBox(QStringLiteral("Datumsformat"));
    auto* d = new QHBoxLayout(RGdf);
    Df[0] = new QRadioButton(heute.toString(QStringLiteral("dd.MM.yy")));
    Df[1] = new QRadioButton(heute.toString(QStringLiteral("dd.MM.")));
    d->addWidget(Df[0]);
    d->addWidget(Df[1]);
    d->addStretch();

    auto* spalte = new QVBoxLayout(this);
    Spalten = new QBoxLayout(QBoxLayout::LeftToRight);
    Spalten->addWidget(FuerEltern, 1);
    Spalten->addWidget(FuerLehrer, 1);
    spalte->addLayout(Spalten);
    spalte->addWidget(RGdf);
    spalte->addStretch();

    // The per-day lists exist only where there are two days.
    CBumbE->setVisible(zweiTage);
    CBumbL->setVisible(zweiTage);

    for (int i = 0; i < 3; ++i) {
        connect(EltLeer[static_cast<size_t>(i)], &QRadioButton::toggled, this, [this, i](bool an) {
            if (an) Aendern(TListenArt::Eltern, [this, i] { L.Eltern_Leerzeilen = Leerzeilenwert[i]; });
        });
        connect(LehLeer[static_cast<size_t>(i)], &QRadioButton::toggled, this, [this, i](bool an) {
            if (an) Aendern(TListenArt::Lehrer, [this, i] { L.Lehrer_Leerzeilen = Leerzeilenwert[i]; });
        });
        connect(Telefon[static_cast<size_t>(i)], &QRadioButton::toggled, this, [this, i](bool an) {
            if (an) TelefonGewaehlt(i);
        });
    }
    const auto schalter = [this](QCheckBox* box, TListenArt art, bool TListenlayout::*feld) {
        connect(box, &QCheckBox::toggled, this,
                [this, art, feld](bool an) { Aendern(art, [this, feld, an] { L.*feld = an; }); });
    };
    schalter(CBumbE, TListenArt::Eltern, &TListenlayout::EinzellistenProTagE);
    schalter(CBalleTerminiertE, TListenArt::Eltern, &TListenlayout::HinweisAlleTerminiertE);
    schalter(CBumbL, TListenArt::Lehrer, &TListenlayout::EinzellistenProTagL);
    schalter(CBpauseDruck, TListenArt::Lehrer, &TListenlayout::PauseDrucken);
    schalter(CBalleTerminiertL, TListenArt::Lehrer, &TListenlayout::HinweisAlleTerminiertL);
    connect(CBQrCodeE, &QCheckBox::toggled, this,
            [this](bool an) { Aendern(TListenArt::Eltern, [this, an] { Terminecode = an; }); });
    connect(ChBNrDruck, &QCheckBox::toggled, this, [this](bool an) {
        Aendern(TListenArt::Lehrer, [this, an] {
            L.MitNummer =
                static_cast<uint8_t>(an ? L.MitNummer | NummerDrucken : L.MitNummer & ~NummerDrucken);
        });
    });
    // The label belongs to the box: a click on it toggles the box.
    FilterAnbringen(LNrDruck, [this](QEvent* ereignis) {
        if (ereignis->type() != QEvent::MouseButtonRelease ||
            static_cast<QMouseEvent*>(ereignis)->button() != Qt::LeftButton)
            return false;
        ChBNrDruck->toggle();
        return true;
    });
    for (int i = 0; i < 2; ++i)
        connect(Df[static_cast<size_t>(i)], &QRadioButton::toggled, this, [this, i](bool an) {
            if (an) Aendern(TListenArt::Beide, [this, i] { L.Datumsformat = static_cast<uint8_t>(i); });
        });
    Fuellen();
}

void TLayoutInhalt::Anzeigen() {
    LeerzeilenZeigen(EltLeer, L.Eltern_Leerzeilen);
    LeerzeilenZeigen(LehLeer, L.Lehrer_Leerzeilen);
    CBumbE->setChecked(L.EinzellistenProTagE);
    CBalleTerminiertE->setChecked(L.HinweisAlleTerminiertE);
    CBQrCodeE->setChecked(Terminecode);
    ChBNrDruck->setChecked(L.MitNummer & NummerDrucken);
    CBumbL->setChecked(L.EinzellistenProTagL);
    CBpauseDruck->setChecked(L.PauseDrucken);
    CBalleTerminiertL->setChecked(L.HinweisAlleTerminiertL);
    Telefon[static_cast<size_t>(Telefonwahl(L))]->setChecked(true);
    Df[L.Datumsformat == 1 ? 1 : 0]->setChecked(true);
}

QSize TLayoutInhalt::minimumSizeHint() const {
    const QMargins rand = layout()->contentsMargins();
    int breite = 0;
    for (const QWidget* w : std::initializer_list<const QWidget*>{FuerEltern, FuerLehrer, RGdf})
        breite = std::max(breite, w->minimumSizeHint().width());
    return {breite + rand.left() + rand.right(), layout()->totalMinimumSize().height()};
}

int TLayoutInhalt::Nebeneinanderbreite() const {
    const QMargins rand = layout()->contentsMargins();
    return FuerEltern->minimumSizeHint().width() + Spalten->spacing() +
           FuerLehrer->minimumSizeHint().width() + rand.left() + rand.right();
}

void TLayoutInhalt::resizeEvent(QResizeEvent* ereignis) {
    const QBoxLayout::Direction richtung =
        width() >= Nebeneinanderbreite() ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (Spalten->direction() != richtung) {
        Spalten->setDirection(richtung);
        // One above the other the page is taller: the scrolling around it has to know.
        updateGeometry();
    }
    TLayoutSeite::resizeEvent(ereignis);
}

void TLayoutInhalt::TelefonGewaehlt(int wahl) {
    if (Fuellt()) return;
    const TTelefonwahl neu = static_cast<TTelefonwahl>(wahl);
    const bool nichtTerminiertVorher = L.TelefonNichtTerminiert;
    const bool immerVorher = L.TelefonImmer;
    Aendern(TListenArt::Lehrer, [this, neu] { TelefonwahlSetzen(L, neu); });
    const QString titel = QStringLiteral("Wichtiger Hinweis");
    if (neu == TTelefonwahl::NichtTerminiert && !nichtTerminiertVorher)
        Meldungen.Meldung(
            QString::fromUtf8("Sie können über den Menüpunkt BEARBEITEN/ELTERNTELEFONNUMMER\rdie "
                              "Telefonnummern zu nicht-terminierten Gesprächen einsehen und "
                              "bearbeiten."),
            titel, MeldungsArt::Information);
    else if (neu == TTelefonwahl::Immer && !immerVorher && ZweiTage)
        Meldungen.Meldung(
            QString::fromUtf8("Wenn Sie bei allen Gesprächen die Telefonnummer angeben,\rkann in "
                              "dieser Spalte der Raum nicht mehr\rangegeben werden."),
            titel, MeldungsArt::Information);
}
