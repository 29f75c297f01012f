#include "FPreview.h"

#include "Druckausgabe.h"
#include "Vorschaublatt.h"
#include "Vorschauplatz.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "output/Terminecode.h"
#include "ui/Arbeitsflaeche.h"
#include "ui/Hilfekontext.h"
#include "ui/Lupenzeiger.h"
#include "ui/Rollflaeche.h"
#include "ui/Symbole.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace {

// Gaps around the sheet: above it (landscape, portrait), beside and below it.
constexpr int ObenQuer = 25;
constexpr int ObenHoch = 5;
constexpr int Rand = 5;
// A landscape sheet ends this far left of the window's close button, at the right edge.
constexpr int RechtsQuer = 25;

// Tool-tip texts use "\r" as their line break.
QString Hinweis(const QString& text) {
    return QString(text).replace(u'\r', u'\n');
}

} // namespace

TFPreview::TFPreview(TProjektDokument& dokument, QPrinter& drucker, TMeldung& meldung)
    : QWidget(nullptr, Qt::Window)
    , Dokument(dokument)
    , Drucker(drucker)
    , Meldung(meldung) {
    setWindowTitle(QStringLiteral("Seitenvorschau"));
    HilfekontextSetzen(this, Hilfekontext::Seitenvorschau);
    Aufbauen();
    TastenAnlegen();
    // The persons of another project are gone: the preview closes without selecting one.
    connect(&Dokument, &TProjektDokument::ProjektErsetzt, this, [this] {
        Eintraege.clear();
        if (isVisible()) Beenden();
    });
}

TFPreview::~TFPreview() = default;

void TFPreview::Aufbauen() {
    LblArt = new QLabel(QStringLiteral("Eltern"));
    CBPerson = new QComboBox;
    CBPerson->setMinimumContentsLength(20);
    CBPerson->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    LblArt->setBuddy(CBPerson);
    BtnWechseln = new QToolButton;
    BtnWechseln->setText(QStringLiteral("wechseln"));
    ChBNurMitGespraech =
        new QCheckBox(Hinweis(QString::fromUtf8("Listen nur für Personen\rmit Gespräch anzeigen")));
    ChBNurMitGespraech->setChecked(true);
    BtnZurueck = new QToolButton;
    BtnZurueck->setIcon(Symbol(QStringLiteral("go-previous")));
    BtnZurueck->setToolTip(QStringLiteral("Vorige Seite"));
    BtnVor = new QToolButton;
    BtnVor->setIcon(Symbol(QStringLiteral("go-next")));
    BtnVor->setToolTip(QString::fromUtf8("Nächste Seite"));
    for (QToolButton* knopf : {BtnZurueck, BtnVor})
        knopf->setIconSize(QSize(24, 24));
    BtnDrucken = new QPushButton(Symbol(QStringLiteral("document-print")), QStringLiteral("Liste drucken"));
    BtnBeenden = new QPushButton(QStringLiteral("Vorschau beenden"));
    BtnBeenden->setToolTip(Hinweis(QString::fromUtf8("Schließen (F9, Alt-F4)")));
    BtnX = new QToolButton;
    BtnX->setText(QStringLiteral("X"));
    BtnX->setToolTip(Hinweis(QString::fromUtf8("Vorschau schließen (F9)")));
    BtnX->setAutoRaise(true);
    // The page keys and the wheel belong to the sheet, not to the control that was clicked last.
    for (QWidget* knopf : std::initializer_list<QWidget*>{BtnWechseln, BtnZurueck, BtnVor, BtnX})
        knopf->setFocusPolicy(Qt::TabFocus);

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(LblArt);
    kopf->addWidget(CBPerson);
    kopf->addWidget(BtnWechseln);
    kopf->addSpacing(12);
    kopf->addWidget(ChBNurMitGespraech);
    kopf->addSpacing(12);
    kopf->addWidget(BtnZurueck);
    kopf->addWidget(BtnVor);
    kopf->addSpacing(12);
    kopf->addWidget(BtnDrucken);
    kopf->addWidget(BtnBeenden);
    kopf->addStretch();
    kopf->addWidget(BtnX);

    Blatt = new TVorschaublatt(nullptr);
    Flaeche = new QScrollArea;
    Flaeche->setWidget(Blatt);
    Flaeche->setBackgroundRole(QPalette::Dark);
    Flaeche->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Flaeche->setFocusPolicy(Qt::StrongFocus);
    Flaeche->installEventFilter(this);
    Flaeche->viewport()->installEventFilter(this);
    Blatt->installEventFilter(this);

    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(4, 4, 4, 0);
    aussen->setSpacing(4);
    aussen->addLayout(kopf);
    aussen->addWidget(Flaeche, 1);

    connect(CBPerson, &QComboBox::currentIndexChanged, this, &TFPreview::CBPersonChange);
    connect(BtnWechseln, &QToolButton::clicked, this, &TFPreview::ArtWechseln);
    connect(ChBNurMitGespraech, &QCheckBox::clicked, this, &TFPreview::ChBNurMitGespraechClick);
    connect(BtnZurueck, &QToolButton::clicked, this, &TFPreview::BtnZurueckClick);
    connect(BtnVor, &QToolButton::clicked, this, &TFPreview::BtnVorClick);
    connect(BtnDrucken, &QPushButton::clicked, this, &TFPreview::BtnDruckenClick);
    connect(BtnBeenden, &QPushButton::clicked, this, &QWidget::close);
    connect(BtnX, &QToolButton::clicked, this, &QWidget::close);
    connect(Blatt, &TVorschaublatt::Geklickt, this, &TFPreview::BlattGeklickt);
}

