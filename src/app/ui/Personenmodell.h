#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <vector>

class TPerson;

// The rows of a person list: one person per row, the columns' texts from a function. Filling replaces
// all rows at once, which keeps thousands of families fast.
class TPersonenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    using TSpaltentext = std::function<QString(const TPerson&, int spalte)>;

    TPersonenModell(const QStringList& titel, TSpaltentext spaltentext, QObject* parent = nullptr);

    void Fuellen(std::vector<TPerson*> personen);
    TPerson* Person(int zeile) const;
    int Zeile(const TPerson* person) const;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    QStringList Titel;
    TSpaltentext Spaltentext;
    std::vector<TPerson*> Personen;
};
