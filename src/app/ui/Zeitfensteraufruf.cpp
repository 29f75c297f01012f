#include "Zeitfensteraufruf.h"

#include "Eingabe.h"
#include "FamilienPanel.h"
#include "GespraechPanel.h"
#include "LehrerPanel.h"
#include "Listendelegate.h"
#include "Personenmodell.h"
#include "document/ProjektDokument.h"
#include "model/Projekt.h"
#include "settings/Einstellungen.h"
#include "timeframe/ui/UZeitSplash.h"
#include "ui/Befehlsgruppe.h"
#include "ui/Eingabehilfen.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QTreeView>

namespace {

bool IstStrgZ(const QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    const auto* taste = static_cast<const QKeyEvent*>(e);
    return taste->key() == Qt::Key_Z && taste->modifiers() == Qt::ControlModifier;
}

} // namespace

TZeitfensterAufruf::TZeitfensterAufruf(const TBefehlsumgebung& u, TEingabe& eingabe, const TPerson*& person,
                                       QObject* eltern)
    : QObject(eltern)
    , Fenster(new TFZeitSplash(u.Dokument, u.Meldungen, u.Programmwerte, u.Speicher, u.Fenster))
    , Eingabe(eingabe)
    , Person(person)
    , ZeitSplash(u.Programmwerte.ZeitSplash) {
    connect(Fenster, &TFZeitSplash::Geoeffnet, this, [this] {
        Person = Fenster->Person();
        ListenNeuZeichnen();
    });
    connect(Fenster, &TFZeitSplash::Geschlossen, this, [this] {
        Person = nullptr;
        ListenNeuZeichnen();
    });
    connect(&u.Dokument, &TProjektDokument::ProjektErsetzt, Fenster, &TFZeitSplash::Verwerfen);

    QTreeView* familien = Eingabe.Familien->LVEltern;
    QTreeView* lehrer = Eingabe.Lehrer->LVLehrer;
    for (QTreeView* liste : {familien, lehrer}) {
        liste->viewport()->setMouseTracking(true);
        FilterAnbringen(liste->viewport(), [this, liste](QEvent* e) { return Mausereignis(liste, e); });
    }
    for (QWidget* feld : std::initializer_list<QWidget*>{familien, Eingabe.Gespraeche->KuerzE})
        FilterAnbringen(feld, [this](QEvent* e) {
            if (!IstStrgZ(e)) return false;
            FamilieZeigen(true);
            return true;
        });
    FilterAnbringen(lehrer, [this](QEvent* e) {
        if (!IstStrgZ(e)) return false;
        LehrerZeigen(true);
        return true;
    });
    connect(familien, &QTreeView::doubleClicked, this, [this] { FamilieZeigen(false); });
    connect(lehrer, &QTreeView::doubleClicked, this, [this] {
        if (Eingabe.BuLeh && Eingabe.BuLeh->isChecked()) LehrerZeigen(false);
    });
}

void TZeitfensterAufruf::Vorschalten(QAction* befehl) {
    connect(befehl, &QAction::triggered, Fenster, &TFZeitSplash::Schliessen);
}

void TZeitfensterAufruf::Vorschalten(QAbstractButton* knopf) {
    connect(knopf, &QAbstractButton::clicked, Fenster, &TFZeitSplash::Schliessen);
}

bool TZeitfensterAufruf::Hovermodus() const {
    return !ZeitSplash;
}

void TZeitfensterAufruf::ListenNeuZeichnen() {
    Eingabe.Familien->LVEltern->viewport()->update();
    Eingabe.Lehrer->LVLehrer->viewport()->update();
}

void TZeitfensterAufruf::FamilieZeigen(bool ausTastatur) {
    QTreeView* liste = Eingabe.Familien->LVEltern;
    const QModelIndex zeile = liste->currentIndex();
    if (zeile.isValid() && liste->selectionModel()->isRowSelected(zeile.row(), zeile.parent()))
        Zeigen(liste, zeile, ausTastatur, false);
}

