#include "Kindermodell.h"

#include "model/TypFunc.h"
#include "ui/Symbole.h"

#include <QPixmap>
#include <utility>

QString GespraechText(int position, const TGespraech& g) {
    const QString lehrer = g.Lehrer ? g.Lehrer->Anschrift(false) : QString();
    const QString kuerzel = g.Lehrer ? g.Lehrer->Kuerzel : QString();
    return QStringLiteral("%1. %2 (%3)").arg(position).arg(lehrer, kuerzel);
}

TKinderModell::TKinderModell(std::function<const TEltern*()> familie, QObject* eltern)
    : QAbstractItemModel(eltern)
    , FamilieHolen(std::move(familie)) {}

const TEltern* TKinderModell::Familie() const {
    return Leer ? nullptr : FamilieHolen();
}

void TKinderModell::Zeigen() {
    beginResetModel();
    Leer = false;
    Offen.clear();
    endResetModel();
}

void TKinderModell::Leeren() {
    beginResetModel();
    Leer = true;
    Offen.clear();
    endResetModel();
}

void TKinderModell::Aufgeklappt(const QModelIndex& kind, bool offen) {
    if (!kind.isValid() || kind.internalId() != 0) return;
    if (offen)
        Offen.insert(kind.row());
    else
        Offen.remove(kind.row());
    Q_EMIT dataChanged(kind, kind, {Qt::DecorationRole});
}

// Top-level rows carry 0, request rows their child's row + 1.
QModelIndex TKinderModell::index(int zeile, int spalte, const QModelIndex& eltern) const {
    if (!hasIndex(zeile, spalte, eltern)) return {};
    return createIndex(zeile, spalte, eltern.isValid() ? quintptr(eltern.row() + 1) : quintptr(0));
}

QModelIndex TKinderModell::parent(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() == 0) return {};
    return createIndex(static_cast<int>(index.internalId() - 1), 0, quintptr(0));
}

int TKinderModell::rowCount(const QModelIndex& eltern) const {
    const TEltern* e = Familie();
    if (!e) return 0;
    if (!eltern.isValid()) return e->Kinder.Count();
    if (eltern.internalId() != 0 || eltern.column() != 0 || eltern.row() >= e->Kinder.Count()) return 0;
    return static_cast<int>(e->Kinder[eltern.row()]->Gespraeche.size());
}

int TKinderModell::columnCount(const QModelIndex&) const {
    return 1;
}

TKind* TKinderModell::Kind(const QModelIndex& index) const {
    const TEltern* e = Familie();
    if (!e || !index.isValid()) return nullptr;
    const int zeile = index.internalId() == 0 ? index.row() : static_cast<int>(index.internalId() - 1);
    return zeile < e->Kinder.Count() ? e->Kinder[zeile] : nullptr;
}

TGespraech* TKinderModell::Gespraech(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() == 0) return nullptr;
    const TKind* k = Kind(index);
    return k && index.row() < static_cast<int>(k->Gespraeche.size())
               ? k->Gespraeche[static_cast<size_t>(index.row())]
               : nullptr;
}

QModelIndex TKinderModell::KindIndex(const TKind* kind) const {
    const TEltern* e = Familie();
    const int zeile = e && kind ? e->Kinder.IndexOf(kind) : -1;
    return zeile >= 0 ? index(zeile, 0) : QModelIndex();
}

QModelIndex TKinderModell::Suchen(quintptr daten) const {
    const TEltern* e = Familie();
    if (!e || !daten) return {};
    for (int i = 0; i < e->Kinder.Count(); ++i) {
        const TKind* k = e->Kinder[i];
        if (reinterpret_cast<quintptr>(k) == daten) return index(i, 0);
        for (size_t j = 0; j < k->Gespraeche.size(); ++j)
            if (reinterpret_cast<quintptr>(k->Gespraeche[j]) == daten)
                return index(static_cast<int>(j), 0, index(i, 0));
    }
    return {};
}

QVariant TKinderModell::data(const QModelIndex& index, int rolle) const {
    const TKind* k = Kind(index);
    if (!k) return {};
    const TGespraech* g = Gespraech(index);
    if (index.internalId() != 0 && !g) return {};
    switch (rolle) {
    case Qt::DisplayRole:
        return g ? GespraechText(index.row() + 1, *g) : k->KindNameMitKlasse();
    case Qt::DecorationRole:
        return ListenBild(g ? (g->KindKommtMit() ? 15 : 2) : (Offen.contains(index.row()) ? 1 : 4));
    case RolleArt:
        return g ? ArtGespraech : ArtKind;
    case RolleDaten:
        return QVariant::fromValue(g ? reinterpret_cast<quintptr>(g) : reinterpret_cast<quintptr>(k));
    default:
        return {};
    }
}
