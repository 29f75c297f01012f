#include "UZeitSplash.h"

#include "MausOption.h"
#include "Tagesraster.h"
#include "ZBtnGrid.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "settings/Einstellungen.h"
#include "timeframe/Verfuegbarkeit.h"
#include "ui/Arbeitsflaeche.h"
#include "ui/Hilfekontext.h"
#include "ui/Symbole.h"

#include <QCursor>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

// Counts the questions open over the window and brings the pointer back afterwards.
class TFensterMeldung : public TMeldung {
public:
    TFensterMeldung(TMeldung& ziel, TFZeitSplash& fenster)
        : Ziel(ziel)
        , Fenster(fenster) {}
    Antwort Meldung(const QString& text, const QString& titel, MeldungsArt art, Knoepfe knoepfe,
                    Antwort vorgabe, int hilfekontext) override {
        return Fragen([&] { return Ziel.Meldung(text, titel, art, knoepfe, vorgabe, hilfekontext); });
    }
    Antwort MeldungBei(const QPoint& ort, const QString& text, const QString& titel, MeldungsArt art,
                       Knoepfe knoepfe, Antwort vorgabe) override {
        return Fragen([&] { return Ziel.MeldungBei(ort, text, titel, art, knoepfe, vorgabe); });
    }

private:
    template <class F> Antwort Fragen(F frage) {
        ++Fenster.Fragen;
        const Antwort a = frage();
        --Fenster.Fragen;
        Fenster.ZeigerZurueck();
        return a;
    }
    TMeldung& Ziel;
    TFZeitSplash& Fenster;
};

namespace {

const QColor Lehrerfarbe(0xDB, 0xE6, 0xF0);
const QColor Familienfarbe(0xF0, 0xF0, 0xD0);

QString Zeilen(const char* text) {
    return QString::fromUtf8(text).replace(u'\r', u'\n');
}

} // namespace

