#include "Personenmodell.h"

#include "model/Projekt.h"

#include <QHash>
#include <algorithm>
#include <utility>

TPersonenModell::TPersonenModell(TProjektDokument& dokument, TAenderungen folgt, QStringList titel,
                                 QObject* eltern)
    : QAbstractTableModel(eltern)
    , Dokument(dokument)
    , Titel(std::move(titel)) {
    connect(&Dokument, &TProjektDokument::ProjektErsetzt, this, &TPersonenModell::Neu);
    connect(&Dokument, &TProjektDokument::Geaendert, this, [this, folgt](TAenderungen was) {
        if (was & folgt) Abgleichen();
    });
}

std::vector<TPerson*> TPersonenModell::Stand() const {
    std::vector<TPerson*> stand;
    if (const TProjekt* p = Dokument.Projekt()) {
        stand.reserve(static_cast<size_t>(Anzahl(*p)));
        for (int i = 0; i < Anzahl(*p); ++i)
            stand.push_back(Person(*p, i));
    }
    return stand;
}

void TPersonenModell::Neu() {
    beginResetModel();
    Zeilen = Stand();
    endResetModel();
}

// Removes the rows of persons that are gone, appends the new ones and moves every row to its place.
void TPersonenModell::Abgleichen() {
    const std::vector<TPerson*> neu = Stand();
    if (neu == Zeilen) {
        if (!Zeilen.empty()) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        return;
    }
    QHash<const TPerson*, int> neuePlaetze;
    neuePlaetze.reserve(static_cast<qsizetype>(neu.size()));
    for (size_t i = 0; i < neu.size(); ++i)
        neuePlaetze.insert(neu[i], static_cast<int>(i));
    Lebend = &neuePlaetze;

    for (int i = rowCount() - 1; i >= 0; --i) {
        if (neuePlaetze.contains(Zeilen[static_cast<size_t>(i)])) continue;
        int von = i;
        while (von > 0 && !neuePlaetze.contains(Zeilen[static_cast<size_t>(von - 1)]))
            --von;
        beginRemoveRows({}, von, i);
        Zeilen.erase(Zeilen.begin() + von, Zeilen.begin() + i + 1);
        endRemoveRows();
        i = von;
    }

    QHash<const TPerson*, int> altePlaetze;
    for (size_t i = 0; i < Zeilen.size(); ++i)
        altePlaetze.insert(Zeilen[i], static_cast<int>(i));
    std::vector<TPerson*> dazu;
    for (TPerson* p : neu)
        if (!altePlaetze.contains(p)) dazu.push_back(p);
    if (!dazu.empty()) {
        beginInsertRows({}, rowCount(), rowCount() + static_cast<int>(dazu.size()) - 1);
        Zeilen.insert(Zeilen.end(), dazu.begin(), dazu.end());
        endInsertRows();
    }

    if (Zeilen != neu) {
        Q_EMIT layoutAboutToBeChanged();
        const QModelIndexList alt = persistentIndexList();
        QModelIndexList verschoben;
        verschoben.reserve(alt.size());
        for (const QModelIndex& i : alt)
            verschoben.append(index(neuePlaetze.value(Zeilen[static_cast<size_t>(i.row())]), i.column()));
        Zeilen = neu;
        changePersistentIndexList(alt, verschoben);
        Q_EMIT layoutChanged();
    }
    Lebend = nullptr;
    if (!Zeilen.empty()) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

TPerson* TPersonenModell::PersonAn(int zeile) const {
    const TProjekt* p = Dokument.Projekt();
    if (!p || zeile < 0 || zeile >= rowCount()) return nullptr;
    TPerson* gezeigt = Zeilen[static_cast<size_t>(zeile)];
    // While the rows follow a change, each shows its person as long as that person lives.
    if (Lebend) return Lebend->contains(gezeigt) ? gezeigt : nullptr;
    // Between an operation and its report the rows may not match the project; such a row has no person.
    if (zeile >= Anzahl(*p)) return nullptr;
    TPerson* person = Person(*p, zeile);
    return person == gezeigt ? person : nullptr;
}

int TPersonenModell::Zeile(const TPerson* person) const {
    if (!person) return -1;
    const auto gefunden = std::find(Zeilen.begin(), Zeilen.end(), person);
    return gefunden == Zeilen.end() ? -1 : static_cast<int>(gefunden - Zeilen.begin());
}

int TPersonenModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(Zeilen.size());
}

int TPersonenModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(Titel.size());
}

QVariant TPersonenModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || (rolle != Qt::DisplayRole && rolle != RollePerson)) return {};
    const TPerson* person = PersonAn(index.row());
    if (!person) return {};
    if (rolle == RollePerson) return QVariant::fromValue(reinterpret_cast<quintptr>(person));
    return Text(*person, index.column());
}

QVariant TPersonenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (rolle != Qt::DisplayRole || richtung != Qt::Horizontal || abschnitt < 0 || abschnitt >= Titel.size())
        return {};
    return Titel[abschnitt];
}

TElternModell::TElternModell(TProjektDokument& dokument, QObject* eltern)
    : TPersonenModell(dokument, TAenderung::Familien | TAenderung::Kinder | TAenderung::Einstellungen,
                      {QStringLiteral("Anrede"), QStringLiteral("Elternname")}, eltern) {}

TEltern* TElternModell::Familie(int zeile) const {
    return static_cast<TEltern*>(PersonAn(zeile));
}

int TElternModell::Anzahl(const TProjekt& projekt) const {
    return projekt.Elternliste.Count();
}

TPerson* TElternModell::Person(const TProjekt& projekt, int zeile) const {
    return projekt.Elternliste[zeile];
}

QString TElternModell::Text(const TPerson& person, int spalte) const {
    return spalte == 0 ? person.Anrede : person.VollName();
}

TLehrerModell::TLehrerModell(TProjektDokument& dokument, QObject* eltern)
    : TPersonenModell(dokument, TAenderung::Lehrer | TAenderung::Einstellungen,
                      {QString::fromUtf8("Kürzel"), QStringLiteral("Anrede"), QStringLiteral("Name")},
                      eltern) {}

TLehrer* TLehrerModell::Lehrer(int zeile) const {
    return static_cast<TLehrer*>(PersonAn(zeile));
}

int TLehrerModell::Anzahl(const TProjekt& projekt) const {
    return projekt.Lehrerliste.Count();
}

TPerson* TLehrerModell::Person(const TProjekt& projekt, int zeile) const {
    return projekt.Lehrerliste[zeile];
}

QString TLehrerModell::Text(const TPerson& person, int spalte) const {
    const auto& l = static_cast<const TLehrer&>(person);
    if (spalte == 0) return l.Kuerzel;
    if (spalte == 1) return l.Anrede;
    QString name;
    for (const QString& teil : {l.AkadTitel, l.Zusatz})
        if (!teil.isEmpty()) name += teil + u' ';
    return name + l.Name;
}
