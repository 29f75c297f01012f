// Dragging with the mouse: teachers from the teacher list onto a child of the tree add requests; a
// request dragged within the tree moves to another place or child, and dropped on the teacher list or
// on the delete button it is deleted.
#include "Ziehen.h"

#include "Eingabe.h"
#include "GespraechBefehle.h"
#include "GespraechPanel.h"
#include "KinderPanel.h"
#include "Kindermodell.h"
#include "LehrerPanel.h"
#include "document/ProjektDokument.h"
#include "model/Dateneingabe.h"
#include "model/Projekt.h"
#include "ui/Eingabehilfen.h"
#include "ui/Ziehzeiger.h"

#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <array>
#include <functional>
#include <optional>

namespace {

// The mouse must move farther than this (squared distance in pixels) with the button down to drag.
constexpr int Ziehschwelle = 100;

const char* const KuerzelText = "(Kürzel)";

bool Ueber(const QWidget* w, const QPoint& global) {
    return w->isVisible() && w->rect().contains(w->mapFromGlobal(global));
}

} // namespace

TZiehen::TZiehen(QWidget& fenster, TEingabe& eingabe, TGespraechBefehle& gespraechbefehle)
    : QObject(&fenster)
    , Fenster(fenster)
    , E(eingabe)
    , G(gespraechbefehle)
    , Dokument(eingabe.Dokument)
    , LehrerFlaeche(eingabe.Lehrer->LVLehrer->viewport())
    , Tastensperre(new TEreignisFilter(this, [this](QEvent* e) { return Taste(e); })) {
    for (int n = 0; n < static_cast<int>(Zeigerbilder.size()); ++n)
        Zeigerbilder[static_cast<size_t>(n)] =
            ZiehzeigerLaden(static_cast<TZiehzeiger>(n + static_cast<int>(TZiehzeiger::Lehrer)));
    E.Lehrer->LVLehrer->viewport()->installEventFilter(this);
    E.Kinder->TVKinder->viewport()->installEventFilter(this);
    // The labels a dragged request borrows must not move the tree under the mouse.
    QSizePolicy fest = E.Gespraeche->LblHinzufuegen->sizePolicy();
    fest.setRetainSizeWhenHidden(true);
    E.Gespraeche->LblHinzufuegen->setSizePolicy(fest);
    E.Gespraeche->LblKuerzel->setSizePolicy(QSizePolicy::Ignored,
                                            E.Gespraeche->LblKuerzel->sizePolicy().verticalPolicy());
}

TZiehen::~TZiehen() {
    if (Art != TArt::Keine) QGuiApplication::restoreOverrideCursor();
}

bool TZiehen::eventFilter(QObject* objekt, QEvent* ereignis) {
    bool erledigt = false;
    switch (ereignis->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        const auto& maus = *static_cast<QMouseEvent*>(ereignis);
        erledigt = objekt == LehrerFlaeche ? LehrerMaus(maus) : BaumMaus(maus);
        break;
    }
    case QEvent::ContextMenu:
        erledigt = Art != TArt::Keine || Nachlauf;
        break;
    default:
        break;
    }
    if (erledigt) ereignis->accept();
    return erledigt;
}

bool TZiehen::Weit(const QPoint& global) const {
    const QPoint d = global - *Druckpunkt;
    return d.x() * d.x() + d.y() * d.y() > Ziehschwelle;
}

// The teacher row where the button went down.
QModelIndex TZiehen::Druckzeile() const {
    return Druckpunkt
               ? E.Lehrer->LVLehrer->indexAt(E.Lehrer->LVLehrer->viewport()->mapFromGlobal(*Druckpunkt))
               : QModelIndex();
}

