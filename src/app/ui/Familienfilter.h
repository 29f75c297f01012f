#pragma once

#include <QSortFilterProxyModel>
#include <optional>

class TElternModell;

// The families the search and the class filter leave in the list: names that begin with the search
// text, and families with a child in the chosen class.
class TFamilienFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    TFamilienFilter(TElternModell* familien, QObject* eltern);

    // No class: every family; an empty class: families with a child of unknown class.
    void Setzen(const QString& suche, const std::optional<QString>& klasse);

protected:
    bool filterAcceptsRow(int zeile, const QModelIndex& eltern) const override;

private:
    TElternModell* Familien;
    QString Suche;
    std::optional<QString> Klasse;
};
