#include "FLayout.h"

#include "LayoutAnmerkungen.h"
#include "LayoutFormat.h"
#include "LayoutInhalt.h"
#include "LayoutLogo.h"
#include "LayoutSchrift.h"
#include "LayoutTabulatoren.h"
#include "LayoutTexte.h"
#include "model/Meldung.h"
#include "ui/Hilfekontext.h"
#include "ui/Rollflaeche.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

TFLayout::TFLayout(TListenlayout& layout, const TLayoutUmfeld& umfeld, TMeldung& meldung,
                   TDateiwahl& dateiwahl, QWidget* eltern)
    : QDialog(eltern)
    , Kopie(layout, umfeld.Terminecode)
    , Umfeld(umfeld)
    , Meldungen(meldung) {
    setWindowTitle(QString::fromUtf8("VEL: Layout für Gesprächslisten"));
    const auto metrik = [this] { return Metrik(); };
    SeiteInhalt = new TLayoutInhalt(layout, Kopie.Terminecode, umfeld.ZweiTage, umfeld.Heute, meldung);
    SeiteTitel = new TLayoutTitel(layout);
    SeiteAnmerkungen = new TLayoutAnmerkungen(layout);
    SeiteTabulatoren = new TLayoutTabulatoren(layout, metrik, meldung);
    SeiteFormat = new TLayoutFormat(layout, metrik, meldung);
    SeiteUeberschrift = new TLayoutUeberschrift(layout);
    SeiteSchrift = new TLayoutSchrift(layout);
    SeiteLogo = new TLayoutLogo(layout, dateiwahl, meldung);
    Seiten = new QTabWidget;
    struct TSeitenEintrag {
        TLayoutSeite* Seite;
        const char* Name;
        Hilfekontext Kontext;
    };
    const TSeitenEintrag seiten[] = {
        {SeiteInhalt, "Inhalt", Hilfekontext::LayoutInhalt},
        {SeiteTitel, "Titel", Hilfekontext::LayoutTitel},
        {SeiteAnmerkungen, "Position von Anmerkungen", Hilfekontext::LayoutAnmerkungen},
        {SeiteTabulatoren, "Tabulatoren", Hilfekontext::LayoutTabulatoren},
        {SeiteFormat, "Format", Hilfekontext::LayoutFormat},
        {SeiteUeberschrift, "Überschriften", Hilfekontext::LayoutUeberschrift},
        {SeiteSchrift, "Schriftart", Hilfekontext::LayoutSchrift},
        {SeiteLogo, "Schul-Logo", Hilfekontext::LayoutLogo}};
    for (const auto& [seite, name, kontext] : seiten) {
        HilfekontextSetzen(seite, kontext);
        Seiten->addTab(seite, QString::fromUtf8(name));
        Alle.append(seite);
        connect(seite, &TLayoutSeite::Geaendert, this,
                [this, seite](TListenArt art) { SeiteGeaendert(seite, art); });
    }

    cbRegistry =
        new QCheckBox(QString::fromUtf8("Alle Einstellungen auch für zukünftige Projekte vormerken"));
    // Without a project there is nothing else the changes could go to.
    cbRegistry->setChecked(!umfeld.ProjektOffen);
    cbRegistry->setEnabled(umfeld.ProjektOffen);
    OkBtn = new QPushButton(QStringLiteral("OK"));
    OkBtn->setDefault(true);
    CancBtn = new QPushButton(QStringLiteral("Abbrechen"));
    BtnUebernehmen = new QPushButton(QString::fromUtf8("Übernehmen"));
    BtnUebernehmen->setEnabled(false);
    HilfeBtn = new QPushButton(QStringLiteral("&Hilfe"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    for (QPushButton* knopf : {OkBtn, CancBtn, BtnUebernehmen, HilfeBtn})
        knoepfe->addWidget(knopf);
    auto* spalte = new QVBoxLayout(this);
    // Only the pages scroll on a small screen: the buttons stay in sight.
    spalte->addWidget(new TRollflaeche(Seiten, this), 1);
    spalte->addWidget(cbRegistry);
    spalte->addLayout(knoepfe);

    HilfekontextFolgtSeite(Seiten);
    connect(Seiten, &QTabWidget::currentChanged, this, &TFLayout::SeiteGewechselt);
    connect(OkBtn, &QPushButton::clicked, this, &TFLayout::OkClick);
    connect(CancBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnUebernehmen, &QPushButton::clicked, this, &TFLayout::Uebernehmen);
    connect(HilfeBtn, &QPushButton::clicked, this, &TFLayout::HilfeAngefordert);
}

TFLayout::~TFLayout() = default;

TSeitenmetrik TFLayout::Metrik() const {
    const uint8_t ausrichtung = Kopie.Layout.Ausrichtung;
    return Umfeld.Metrik ? Umfeld.Metrik(ausrichtung) : StandardMetrik(ausrichtung == 1);
}

void TFLayout::SeiteZeigen(TSeite seite) {
    Seiten->setCurrentIndex(seite);
}

void TFLayout::SeiteGeaendert(TLayoutSeite* seite, TListenArt art) {
    // What one page changes can show on another: the teachers' tab stops follow the phone and position
    // settings, the tab page names the left margin.
    for (TLayoutSeite* andere : std::as_const(Alle))
        if (andere != seite) andere->Fuellen();
    BtnUebernehmen->setEnabled(true);
    Q_EMIT ArbeitskopieGeaendert(art);
}

bool TFLayout::OffeneKlaeren(TEingabeSeite* seite, const QString& auch) {
    if (!seite->Offen()) return true;
    const bool tab = seite == static_cast<TEingabeSeite*>(SeiteTabulatoren);
    const Antwort antwort =
        tab ? Meldungen.Meldung(
                  QString::fromUtf8("Möchten Sie %1die vorbereitete Tab-Änderung in die Liste übernehmen?")
                      .arg(auch),
                  QString::fromUtf8("Tabulator ändern?"), MeldungsArt::Frage, Knoepfe::JaNeinAbbrechen,
                  Antwort::Ja)
            : Meldungen.Meldung(
                  QString::fromUtf8("Möchten Sie %1die vorbereitete Rand-Änderung übernehmen?").arg(auch),
                  QString::fromUtf8("Rand ändern?"), MeldungsArt::Frage, Knoepfe::JaNein, Antwort::Ja);
    if (antwort == Antwort::Abbrechen) return false;
    if (antwort == Antwort::Nein) {
        seite->Aufgeben();
        return true;
    }
    // A value refused with a message stays in its field to be corrected.
    return seite->Anwenden();
}

bool TFLayout::OffeneKlaeren(const QString& auch) {
    for (TEingabeSeite* seite :
         {static_cast<TEingabeSeite*>(SeiteTabulatoren), static_cast<TEingabeSeite*>(SeiteFormat)})
        if (!OffeneKlaeren(seite, auch)) {
            const QSignalBlocker still(Seiten);
            Seiten->setCurrentWidget(seite);
            Vorherige = Seiten->currentIndex();
            return false;
        }
    return true;
}

void TFLayout::SeiteGewechselt(int neu) {
    if (Wechselnd) return;
    auto* verlassen = qobject_cast<TEingabeSeite*>(Seiten->widget(Vorherige));
    if (verlassen && !OffeneKlaeren(verlassen, QString())) {
        // Stay on the page whose value is still to be settled.
        const QScopedValueRollback<bool> wechselnd(Wechselnd, true);
        Seiten->setCurrentIndex(Vorherige);
        return;
    }
    Vorherige = neu;
}

bool TFLayout::Uebernehmen() {
    if (!OffeneKlaeren(QStringLiteral("auch "))) return false;
    TListenlayout& l = Kopie.Layout;
    const TListenlayout& stand = Kopie.Schnappschuss();
    const bool raender = !(l.Seitenraender == stand.Seitenraender);
    if (raender && TabulatorenAusserhalb(l, Metrik())) {
        const Antwort antwort = Meldungen.Meldung(
            QString::fromUtf8(
                "Mindestens eine Tabulatorposition liegt außerhalb des Papiers!\rMöchten Sie diese "
                "Tabulatoren automatisch anpassen?"),
            QStringLiteral("Hinweis"), MeldungsArt::Frage, Knoepfe::JaNein, Antwort::Ja);
        if (antwort == Antwort::Ja) {
            TabulatorenAnpassen(l, Metrik());
            SeiteGeaendert(nullptr, TListenArt::Beide);
        }
        SeiteZeigen(Tabulatoren);
        if (antwort != Antwort::Ja) return false;
    }
    if ((raender || l.Ausrichtung != stand.Ausrichtung) && Umfeld.RaenderPruefen &&
        Umfeld.RaenderPruefen(l.Seitenraender, l.Ausrichtung))
        SeiteGeaendert(nullptr, TListenArt::Beide);
    const bool geaendert = Kopie.LayoutGeaendert();
    Kopie.Festhalten();
    Q_EMIT Uebernommen(geaendert, cbRegistry->isChecked());
    BtnUebernehmen->setEnabled(false);
    return true;
}

void TFLayout::OkClick() {
    // Enter in a number field applies that value and leaves the dialog open.
    for (TEingabeSeite* seite :
         {static_cast<TEingabeSeite*>(SeiteTabulatoren), static_cast<TEingabeSeite*>(SeiteFormat)})
        if (focusWidget() == seite->Feld()) {
            seite->Anwenden();
            return;
        }
    if (!OffeneKlaeren(BtnUebernehmen->isEnabled() ? QStringLiteral("auch ") : QString())) return;
    if (BtnUebernehmen->isEnabled() && !Uebernehmen()) return;
    accept();
}

void TFLayout::done(int ergebnis) {
    if (Kopie.Geaendert()) {
        Kopie.Verwerfen();
        for (TLayoutSeite* seite : std::as_const(Alle))
            seite->Fuellen();
        Q_EMIT ArbeitskopieGeaendert(TListenArt::Beide);
    }
    QDialog::done(ergebnis);
}