void TFPreview::TastenAnlegen() {
    const auto taste = [this](QKeySequence folge, auto handler) {
        connect(new QShortcut(folge, this), &QShortcut::activated, this, handler);
    };
    taste(Qt::Key_F9, [this] { close(); });
    taste(Qt::Key_Left, [this] {
        if (BtnZurueck->isVisible() && BtnZurueck->isEnabled()) BtnZurueckClick();
    });
    taste(Qt::Key_Right, [this] {
        if (BtnVor->isVisible() && BtnVor->isEnabled()) BtnVorClick();
    });
    // Also the keys of the numeric keypad: a shortcut matches them without their keypad flag.
    taste(Qt::Key_Plus, [this] {
        if (Zoom < Zoomstufen - 1) ZoomSetzen(Zoom + 1);
    });
    taste(Qt::Key_Minus, [this] {
        if (Zoom > 0) ZoomSetzen(Zoom - 1);
    });
    taste(Qt::Key_PageUp, [this] { Blaettern(-2); });
    taste(Qt::Key_PageDown, [this] { Blaettern(2); });
}

void TFPreview::VorschauOeffnen(const TVorschauStart& start, const TSchuldaten& schule, bool terminecode,
                                const QRect& flaeche, QWidget* layoutdialog) {
    Schule = schule;
    Terminecode = terminecode;
    OhneCodeGesagt = false;
    Druckername = QPrinterInfo::defaultPrinterName();
    Layoutdialog = layoutdialog;
    Eltern = start.FuerEltern;
    VorschauIndex = VorschauIndexAnders = 0;
    if (TProjekt* p = Dokument.Projekt()) {
        p->ZaehleGespraeche();
        const bool nur = ChBNurMitGespraech->isChecked();
        VorschauIndex = EintragIndex(VorschauEintraege(*p, Eltern, nur), start.Person);
        VorschauIndexAnders = EintragIndex(VorschauEintraege(*p, !Eltern, nur), start.Andere);
    }
    AuswahlFuellen();
    setWindowTitle(Layoutdialog ? QString() : QStringLiteral("Seitenvorschau"));
    BtnDrucken->setEnabled(!Druckername.isEmpty());
    BtnDrucken->setToolTip(
        Druckername.isEmpty()
            ? QString::fromUtf8("Diese Gesprächsliste drucken")
            : Hinweis(QString::fromUtf8("Diese Gesprächsliste drucken auf\r") + Druckername));
    Zoom = 0;
    Zeichnen();
    setGeometry(flaeche);
    showMaximized();
    raise();
    activateWindow();
    Flaeche->setFocus();
    // As many entries as fit below the chooser on the screen.
    const int unten = flaeche.bottom() - CBPerson->mapToGlobal(QPoint(0, CBPerson->height())).y();
    CBPerson->setMaxVisibleItems(std::max(1, unten / std::max(1, CBPerson->view()->sizeHintForRow(0))));
    if (Layoutdialog) DialogPlatzieren(flaeche);
    ZeigerAktualisieren();
    OhneCodeSagen();
}

