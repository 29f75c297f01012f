// What the family list, the children tree, the teacher list and the class filter show, and what a
// selection in them changes.
#include "MainForm.h"

#include "Baumknoten.h"
#include "FamilienPanel.h"
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
#include <QTreeWidget>
#include <algorithm>

namespace {

using namespace Baumknoten;

QTreeWidgetItem* Knoten(QTreeWidgetItem* eltern, const QString& text, const void* daten, TKnotenArt art) {
    auto* knoten = new QTreeWidgetItem(eltern, {text});
    knoten->setData(0, RolleDaten, QVariant::fromValue(reinterpret_cast<quintptr>(daten)));
    knoten->setData(0, RolleArt, art);
    return knoten;
}

} // namespace

TEltern* TVELWnd::AktuelleFamilie() const {
    return Familienpanel->Familie();
}

void TVELWnd::KinderbaumFuellen() {
    KinderbaumAuffrischen();
    EingabeLeeren();
    KinderKnoepfeAktualisieren();
}

// Shows the selected family's children and requests again; the selected node stays selected while its
// record exists.
void TVELWnd::KinderbaumAuffrischen() {
    const QTreeWidgetItem* alt = TVKinder->currentItem();
    const QVariant gemerkt = alt ? alt->data(0, RolleDaten) : QVariant();
    const TEltern* familie = AktuelleFamilie();
    TVKinder->clear();
    LbEltern->setText(familie ? familie->Anschrift(false) : QString());
    QTreeWidgetItem* wieder = nullptr;
    if (familie)
        for (const auto& kind : familie->Kinder) {
            QTreeWidgetItem* k =
                Knoten(TVKinder->invisibleRootItem(), kind->KindNameMitKlasse(), kind.get(), KnotenKind);
            int position = 0;
            for (const TGespraech* g : kind->Gespraeche) {
                QTreeWidgetItem* gespraech = Knoten(k, GespraechText(++position, *g), g, KnotenGespraech);
                gespraech->setData(0, Qt::DecorationRole, ListenBild(g->KindKommtMit() ? 15 : 2));
                if (gespraech->data(0, RolleDaten) == gemerkt) wieder = gespraech;
            }
            k->setExpanded(!kind->Gespraeche.empty());
            KindBildSetzen(k);
            if (k->data(0, RolleDaten) == gemerkt) wieder = k;
        }
    if (wieder) TVKinder->setCurrentItem(wieder);
}

// The teacher selection and the Kürzel typed belong to the child they were meant for.
void TVELWnd::EingabeLeeren() {
    Lehrerpanel->LVLehrer->clearSelection();
    Auswahlfolge.clear();
    KuerzE->clear();
}

void TVELWnd::KindBildSetzen(QTreeWidgetItem* knoten) {
    if (knoten->data(0, RolleArt).toInt() == KnotenKind)
        knoten->setData(0, Qt::DecorationRole, ListenBild(knoten->isExpanded() ? 1 : 4));
}

void TVELWnd::LVElternSelectItem() {
    AktiveListe = TAktiveListe::Eltern;
    AlleGLoe->setVisible(AktuelleFamilie() != nullptr);
    if (AktuelleFamilie())
        AlleGLoe->setText(
            QString::fromUtf8("Alle Gespräche bei %1 löschen...").arg(AktuelleFamilie()->Anschrift(true)));
    KinderbaumFuellen();
    if (AktuelleFamilie() && TVKinder->topLevelItemCount() > 0)
        TVKinder->setCurrentItem(TVKinder->topLevelItem(0));
    FamilienKnoepfeAktualisieren();
}

void TVELWnd::TVKinderChange() {
    const QList<QTreeWidgetItem*> auswahl = TVKinder->selectedItems();
    const QTreeWidgetItem* knoten = auswahl.isEmpty() ? nullptr : auswahl.constFirst();
    AktuellesKind = Daten<TKind>(knoten, KnotenKind);
    if (const TGespraech* g = Daten<TGespraech>(knoten, KnotenGespraech)) {
        AktuellesKind = g->Kind;
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
    TVKinder->setEnabled(familie && !AktuelleFamilie()->Kinder.Leer());
}

void TVELWnd::KinderKnoepfeAktualisieren() {
    const QList<QTreeWidgetItem*> auswahl = TVKinder->selectedItems();
    const QTreeWidgetItem* knoten = auswahl.isEmpty() ? nullptr : auswahl.constFirst();
    const bool kind = Daten<TKind>(knoten, KnotenKind) != nullptr;
    Freigeben(BtnLoeschK, kind);
    Freigeben(BtnEditK, kind);
    Freigeben(SpBLoeG, Daten<TGespraech>(knoten, KnotenGespraech) != nullptr);
    Freigeben(BtnKindHinzu, AktuelleFamilie() != nullptr);
    // Requests are typed into the box only once adding them is possible.
    KuerzE->setEnabled(knoten && MitHandler.contains(BtnAddG));
    LbKind->setText(AktuellesKind ? AktuellesKind->Vorname : QString());
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
