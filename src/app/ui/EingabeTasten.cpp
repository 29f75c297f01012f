// The keyboard paths of the data entry: Enter in the family list, the request box and its Enter-key
// flow, Del in the tree and the teacher list, and the teacher selection as Kürzel.
#include "Eingabe.h"

#include "FamilienPanel.h"
#include "GespraechPanel.h"
#include "KinderPanel.h"
#include "LehrerPanel.h"
#include "model/Projekt.h"
#include "settings/Einstellungen.h"
#include "ui/Eingabehilfen.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>

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

void TEingabe::Anschliessen() {
    QLineEdit* kuerzE = Gespraeche->KuerzE;
    connect(Familien, &TFamilienPanel::EnterGedrueckt, this, &TEingabe::LVElternEnter);
    connect(Familien, &TFamilienPanel::EntfGedrueckt, this, &TEingabe::FamilieLoeschenGewuenscht);
    Tastenfilter(kuerzE, [this](QKeyEvent* t) { return KuerzETaste(t); });
    Tastenfilter(Kinder->TVKinder, [this](QKeyEvent* t) { return TVKinderTaste(t); });
    Tastenfilter(Lehrer->LVLehrer, [this](QKeyEvent* t) { return LVLehrerTaste(t); });
    connect(kuerzE, &QLineEdit::textChanged, this, &TEingabe::KuerzEChange);
    // Entering the request box ends the teacher selection but keeps the Kürzel it wrote there.
    Beobachten(kuerzE, [this](QEvent* e) {
        if (NutzerFokus(e, QEvent::FocusIn)) LehrerauswahlAufheben();
        if (NutzerFokus(e, QEvent::FocusOut) && !Gespraeche->BtnAddG->isEnabled() && !KindFolgt)
            Gespraeche->LblEingabetaste->clear();
    });
    // Work in the search box, the class filter or the family list is work on the families.
    for (QWidget* feld : std::initializer_list<QWidget*>{Familien->SuchE, Familien->ComboKlassen}) {
        Tastenfilter(feld, [this](QKeyEvent* t) {
            if (!IstEnter(t)) return false;
            Familien->LVEltern->setFocus();
            return true;
        });
        Beobachten(feld, [this](QEvent* e) {
            if (e->type() == QEvent::FocusIn && BuElt) BuElt->setChecked(true);
        });
    }
    Beobachten(Familien->LVEltern->viewport(), [this](QEvent* e) {
        if (e->type() != QEvent::MouseButtonPress) return;
        if (BuElt) BuElt->setChecked(true);
        if (!Programmwerte.ZeitSplash) Lehrer->ChBhotZL->setChecked(false);
    });
    // Enter on a focused "hinzu ..." button adds, as the hint label promises.
    for (QPushButton* knopf : {Familien->BtnElternHinzu, Kinder->BtnKindHinzu, Lehrer->BtnLehrerHinzu})
        knopf->setAutoDefault(true);

    connect(Lehrer->LVLehrer->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& neu, const QItemSelection& alt) {
                if (!Kinder->Knoten().isValid()) return;
                for (const QModelIndex& i : alt.indexes())
                    if (i.column() == 0) Auswahlfolge.removeAll(QPersistentModelIndex(i));
                for (const QModelIndex& i : neu.indexes())
                    if (i.column() == 0) Auswahlfolge.append(i);
                LehrerauswahlUebernehmen();
            });
    connect(Lehrer->LVLehrer, &QTreeView::doubleClicked, this, [this] {
        if ((!BuLeh || !BuLeh->isChecked()) &&
            Lehrer->LVLehrer->selectionModel()->selectedRows().size() == 1 &&
            Gespraeche->BtnAddG->isEnabled() && Gespraeche->ChBxLDBL->isChecked())
            Q_EMIT GespraecheHinzuGewuenscht(false);
    });
}

// Teachers selected while a node of the tree is selected become the Kürzel of the request box; the
// requests go to the child of a selected request.
void TEingabe::LehrerauswahlUebernehmen() {
    if (const QModelIndex knoten = Kinder->Knoten(); Kinder->Gespraech()) {
        const QSignalBlocker sperre(Lehrer->LVLehrer->selectionModel());
        Kinder->Waehlen(knoten.parent());
    }
    QStringList kuerzel;
    for (const QPersistentModelIndex& i : Auswahlfolge)
        if (const TLehrer* l = Lehrer->LehrerInZeile(i.row())) kuerzel.append(l->Kuerzel);
    Gespraeche->KuerzE->setText(kuerzel.join(QStringLiteral(", ")));
}

void TEingabe::LVElternEnter() {
    const TEltern* e = AktuelleFamilie();
    if (e && !e->Kinder.Leer() && Gespraeche->KuerzE->isEnabled())
        Gespraeche->KuerzE->setFocus();
    else
        Kinder->BtnKindHinzu->setFocus();
    KuerzEChange();
}

bool TEingabe::KuerzETaste(QKeyEvent* taste) {
    if (!IstEnter(taste)) return false;
    if (taste->modifiers() & Qt::ShiftModifier)
        Q_EMIT GespraecheHinzuGewuenscht(true);
    else if (!Gespraeche->KuerzE->text().trimmed().isEmpty())
        Q_EMIT GespraecheHinzuGewuenscht(false);
    else if (KindFolgt)
        Q_EMIT KindHinzuGewuenscht();
    else
        NaechstesKind();
    return true;
}

bool TEingabe::TVKinderTaste(QKeyEvent* taste) {
    if (taste->key() != Qt::Key_Delete) return false;
    if (Kinder->Gespraech())
        Q_EMIT GespraechLoeschenGewuenscht();
    else if (Kinder->Kind())
        Q_EMIT KindLoeschenGewuenscht();
    return true;
}

bool TEingabe::LVLehrerTaste(QKeyEvent* taste) {
    if (IstEnter(taste) && (taste->modifiers() & Qt::ShiftModifier)) {
        if (Gespraeche->BtnAddG->isEnabled()) Q_EMIT GespraecheHinzuGewuenscht(true);
        return true;
    }
    if (taste->key() == Qt::Key_Delete) {
        Q_EMIT LehrerLoeschenGewuenscht();
        return true;
    }
    return taste->key() == Qt::Key_Escape;
}