void TFPreview::DialogPlatzieren(const QRect& flaeche) {
    layout()->activate();
    const int kopf = Fensterrahmen(this).top() + Flaeche->mapTo(this, QPoint(0, 0)).y();
    // A dialog without a layout asks for no size: it keeps the one it has.
    const QSize wunsch = Layoutdialog->sizeHint().isValid() ? Layoutdialog->sizeHint() : Layoutdialog->size();
    const QSize dialog = wunsch.grownBy(Fensterrahmen(Layoutdialog));
    const TVorschauplatz platz = VorschauplatzTeilen(
        flaeche, kopf, dialog, static_cast<double>(Metrik.PhysBreitePx) / std::max(1, Metrik.PhysHoehePx));
    Blattbereich = platz.Blatt;
    Einweisen(Layoutdialog, platz.Dialog);
    BlattAnpassen();
}

void TFPreview::VorschauNeuZeichnen() {
    const int seite = SeiteNr;
    Zeichnen();
    // A layout change keeps the page in view where the list still has it.
    if (seite > 1) SeiteZeigen(seite);
}

void TFPreview::ArtWechseln() {
    Eltern = !Eltern;
    std::swap(VorschauIndex, VorschauIndexAnders);
    AuswahlFuellen();
    Zoom = 0;
    Zeichnen();
    Flaeche->verticalScrollBar()->setValue(0);
    Flaeche->horizontalScrollBar()->setValue(0);
    ZeigerAktualisieren();
}

void TFPreview::ArtSetzen(bool fuerEltern) {
    if (fuerEltern != Eltern) ArtWechseln();
}

void TFPreview::Beenden() {
    Schliesst = true;
    close();
    Schliesst = false;
}

const TPerson* TFPreview::AktuellePerson() const {
    if (VorschauIndex < 0 || VorschauIndex >= static_cast<int>(Eintraege.size())) return nullptr;
    return Eintraege[static_cast<size_t>(VorschauIndex)].Person;
}

void TFPreview::AuswahlFuellen() {
    const TProjekt* p = Dokument.Projekt();
    Eintraege =
        p ? VorschauEintraege(*p, Eltern, ChBNurMitGespraech->isChecked()) : std::vector<TVorschauEintrag>{};
    QStringList texte;
    texte.reserve(static_cast<qsizetype>(Eintraege.size()));
    for (const TVorschauEintrag& e : Eintraege)
        texte << e.Text;
    VorschauIndex = std::clamp(VorschauIndex, 0, std::max(0, static_cast<int>(Eintraege.size()) - 1));
    {
        const QSignalBlocker sperre(CBPerson);
        CBPerson->clear();
        CBPerson->addItems(texte);
        CBPerson->setCurrentIndex(Eintraege.empty() ? -1 : VorschauIndex);
    }
    LblArt->setText(Eltern ? QStringLiteral("Eltern") : QStringLiteral("Lehrer"));
    BtnWechseln->setToolTip(Eltern ? QStringLiteral("Wechseln zur Lehreransicht")
                                   : QStringLiteral("Wechseln zur Elternansicht"));
}

void TFPreview::CBPersonChange(int index) {
    VorschauIndex = index;
    Zeichnen();
    ZoomSetzen(Zoom);
}

