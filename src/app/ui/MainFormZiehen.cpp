// Dragging with the mouse: teachers from the teacher list onto a child of the tree add requests; a
// request dragged within the tree moves to another place or child, and dropped on the teacher list or
// on the delete button it is deleted.
#include "MainForm.h"

#include "KinderPanel.h"
#include "Kindermodell.h"
#include "LehrerPanel.h"
#include "model/Dateneingabe.h"
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

// The drag state of the main window and the mouse handling of the teacher list and the tree. A drag
// lasts while the left button is down, so the list where it was pressed keeps the mouse (Qt's implicit
// grab); the keyboard is held back meanwhile, so that no command can change the tree underneath it.
class TZiehen : public QObject {
public:
    explicit TZiehen(TVELWnd& fenster);
    ~TZiehen() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    enum class TArt { Keine, Lehrer, Gespraech };
    enum class TAblage { Nicht, Verschieben, Loeschen };

    bool LehrerMaus(const QMouseEvent& maus);
    bool BaumMaus(const QMouseEvent& maus);
    bool Taste(QEvent* ereignis);
    bool Weit(const QPoint& global) const;
    QModelIndex Druckzeile() const;

    void LehrerZiehenBeginnen();
    void LehrerZiehen(const QPoint& global);
    void LehrerAblegen(const QPoint& global);
    void GespraechZiehenBeginnen();
    void GespraechZiehen(const QPoint& global);
    void GespraechAblegen(const QPoint& global);
    void GespraechVersetzen();
    void Beginnen(TArt art);
    void Beenden();
    void Abbrechen();

    void ZeigerSetzen(TZiehzeiger nummer);
    QModelIndex Knoten(quintptr daten) const;
    QModelIndex Knoten(const TGespraech* g) const;
    QModelIndex KnotenUnter(const QPoint& global) const;
    void Waehlen(const QModelIndex& knoten);
    QString Lehrername() const;

    TVELWnd& F;
    // Compared only: while the window is destroyed, the filter may still see events of the lists.
    const QObject* LehrerFlaeche;
    TEreignisFilter* Tastensperre;
    std::array<QCursor, 9> Zeigerbilder;

    TArt Art = TArt::Keine;
    // Where the left button went down on a teacher row or a request node, on the screen.
    std::optional<QPoint> Druckpunkt;
    // Pressed on one of several selected teachers: they stay selected for dragging them all, and a
    // click without dragging selects the one row at release.
    bool Verzoegert = false;
    // A drag was cancelled while the button is still down: the list must not select by dragging.
    bool Nachlauf = false;

    // Dragging teachers.
    bool Mehrere = false;
    bool UeberKnoten = false;
    quintptr Vorher = 0; // the record of the tree node selected before the drag

    // Dragging a request.
    TGespraech* Gespraech = nullptr;
    TAblage Ablage = TAblage::Nicht;
    QModelIndex Ziel;
    bool NachOben = false;
};

void TVELWnd::ZiehenAnschliessen() {
    new TZiehen(*this); // owned by the window
}

