#include "ZeitRahmenDlg.h"

#include "Datumsfeld.h"
#include "ZeitTabelle.h"
#include "model/Datumstexte.h"
#include "model/Meldung.h"
#include "model/TypFunc.h"
#include "ui/Arbeitsflaeche.h"
#include "ui/Hilfekontext.h"
#include "ui/Rollflaeche.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <cstdlib>
#include <functional>
#include <iterator>

namespace {

// Escape in the spacing field restores the text it had when the dialog opened.
class TEscapeFilter : public QObject {
public:
    TEscapeFilter(QObject* eltern, std::function<void()> aktion)
        : QObject(eltern)
        , Aktion(std::move(aktion)) {}

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_Escape) {
            Aktion();
            return true;
        }
        return QObject::eventFilter(objekt, ereignis);
    }

private:
    std::function<void()> Aktion;
};

} // namespace

TZeitRahmenDlg::TZeitRahmenDlg(TModus modus, TMeldung& meldung, QWidget* parent)
    : QDialog(parent)
    , Modus(modus)
    , Meldung(meldung) {
    HilfekontextSetzen(this, Hilfekontext::Zeitrahmen);
    Aufbauen();
    const QDate heute = QDate::currentDate();
    DatePick1->setDate(heute);
    DatePick2->setDate(heute.addDays(1));
    TZeitZellen zeiten;
    if (Modus == TModus::NeuesProjekt) zeiten[0] = QStringLiteral("13:00");
    Anzeigen(zeiten, 15);
    Label4->setText(QStringLiteral("(%1)").arg(Wochentag(DatePick1->date())));
    // Only the user's changes count, not the dates the dialog opened with.
    connect(DatePick1, &QDateEdit::dateChanged, this, &TZeitRahmenDlg::DatePick1Change);
    connect(DatePick2, &QDateEdit::dateChanged, this, &TZeitRahmenDlg::DatePick2Change);
    connect(qApp, &QApplication::focusChanged, this, &TZeitRahmenDlg::FokusWechsel);
    DatePick1->setFocus();
}

TZeitRahmenDlg::~TZeitRahmenDlg() {
    // Closing moves the focus, and that must not reach a dialog that is half destroyed.
    disconnect(qApp, nullptr, this, nullptr);
}

void TZeitRahmenDlg::RahmenSetzen(const std::array<double, 2>& datum, const TZeitZellen& zeiten,
                                  int abstand) {
    {
        // The dates the dialog opens with are no change of the user's.
        const QSignalBlocker sperre1(DatePick1);
        const QSignalBlocker sperre2(DatePick2);
        const QDate tag1 = DatumAusWert(datum[0]);
        const QDate tag2 = DatumAusWert(datum[1]);
        DatePick1->setDate(tag1.isValid() && datum[0] != 0 ? tag1 : QDate::currentDate());
        DatePick2->setDate(tag2.isValid() && datum[1] != 0 ? tag2 : DatePick1->date().addDays(1));
    }
    Label4->setText(QStringLiteral("(%1)").arg(Wochentag(DatePick1->date())));
    Anzeigen(zeiten, abstand);
}

void TZeitRahmenDlg::VorgabeSetzen(int abstand, const TZeitZellen& zeiten) {
    Anzeigen(zeiten, abstand);
}

void TZeitRahmenDlg::UebernahmeSetzen(TUebernahme uebernahme) {
    Uebernahme = std::move(uebernahme);
}

void TZeitRahmenDlg::Anzeigen(const TZeitZellen& zeiten, int abstand) {
    for (int tag = 0; tag < 2; ++tag) {
        TTagesZellen zellen;
        for (int s = 0; s < SlotsProTag; ++s)
            zellen[s] = zeiten[static_cast<size_t>(tag * SlotsProTag + s)];
        (tag == 0 ? StringGrid1 : StringGrid2)->ZellenSetzen(zellen);
    }
    Edit3Zeigen(abstand);
    Edit3Gemerkt = Edit3->text();
    AbstandAlt = abstand;
}