void TFPreview::ChBNurMitGespraechClick() {
    VorschauIndex = 0;
    AuswahlFuellen();
    Zeichnen();
}

void TFPreview::Zeichnen() {
    Listenzeilen.clear();
    Seiten.clear();
    const TProjekt* p = Dokument.Projekt();
    if (p) {
        Metrik = Druckername.isEmpty() ? StandardMetrik(p->Listenlayout.Ausrichtung == 1)
                                       : GeraetMetrikLesen(Drucker, *p);
        Raender = p->Listenlayout.Seitenraender;
    }
    TTerminecodes codes(Terminecode);
    if (const TPerson* person = AktuellePerson(); p && person) {
        const TListenAuftrag auftrag{person, Eltern, false};
        ListeZusammenstellen(*p, auftrag, Listenzeilen);
        Seiten = VorschauZeichnen({*p, Schule, Metrik, auftrag, &codes}, Listenzeilen);
    }
    OhneCode = codes.OhneCodeAnzahl() > 0;
    SeiteZeigen(1);
    // While the preview opens, the message waits until it shows.
    if (isVisible()) OhneCodeSagen();
}

void TFPreview::OhneCodeSagen() {
    if (!OhneCode || OhneCodeGesagt) return;
    OhneCodeGesagt = true;
    OhneCodeMelden(Meldung, 1);
}

void TFPreview::SeiteZeigen(int seite) {
    SeiteNr = Seiten.empty() ? 0 : std::clamp(seite, 1, Seitenzahl());
    BtnZurueck->setVisible(Seitenzahl() > 1);
    BtnVor->setVisible(Seitenzahl() > 1);
    BtnZurueck->setEnabled(SeiteNr > 1);
    BtnVor->setEnabled(SeiteNr < Seitenzahl());
    BlattAnpassen();
}

void TFPreview::BtnDruckenClick() {
    const TProjekt* p = Dokument.Projekt();
    const TPerson* person = AktuellePerson();
    if (!p || !person) return;
    if (!EinzellisteDrucken(Drucker, *p, Schule, {person, Eltern, false}, Listenzeilen, Terminecode, Meldung))
        Meldung.Meldung(QString::fromUtf8("Die Gesprächsliste konnte nicht gedruckt werden."),
                        QStringLiteral("Drucken"), MeldungsArt::Fehler);
}

void TFPreview::BlattGeklickt(QPoint ort, bool links) {
    // Beside the layout dialog the sheet only shows; a click hands the keyboard back to the dialog.
    if (Layoutdialog) {
        Layoutdialog->raise();
        Layoutdialog->activateWindow();
        return;
    }
    ZoomSetzen(Zoomschritt(Zoom, links), ort);
}

void TFPreview::ZoomSetzen(int stufe, std::optional<QPoint> klick) {
    QScrollBar* waagrecht = Flaeche->horizontalScrollBar();
    QScrollBar* senkrecht = Flaeche->verticalScrollBar();
    const QRect alt = Blatt->Blatt();
    QPointF anteil;
    QPoint imFenster;
    if (klick && !alt.isEmpty()) {
        anteil = QPointF(static_cast<double>(klick->x() - alt.x()) / alt.width(),
                         static_cast<double>(klick->y() - alt.y()) / alt.height());
        imFenster = *klick - QPoint(waagrecht->value(), senkrecht->value());
    }
    Zoom = stufe;
    BlattAnpassen();
    ZeigerAktualisieren();
    const QRect neu = Blatt->Blatt();
    if (klick && !alt.isEmpty()) {
        waagrecht->setValue(neu.x() + Runden(anteil.x() * neu.width()) - imFenster.x());
        senkrecht->setValue(neu.y() + Runden(anteil.y() * neu.height()) - imFenster.y());
    } else {
        senkrecht->setValue(neu.height() / 6);
        waagrecht->setValue(waagrecht->maximum() / 2);
    }
}

