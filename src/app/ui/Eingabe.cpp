#include "Eingabe.h"

#include "FamilienPanel.h"
#include "GespraechPanel.h"
#include "KinderPanel.h"
#include "Kindermodell.h"
#include "LehrerPanel.h"
#include "document/ProjektDokument.h"
#include "model/Projekt.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>

TEingabe::TEingabe(TProjektDokument& dokument, const TProgrammwerte& programmwerte, TFamilienPanel* familien,
                   TKinderPanel* kinder, TLehrerPanel* lehrer, TGespraechPanel* gespraeche,
                   TFreigabe freigabe, QObject* eltern)
    : QObject(eltern)
    , Dokument(dokument)
    , Familien(familien)
    , Kinder(kinder)
    , Lehrer(lehrer)
    , Gespraeche(gespraeche)
    , Programmwerte(programmwerte)
    , Freigabe(std::move(freigabe)) {
    connect(Familien, &TFamilienPanel::Gewaehlt, this, &TEingabe::LVElternSelectItem);
    connect(Kinder, &TKinderPanel::AuswahlGeaendert, this, &TEingabe::TVKinderChange);
    connect(Lehrer->LVLehrer->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TEingabe::LVLehrerSelectItem);
    // The person lists start again on another project (their models follow the document); the tree
    // lets go of the old project's records, which the document frees afterwards.
    connect(&Dokument, &TProjektDokument::ProjektErsetzt, this, &TEingabe::ProjektGewechselt);
    connect(&Dokument, &TProjektDokument::Geaendert, this, [this](TAenderungen was) {
        // After a new plan, a typed request waits for no child any more. Blocked times that took
        // appointments away leave children and requests alone: the pop-up time window applies them
        // before the command the user clicked, which needs the selection she made.
        if (was.testFlag(TAenderung::Plan) && !was.testFlag(TAenderung::Zeiten)) EingabeLeeren();
        if (was & (TAenderung::Familien | TAenderung::Kinder)) FamilienKnoepfeAktualisieren();
    });
    Anschliessen();
}

TEltern* TEingabe::AktuelleFamilie() const {
    return Familien->Familie();
}

TKind* TEingabe::AktuellesKind() const {
    return Kinder->Kind();
}

void TEingabe::PersonZeigen(const TPerson* person, bool familie) {
    if (familie) {
        if (BuLeh && BuLeh->isChecked() && BuElt) BuElt->trigger();
        const auto* e = static_cast<const TEltern*>(person);
        if (Familien->Zeile(e) < 0) Familien->FilterAufheben();
        Familien->Waehlen(e);
        Familien->LVEltern->setFocus();
    } else if (const int zeile = Lehrer->Zeile(static_cast<const TLehrer*>(person)); zeile >= 0) {
        Lehrer->ZeileWaehlen(zeile);
        Lehrer->LVLehrer->setFocus();
    }
}

void TEingabe::Freigeben(QObject* befehl, bool an) const {
    Freigabe(befehl, an);
}

void TEingabe::KinderbaumFuellen() {
    Kinder->Auffrischen();
    EingabeLeeren();
    KinderKnoepfeAktualisieren();
}

void TEingabe::EingabeLeeren() {
    Lehrer->LVLehrer->clearSelection();
    Auswahlfolge.clear();
    Gespraeche->KuerzE->clear();
}

void TEingabe::LVElternSelectItem() {
    AktiveListe = TAktiveListe::Eltern;
    const TEltern* e = AktuelleFamilie();
    if (AlleGLoe) {
        AlleGLoe->setVisible(e != nullptr);
        if (e)
            AlleGLoe->setText(QString::fromUtf8("Alle Gespräche bei %1 löschen...").arg(e->Anschrift(true)));
    }
    KinderbaumFuellen();
    if (e) Kinder->Waehlen(Kinder->Modell->index(0, 0));
    FamilienKnoepfeAktualisieren();
}

void TEingabe::TVKinderChange() {
    if (Kinder->Gespraech()) {
        Lehrer->LVLehrer->clearSelection();
        Gespraeche->KuerzE->clear();
    }
    KinderKnoepfeAktualisieren();
}

void TEingabe::LVLehrerSelectItem() {
    if (!Lehrer->LVLehrer->selectionModel()->selectedRows().isEmpty()) AktiveListe = TAktiveListe::Lehrer;
    LehrerKnoepfeAktualisieren();
}

void TEingabe::FamilienKnoepfeAktualisieren() {
    const TEltern* e = AktuelleFamilie();
    for (QObject* b :
         std::initializer_list<QObject*>{Familien->BtnLoeschE, Familien->BtnEditE, AnmerkE1, EditE1, HeFrFa1})
        if (b) Freigeben(b, e != nullptr);
    if (AnmerkE1)
        AnmerkE1->setText(e ? QString::fromUtf8("Anmerkungen für ") + e->Anschrift(true)
                            : QStringLiteral("Anmerkungen individuell"));
    Freigeben(Familien->BtnElternHinzu, true);
    Kinder->TVKinder->setEnabled(e && !e->Kinder.Leer());
}