void TZeitRahmenDlg::Aufbauen() {
    setWindowTitle(QStringLiteral("Zeitrahmen bearbeiten"));
    LblModus = new QLabel(Modus == TModus::NeuesProjekt
                              ? QString::fromUtf8("Zeitrahmen für ein neues Projekt festlegen")
                              : QString::fromUtf8("Zeitrahmen beim aktuellen Projekt verändern"),
                          this);
    QFont fett = LblModus->font();
    fett.setBold(true);
    LblModus->setFont(fett);

    DatePick1 = new TDatumsfeld(this);
    DatePick2 = new TDatumsfeld(this);
    Label4 = new QLabel(this);
    cbFolgetag = new QCheckBox(QStringLiteral("2.Tag folgt auf den 1.Tag"), this);
    cbFolgetag->setChecked(true);
    connect(cbFolgetag, &QCheckBox::toggled, this, &TZeitRahmenDlg::cbFolgetagClick);
    StringGrid1 = new TZeitTabelle(this);
    StringGrid2 = new TZeitTabelle(this);

    Edit3 = new QLineEdit(this);
    Edit3->setInputMask(QStringLiteral("00 mi\\n"));
    Edit3->setFixedWidth(Edit3->fontMetrics().horizontalAdvance(QStringLiteral("000 min")) + 16);
    Edit3->installEventFilter(new TEscapeFilter(this, [this] { Edit3->setText(Edit3Gemerkt); }));
    FuellBtn = new QPushButton(QString::fromUtf8("&füllen"), this);
    LoeschBtn = new QPushButton(QString::fromUtf8("&löschen"), this);
    // Both work on the table that has the focus, so clicking them must leave it there.
    for (QPushButton* knopf : {FuellBtn, LoeschBtn}) {
        knopf->setFocusPolicy(Qt::NoFocus);
        knopf->setEnabled(false);
        knopf->setAutoDefault(false);
    }
    connect(FuellBtn, &QPushButton::clicked, this, &TZeitRahmenDlg::FuellBtnClick);
    connect(LoeschBtn, &QPushButton::clicked, this, &TZeitRahmenDlg::LoeschBtnClick);
    for (TZeitTabelle* tabelle : {StringGrid1, StringGrid2}) {
        const std::pair<const char*, void (TZeitRahmenDlg::*)()> kuerzel[] = {
            {"Ctrl+F", &TZeitRahmenDlg::FuellBtnClick}, {"Ctrl+L", &TZeitRahmenDlg::LoeschBtnClick}};
        for (const auto& [taste, handler] : kuerzel) {
            auto* k = new QShortcut(QKeySequence(QLatin1String(taste)), tabelle);
            k->setContext(Qt::WidgetWithChildrenShortcut);
            connect(k, &QShortcut::activated, this, handler);
        }
        connect(tabelle, &TZeitTabelle::EscapeGedrueckt, this,
                [this, tabelle] { TabelleBereinigen(tabelle); });
    }

    TipBtn = new QPushButton(QStringLiteral("&Tipp"), this);
    OkBtn = new QPushButton(QStringLiteral("&OK"), this);
    CancBtn = new QPushButton(QStringLiteral("A&bbruch"), this);
    HilfeBtn = new QPushButton(QStringLiteral("&Hilfe"), this);
    OkBtn->setDefault(true);
    // A click leaves the focus where it is, so that OK itself runs the pending check, once.
    OkBtn->setFocusPolicy(Qt::TabFocus);
    for (QPushButton* knopf : {TipBtn, CancBtn, HilfeBtn})
        knopf->setAutoDefault(false);
    connect(TipBtn, &QPushButton::clicked, this, &TZeitRahmenDlg::TipBtnClick);
    connect(OkBtn, &QPushButton::clicked, this, &TZeitRahmenDlg::OkBtnClick);
    connect(CancBtn, &QPushButton::clicked, this, &TZeitRahmenDlg::reject);
    connect(HilfeBtn, &QPushButton::clicked, this, &TZeitRahmenDlg::HilfeAngefordert);

    auto* tag1 = new QGroupBox(QStringLiteral("1. Tag"), this);
    auto* tag1Spalte = new QVBoxLayout(tag1);
    auto* datum1 = new QHBoxLayout;
    datum1->addWidget(DatePick1);
    datum1->addWidget(Label4);
    datum1->addStretch();
    tag1Spalte->addLayout(datum1);
    tag1Spalte->addWidget(StringGrid1);

    auto* tag2 = new QGroupBox(QStringLiteral("2. Tag"), this);
    auto* tag2Spalte = new QVBoxLayout(tag2);
    auto* datum2 = new QHBoxLayout;
    datum2->addWidget(DatePick2);
    datum2->addWidget(cbFolgetag);
    datum2->addStretch();
    tag2Spalte->addLayout(datum2);
    tag2Spalte->addWidget(StringGrid2);

    auto* tage = new QGridLayout;

    auto* fuellen = new QHBoxLayout;
    fuellen->addWidget(new QLabel(QStringLiteral("Tabelle ab Cursorposition..."), this));
    fuellen->addWidget(FuellBtn);
    fuellen->addWidget(Edit3);
    fuellen->addWidget(LoeschBtn);
    fuellen->addStretch();

    auto* hinweis2 = new QLabel(
        QString::fromUtf8("Löschen Sie alle Zeiten am 2.Tag, wenn sich der Elternsprechtag nicht über 2 Tage "
                          "erstreckt!"),
        this);
    auto* hinweisF2 =
        new QLabel(QStringLiteral("(Tippen Sie F2 zum Bearbeiten in der markierten Tabellenzelle)"), this);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(TipBtn);
    knoepfe->addStretch();
    knoepfe->addWidget(OkBtn);
    knoepfe->addWidget(CancBtn);
    knoepfe->addWidget(HilfeBtn);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(LblModus);
    spalte->addLayout(tage);
    spalte->addLayout(fuellen);
    spalte->addWidget(hinweis2);
    spalte->addWidget(hinweisF2);
    spalte->addLayout(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
    // Day 2 goes below day 1 where the screen is too narrow for both; what is still too large scrolls.
    PaarAnordnen(tage, tag1, tag2, true);
    if (sizeHint().width() > Hoechstgroesse(this, Arbeitsflaeche(this)).width())
        PaarAnordnen(tage, tag1, tag2, false);
    Rollbar(this);

    QWidget* const reihenfolge[] = {DatePick1, StringGrid1, DatePick2, cbFolgetag, StringGrid2,
                                    Edit3,     OkBtn,       CancBtn,   HilfeBtn,   TipBtn};
    for (size_t i = 1; i < std::size(reihenfolge); ++i)
        setTabOrder(reihenfolge[i - 1], reihenfolge[i]);
}

TZeitTabelle* TZeitRahmenDlg::TabelleVon(const QWidget* element) const {
    for (TZeitTabelle* tabelle : {StringGrid1, StringGrid2})
        if (element && (element == tabelle || tabelle->isAncestorOf(element))) return tabelle;
    return nullptr;
}

void TZeitRahmenDlg::FokusWechsel(QWidget* alt, QWidget* neu) {
    // Message boxes and the calendar pop-up take the focus for a while; that is no leaving.
    if (Pruefend || !neu || neu->window() != this) return;
    TZeitTabelle* altTabelle = TabelleVon(alt);
    TZeitTabelle* neuTabelle = TabelleVon(neu);
    if (neu != CancBtn) {
        if (altTabelle && altTabelle != neuTabelle && !TabelleUebernehmen(altTabelle)) return;
        if (alt == Edit3 && neu != Edit3 && !Edit3Pruefen()) return;
    }
    if (neuTabelle && neuTabelle != altTabelle) TabelleBetreten(neuTabelle);
}

void TZeitRahmenDlg::TabelleBetreten(TZeitTabelle* tabelle) {
    AktiveTabelle = tabelle;
    if (tabelle->AktuellerSlot() < 0) tabelle->SlotWaehlen(0);
    FuellBtn->setEnabled(true);
    LoeschBtn->setEnabled(true);
}

bool TZeitRahmenDlg::TabelleUebernehmen(TZeitTabelle* tabelle) {
    AktiveTabelle = nullptr;
    FuellBtn->setEnabled(false);
    LoeschBtn->setEnabled(false);
    TTagesZellen zellen = tabelle->Zellen();
    for (int s = 0; s < SlotsProTag; ++s) {
        bool fehler = false;
        const QString zeit = ZeitNormieren(OhneLeerzeichen(zellen[s]), true, &fehler);
        if (fehler) {
            Pruefend = true;
            Meldung.Meldung(QString::fromUtf8(UngueltigeUhrzeitText),
                            QString::fromUtf8(UngueltigeUhrzeitTitel), MeldungsArt::Fehler);
            tabelle->setFocus();
            tabelle->SlotWaehlen(s);
            Pruefend = false;
            TabelleBetreten(tabelle);
            return false;
        }
        zellen[s] = zeit;
    }
    tabelle->ZellenSetzen(zellen);
    return true;
}

void TZeitRahmenDlg::TabelleBereinigen(TZeitTabelle* tabelle) {
    TTagesZellen zellen = tabelle->Zellen();
    for (QString& zelle : zellen)
        zelle = ZeitNormieren(OhneLeerzeichen(zelle), false);
    tabelle->ZellenSetzen(zellen);
}

int TZeitRahmenDlg::Abstand(bool* gueltig) const {
    bool zahl = false;
    const int wert = Edit3->text().section(u' ', 0, 0).toInt(&zahl);
    if (gueltig) *gueltig = zahl && std::abs(wert - 32) <= 28;
    return wert;
}

void TZeitRahmenDlg::Edit3Zeigen(int abstand) {
    Edit3->setText(QStringLiteral("%1 min").arg(abstand, 2, 10, QLatin1Char('0')));
}

bool TZeitRahmenDlg::Edit3Pruefen() {
    bool gueltig = false;
    const int wert = Abstand(&gueltig);
    if (gueltig) {
        Edit3Zeigen(wert);
        return true;
    }
    Pruefend = true;
    Meldung.Meldung(QStringLiteral("Geben Sie als Zeitabstand eine ganze Zahl zwischen 4 und 60 ein!"),
                    QStringLiteral("Fehler beim Zeitabstand"), MeldungsArt::Fehler);
    Edit3->setFocus();
    Edit3->selectAll();
    Pruefend = false;
    return false;
}

void TZeitRahmenDlg::reject() {
    // The spacing must be valid or restored before the dialog can go.
    if (Edit3->hasFocus()) return;
    QDialog::reject();
}

void TZeitRahmenDlg::DatePick1Change() {
    DatumGeaendert = true;
    Label4->setText(QStringLiteral("(%1)").arg(Wochentag(DatePick1->date())));
    if (cbFolgetag->isChecked()) DatePick2->setDate(DatePick1->date().addDays(1));
}

void TZeitRahmenDlg::DatePick2Change() {
    DatumGeaendert = true;
    const QSignalBlocker sperre(cbFolgetag);
    cbFolgetag->setChecked(DatePick2->date() == DatePick1->date().addDays(1));
}

void TZeitRahmenDlg::cbFolgetagClick() {
    if (cbFolgetag->isChecked()) DatePick2->setDate(DatePick1->date().addDays(1));
}

void TZeitRahmenDlg::FuellBtnClick() {
    if (!AktiveTabelle) return;
    AktiveTabelle->EingabeUebernehmen();
    const int ab = AktiveTabelle->AktuellerSlot();
    if (ab < 0) return;
    // The message about a missing start time takes the focus away for a while.
    TZeitTabelle* tabelle = AktiveTabelle;
    TTagesZellen zellen = tabelle->Zellen();
    if (ZeitenFuellen(zellen, ab, Abstand(), Meldung)) tabelle->ZellenSetzen(zellen);
}

void TZeitRahmenDlg::LoeschBtnClick() {
    if (!AktiveTabelle) return;
    AktiveTabelle->EingabeUebernehmen();
    const int ab = AktiveTabelle->AktuellerSlot();
    if (ab < 0) return;
    TTagesZellen zellen = AktiveTabelle->Zellen();
    ZeitenLoeschen(zellen, ab);
    AktiveTabelle->ZellenSetzen(zellen);
}

void TZeitRahmenDlg::TipBtnClick() {
    Meldung.Meldung(
        QString::fromUtf8("Sie können im Zeitrahmen an Anfang und Ende einige Reserve-Zeiten vorsehen "
                          "und diese bei allen Eltern und Lehrern sperren.\r\rNach Rücksprache können "
                          "Sie diese Randzeiten im Einzelfall dann freigeben und für "
                          "Terminverschiebungen nutzen!"),
        QStringLiteral("Tipp"), MeldungsArt::Information);
}

void TZeitRahmenDlg::OkBtnClick() {
    // Moving the focus runs the check of the table or field that is being left.
    OkBtn->setFocus();
    if (focusWidget() != OkBtn) return;

    const TAntwort antwort = Uebernahme ? Uebernahme(Eingabe()) : TAntwort::Angenommen;
    if (antwort == TAntwort::OffenLassen) {
        DatePick1->setFocus();
        return;
    }
    done(antwort == TAntwort::Angenommen ? QDialog::Accepted : QDialog::Rejected);
}

TRahmenEingabe TZeitRahmenDlg::Eingabe() const {
    TRahmenEingabe eingabe;
    eingabe.NeuesProjekt = Modus == TModus::NeuesProjekt;
    for (int tag = 0; tag < 2; ++tag) {
        const TTagesZellen zellen = (tag == 0 ? StringGrid1 : StringGrid2)->Zellen();
        for (int s = 0; s < SlotsProTag; ++s)
            eingabe.Zeiten[static_cast<size_t>(tag * SlotsProTag + s)] = zellen[s];
    }
    eingabe.Datum1 = DatePick1->date();
    eingabe.Datum2 = DatePick2->date();
    eingabe.DatumGeaendert = DatumGeaendert;
    eingabe.Abstand = QString::number(Abstand());
    eingabe.AbstandAlt = QString::number(AbstandAlt);
    return eingabe;
}
