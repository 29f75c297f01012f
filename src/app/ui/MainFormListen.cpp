// What the family list, the children tree, the teacher list and the class filter show, and what a
// selection in them changes.
#include "MainForm.h"

#include "FamilienPanel.h"
#include "KinderPanel.h"
#include "Kindermodell.h"
#include "LehrerPanel.h"
#include "ui/Kurzlabel.h"
#include "ui/Symbole.h"

#include <QAction>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>

TEltern* TVELWnd::AktuelleFamilie() const {
    return Familienpanel->Familie();
}

TKind* TVELWnd::AktuellesKind() const {
    return Kinderpanel->Kind();
}

void TVELWnd::KinderbaumFuellen() {
    Kinderpanel->Auffrischen();
    EingabeLeeren();
    KinderKnoepfeAktualisieren();
}

// The teacher selection and the Kürzel typed belong to the child they were meant for.
void TVELWnd::EingabeLeeren() {
    Lehrerpanel->LVLehrer->clearSelection();
    Auswahlfolge.clear();
    KuerzE->clear();
}

void TVELWnd::LVElternSelectItem() {
    AktiveListe = TAktiveListe::Eltern;
    AlleGLoe->setVisible(AktuelleFamilie() != nullptr);
    if (AktuelleFamilie())
        AlleGLoe->setText(
            QString::fromUtf8("Alle Gespräche bei %1 löschen...").arg(AktuelleFamilie()->Anschrift(true)));
    KinderbaumFuellen();
    if (AktuelleFamilie()) Kinderpanel->Waehlen(Kinderpanel->Modell->index(0, 0));
    FamilienKnoepfeAktualisieren();
}

void TVELWnd::TVKinderChange() {
    if (Kinderpanel->Gespraech()) {
        Lehrerpanel->LVLehrer->clearSelection();
        KuerzE->clear();
    }
    KinderKnoepfeAktualisieren();
}

void TVELWnd::LVLehrerSelectItem() {
    const QModelIndexList zeilen = Lehrerpanel->LVLehrer->selectionModel()->selectedRows();
    if (!zeilen.isEmpty()) AktiveListe = TAktiveListe::Lehrer;
    LehrerKnoepfeAktualisieren();
}

void TVELWnd::FamilienKnoepfeAktualisieren() {
    const bool familie = AktuelleFamilie() != nullptr;
    for (QObject* b : std::initializer_list<QObject*>{Familienpanel->BtnLoeschE, Familienpanel->BtnEditE,
                                                      AnmerkE1, EditE1, HeFrFa1})
        Freigeben(b, familie);
    AnmerkE1->setText(familie ? QString::fromUtf8("Anmerkungen für ") + AktuelleFamilie()->Anschrift(true)
                              : QStringLiteral("Anmerkungen individuell"));
    Freigeben(Familienpanel->BtnElternHinzu, true);
    Kinderpanel->TVKinder->setEnabled(familie && !AktuelleFamilie()->Kinder.Leer());
}

void TVELWnd::KinderKnoepfeAktualisieren() {
    const bool knoten = Kinderpanel->Knoten().isValid();
    const bool gespraech = Kinderpanel->Gespraech() != nullptr;
    const bool kind = knoten && !gespraech;
    Freigeben(Kinderpanel->BtnLoeschK, kind);
    Freigeben(Kinderpanel->BtnEditK, kind);
    Freigeben(SpBLoeG, gespraech);
    Freigeben(Kinderpanel->BtnKindHinzu, AktuelleFamilie() != nullptr);
    // Requests are typed into the box only once adding them is possible.
    KuerzE->setEnabled(knoten && MitHandler.contains(BtnAddG));
    LbKind->setText(AktuellesKind() ? AktuellesKind()->Vorname : QString());
}

void TVELWnd::LehrerKnoepfeAktualisieren() {
    const qsizetype ausgewaehlt = Lehrerpanel->LVLehrer->selectionModel()->selectedRows().size();
    const TLehrer* einer = Lehrerpanel->Einer();
    Freigeben(Lehrerpanel->BtnLoeschL, ausgewaehlt > 0);
    Freigeben(Lehrerpanel->BtnEditL, einer != nullptr);
    Freigeben(EditL1, einer != nullptr);
    Freigeben(AnmerkL1, einer != nullptr);
    AnmerkL1->setText(einer ? QString::fromUtf8("Anmerkungen für ") + einer->Anschrift(true)
                            : QStringLiteral("Anmerkungen individuell"));
    Freigeben(Lehrerpanel->BtnLehrerHinzu, true);
}

void TVELWnd::StartFokus() {
    const bool familien = Projekt() && !Projekt()->Elternliste.Leer();
    const bool lehrer = Projekt() && !Projekt()->Lehrerliste.Leer();
    const bool gespraeche = Projekt() && !Projekt()->Gespraechsliste.Leer();
    // The hint names what Enter does next, so it stays empty while that command is not available.
    auto fokus = [this](QWidget* ziel, const char* hinweis) {
        ziel->setFocus();
        LblEingabetaste->setText(ziel->isEnabled() ? QString::fromUtf8(hinweis) : QString());
    };
    if (!familien) {
        fokus(Familienpanel->BtnElternHinzu, "Eingabetaste: Eltern hinzufügen");
    } else if (!lehrer) {
        fokus(Lehrerpanel->BtnLehrerHinzu, "Eingabetaste: Lehrkraft hinzufügen");
    } else if (!gespraeche) {
        Familienpanel->ZeileWaehlen(0);
        (KuerzE->isEnabled() ? static_cast<QWidget*>(KuerzE) : Familienpanel->LVEltern)->setFocus();
    } else {
        Familienpanel->LVEltern->setFocus();
        LblEingabetaste->clear();
    }
}