void TZeitfensterAufruf::LehrerZeigen(bool ausTastatur) {
    QTreeView* liste = Eingabe.Lehrer->LVLehrer;
    const QModelIndexList auswahl = liste->selectionModel()->selectedRows();
    if (auswahl.size() == 1) Zeigen(liste, auswahl.front(), ausTastatur, false);
}

void TZeitfensterAufruf::Zeigen(QTreeView* liste, const QModelIndex& zeile, bool ausTastatur,
                                bool perHotspot) {
    auto* person = reinterpret_cast<TPerson*>(zeile.data(TPersonenModell::RollePerson).value<quintptr>());
    if (!person) return;
    liste->scrollTo(zeile);
    const QModelIndex erste = zeile.siblingAtColumn(0);
    const QModelIndex letzte = zeile.siblingAtColumn(liste->model()->columnCount() - 1);
    const QRect r = liste->visualRect(erste).united(liste->visualRect(letzte));
    const QRect global(liste->viewport()->mapToGlobal(r.topLeft()), r.size());
    const bool familie = liste == Eingabe.Familien->LVEltern;
    Fenster->Zeigen(*person, familie, global, ausTastatur);
    const bool gewaehlt = liste->selectionModel()->isRowSelected(zeile.row(), zeile.parent());
    Fenster->LblName->setStyleSheet(gewaehlt ? QStringLiteral("color: #000080;")
                                             : QStringLiteral("color: #800000;"));
    if (perHotspot && Hovermodus()) Fenster->Timer3->start();
}

QModelIndex TZeitfensterAufruf::UhrBei(QTreeView* liste, const QPoint& ort) const {
    const QModelIndex zeile = liste->indexAt(ort);
    auto* delegate = qobject_cast<TListenDelegate*>(liste->itemDelegate());
    if (!zeile.isValid() || !delegate) return {};
    const bool familie = liste == Eingabe.Familien->LVEltern;
    const QCheckBox* alle = familie ? Eingabe.Familien->ChBhotZE : Eingabe.Lehrer->ChBhotZL;
    const bool gewaehlt = liste->selectionModel()->isRowSelected(zeile.row(), zeile.parent());
    if (!gewaehlt && !alle->isChecked()) return {};
    const QModelIndex zelle = zeile.siblingAtColumn(familie ? 1 : liste->model()->columnCount() - 1);
    QStyleOptionViewItem option;
    option.rect = liste->visualRect(zelle);
    return delegate->UhrFlaeche(option, zelle).contains(ort) ? zelle : QModelIndex();
}

bool TZeitfensterAufruf::Mausereignis(QTreeView* liste, QEvent* e) {
    if (e->type() == QEvent::MouseMove && Hovermodus()) {
        const auto* maus = static_cast<QMouseEvent*>(e);
        if (maus->buttons() != Qt::NoButton) return false;
        const QModelIndex zeile = UhrBei(liste, maus->position().toPoint());
        const auto* person =
            reinterpret_cast<const TPerson*>(zeile.data(TPersonenModell::RollePerson).value<quintptr>());
        if (zeile.isValid() && !(Fenster->isVisible() && Fenster->Person() == person))
            Zeigen(liste, zeile, false, true);
        return false;
    }
    if (e->type() == QEvent::MouseButtonPress && !Hovermodus()) {
        const auto* maus = static_cast<QMouseEvent*>(e);
        if (maus->button() != Qt::LeftButton || maus->modifiers() != Qt::NoModifier) return false;
        const QPersistentModelIndex zeile = UhrBei(liste, maus->position().toPoint());
        // The list selects the row first; the window opens once the click is done.
        if (zeile.isValid())
            QTimer::singleShot(0, this, [this, liste, zeile] {
                if (zeile.isValid()) Zeigen(liste, zeile, false, true);
            });
    }
    return false;
}