TZiehen::TZiehen(TVELWnd& fenster)
    : QObject(&fenster)
    , F(fenster)
    , LehrerFlaeche(fenster.Lehrerpanel->LVLehrer->viewport())
    , Tastensperre(new TEreignisFilter(this, [this](QEvent* e) { return Taste(e); })) {
    for (int n = 0; n < static_cast<int>(Zeigerbilder.size()); ++n)
        Zeigerbilder[static_cast<size_t>(n)] =
            ZiehzeigerLaden(static_cast<TZiehzeiger>(n + static_cast<int>(TZiehzeiger::Lehrer)));
    F.Lehrerpanel->LVLehrer->viewport()->installEventFilter(this);
    F.Kinderpanel->TVKinder->viewport()->installEventFilter(this);
    // The labels a dragged request borrows must not move the tree under the mouse.
    QSizePolicy fest = F.LblHinzufuegen->sizePolicy();
    fest.setRetainSizeWhenHidden(true);
    F.LblHinzufuegen->setSizePolicy(fest);
    F.LblKuerzel->setSizePolicy(QSizePolicy::Ignored, F.LblKuerzel->sizePolicy().verticalPolicy());
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
    return Druckpunkt ? F.Lehrerpanel->LVLehrer->indexAt(
                            F.Lehrerpanel->LVLehrer->viewport()->mapFromGlobal(*Druckpunkt))
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
        const QModelIndex index = F.Lehrerpanel->LVLehrer->indexAt(maus.position().toPoint());
        if (maus.button() != Qt::LeftButton || !index.isValid() || !F.Kinderpanel->TVKinder->isEnabled())
            return false;
        Druckpunkt = global;
        const QItemSelectionModel* auswahl = F.Lehrerpanel->LVLehrer->selectionModel();
        if (maus.modifiers() != Qt::NoModifier || !auswahl->isRowSelected(index.row()) ||
            auswahl->selectedRows().size() < 2)
            return false;
        Verzoegert = true;
        F.Lehrerpanel->LVLehrer->setFocus(Qt::MouseFocusReason);
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
        if (Weit(global) && F.KuerzE->isEnabled()) {
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
            F.Lehrerpanel->LVLehrer->selectionModel()->setCurrentIndex(
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
                        ? F.Kinderpanel->Modell->Gespraech(
                              F.Kinderpanel->TVKinder->indexAt(maus.position().toPoint()))
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
    F.LblHinzufuegen->show();
    F.LblKuerzel->setText(QString::fromUtf8(KuerzelText));
}

// Esc, the right button, the mouse leaving the window or the window losing the activation.
void TZiehen::Abbrechen() {
    const TArt art = Art;
    if (art == TArt::Keine) return;
    Beenden();
    Nachlauf = QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
    if (art == TArt::Lehrer) {
        if (F.Lehrerpanel->LVLehrer->hasFocus()) {
            const QModelIndex index = Druckzeile();
            F.Lehrerpanel->LVLehrer->selectionModel()->select(index, QItemSelectionModel::Select |
                                                                         QItemSelectionModel::Rows);
            F.Lehrerpanel->LVLehrer->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        }
        Waehlen(Knoten(Vorher));
        F.KuerzEChange();
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
    return F.Kinderpanel->Modell->Suchen(daten);
}

QModelIndex TZiehen::Knoten(const TGespraech* g) const {
    return Knoten(reinterpret_cast<quintptr>(g));
}

QModelIndex TZiehen::KnotenUnter(const QPoint& global) const {
    const QWidget* flaeche = F.Kinderpanel->TVKinder->viewport();
    const QPoint p = flaeche->mapFromGlobal(global);
    return flaeche->rect().contains(p) ? F.Kinderpanel->TVKinder->indexAt(p) : QModelIndex();
}

void TZiehen::Waehlen(const QModelIndex& knoten) {
    F.Kinderpanel->Waehlen(knoten);
}

QString TZiehen::Lehrername() const {
    return Gespraech && Gespraech->Lehrer ? Gespraech->Lehrer->Anschrift(true) : QString();
}

void TZiehen::LehrerZiehenBeginnen() {
    Mehrere = F.Lehrerpanel->LVLehrer->selectionModel()->selectedRows().size() > 1;
    Beginnen(TArt::Lehrer);
    ZeigerSetzen(Mehrere ? TZiehzeiger::LehrerMehrere : TZiehzeiger::Lehrer);
    F.LblEingabetaste->clear();
    Vorher = F.Kinderpanel->Knoten().data(TKinderModell::RolleDaten).value<quintptr>();
    Waehlen({});
    F.LbKind->setText(QStringLiteral("WEN?"));
    F.Freigeben(F.BtnAddG, false);
}

void TZiehen::LehrerZiehen(const QPoint& global) {
    if (!Ueber(&F, global)) {
        Abbrechen();
        return;
    }
    const bool imBaum = Ueber(F.Kinderpanel->TVKinder, global);
    const QModelIndex knoten = imBaum ? KnotenUnter(global) : QModelIndex();
    UeberKnoten = knoten.isValid();
    if (UeberKnoten) {
        // The requests go to the child, whichever of its nodes is under the mouse.
        const QModelIndex kind = knoten.parent().isValid() ? knoten.parent() : knoten;
        if (F.Kinderpanel->Knoten() != kind) Waehlen(kind);
        F.KuerzE->setEnabled(true);
        F.Freigeben(F.BtnAddG, true);
        ZeigerSetzen(Mehrere ? TZiehzeiger::AblegenMehrere : TZiehzeiger::Ablegen);
        return;
    }
    if (imBaum) {
        if (F.Kinderpanel->Knoten().isValid()) Waehlen({});
        F.LbKind->setText(QStringLiteral("WEN?"));
        ZeigerSetzen(Mehrere ? TZiehzeiger::NichtAblegenMehrere : TZiehzeiger::NichtAblegen);
    } else {
        ZeigerSetzen(Mehrere ? TZiehzeiger::LehrerMehrere : TZiehzeiger::Lehrer);
    }
    F.KuerzE->setEnabled(false);
    F.Freigeben(F.BtnAddG, false);
}

void TZiehen::LehrerAblegen(const QPoint& global) {
    LehrerZiehen(global);
    if (Art == TArt::Keine) return;
    Beenden();
    if (UeberKnoten) {
        F.BtnAddGClick();
    } else {
        Waehlen(Knoten(Vorher));
        F.KuerzEChange();
    }
}

void TZiehen::GespraechZiehenBeginnen() {
    Beginnen(TArt::Gespraech);
    ZeigerSetzen(TZiehzeiger::NichtAblegen);
    F.LblHinzufuegen->hide();
    F.KuerzE->clear();
    Ablage = TAblage::Nicht;
    Ziel = {};
}

void TZiehen::GespraechZiehen(const QPoint& global) {
    if (!Ueber(&F, global)) {
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
    if (Ueber(F.Kinderpanel->TVKinder, global)) {
        const QModelIndex knoten = KnotenUnter(global);
        // Nothing can go before the first child.
        if (knoten.isValid() && knoten != gezogen && knoten != F.Kinderpanel->Modell->index(0, 0)) {
            Ziel = auswahl = knoten;
            Ablage = TAblage::Verschieben;
            NachOben = global.y() < Druckpunkt->y();
            zeiger = NachOben ? TZiehzeiger::NachOben : TZiehzeiger::NachUnten;
        }
    } else if (Ueber(F.Lehrerpanel->LVLehrer, global) || Ueber(F.SpBLoeG, global)) {
        Ablage = TAblage::Loeschen;
        zeiger = TZiehzeiger::Loeschen;
        text = Lehrername() + QString::fromUtf8(" löschen ...");
    }
    if (F.Kinderpanel->Knoten() != auswahl) Waehlen(auswahl);
    ZeigerSetzen(zeiger);
    F.LblKuerzel->setText(text);
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
        F.SpBLoeGClick();
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
    const TKinderModell& baum = *F.Kinderpanel->Modell;
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
    const TBefehlsWache wache(F.Dokument);
    GespraechVerschieben(*F.Projekt(), Gespraech, kind, index);
    F.Dokument.Melden(TAenderung::Gespraeche);
    Waehlen(Knoten(Gespraech));
}
