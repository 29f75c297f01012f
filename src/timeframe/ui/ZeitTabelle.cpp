#include "ZeitTabelle.h"

#include "ui/Zeilenhoehe.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

namespace {

constexpr int Spalten = 8;
constexpr int Zeilen = SlotsProTag / Spalten;

bool Erlaubt(QChar c) {
    return c.isDigit() || c == u'.' || c == u':';
}

// The cell editor takes the same characters as the table; Tab leaves the table from it as well.
class TZeitDelegate : public QStyledItemDelegate {
public:
    explicit TZeitDelegate(QTableWidget* tabelle)
        : QStyledItemDelegate(tabelle)
        , Tabelle(tabelle) {}

    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(eltern, option, index);
        if (auto* zeile = qobject_cast<QLineEdit*>(editor))
            zeile->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.:]*")), zeile));
        return editor;
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() != QEvent::KeyPress) return QStyledItemDelegate::eventFilter(objekt, ereignis);
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        auto* editor = static_cast<QWidget*>(objekt);
        // Enter ends the edit at once and stays in the table instead of reaching the dialog's OK.
        if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
            Q_EMIT commitData(editor);
            Q_EMIT closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
            return true;
        }
        if (taste->key() == Qt::Key_Tab || taste->key() == Qt::Key_Backtab) {
            Q_EMIT commitData(editor);
            Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
            QKeyEvent weiter(QEvent::KeyPress, taste->key(), taste->modifiers(), taste->text());
            QCoreApplication::sendEvent(Tabelle, &weiter);
            return true;
        }
        return QStyledItemDelegate::eventFilter(objekt, ereignis);
    }

private:
    QTableWidget* Tabelle;
};

} // namespace

TZeitTabelle::TZeitTabelle(QWidget* parent)
    : QTableWidget(Zeilen, Spalten, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setItemDelegate(new TZeitDelegate(this));
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::DoubleClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table like any other control; the arrow keys move between cells.
    setTabKeyNavigation(false);
    for (int s = 0; s < SlotsProTag; ++s) {
        auto* zelle = new QTableWidgetItem;
        zelle->setTextAlignment(Qt::AlignCenter);
        setItem(s / Spalten, s % Spalten, zelle);
    }
    const int breite = fontMetrics().horizontalAdvance(QStringLiteral("00:00")) + 16;
    const int hoehe = Zeilenhoehe(fontMetrics()) + 2;
    horizontalHeader()->setDefaultSectionSize(breite);
    verticalHeader()->setDefaultSectionSize(hoehe);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedSize(Spalten * breite + 2 * frameWidth(), Zeilen * hoehe + 2 * frameWidth());
}

TTagesZellen TZeitTabelle::Zellen() const {
    TTagesZellen zellen;
    for (int s = 0; s < SlotsProTag; ++s)
        zellen[s] = item(s / Spalten, s % Spalten)->text();
    return zellen;
}

void TZeitTabelle::ZellenSetzen(const TTagesZellen& zellen) {
    for (int s = 0; s < SlotsProTag; ++s)
        item(s / Spalten, s % Spalten)->setText(zellen[s]);
}

int TZeitTabelle::AktuellerSlot() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() * Spalten + index.column() : -1;
}

void TZeitTabelle::SlotWaehlen(int slot) {
    setCurrentCell(slot / Spalten, slot % Spalten);
}

void TZeitTabelle::EingabeUebernehmen() {
    QWidget* editor = QApplication::focusWidget();
    if (state() == QAbstractItemView::EditingState && editor && isAncestorOf(editor)) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TZeitTabelle::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape) {
        Q_EMIT EscapeGedrueckt();
        return;
    }
    const QString text = ereignis->text();
    const bool zeichen = !text.isEmpty() && text[0].isPrint() &&
                         !(ereignis->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (zeichen && !Erlaubt(text[0])) return;
    QTableWidget::keyPressEvent(ereignis);
}
