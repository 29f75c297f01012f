#pragma once

#include "FensterTest.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QModelIndex>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

class QComboBox;
class QMenu;

// Helpers of the tests that enter data through the main window.

using TSchritt = std::function<void(QDialog&)>;

// Works the modal dialogs that open one after another, one step each; a dialog nobody expected, or one
// still open a few seconds after its step, is cancelled and counted, so a wrong script fails instead of
// hanging.
class TDialogFolge : public QObject {
public:
    explicit TDialogFolge(QList<TSchritt> schritte);
    qsizetype Offen() const { return Schritte.size(); }
    int Unerwartet = 0;

private:
    void Pruefen();
    QTimer Takt;
    QElapsedTimer Seit;
    QList<TSchritt> Schritte;
    QPointer<QDialog> Bearbeitet;
};

// The dialog as the one a step expects; another one ends the test.
template <class D> D& Als(QDialog& d) {
    auto* dlg = qobject_cast<D*>(&d);
    if (!dlg) qFatal("unexpected dialog %s", qPrintable(d.windowTitle()));
    return *dlg;
}

// The dialog's focus widget, or the dialog.
QWidget* Fokus(QDialog& d);
// Types any text, umlauts and letters of other alphabets too.
void Tippen(QWidget* ziel, const QString& text);
// Types into the dialog's focus and ends each part with Enter.
TSchritt Eingaben(const QStringList& teile);
TSchritt Abbrechen();

// The main window's focus: the offscreen platform does not hand activation back to the window after a
// modal dialog, so the application-wide focus widget can be empty.
QWidget* Fokusfeld();
void Taste(Qt::Key taste, Qt::KeyboardModifiers mit = Qt::NoModifier);

// A one-day frame with three teachers (AB, cd, EF) and no families.
std::unique_ptr<TProjekt> LeeresProjekt();
// KleinesProjekt with every request booked, one slot after the other.
std::unique_ptr<TProjekt> GebuchtesProjekt();

// The child's requests as Kürzel followed by Rang.
QStringList Kuerzelfolge(const TKind& k);
void FamilieWaehlen(TVELWnd& f, int nummer);
// Selects the teachers one after the other, in the order given.
void LehrerWaehlen(TVELWnd& f, const QStringList& kuerzel);
// The tree node whose text begins so.
QModelIndex Knoten(TVELWnd& f, const QString& anfang);
// The family names of the list's rows.
QStringList Zeilen(const TVELWnd& f);
QStringList Eintraege(const QComboBox* box);
// The context menu as it shows itself.
void MenueZeigen(QMenu* menue);
bool SlotsFrei(const TPerson& person);
