#pragma once

#include <QAbstractItemModel>
#include <QSet>
#include <functional>

class TEltern;
class TGespraech;
class TKind;

// The children of one family, each with its conversation requests below it. The family comes from a
// function and every row is read from it when asked for, so no row outlives its record; the model is
// reset whenever the family or its records change.
class TKinderModell : public QAbstractItemModel {
    Q_OBJECT
public:
    // A child's row or a request's row.
    static constexpr int RolleArt = Qt::UserRole;
    // The row's record as a number, for finding it again after a reset; only compared.
    static constexpr int RolleDaten = Qt::UserRole + 1;
    enum TArt { ArtKind = 1, ArtGespraech = 2 };

    TKinderModell(std::function<const TEltern*()> familie, QObject* eltern);

    // Shows the family's records as they are now; Leeren shows nothing until the next Zeigen.
    void Zeigen();
    void Leeren();
    // The view unfolded or folded a child's requests, which its picture shows.
    void Aufgeklappt(const QModelIndex& kind, bool offen);

    TKind* Kind(const QModelIndex& index) const;
    TGespraech* Gespraech(const QModelIndex& index) const;
    QModelIndex KindIndex(const TKind* kind) const;
    // The row whose record has this number, or an invalid index.
    QModelIndex Suchen(quintptr daten) const;

    QModelIndex index(int zeile, int spalte, const QModelIndex& eltern = {}) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;

private:
    const TEltern* Familie() const;

    std::function<const TEltern*()> FamilieHolen;
    bool Leer = true;
    QSet<int> Offen; // rows of the unfolded children
};

// The text of a request row: its position from 1, the teacher's full name and Kürzel.
QString GespraechText(int position, const TGespraech& g);
