#include "MausOption.h"

#include "ZBtnGrid.h"
#include "settings/Einstellungen.h"
#include "ui/Hilfekontext.h"
#include "ui/Rollflaeche.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel* Erklaerung(const char* text, QWidget* eltern) {
    auto* l = new QLabel(QString::fromUtf8(text).replace(u'\r', u'\n'), eltern);
    l->setWordWrap(true);
    return l;
}

} // namespace

TMausOption::TMausOption(TProgrammwerte& werte, TEinstellungsSpeicher& speicher,
                         const QList<TZBtnGrid*>& grids, bool mitFenster, QWidget* eltern)
    : QDialog(eltern)
    , Werte(werte)
    , Speicher(speicher)
    , Grids(grids) {
    HilfekontextSetzen(this, Hilfekontext::MausTastatur);
    setWindowTitle(QString::fromUtf8("EINSTELLUNGEN für Maus, INFO für Maus/Tastatur, TESTBEREICH"));
    auto* spalte = new QVBoxLayout(this);

    auto* gruppe = new QGroupBox(QStringLiteral("Mausfunktion"), this);
    auto* radios = new QVBoxLayout(gruppe);
    RbSperrt =
        new QRadioButton(QStringLiteral("Linke Taste sperrt Zeiten, rechte Taste gibt Zeiten frei"), gruppe);
    RbWechselt = new QRadioButton(
        QStringLiteral("Linke Taste wechselt den Zustand der Zeitschalter, rechte ebenso"), gruppe);
    radios->addWidget(RbSperrt);
    radios->addWidget(RbWechselt);
    spalte->addWidget(gruppe);
    // Wrapped lines inside the group box would not get their height; they go below it.
    spalte->addWidget(
        Erklaerung("Bei gedrückter Umschalttaste werden beim Klicken auch frühere Zeiten in gleicher "
                   "Weise gesperrt oder freigegeben.",
                   this));
    spalte->addWidget(
        Erklaerung("Zur Änderung mehrerer Schalterzustände können Sie mit gedrückter Maustaste den "
                   "Mauszeiger über die Schalter ziehen.",
                   this));

    ChBSplash = new QCheckBox(QString::fromUtf8("Mauszeiger-Bewegung genügt für Öffnen und Schließen"), this);
    spalte->addWidget(ChBSplash);
    // The pop-up window's own setting means nothing to the blocking dialog: there it is greyed and its
    // explanations left out.
    ChBSplash->setEnabled(mitFenster);
    if (mitFenster) {
        spalte->addWidget(Erklaerung("Das Zeitenfenster für Eltern bzw. Lehrkraft kann mit dem Mauszeiger "
                                     "ohne Klick ein- und ausgeblendet "
                                     "werden. Sie können hier einstellen, ob sich dieses Fenster bereits "
                                     "einblendet, wenn der Mauszeiger über "
                                     "den Zeiten-Hotspot gelangt. Es wird dann geschlossen, sobald der "
                                     "Mauszeiger das Fenster verlässt.",
                                     this));
        spalte->addWidget(Erklaerung("Das Öffnen und Schließen ohne Klicken ermöglicht schnelles "
                                     "Arbeiten.\rDa dann Änderungen aber ohne "
                                     "Mausklick sofort mit dem Schließen (Verlassen mit dem Mauszeiger) "
                                     "übernommen sind, gibt es ein kleines "
                                     "Risiko für unbemerkte versehentliche Aktionen.\rVorhandene "
                                     "Gesprächstermine sind jedenfalls durch eine "
                                     "Rückfrage vor versehentlichem Sperren geschützt.",
                                     this));
    }
    spalte->addWidget(
        Erklaerung("Zur Bedienung des Zeitenrasters mit der Tastatur wählen Sie es mit der TAB-Taste. Dann "
                   "können Sie mit "
                   "Cursor links/rechts/auf/ab eine Zeit und zusammen mit der Umschalt-Taste auch mehrere "
                   "Zeiten markieren. "
                   "Mit der Leertaste sperren Sie die markierten Zeiten, mit Umschalt-Leertaste geben Sie "
                   "Zeiten frei. Sie "
                   "können es hier testen, ohne dass Änderungen an Ihren Daten vorgenommen werden.",
                   this));
    spalte->addWidget(new QLabel(QStringLiteral("Testen Sie hier Maus und Tastatur:"), this));
    Testpanel = new TZBtnPanel(this);
    Testpanel->Grid()->Raster.TestrasterLaden();
    spalte->addWidget(Testpanel, 0, Qt::AlignHCenter);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OkBtn = knoepfe->button(QDialogButtonBox::Ok);
    OkBtn->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    spalte->addWidget(knoepfe);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    (Werte.ZeitMaus ? RbSperrt : RbWechselt)->setChecked(true);
    ChBSplash->setChecked(!Werte.ZeitSplash);
    Testpanel->Grid()->Raster.Umschalten = !Werte.ZeitMaus;
    OkBtn->setEnabled(false);
    const auto geaendert = [this] { OkBtn->setEnabled(true); };
    connect(RbSperrt, &QRadioButton::toggled, this, [this, geaendert](bool an) {
        Testpanel->Grid()->Raster.Umschalten = !an;
        geaendert();
    });
    connect(ChBSplash, &QCheckBox::toggled, this, geaendert);
    connect(Testpanel->Grid(), &TZBtnGrid::Geaendert, this, geaendert);
    Rollbar(this);
}

void TMausOption::accept() {
    const bool zeitMaus = RbSperrt->isChecked();
    const bool zeitSplash = !ChBSplash->isChecked();
    if (zeitMaus != Werte.ZeitMaus || zeitSplash != Werte.ZeitSplash) {
        Werte.ZeitMaus = zeitMaus;
        Werte.ZeitSplash = zeitSplash;
        for (TZBtnGrid* g : Grids)
            g->Raster.Umschalten = !zeitMaus;
        ProgrammwertSchreiben(Speicher, QStringLiteral("ZeitMaus"), zeitMaus);
        ProgrammwertSchreiben(Speicher, QStringLiteral("ZeitSplash"), zeitSplash);
    }
    QDialog::accept();
}