void TEingabe::KinderKnoepfeAktualisieren() {
    const bool knoten = Kinder->Knoten().isValid();
    const bool gespraech = Kinder->Gespraech() != nullptr;
    Freigeben(Kinder->BtnLoeschK, knoten && !gespraech);
    Freigeben(Kinder->BtnEditK, knoten && !gespraech);
    Freigeben(Gespraeche->SpBLoeG, gespraech);
    Freigeben(Kinder->BtnKindHinzu, AktuelleFamilie() != nullptr);
    // Requests are typed into the box only once adding them is possible.
    Gespraeche->KuerzE->setEnabled(knoten);
    Gespraeche->LbKind->setText(AktuellesKind() ? AktuellesKind()->Vorname : QString());
}

void TEingabe::LehrerKnoepfeAktualisieren() {
    const qsizetype ausgewaehlt = Lehrer->LVLehrer->selectionModel()->selectedRows().size();
    const TLehrer* einer = Lehrer->Einer();
    Freigeben(Lehrer->BtnLoeschL, ausgewaehlt > 0);
    Freigeben(Lehrer->BtnEditL, einer != nullptr);
    if (EditL1) Freigeben(EditL1, einer != nullptr);
    if (AnmerkL1) {
        Freigeben(AnmerkL1, einer != nullptr);
        AnmerkL1->setText(einer ? QString::fromUtf8("Anmerkungen für ") + einer->Anschrift(true)
                                : QStringLiteral("Anmerkungen individuell"));
    }
    Freigeben(Lehrer->BtnLehrerHinzu, true);
}

void TEingabe::KuerzEChange() {
    QLineEdit* feld = Gespraeche->KuerzE;
    const bool text = !feld->text().isEmpty();
    Freigeben(Gespraeche->BtnAddG, text && feld->isEnabled());
    const bool kindFolgt = KindFolgt && !Gespraeche->BtnAddG->isEnabled();
    QString hinweis;
    if (text)
        hinweis = Lehrer->LVLehrer->selectionModel()->selectedRows().size() == 1
                      ? QString::fromUtf8("Eingabetaste: Gesprächswunsch hinzufügen")
                      : QString::fromUtf8("Eingabetaste: Gesprächswünsche hinzufügen");
    else if (kindFolgt)
        hinweis = QString::fromUtf8("Eingabetaste: Kind hinzufügen");
    else if (feld->hasFocus() && AktuellesKind()) {
        const TKindliste& kinder = AktuellesKind()->Eltern->Kinder;
        const int zeile = Familien->Zeile(AktuellesKind()->Eltern);
        if (kinder.IndexOf(AktuellesKind()) + 1 < kinder.Count())
            hinweis = QString::fromUtf8("Eingabetaste: Zum nächsten Kind");
        else if (zeile >= 0 && zeile + 1 < Familien->Zeilen())
            hinweis = QString::fromUtf8("Eingabetaste: Auswahl der nächsten Eltern");
    }
    Gespraeche->LblEingabetaste->setText(hinweis);
}

void TEingabe::LehrerauswahlAufheben() {
    {
        const QSignalBlocker sperre(Lehrer->LVLehrer->selectionModel());
        Lehrer->LVLehrer->clearSelection();
        Auswahlfolge.clear();
    }
    Lehrer->LVLehrer->viewport()->update();
    LVLehrerSelectItem();
}

void TEingabe::NaechstesKind() {
    QModelIndex knoten = Kinder->Knoten();
    if (knoten.parent().isValid()) knoten = knoten.parent();
    const int index = knoten.isValid() ? knoten.row() : -1;
    if (index >= 0 && index + 1 < Kinder->Modell->rowCount()) {
        Kinder->Waehlen(Kinder->Modell->index(index + 1, 0));
    } else {
        const int zeile = Familien->LVEltern->currentIndex().row();
        if (zeile + 1 < Familien->Zeilen()) Familien->ZeileWaehlen(zeile + 1);
    }
    if (Gespraeche->KuerzE->isEnabled())
        Gespraeche->KuerzE->setFocus();
    else
        Familien->LVEltern->setFocus();
    KuerzEChange();
}

void TEingabe::StartFokus() {
    const TProjekt* p = Dokument.Projekt();
    const bool familien = p && !p->Elternliste.Leer();
    const bool lehrer = p && !p->Lehrerliste.Leer();
    const bool gespraeche = p && !p->Gespraechsliste.Leer();
    // The hint names what Enter does next, so it stays empty while that command is not available.
    auto fokus = [this](QWidget* ziel, const char* hinweis) {
        ziel->setFocus();
        Gespraeche->LblEingabetaste->setText(ziel->isEnabled() ? QString::fromUtf8(hinweis) : QString());
    };
    if (!familien) {
        fokus(Familien->BtnElternHinzu, "Eingabetaste: Eltern hinzufügen");
    } else if (!lehrer) {
        fokus(Lehrer->BtnLehrerHinzu, "Eingabetaste: Lehrkraft hinzufügen");
    } else if (!gespraeche) {
        Familien->ZeileWaehlen(0);
        (Gespraeche->KuerzE->isEnabled() ? static_cast<QWidget*>(Gespraeche->KuerzE) : Familien->LVEltern)
            ->setFocus();
    } else {
        Familien->LVEltern->setFocus();
        Gespraeche->LblEingabetaste->clear();
    }
}

void TEingabe::ProjektGewechselt() {
    Kinder->Loslassen();
    Auswahlfolge.clear();
    LVElternSelectItem();
    LVLehrerSelectItem();
}

void TEingabe::GefuehrteEingabeBeenden() {
    FamilienEingabe = KindFolgt = false;
    LetzteKlasse.clear();
}
