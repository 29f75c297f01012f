#include "Familienfilter.h"

#include "Personenmodell.h"
#include "model/Projekt.h"

#include <algorithm>

TFamilienFilter::TFamilienFilter(TElternModell* familien, QObject* eltern)
    : QSortFilterProxyModel(eltern)
    , Familien(familien) {
    setSourceModel(familien);
}

void TFamilienFilter::Setzen(const QString& suche, const std::optional<QString>& klasse) {
    if (suche == Suche && klasse == Klasse) return;
    Suche = suche;
    Klasse = klasse;
    invalidateRowsFilter();
}

bool TFamilienFilter::filterAcceptsRow(int zeile, const QModelIndex&) const {
    const TEltern* e = Familien->Familie(zeile);
    if (!e) return false;
    if (!Suche.isEmpty() && !e->Name.startsWith(Suche, Qt::CaseInsensitive)) return false;
    return !Klasse || std::any_of(e->Kinder.begin(), e->Kinder.end(),
                                  [this](const auto& k) { return k->Klasse == *Klasse; });
}
