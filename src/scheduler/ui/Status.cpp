#include "Status.h"

#include "ProzBar.h"
#include "model/Meldung.h"
#include "ui/Hilfekontext.h"
#include "ui/Symbole.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// About 30 repaints a second look smooth; the cancel button is also only seen this often, which is
// still quicker than anyone notices.
constexpr qint64 Anzeigeabstand = 33;

QLabel* Beschriftung(QWidget* eltern, const QRect& ort, Qt::Alignment ausrichtung = Qt::AlignLeft) {
    auto* label = new QLabel(eltern);
    label->setGeometry(ort);
    label->setWordWrap(true);
    label->setAlignment(ausrichtung | Qt::AlignTop);
    return label;
}

} // namespace

TStatusF::TStatusF(TProjekt& projekt, TMeldung& meldung, std::function<void(const QString&)> statuszeile,
                   QWidget* parent)
    : QDialog(parent)
    , Projekt(projekt)
    , Meldungen(meldung)
    , StatuszeileSchreiben(std::move(statuszeile)) {
    HilfekontextSetzen(this, Hilfekontext::Terminlauf);
    setWindowTitle(QStringLiteral("Terminauswertung"));
    // Each bar has two lines of text below it before the next bar begins.
    constexpr int Zeilenabstand = 70;
    setFixedSize(500, 238);

    TProzBar** balken[] = {&ProzBar1, &ProzBar2, &ProzBar3};
    for (int i = 0; i < 3; ++i) {
        auto* bar = new TProzBar(this);
        bar->setGeometry(16, 16 + Zeilenabstand * i, 305, 25);
        QFont schrift = font();
        schrift.setBold(true);
        bar->setFont(schrift);
        QPalette farben = bar->palette();
        farben.setColor(QPalette::WindowText, Qt::yellow);
        bar->setPalette(farben);
        bar->setForeColor(QColor(128, 0, 0));
        bar->setBackColor(QColor(128, 128, 128));
        *balken[i] = bar;
    }
    Label1 = Beschriftung(this, {16, 44, 305, 38});
    Label3 = Beschriftung(this, {16, 44 + Zeilenabstand, 305, 38});
    Label4 = Beschriftung(this, {16, 186, 305, 20});
    Label5 = Beschriftung(this, {16, 208, 305, 20});
    Bild = new QLabel(this);
    Bild->setGeometry(388, 16, 48, 48);
    Bild->setPixmap(Symbol(QStringLiteral("office-calendar")).pixmap(48, 48));
    Label2 = Beschriftung(this, {336, 72, 152, 60}, Qt::AlignHCenter);

    Ok1 = new QPushButton(QStringLiteral("OK"), this);
    Canc1 = new QPushButton(QStringLiteral("Abbrechen"), this);
    for (QPushButton* knopf : {Ok1, Canc1})
        knopf->setGeometry(364, 190, 100, 30);
    Ok1->setVisible(false);
    Ok1->setEnabled(false);
    Canc1->setDefault(true);
    connect(Ok1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Canc1, &QPushButton::clicked, this, &TStatusF::Canc1Click);
}

void TStatusF::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    if (Gestartet) return;
    Gestartet = true;
    // The run starts once the window is on the screen and its event loop runs.
    QTimer::singleShot(0, this, &TStatusF::Starten);
}

void TStatusF::Starten() {
    Laeuft = true;
    const TLaufErgebnis ergebnis = Lauf(Projekt, *this);
    Laeuft = false;
    if (WartecursorAn) Wartecursor(false);
    done(ergebnis.Abgebrochen ? QDialog::Rejected : QDialog::Accepted);
}

void TStatusF::Canc1Click() {
    AbbruchGewuenscht = true;
}

void TStatusF::reject() {
    if (Laeuft)
        AbbruchGewuenscht = true;
    else
        QDialog::reject();
}

void TStatusF::Balken(int balken, int prozent) {
    if (balken < 0 || balken >= 3) return;
    int& stand = Balkenstand[static_cast<size_t>(balken)];
    // At the start and the end of a phase the next poll repaints without waiting: every phase shows how
    // it ended, and even a phase shorter than the interval sees the cancel button. Preparation and first
    // placement end when their bar fills up; the improvement bar fills once per sweep and ends with the run.
    if (balken != AktiverBalken || (balken < 2 && prozent >= 100 && stand < 100)) Phasengrenze = true;
    AktiverBalken = balken;
    stand = prozent;
}

void TStatusF::Text(TLaufText label, const QString& text) {
    const auto i = static_cast<size_t>(label);
    // The run's texts break lines with "\r\n"; a label breaks at "\n" alone.
    Texte[i] = text;
    Texte[i].remove(u'\r');
    TextNeu[i] = true;
}

void TStatusF::Anzeigen() {
    TProzBar* bars[] = {ProzBar1, ProzBar2, ProzBar3};
    for (size_t i = 0; i < 3; ++i)
        bars[i]->setProgress(Balkenstand[i]);
    QLabel* labels[] = {Label1, Label2, Label3, Label4, Label5};
    for (size_t i = 0; i < 5; ++i)
        if (TextNeu[i]) {
            labels[i]->setText(Texte[i]);
            TextNeu[i] = false;
        }
}

void TStatusF::Statuszeile(const QString& text) {
    if (StatuszeileSchreiben) StatuszeileSchreiben(text);
}

void TStatusF::Wartecursor(bool an) {
    if (an == WartecursorAn) return;
    WartecursorAn = an;
    if (an)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool TStatusF::Abbruch() {
    // Repainting and handling events at every poll cost several times the run itself.
    if (!Phasengrenze && SeitAnzeige.isValid() && SeitAnzeige.elapsed() < Anzeigeabstand)
        return AbbruchGewuenscht;
    Phasengrenze = false;
    Anzeigen();
    QCoreApplication::processEvents();
    // Counted from here, the run gets the whole interval however long the repaint took.
    SeitAnzeige.start();
    return AbbruchGewuenscht;
}

void TStatusF::Fertig() {
    // The last values may have come after the last poll.
    Anzeigen();
    Ok1->setEnabled(true);
    Ok1->setDefault(true);
    Ok1->setVisible(true);
    Canc1->setVisible(false);
    Canc1->setEnabled(false);
}

void TStatusF::Abgebrochen(const QString& meldung) {
    Anzeigen();
    Meldungen.Meldung(meldung, QStringLiteral("Hinweis"), MeldungsArt::Information);
}
