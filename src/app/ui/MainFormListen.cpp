// What the family list, the children tree, the teacher list and the class filter show, and what a
// selection in them changes.
#include "MainForm.h"

#include "Baumknoten.h"
#include "Personenmodell.h"
#include "model/Dateneingabe.h"
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

const QString Alle = QStringLiteral("(alle)");
const QString Unbekannt = QStringLiteral("unbekannt");

QTreeWidgetItem* Knoten(QTreeWidgetItem* eltern, const QString& text, const void* daten, TKnotenArt art) {
    auto* knoten = new QTreeWidgetItem(eltern, {text});
    knoten->setData(0, RolleDaten, QVariant::fromValue(reinterpret_cast<quintptr>(daten)));
    knoten->setData(0, RolleArt, art);
    return knoten;
}

} // namespace

void TVELWnd::ZeileWaehlen(QTreeView* liste, int zeile) {
    const QModelIndex index = liste->model()->index(zeile, 0);
    liste->selectionModel()->setCurrentIndex(index,
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    liste->scrollTo(index);
}

TEltern* TVELWnd::ElternInZeile(int zeile) const {
    return static_cast<TEltern*>(ElternModell->Person(zeile));
}

TLehrer* TVELWnd::LehrerInZeile(int zeile) const {
    return static_cast<TLehrer*>(LehrerModell->Person(zeile));
}

void TVELWnd::KlassenfilterFuellen() {
    const std::vector<QString> klassen =
        Projekt() ? KlassenDerKinder(*Projekt(), true) : std::vector<QString>();
    const QSignalBlocker sperreKlassen(ComboKlassen);
    const QSignalBlocker sperreSuche(SuchE);
    ComboKlassen->clear();
    ComboKlassen->addItem(Alle);
    for (const QString& k : klassen)
        ComboKlassen->addItem(k.isEmpty() ? Unbekannt : k);
    ComboKlassen->setCurrentIndex(0);
    ComboKlassen->setEnabled(ComboKlassen->count() > 1);
    SuchE->clear();
    Tippsuche.clear();
}

void TVELWnd::ElternlisteFuellen(TEltern* auswahl) {
    std::vector<TPerson*> zeilen;
    if (Projekt()) {
        const QString suche = SuchE->text();
        const bool alleKlassen = ComboKlassen->currentIndex() <= 0;
        const QString klasse =
            ComboKlassen->currentText() == Unbekannt ? QString() : ComboKlassen->currentText();
        zeilen.reserve(static_cast<size_t>(Projekt()->Elternliste.Count()));
        // The project keeps its families in list order, so the chosen ones need no sorting of their own.
        for (const auto& e : Projekt()->Elternliste) {
            if (!suche.isEmpty() && !e->Name.startsWith(suche, Qt::CaseInsensitive)) continue;
            if (!alleKlassen && std::none_of(e->Kinder.begin(), e->Kinder.end(),
                                             [&](const auto& k) { return k->Klasse == klasse; }))
                continue;
            zeilen.push_back(e.get());
        }
    }
    const bool familien = Projekt() && !Projekt()->Elternliste.Leer();
    {
        const QSignalBlocker sperre(LVEltern->selectionModel());
        ElternModell->Fuellen(std::move(zeilen));
    }
    AktuelleFamilie = nullptr;
    const int zeile = ElternModell->Zeile(auswahl);
    if (zeile >= 0)
        ZeileWaehlen(LVEltern, zeile);
    else
        LVElternSelectItem();
    SuchE->setEnabled(familien);
    ComboKlassen->setEnabled(familien && ComboKlassen->count() > 1);
}

void TVELWnd::LehrerlisteFuellen() {
    std::vector<TPerson*> zeilen;
    if (Projekt())
        for (const auto& l : Projekt()->Lehrerliste)
            zeilen.push_back(l.get());
    LehrerModell->Fuellen(std::move(zeilen));
    // The refill drops the selection without a word, and with it the order of selection.
    Auswahlfolge.clear();
    LVLehrerSelectItem();
}

void TVELWnd::KinderbaumFuellen() {
    const QTreeWidgetItem* alt = TVKinder->currentItem();
    const QVariant gemerkt = alt ? alt->data(0, RolleDaten) : QVariant();
    TVKinder->clear();
    LbEltern->setText(AktuelleFamilie ? AktuelleFamilie->Anschrift(false) : QString());
    QTreeWidgetItem* wieder = nullptr;
    if (AktuelleFamilie)
        for (const auto& kind : AktuelleFamilie->Kinder) {
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
    LVLehrer->clearSelection();
    Auswahlfolge.clear();
    KuerzE->clear();
    KinderKnoepfeAktualisieren();
}

void TVELWnd::KindBildSetzen(QTreeWidgetItem* knoten) {
    if (knoten->data(0, RolleArt).toInt() == KnotenKind)
        knoten->setData(0, Qt::DecorationRole, ListenBild(knoten->isExpanded() ? 1 : 4));
}

void TVELWnd::LVElternSelectItem() {
    const QModelIndexList zeilen = LVEltern->selectionModel()->selectedRows();
    AktuelleFamilie = zeilen.isEmpty() ? nullptr : ElternInZeile(zeilen.constFirst().row());
    AktiveListe = TAktiveListe::Eltern;
    AlleGLoe->setVisible(AktuelleFamilie != nullptr);
    if (AktuelleFamilie)
        AlleGLoe->setText(
            QString::fromUtf8("Alle Gespräche bei %1 löschen...").arg(AktuelleFamilie->Anschrift(true)));
    KinderbaumFuellen();
    if (AktuelleFamilie && TVKinder->topLevelItemCount() > 0)
        TVKinder->setCurrentItem(TVKinder->topLevelItem(0));
    FamilienKnoepfeAktualisieren();
}

void TVELWnd::TVKinderChange() {
    const QList<QTreeWidgetItem*> auswahl = TVKinder->selectedItems();
    const QTreeWidgetItem* knoten = auswahl.isEmpty() ? nullptr : auswahl.constFirst();
    AktuellesKind = Daten<TKind>(knoten, KnotenKind);
    if (const TGespraech* g = Daten<TGespraech>(knoten, KnotenGespraech)) {
        AktuellesKind = g->Kind;
        LVLehrer->clearSelection();
        KuerzE->clear();
    }
    KinderKnoepfeAktualisieren();
}

void TVELWnd::LVLehrerSelectItem() {
    const QModelIndexList zeilen = LVLehrer->selectionModel()->selectedRows();
    if (!zeilen.isEmpty()) AktiveListe = TAktiveListe::Lehrer;
    LehrerKnoepfeAktualisieren();
}

void TVELWnd::SuchEChange() {
    ElternlisteFuellen();
    if (ElternModell->rowCount() > 0) ZeileWaehlen(LVEltern, 0);
}

void TVELWnd::ComboKlassenClick() {
    if (!SuchE->text().isEmpty())
        SuchE->clear();
    else
        SuchEChange();
    if (!ComboKlassen->view()->isVisible()) LVEltern->setFocus();
}

void TVELWnd::FamilienKnoepfeAktualisieren() {
    const bool familie = AktuelleFamilie != nullptr;
    for (QObject* b : std::initializer_list<QObject*>{BtnLoeschE, BtnEditE, AnmerkE1, EditE1, HeFrFa1})
        Freigeben(b, familie);
    AnmerkE1->setText(familie ? QString::fromUtf8("Anmerkungen für ") + AktuelleFamilie->Anschrift(true)
                              : QStringLiteral("Anmerkungen individuell"));
    Freigeben(BtnElternHinzu, true);
    TVKinder->setEnabled(familie && !AktuelleFamilie->Kinder.Leer());
}

void TVELWnd::KinderKnoepfeAktualisieren() {
    const QList<QTreeWidgetItem*> auswahl = TVKinder->selectedItems();
    const QTreeWidgetItem* knoten = auswahl.isEmpty() ? nullptr : auswahl.constFirst();
    const bool kind = Daten<TKind>(knoten, KnotenKind) != nullptr;
    Freigeben(BtnLoeschK, kind);
    Freigeben(BtnEditK, kind);
    Freigeben(SpBLoeG, Daten<TGespraech>(knoten, KnotenGespraech) != nullptr);
    Freigeben(BtnKindHinzu, AktuelleFamilie != nullptr);
    // Requests are typed into the box only once adding them is possible.
    KuerzE->setEnabled(knoten && MitHandler.contains(BtnAddG));
    LbKind->setText(AktuellesKind ? AktuellesKind->Vorname : QString());
}

void TVELWnd::LehrerKnoepfeAktualisieren() {
    const qsizetype ausgewaehlt = LVLehrer->selectionModel()->selectedRows().size();
    const TLehrer* einer = ausgewaehlt == 1
                               ? LehrerInZeile(LVLehrer->selectionModel()->selectedRows().constFirst().row())
                               : nullptr;
    Freigeben(BtnLoeschL, ausgewaehlt > 0);
    Freigeben(BtnEditL, einer != nullptr);
    Freigeben(EditL1, einer != nullptr);
    Freigeben(AnmerkL1, einer != nullptr);
    AnmerkL1->setText(einer ? QString::fromUtf8("Anmerkungen für ") + einer->Anschrift(true)
                            : QStringLiteral("Anmerkungen individuell"));
    Freigeben(BtnLehrerHinzu, true);
}

void TVELWnd::ListenFreigeben() {
    LVEltern->setEnabled(Projekt() && !Projekt()->Elternliste.Leer());
    LVLehrer->setEnabled(Projekt() && !Projekt()->Lehrerliste.Leer());
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
        fokus(BtnElternHinzu, "Eingabetaste: Eltern hinzufügen");
    } else if (!lehrer) {
        fokus(BtnLehrerHinzu, "Eingabetaste: Lehrkraft hinzufügen");
    } else if (!gespraeche) {
        ZeileWaehlen(LVEltern, 0);
        (KuerzE->isEnabled() ? static_cast<QWidget*>(KuerzE) : LVEltern)->setFocus();
    } else {
        LVEltern->setFocus();
        LblEingabetaste->clear();
    }
}