TFZeitSplash::TFZeitSplash(TProjektDokument& dokument, TMeldung& meldungen, TProgrammwerte& werte,
                           TEinstellungsSpeicher& speicher, QWidget* eltern)
    : QWidget(eltern, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , LblName(new QLabel(this))
    , Bild(new QLabel(this))
    , Tage{new TTagesraster(0, this), new TTagesraster(1, this)}
    , MausBtn(new QPushButton(QStringLiteral("Mauseinstellung und Tastatur"), this))
    , RueckBtn(new QPushButton(QString::fromUtf8("Rückgängig (r)"), this))
    , InfoBtn(new QPushButton(QStringLiteral("Info"), this))
    , OkBtn(new QPushButton(QStringLiteral("Ok (Enter)"), this))
    , AbbruchBtn(new QPushButton(QStringLiteral("Abbrechen (ESC)"), this))
    , Timer3(new QTimer(this))
    , TageRaster(new QGridLayout)
    , Knopfzeilen{new QHBoxLayout, new QHBoxLayout}
    , Dokument(dokument)
    , Meldungen(std::make_unique<TFensterMeldung>(meldungen, *this))
    , Werte(werte)
    , Speicher(speicher) {
    HilfekontextSetzen(this, Hilfekontext::Zeitfenster);
    setAutoFillBackground(true);
    auto* spalte = new QVBoxLayout(this);
    auto* kopf = new QHBoxLayout;
    QFont fett = LblName->font();
    fett.setBold(true);
    fett.setPointSizeF(fett.pointSizeF() * 1.2);
    LblName->setFont(fett);
    Bild->setPixmap(Symbol(QStringLiteral("x-office-calendar")).pixmap(32));
    kopf->addWidget(LblName, 1);
    spalte->addLayout(kopf);
    for (TTagesraster* t : Tage) {
        TZBtnGrid* g = t->Grid();
        g->Meldungen = Meldungen.get();
        g->Projekt = Dokument.Projekt();
        connect(g, &TZBtnGrid::Geaendert, this, [this] { RueckBtn->setEnabled(true); });
        connect(t->BtnSperren, &QPushButton::clicked, this, [this, t] { TagSperren(t->Tag); });
        connect(t->BtnFreigeben, &QPushButton::clicked, this, [this, t] { TagFreigeben(t->Tag); });
        t->Panel->installEventFilter(this);
    }
    PaarAnordnen(TageRaster, Tage[0], Tage[1], true);
    spalte->addLayout(TageRaster);
    for (QPushButton* b : {MausBtn, RueckBtn, InfoBtn})
        Knopfzeilen[0]->addWidget(b);
    for (QHBoxLayout* zeile : Knopfzeilen) {
        zeile->addStretch();
        spalte->addLayout(zeile);
    }
    KnoepfeAnordnen(true);
    connect(MausBtn, &QPushButton::clicked, this, &TFZeitSplash::MausEinstellen);
    connect(RueckBtn, &QPushButton::clicked, this, &TFZeitSplash::Rueckgaengig);
    connect(InfoBtn, &QPushButton::clicked, this, &TFZeitSplash::Info);
    connect(OkBtn, &QPushButton::clicked, this, &TFZeitSplash::Schliessen);
    connect(AbbruchBtn, &QPushButton::clicked, this, &TFZeitSplash::Abbrechen);
    Timer3->setInterval(400);
    Timer3->setSingleShot(true);
    connect(Timer3, &QTimer::timeout, this, &TFZeitSplash::VerlassenPruefen);
    LblName->installEventFilter(this);
    // Whatever changes the project meanwhile, from the panels' keys or a drag, finds the blocks the
    // user made here applied and the window closed, instead of a window that shows a stale plan.
    connect(&Dokument, &TProjektDokument::BefehlBeginnt, this, &TFZeitSplash::Schliessen);
}

bool TFZeitSplash::Hovermodus() const {
    return !Werte.ZeitSplash;
}

void TFZeitSplash::KnoepfeZeigen(bool sichtbar) {
    OkBtn->setVisible(sichtbar);
    AbbruchBtn->setVisible(sichtbar);
}

void TFZeitSplash::Zeigen(TPerson& person, bool istFamilie, const QRect& zeile, bool ausTastatur) {
    if (isVisible()) Schliessen();
    const TProjekt* p = Dokument.Projekt();
    if (!p) return;
    Offen = &person;
    IstFamilie = istFamilie;
    AusTastatur = ausTastatur;
    Arbeitskopie = person.Zeiten;

    QPalette farben = palette();
    farben.setColor(QPalette::Window, istFamilie ? Familienfarbe : Lehrerfarbe);
    setPalette(farben);
    auto* kopf = static_cast<QHBoxLayout*>(layout()->itemAt(0)->layout());
    kopf->removeWidget(Bild);
    kopf->insertWidget(istFamilie ? 1 : 0, Bild);
    LblName->setText(QStringLiteral("Zeiten sperren bei ") + person.Anschrift(true));
    for (TTagesraster* t : Tage) {
        t->LblDatum->setText(Tagesdatum(*p, t->Tag));
        TZBtnGrid* g = t->Grid();
        g->Raster.RahmenLaden(*p, t->Tag);
        g->Raster.Umschalten = !Werte.ZeitMaus;
        g->IstLehrer = !istFamilie;
        g->Projekt = p;
        g->NachFrage = [this] { ZeigerZurueck(); };
    }
    Laden();
    Tage[1]->setVisible(p->ZweiTage);
    Tage[1]->setEnabled(p->ZweiTage);
    KnoepfeZeigen(!Hovermodus());
    Einrichten(Arbeitsflaeche(zeile.center()));
    Platzieren(zeile);

    ZeigerVorher = QCursor::pos();
    show();
    raise();
    activateWindow();
    if (Hovermodus()) {
        // The pointer goes into the window near the row, so that it does not close at once.
        const QRect r = geometry();
        const bool unten = r.top() >= zeile.bottom();
        const int abstand = ausTastatur ? 8 : 20;
        const int x = istFamilie ? r.left() + (ausTastatur ? 8 : 50) : r.right() - (ausTastatur ? 8 : 50);
        const int y = unten ? r.top() + abstand : r.bottom() - abstand;
        QCursor::setPos(x, y);
    }
    ZeigerGesetzt = QCursor::pos();
    Q_EMIT Geoeffnet();
}

void TFZeitSplash::KnoepfeAnordnen(bool eineZeile) {
    for (QPushButton* b : {OkBtn, AbbruchBtn}) {
        for (QHBoxLayout* zeile : Knopfzeilen)
            zeile->removeWidget(b);
        Knopfzeilen[eineZeile ? 0 : 1]->addWidget(b);
    }
}

void TFZeitSplash::Einrichten(const QRect& flaeche) {
    // Day 2 goes below day 1 where the two side by side would be wider than the screen, and on a still
    // narrower screen OK and cancel go below the other buttons.
    KnoepfeAnordnen(true);
    PaarAnordnen(TageRaster, Tage[0], Tage[1], true);
    if (Tage[1]->isVisibleTo(this) && sizeHint().width() > flaeche.width())
        PaarAnordnen(TageRaster, Tage[0], Tage[1], false);
    if (sizeHint().width() > flaeche.width()) KnoepfeAnordnen(false);
    GroesseAnpassen(this, flaeche);
}

void TFZeitSplash::Platzieren(const QRect& zeile) {
    const QRect flaeche = Arbeitsflaeche(zeile.center());
    const int x = IstFamilie ? zeile.left() + 5 : zeile.right() + 5 - width();
    const int y =
        zeile.bottom() + 1 + height() <= flaeche.bottom() + 1 ? zeile.bottom() + 1 : zeile.top() - height();
    move(Eingepasst(QRect(QPoint(x, y), size()), {}, flaeche).topLeft());
}

void TFZeitSplash::Laden() {
    for (TTagesraster* t : Tage) {
        const TTageswerte werte = Tageswerte(Arbeitskopie, t->Tag);
        t->Grid()->WerteLaden(werte);
        t->Grid()->Raster.Ausgangswerte = werte;
    }
    RueckBtn->setEnabled(false);
}

void TFZeitSplash::Rueckgaengig() {
    Laden();
}

void TFZeitSplash::Abbrechen() {
    if (RueckBtn->isEnabled()) Rueckgaengig();
    Schliessen();
}

bool TFZeitSplash::PersonDa() const {
    const TProjekt* p = Dokument.Projekt();
    if (!p || !Offen) return false;
    if (IstFamilie)
        return std::any_of(p->Elternliste.begin(), p->Elternliste.end(),
                           [this](const auto& e) { return e.get() == Offen; });
    return std::any_of(p->Lehrerliste.begin(), p->Lehrerliste.end(),
                       [this](const auto& l) { return l.get() == Offen; });
}

void TFZeitSplash::Schliessen() {
    Timer3->stop();
    if (!Offen) return;
    TProjekt* p = Dokument.Projekt();
    if (!PersonDa() || !p) {
        Verwerfen();
        return;
    }
    TZeiten neu = Arbeitskopie;
    uint8_t bits = 0;
    for (TTagesraster* t : Tage)
        for (int i = 0; i < SlotsProTag; ++i) {
            const size_t s = static_cast<size_t>(t->Tag * SlotsProTag + i);
            neu[s] = t->Grid()->Werte()[static_cast<size_t>(i)];
            // A newly blocked slot may hold what a step taken back would put there again.
            if (Arbeitskopie[s] >= 0 && neu[s] == SlotGesperrt)
                bits |= Zeitaenderung::TerminWeg | Zeitaenderung::SlotGeaendert;
        }
    Arbeitskopie = neu;
    TPerson* person = Offen;
    Offen = nullptr;
    hide();
    Q_EMIT Geschlossen();
    bits |= ZeitenUebernehmen(*p, *person, neu, IstFamilie);
    if (!bits) return;
    const TBefehlsWache wache(Dokument);
    ZeitaenderungAuswerten(*p, bits);
    TAenderungen was = TAenderung::Zeiten | (IstFamilie ? TAenderung::Familien : TAenderung::Lehrer);
    if (bits & Zeitaenderung::TerminWeg) {
        Dokument.RueckListe().Clear();
        was |= TAenderung::Plan;
    }
    Dokument.Melden(was);
}

void TFZeitSplash::Verwerfen() {
    Timer3->stop();
    Offen = nullptr;
    hide();
    Q_EMIT Geschlossen();
}

void TFZeitSplash::TagSperren(int tag) {
    TZBtnGrid* g = Tage[tag]->Grid();
    bool termineAuch = false;
    if (g->Raster.HatTermine())
        termineAuch =
            Meldungen->Meldung(QString::fromUtf8("An diesem Tag ist mindestens einen Gesprächstermin "
                                                 "gesetzt.\rMöchten Sie auch solche Zeiten sperren?\r"
                                                 "(Betroffene Gespräche verlieren dann ihren Termin.)"),
                               QStringLiteral("Achtung!"), MeldungsArt::Warnung, Knoepfe::JaNein,
                               Antwort::Nein) == Antwort::Ja;
    if (g->Raster.TagSperren(termineAuch)) {
        g->update();
        RueckBtn->setEnabled(true);
    }
}

void TFZeitSplash::TagFreigeben(int tag) {
    TZBtnGrid* g = Tage[tag]->Grid();
    if (g->Raster.TagFreigeben(Tageswerte(Arbeitskopie, tag))) {
        g->update();
        RueckBtn->setEnabled(true);
    }
}

void TFZeitSplash::MausEinstellen() {
    TMausOption dlg(Werte, Speicher, {Tage[0]->Grid(), Tage[1]->Grid()}, true, this);
    dlg.adjustSize();
    const QRect r = geometry();
    const QMargins rahmen = Fensterrahmen(&dlg);
    const QPoint ecke(r.right() - 40 + rahmen.left(), r.top() + 10 + rahmen.top());
    dlg.setGeometry(Eingepasst(QRect(ecke, dlg.size()), rahmen, Arbeitsflaeche(this)));
    ++Fragen;
    const bool ok = dlg.exec() == QDialog::Accepted;
    --Fragen;
    ZeigerZurueck();
    if (ok) KnoepfeZeigen(!Hovermodus());
}

void TFZeitSplash::Info() {
    QString text = Zeilen("Öffnen/Schließen des ZEITENFENSTERS mit der MAUS:\r");
    text +=
        Hovermodus()
            ? Zeilen(
                  "Das Zeitenfenster wird eingeblendet, sobald der Mauszeiger über den Hotspot bewegt wird.\r"
                  "Beim Verlassen des Fensters mit dem Mauszeiger werden die angezeigten Einstellungen\r"
                  "SOFORT ÜBERNOMMEN und das Fenster wird geschlossen!\rUm Änderungen NICHT zu übernehmen "
                  "klicken Sie den Rückgängig-Schalter.\r(Siehe auch folgende Tastatur-Info!)\rSie können "
                  "dieses Schnell-Einblenden über 'Maus-Einstellungen und Tastatur' deaktivieren.")
            : Zeilen(
                  "Zum Öffnen des Zeitenfensters klicken Sie auf das Uhr-Symbol bei den markierten Elten "
                  "bzw. bei der markierten Lehrkraft.\rSie Schließen das Fenster mit den Schaltern für "
                  "'Abbbruch' oder 'Ok,'\r'Ok' übernimmt vorgenommene Änderungen.\r\rFür schnelles Arbeiten "
                  "können Sie mit 'Maus-Einstellungen und Tastatur' einen echten\r'Hot-Spot-Modus' "
                  "einstellen:\rDann wird das Zeitenfenster ohne Klick eingeblendet, sobald der Mauszeiger "
                  "über das Uhr-Symbol bewegt wird.\rACHTUNG: In diesem Modus wird das Zeiten-Fenster beim "
                  "Verlassen mit der Maus nicht nur wieder ausgeblendet,\res werden auch sofort Änderungen "
                  "übernommen.");
    text +=
        Zeilen("\r\rTASTATUR-Info:\r"
               "Das Zeitenfenster kann mit Strg-z angezeigt werden (Lehrkraft/Eltern je nach aktivierten "
               "Elementen).\r"
               "Mit der ESC-Taste schließen Sie das Fenster, ohne Änderungen zu übernehhmen.\r"
               "Mit der Taste 'r' machen Sie Änderungen rückgängig.\r"
               "Zum ÜBERNEHMEN und SCHLIESSEN des Zeiten-Fensters drücken Sie die Eingabe-Taste.\r\r"
               "An den unterstrichenen Buchstaben sehen Sie, mit welcher Taste \r"
               "die Schalter-Aktion zum Freigeben oder Sperren eines Tages ausgelöst wird."
               "\r\rZEITENRASTER:\rSie können das Zeitenraster sowohl mit der Maus als auch mit der Tastatur "
               "bedienen.\r"
               "(Tastatur: Sie müssen mit der TAB-Taste das Zeitenraster auswählen.)\r\r"
               "Info, Einstellungen, Test:\r"
               "Klicken Sie auf den Schalter 'Maus-Einstellungen und Tastatur'.");
    Meldungen->Meldung(text, QStringLiteral("INFO zum eingeblendeten Zeiten-Fenster"),
                       MeldungsArt::Information);
}

void TFZeitSplash::paintEvent(QPaintEvent* ereignis) {
    QWidget::paintEvent(ereignis);
    // Without a frame of its own the window would melt into the lists below it.
    QPainter maler(this);
    maler.setPen(palette().color(QPalette::Dark));
    maler.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TFZeitSplash::ZeigerZurueck() {
    if (!Hovermodus() || !isVisible()) return;
    const QRect r = geometry();
    const QPoint p = QCursor::pos();
    if (r.contains(p)) return;
    QCursor::setPos(std::clamp(p.x(), r.left() + 4, r.right() - 5),
                    std::clamp(p.y(), r.top() + 4, r.bottom() - 5));
}

void TFZeitSplash::VerlassenPruefen() {
    if (isVisible() && Fragen == 0 && Hovermodus() && !geometry().contains(QCursor::pos())) Schliessen();
}

void TFZeitSplash::leaveEvent(QEvent* ereignis) {
    QWidget::leaveEvent(ereignis);
    VerlassenPruefen();
}

void TFZeitSplash::keyPressEvent(QKeyEvent* ereignis) {
    switch (ereignis->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Schliessen();
        return;
    case Qt::Key_Escape:
        Abbrechen();
        return;
    case Qt::Key_R:
        if (ereignis->modifiers() == Qt::NoModifier) {
            if (RueckBtn->isEnabled()) Rueckgaengig();
            return;
        }
        break;
    case Qt::Key_F5:
    case Qt::Key_F9:
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(ereignis);
}

bool TFZeitSplash::event(QEvent* ereignis) {
    // The main window's shortcuts reach through a tool window; F5 and F9 are swallowed here instead.
    if (ereignis->type() == QEvent::ShortcutOverride) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_F5 || taste == Qt::Key_F9) {
            ereignis->accept();
            return true;
        }
    }
    return QWidget::event(ereignis);
}

void TFZeitSplash::keyReleaseEvent(QKeyEvent* ereignis) {
    // Alt and F10 would open the menu of the window below.
    if (ereignis->key() == Qt::Key_Alt || ereignis->key() == Qt::Key_F10) return;
    QWidget::keyReleaseEvent(ereignis);
}

void TFZeitSplash::mousePressEvent(QMouseEvent* ereignis) {
    QWidget::mousePressEvent(ereignis);
    // A keyboard user who clicks without having moved the pointer gets it back where it was.
    if (AusTastatur && QCursor::pos() == ZeigerGesetzt) QCursor::setPos(ZeigerVorher);
}

bool TFZeitSplash::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == LblName && ereignis->type() == QEvent::MouseButtonPress) {
        if (AusTastatur && QCursor::pos() == ZeigerGesetzt) QCursor::setPos(ZeigerVorher);
    } else if (ereignis->type() == QEvent::FocusIn) {
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(ereignis)->reason();
        if (grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason) KnoepfeZeigen(true);
    }
    return QWidget::eventFilter(objekt, ereignis);
}
