// The keyboard paths of the data entry: type-ahead and Enter in the family list, the request box and
// its Enter-key flow, Del in the tree and the teacher list, and the teacher selection as Kürzel.
#include "MainForm.h"

#include "FamilienPanel.h"
#include "KinderPanel.h"
#include "Kindermodell.h"
#include "LehrerPanel.h"
#include "ui/Eingabehilfen.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <functional>

namespace {

void Tastenfilter(QWidget* ziel, std::function<bool(QKeyEvent*)> taste) {
    FilterAnbringen(ziel, [taste = std::move(taste)](QEvent* e) {
        return e->type() == QEvent::KeyPress && taste(static_cast<QKeyEvent*>(e));
    });
}

// Watches the focus and the mouse of a widget without taking the events from it.
void Beobachten(QWidget* ziel, std::function<void(QEvent*)> ereignis) {
    FilterAnbringen(ziel, [ereignis = std::move(ereignis)](QEvent* e) {
        ereignis(e);
        return false;
    });
}

// A focus change of this kind made by the user; one that comes with a pop-up menu or another window is none.
bool NutzerFokus(const QEvent* ereignis, QEvent::Type art) {
    if (ereignis->type() != art) return false;
    const Qt::FocusReason grund = static_cast<const QFocusEvent*>(ereignis)->reason();
    return grund != Qt::PopupFocusReason && grund != Qt::ActiveWindowFocusReason;
}

} // namespace

void TVELWnd::EingabeAnschliessen() {
    connect(Familienpanel, &TFamilienPanel::EnterGedrueckt, this, &TVELWnd::LVElternEnter);
    connect(Familienpanel, &TFamilienPanel::EntfGedrueckt, this, &TVELWnd::BtnLoeschEClick);
    Tastenfilter(KuerzE, [this](QKeyEvent* t) { return KuerzETaste(t); });
    Tastenfilter(Kinderpanel->TVKinder, [this](QKeyEvent* t) { return TVKinderTaste(t); });
    Tastenfilter(Lehrerpanel->LVLehrer, [this](QKeyEvent* t) { return LVLehrerTaste(t); });
    connect(KuerzE, &QLineEdit::textChanged, this, &TVELWnd::KuerzEChange);
    // Entering the request box ends the teacher selection but keeps the Kürzel it wrote there.
    Beobachten(KuerzE, [this](QEvent* e) {
        if (NutzerFokus(e, QEvent::FocusIn)) LehrerauswahlAufheben();
        if (NutzerFokus(e, QEvent::FocusOut) && !BtnAddG->isEnabled() && !KindFolgt) LblEingabetaste->clear();
    });
    // Work in the search box, the class filter or the family list is work on the families.
    for (QWidget* feld : std::initializer_list<QWidget*>{Familienpanel->SuchE, Familienpanel->ComboKlassen}) {
        Tastenfilter(feld, [this](QKeyEvent* t) {
            if (!IstEnter(t)) return false;
            Familienpanel->LVEltern->setFocus();
            return true;
        });
        Beobachten(feld, [this](QEvent* e) {
            if (e->type() == QEvent::FocusIn) BuElt->setChecked(true);
        });
    }
    Beobachten(Familienpanel->LVEltern->viewport(), [this](QEvent* e) {
        if (e->type() != QEvent::MouseButtonPress) return;
        BuElt->setChecked(true);
        if (!Programmwerte.ZeitSplash) Lehrerpanel->ChBhotZL->setChecked(false);
    });
    for (QToolButton* knopf : {SpBLoeG, TipBtn})
        MitHandler.insert(knopf);
    connect(SpBLoeG, &QToolButton::clicked, this, &TVELWnd::SpBLoeGClick);
    connect(TipBtn, &QToolButton::clicked, this, &TVELWnd::TipBtnClick);
    TipBtn->setEnabled(true);
    // Enter on a focused "hinzu ..." button adds, as the hint label promises.
    for (QPushButton* knopf :
         {Familienpanel->BtnElternHinzu, Kinderpanel->BtnKindHinzu, Lehrerpanel->BtnLehrerHinzu})
        knopf->setAutoDefault(true);

    // Teachers selected while a node of the tree is selected become the Kürzel of the request box.
    connect(Lehrerpanel->LVLehrer->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& neu, const QItemSelection& alt) {
                if (!Kinderpanel->Knoten().isValid()) return;
                for (const QModelIndex& i : alt.indexes())
                    if (i.column() == 0) Auswahlfolge.removeAll(QPersistentModelIndex(i));
                for (const QModelIndex& i : neu.indexes())
                    if (i.column() == 0) Auswahlfolge.append(i);
                if (const QModelIndex knoten = Kinderpanel->Knoten(); Kinderpanel->Gespraech()) {
                    const QSignalBlocker sperre(Lehrerpanel->LVLehrer->selectionModel());
                    Kinderpanel->Waehlen(knoten.parent());
                }
                QStringList kuerzel;
                for (const QPersistentModelIndex& i : Auswahlfolge)
                    if (const TLehrer* l = Lehrerpanel->LehrerInZeile(i.row())) kuerzel.append(l->Kuerzel);
                KuerzE->setText(kuerzel.join(QStringLiteral(", ")));
            });
    connect(Lehrerpanel->LVLehrer, &QTreeView::doubleClicked, this, [this] {
        if (!BuLeh->isChecked() && Lehrerpanel->LVLehrer->selectionModel()->selectedRows().size() == 1 &&
            BtnAddG->isEnabled() && ChBxLDBL->isChecked())
            GespraecheHinzufuegen(false);
    });

    connect(PopMenuGespr, &QMenu::aboutToShow, this, [this] {
        const TGespraech* g = Kinderpanel->Gespraech();
        const TKind* k = AktuellesKind();
        Freigeben(GesprLoeschen1, g != nullptr);
        Freigeben(KindLoeschen1, k && !g);
        const bool markierbar = g || (k && !k->Gespraeche.empty());
        kindkommtmit1->setVisible(markierbar);
        Freigeben(kindkommtmit1, markierbar);
        Loe41Ki->setText(k ? QString::fromUtf8("Alle Gespräche über ") + k->Vorname +
                                 QString::fromUtf8(" löschen")
                           : QString::fromUtf8("Gespräche über markiertes Kind löschen"));
        Freigeben(Loe41Ki, k && !k->Gespraeche.empty());
        Freigeben(AlleGLoe, AktuelleFamilie() != nullptr);
        if (!markierbar) return;
        const bool alleMit = g ? g->KindKommtMit()
                               : std::all_of(k->Gespraeche.begin(), k->Gespraeche.end(),
                                             [](auto* x) { return x->KindKommtMit(); });
        const QString phrase = !alleMit ? QStringLiteral("Das Kind kommt mit")
                               : g ? QString::fromUtf8("Gespräch nur mit Eltern, ohne %1").arg(k->Vorname)
                                   : QString::fromUtf8("Gespräche nur mit Eltern, ohne %1").arg(k->Vorname);
        kindkommtmit1->setText(QStringLiteral("kenzeichnen: \"") + phrase + u'"');
    });
}