bool TZiehen::LehrerMaus(const QMouseEvent& maus) {
    const QPoint global = maus.globalPosition().toPoint();
    switch (maus.type()) {
    case QEvent::MouseButtonPress: {
        if (Art != TArt::Keine) {
            if (maus.button() == Qt::RightButton) Abbrechen();
            return true;
        }
        Nachlauf = Verzoegert = false;
        Druckpunkt.reset();
        const QModelIndex index = E.Lehrer->LVLehrer->indexAt(maus.position().toPoint());
        if (maus.button() != Qt::LeftButton || !index.isValid() || !E.Kinder->TVKinder->isEnabled())
            return false;
        Druckpunkt = global;
        const QItemSelectionModel* auswahl = E.Lehrer->LVLehrer->selectionModel();
        if (maus.modifiers() != Qt::NoModifier || !auswahl->isRowSelected(index.row()) ||
            auswahl->selectedRows().size() < 2)
            return false;
        Verzoegert = true;
        E.Lehrer->LVLehrer->setFocus(Qt::MouseFocusReason);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        Druckpunkt.reset();
        Verzoegert = false;
        return false;
    case QEvent::MouseMove:
        if (Art == TArt::Lehrer) {
            LehrerZiehen(global);
            return true;
        }
        if (Nachlauf) return true;
        if (!Druckpunkt || !(maus.buttons() & Qt::LeftButton)) return false;
        if (Weit(global) && E.Gespraeche->KuerzE->isEnabled()) {
            LehrerZiehenBeginnen();
            LehrerZiehen(global);
        }
        return true;
    case QEvent::MouseButtonRelease: {
        if (maus.button() != Qt::LeftButton) return Art != TArt::Keine || Nachlauf;
        const bool verzoegert = Verzoegert;
        bool erledigt = Nachlauf || verzoegert;
        if (Art == TArt::Lehrer) {
            LehrerAblegen(global);
            erledigt = true;
        } else if (verzoegert) {
            E.Lehrer->LVLehrer->selectionModel()->setCurrentIndex(
                Druckzeile(), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
        Nachlauf = Verzoegert = false;
        Druckpunkt.reset();
        return erledigt;
    }
    default:
        return false;
    }
}

bool TZiehen::BaumMaus(const QMouseEvent& maus) {
    const QPoint global = maus.globalPosition().toPoint();
    switch (maus.type()) {
    case QEvent::MouseButtonPress:
        if (Art != TArt::Keine) {
            if (maus.button() == Qt::RightButton) Abbrechen();
            return true;
        }
        Nachlauf = false;
        Druckpunkt.reset();
        Gespraech = maus.button() == Qt::LeftButton
                        ? E.Kinder->Modell->Gespraech(E.Kinder->TVKinder->indexAt(maus.position().toPoint()))
                        : nullptr;
        if (Gespraech) Druckpunkt = global;
        return false;
    case QEvent::MouseButtonDblClick:
        Druckpunkt.reset();
        return false;
    case QEvent::MouseMove:
        if (Art == TArt::Gespraech) {
            GespraechZiehen(global);
            return true;
        }
        if (Nachlauf) return true;
        if (!Druckpunkt || !(maus.buttons() & Qt::LeftButton)) return false;
        if (Weit(global)) {
            GespraechZiehenBeginnen();
            GespraechZiehen(global);
        }
        return true;
    case QEvent::MouseButtonRelease: {
        if (maus.button() != Qt::LeftButton) return Art != TArt::Keine || Nachlauf;
        bool erledigt = Nachlauf;
        if (Art == TArt::Gespraech) {
            GespraechAblegen(global);
            erledigt = true;
        }
        Nachlauf = false;
        Druckpunkt.reset();
        return erledigt;
    }
    default:
        return false;
    }
}

// Installed on the application while a drag runs.
bool TZiehen::Taste(QEvent* ereignis) {
    if (ereignis->type() == QEvent::WindowDeactivate) {
        Abbrechen();
        return false;
    }
    if (ereignis->type() != QEvent::KeyPress && ereignis->type() != QEvent::ShortcutOverride) return false;
    auto* taste = static_cast<QKeyEvent*>(ereignis);
    switch (taste->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return false;
    default:
        break;
    }
    // Accepting the override keeps menu shortcuts from running in the middle of a drag.
    taste->accept();
    if (ereignis->type() == QEvent::ShortcutOverride) return true;
    // Enter would run the default add command, which cancels a request drag instead.
    if (taste->key() == Qt::Key_Escape || (IstEnter(taste) && Art == TArt::Gespraech)) Abbrechen();
    return true;
}

void TZiehen::Beginnen(TArt art) {
    Art = art;
    Verzoegert = false;
    QGuiApplication::setOverrideCursor(Zeigerbilder[0]);
    QCoreApplication::instance()->installEventFilter(Tastensperre);
}

void TZiehen::Beenden() {
    if (Art == TArt::Keine) return;
    Art = TArt::Keine;
    QCoreApplication::instance()->removeEventFilter(Tastensperre);
    QGuiApplication::restoreOverrideCursor();
    E.Gespraeche->LblHinzufuegen->show();
    E.Gespraeche->LblKuerzel->setText(QString::fromUtf8(KuerzelText));
}

// Esc, the right button, the mouse leaving the window or the window losing the activation.
void TZiehen::Abbrechen() {
    const TArt art = Art;
    if (art == TArt::Keine) return;
    Beenden();
    Nachlauf = QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
    if (art == TArt::Lehrer) {
        if (E.Lehrer->LVLehrer->hasFocus()) {
            const QModelIndex index = Druckzeile();
            E.Lehrer->LVLehrer->selectionModel()->select(index, QItemSelectionModel::Select |
                                                                    QItemSelectionModel::Rows);
            E.Lehrer->LVLehrer->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        }
        Waehlen(Knoten(Vorher));
        E.KuerzEChange();
    } else if (art == TArt::Gespraech) {
        Waehlen(Knoten(Gespraech));
    }
    Druckpunkt.reset();
}

void TZiehen::ZeigerSetzen(TZiehzeiger nummer) {
    QGuiApplication::changeOverrideCursor(
        Zeigerbilder[static_cast<size_t>(static_cast<int>(nummer) - static_cast<int>(TZiehzeiger::Lehrer))]);
}

QModelIndex TZiehen::Knoten(quintptr daten) const {
    return E.Kinder->Modell->Suchen(daten);
}

QModelIndex TZiehen::Knoten(const TGespraech* g) const {
    return Knoten(reinterpret_cast<quintptr>(g));
}

QModelIndex TZiehen::KnotenUnter(const QPoint& global) const {
    const QWidget* flaeche = E.Kinder->TVKinder->viewport();
    const QPoint p = flaeche->mapFromGlobal(global);
    return flaeche->rect().contains(p) ? E.Kinder->TVKinder->indexAt(p) : QModelIndex();
}

void TZiehen::Waehlen(const QModelIndex& knoten) {
    E.Kinder->Waehlen(knoten);
}

QString TZiehen::Lehrername() const {
    return Gespraech && Gespraech->Lehrer ? Gespraech->Lehrer->Anschrift(true) : QString();
}

void TZiehen::LehrerZiehenBeginnen() {
    Mehrere = E.Lehrer->LVLehrer->selectionModel()->selectedRows().size() > 1;
    Beginnen(TArt::Lehrer);
    ZeigerSetzen(Mehrere ? TZiehzeiger::LehrerMehrere : TZiehzeiger::Lehrer);
    E.Gespraeche->LblEingabetaste->clear();
    Vorher = E.Kinder->Knoten().data(TKinderModell::RolleDaten).value<quintptr>();
    Waehlen({});
    E.Gespraeche->LbKind->setText(QStringLiteral("WEN?"));
    E.Freigeben(E.Gespraeche->BtnAddG, false);
}

void TZiehen::LehrerZiehen(const QPoint& global) {
    if (!Ueber(&Fenster, global)) {
        Abbrechen();
        return;
    }
    const bool imBaum = Ueber(E.Kinder->TVKinder, global);
    const QModelIndex knoten = imBaum ? KnotenUnter(global) : QModelIndex();
    UeberKnoten = knoten.isValid();
    if (UeberKnoten) {
        // The requests go to the child, whichever of its nodes is under the mouse.
        const QModelIndex kind = knoten.parent().isValid() ? knoten.parent() : knoten;
        if (E.Kinder->Knoten() != kind) Waehlen(kind);
        E.Gespraeche->KuerzE->setEnabled(true);
        E.Freigeben(E.Gespraeche->BtnAddG, true);
        ZeigerSetzen(Mehrere ? TZiehzeiger::AblegenMehrere : TZiehzeiger::Ablegen);
        return;
    }
    if (imBaum) {
        if (E.Kinder->Knoten().isValid()) Waehlen({});
        E.Gespraeche->LbKind->setText(QStringLiteral("WEN?"));
        ZeigerSetzen(Mehrere ? TZiehzeiger::NichtAblegenMehrere : TZiehzeiger::NichtAblegen);
    } else {
        ZeigerSetzen(Mehrere ? TZiehzeiger::LehrerMehrere : TZiehzeiger::Lehrer);
    }
    E.Gespraeche->KuerzE->setEnabled(false);
    E.Freigeben(E.Gespraeche->BtnAddG, false);
}

void TZiehen::LehrerAblegen(const QPoint& global) {
    LehrerZiehen(global);
    if (Art == TArt::Keine) return;
    Beenden();
    if (UeberKnoten) {
        G.BtnAddGClick();
    } else {
        Waehlen(Knoten(Vorher));
        E.KuerzEChange();
    }
}

void TZiehen::GespraechZiehenBeginnen() {
    Beginnen(TArt::Gespraech);
    ZeigerSetzen(TZiehzeiger::NichtAblegen);
    E.Gespraeche->LblHinzufuegen->hide();
    E.Gespraeche->KuerzE->clear();
    Ablage = TAblage::Nicht;
    Ziel = {};
}

void TZiehen::GespraechZiehen(const QPoint& global) {
    if (!Ueber(&Fenster, global)) {
        Abbrechen();
        return;
    }
    Ablage = TAblage::Nicht;
    Ziel = {};
    TZiehzeiger zeiger = TZiehzeiger::NichtAblegen;
    QString text = Lehrername() + QStringLiteral(" verschieben ...");
    // Where the request cannot go, or would be deleted, its own node is the selected one.
    const QModelIndex gezogen = Knoten(Gespraech);
    QModelIndex auswahl = gezogen;
    if (Ueber(E.Kinder->TVKinder, global)) {
        const QModelIndex knoten = KnotenUnter(global);
        // Nothing can go before the first child.
        if (knoten.isValid() && knoten != gezogen && knoten != E.Kinder->Modell->index(0, 0)) {
            Ziel = auswahl = knoten;
            Ablage = TAblage::Verschieben;
            NachOben = global.y() < Druckpunkt->y();
            zeiger = NachOben ? TZiehzeiger::NachOben : TZiehzeiger::NachUnten;
        }
    } else if (Ueber(E.Lehrer->LVLehrer, global) || Ueber(E.Gespraeche->SpBLoeG, global)) {
        Ablage = TAblage::Loeschen;
        zeiger = TZiehzeiger::Loeschen;
        text = Lehrername() + QString::fromUtf8(" löschen ...");
    }
    if (E.Kinder->Knoten() != auswahl) Waehlen(auswahl);
    ZeigerSetzen(zeiger);
    E.Gespraeche->LblKuerzel->setText(text);
}

void TZiehen::GespraechAblegen(const QPoint& global) {
    GespraechZiehen(global);
    if (Art == TArt::Keine) return;
    Beenden();
    switch (Ablage) {
    case TAblage::Verschieben:
        GespraechVersetzen();
        break;
    case TAblage::Loeschen:
        Waehlen(Knoten(Gespraech));
        G.SpBLoeGClick();
        break;
    case TAblage::Nicht:
        Waehlen(Knoten(Gespraech));
        break;
    }
    Gespraech = nullptr;
}

// Onto a request: to its place. Onto a child node: to the end of the child above it when the mouse
// moved up, to the start of that child when it moved down.
void TZiehen::GespraechVersetzen() {
    TKind* kind = nullptr;
    int index = 0;
    const TKinderModell& baum = *E.Kinder->Modell;
    if (TGespraech* g = baum.Gespraech(Ziel)) {
        kind = g->Kind;
        index = Ziel.row();
    } else if (NachOben) {
        kind = baum.Kind(baum.index(Ziel.row() - 1, 0));
        index = kind ? static_cast<int>(kind->Gespraeche.size()) : 0;
    } else {
        kind = baum.Kind(Ziel);
    }
    if (!kind) return;
    const TBefehlsWache wache(Dokument);
    GespraechVerschieben(*Dokument.Projekt(), Gespraech, kind, index);
    Dokument.Melden(TAenderung::Gespraeche);
    Waehlen(Knoten(Gespraech));
}
