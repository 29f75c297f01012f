#pragma once

#include "FensterTest.h"
#include "common/Dialogfolge.h"

#include <QModelIndex>
#include <QStringList>
#include <memory>

class QComboBox;
class QMenu;
class QTreeWidget;

// Helpers of the tests that enter data through the main window.

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
// The texts of a table of the editing board that do not show whole in its day and time columns.
QStringList BrettAbgeschnitten(const QTreeWidget* tabelle);