void TVELWnd::LVElternEnter() {
    if (AktuelleFamilie() && !AktuelleFamilie()->Kinder.Leer() && KuerzE->isEnabled())
        KuerzE->setFocus();
    else
        Kinderpanel->BtnKindHinzu->setFocus();
    KuerzEChange();
}

bool TVELWnd::KuerzETaste(QKeyEvent* taste) {
    if (!IstEnter(taste)) return false;
    if (taste->modifiers() & Qt::ShiftModifier)
        GespraecheHinzufuegen(true);
    else if (!KuerzE->text().trimmed().isEmpty())
        GespraecheHinzufuegen(false);
    else if (KindFolgt)
        BtnKindHinzuClick();
    else
        NaechstesKind();
    return true;
}

bool TVELWnd::TVKinderTaste(QKeyEvent* taste) {
    if (taste->key() != Qt::Key_Delete) return false;
    if (Kinderpanel->Gespraech())
        GesprLoeschen1Click();
    else if (Kinderpanel->Kind())
        BtnLoeschKClick();
    return true;
}

bool TVELWnd::LVLehrerTaste(QKeyEvent* taste) {
    if (IstEnter(taste) && (taste->modifiers() & Qt::ShiftModifier)) {
        if (BtnAddG->isEnabled()) GespraecheHinzufuegen(true);
        return true;
    }
    if (taste->key() == Qt::Key_Delete) {
        BtnLoeschLClick();
        return true;
    }
    return taste->key() == Qt::Key_Escape;
}

void TVELWnd::LehrerauswahlAufheben() {
    {
        const QSignalBlocker sperre(Lehrerpanel->LVLehrer->selectionModel());
        Lehrerpanel->LVLehrer->clearSelection();
        Auswahlfolge.clear();
    }
    Lehrerpanel->LVLehrer->viewport()->update();
    LVLehrerSelectItem();
}

void TVELWnd::KuerzEChange() {
    const bool text = !KuerzE->text().isEmpty();
    Freigeben(BtnAddG, text && KuerzE->isEnabled());
    const bool kindFolgt = KindFolgt && !BtnAddG->isEnabled();
    QString hinweis;
    if (text)
        hinweis = Lehrerpanel->LVLehrer->selectionModel()->selectedRows().size() == 1
                      ? QString::fromUtf8("Eingabetaste: Gesprächswunsch hinzufügen")
                      : QString::fromUtf8("Eingabetaste: Gesprächswünsche hinzufügen");
    else if (kindFolgt)
        hinweis = QString::fromUtf8("Eingabetaste: Kind hinzufügen");
    else if (KuerzE->hasFocus() && AktuellesKind()) {
        const TKindliste& kinder = AktuellesKind()->Eltern->Kinder;
        const int zeile = Familienpanel->Zeile(AktuellesKind()->Eltern);
        if (kinder.IndexOf(AktuellesKind()) + 1 < kinder.Count())
            hinweis = QString::fromUtf8("Eingabetaste: Zum nächsten Kind");
        else if (zeile >= 0 && zeile + 1 < Familienpanel->Zeilen())
            hinweis = QString::fromUtf8("Eingabetaste: Auswahl der nächsten Eltern");
    }
    LblEingabetaste->setText(hinweis);
}

void TVELWnd::NaechstesKind() {
    QModelIndex knoten = Kinderpanel->Knoten();
    if (knoten.parent().isValid()) knoten = knoten.parent();
    const int index = knoten.isValid() ? knoten.row() : -1;
    if (index >= 0 && index + 1 < Kinderpanel->Modell->rowCount()) {
        Kinderpanel->Waehlen(Kinderpanel->Modell->index(index + 1, 0));
    } else {
        const int zeile = Familienpanel->LVEltern->currentIndex().row();
        if (zeile + 1 < Familienpanel->Zeilen()) Familienpanel->ZeileWaehlen(zeile + 1);
    }
    if (KuerzE->isEnabled())
        KuerzE->setFocus();
    else
        Familienpanel->LVEltern->setFocus();
    KuerzEChange();
}