void TFPreview::Blaettern(int schritte) {
    QScrollBar* senkrecht = Flaeche->verticalScrollBar();
    senkrecht->setValue(senkrecht->value() + schritte * senkrecht->singleStep());
}

void TFPreview::BlattAnpassen() {
    const QSize platz = Flaeche->maximumViewportSize();
    const int balken = Flaeche->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Flaeche);
    const bool quer = Metrik.PhysBreitePx > Metrik.PhysHoehePx;
    const int oben = quer ? ObenQuer : ObenHoch;
    QSize blatt;
    if (Layoutdialog && !Blattbereich.isEmpty()) {
        // Beside the layout dialog the sheet fits the room left of it.
        const int links = Flaeche->viewport()->mapToGlobal(QPoint(0, 0)).x();
        const int breite = std::min(platz.width(), Blattbereich.right() + 1 - links);
        blatt = BlattgroesseEingepasst(Metrik, Zoom, QSize(breite - 2 * Rand, platz.height() - oben));
    } else {
        QSize verfuegbar(platz.width() - Rand - RechtsQuer, platz.height() - oben);
        // A landscape sheet higher than the window leaves room for the scroll bar beside it.
        if (quer && oben + Blattgroesse(Metrik, 0, verfuegbar).height() > platz.height())
            verfuegbar.rwidth() -= balken;
        blatt = Blattgroesse(Metrik, Zoom, verfuegbar);
    }
    const bool rollenSenkrecht = oben + blatt.height() > platz.height();
    const int sichtbarBreite = platz.width() - (rollenSenkrecht ? balken : 0);
    const int x = quer || Layoutdialog ? Rand : std::max(Rand, (sichtbarBreite - blatt.width()) / 2);
    const bool rollenWaagrecht = x + blatt.width() + Rand > sichtbarBreite;
    const int sichtbarHoehe = platz.height() - (rollenWaagrecht ? balken : 0);
    Blatt->resize(std::max(sichtbarBreite, x + blatt.width() + Rand),
                  std::max(sichtbarHoehe, oben + blatt.height() + (rollenSenkrecht ? Rand : 0)));
    const QPicture* seite = SeiteNr > 0 ? &Seiten[static_cast<size_t>(SeiteNr - 1)] : nullptr;
    Blatt->Zeigen(QRect(QPoint(x, oben), blatt), Metrik, Raender, seite);
}

void TFPreview::ZeigerAktualisieren() {
    Blatt->ZeigerSetzen(Layoutdialog ? QCursor(Qt::ArrowCursor) : Lupenzeiger(Zoom < Zoomstufen - 1));
}

void TFPreview::closeEvent(QCloseEvent* ereignis) {
    if (Layoutdialog && !Schliesst) {
        ereignis->ignore();
        Q_EMIT SchliessenGewuenscht();
        return;
    }
    const TPerson* person = AktuellePerson();
    Listenzeilen.clear();
    Seiten.clear();
    Eintraege.clear();
    SeiteNr = 0;
    Blatt->Zeigen(QRect(), Metrik, Raender, nullptr);
    Layoutdialog = nullptr;
    Blattbereich = QRect();
    QWidget::closeEvent(ereignis);
    Q_EMIT Geschlossen(person, Eltern);
}

bool TFPreview::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == Flaeche && ereignis->type() == QEvent::Resize) {
        BlattAnpassen();
    } else if ((objekt == Blatt || objekt == Flaeche->viewport()) && ereignis->type() == QEvent::Wheel) {
        const QPoint drehung = static_cast<QWheelEvent*>(ereignis)->angleDelta();
        QScrollBar* senkrecht = Flaeche->verticalScrollBar();
        QScrollBar* waagrecht = Flaeche->horizontalScrollBar();
        senkrecht->setValue(senkrecht->value() - drehung.y() / 8);
        waagrecht->setValue(waagrecht->value() - drehung.x() / 8);
        return true;
    }
    return QWidget::eventFilter(objekt, ereignis);
}
