#include "Personenmodell.h"

#include <algorithm>
#include <utility>

TPersonenModell::TPersonenModell(const QStringList& titel, TSpaltentext spaltentext, QObject* parent)
    : QAbstractTableModel(parent)
    , Titel(titel)
    , Spaltentext(std::move(spaltentext)) {}

void TPersonenModell::Fuellen(std::vector<TPerson*> personen) {
    beginResetModel();
    Personen = std::move(personen);
    endResetModel();
}

TPerson* TPersonenModell::Person(int zeile) const {
    return zeile >= 0 && zeile < rowCount() ? Personen[static_cast<size_t>(zeile)] : nullptr;
}

int TPersonenModell::Zeile(const TPerson* person) const {
    const auto gefunden = std::find(Personen.begin(), Personen.end(), person);
    return gefunden == Personen.end() ? -1 : static_cast<int>(gefunden - Personen.begin());
}

int TPersonenModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(Personen.size());
}

int TPersonenModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(Titel.size());
}

QVariant TPersonenModell::data(const QModelIndex& index, int rolle) const {
    if (rolle != Qt::DisplayRole || !index.isValid()) return {};
    const TPerson* person = Person(index.row());
    return person ? Spaltentext(*person, index.column()) : QVariant();
}

QVariant TPersonenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (rolle != Qt::DisplayRole || richtung != Qt::Horizontal || abschnitt < 0 || abschnitt >= Titel.size())
        return {};
    return Titel[abschnitt];
}
