#pragma once

#include "document/ProjektDokument.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <vector>

class TEltern;
class TLehrer;
class TPerson;
class TProjekt;

// The rows of a person list over the document's project: one person per row, in the project's order.
// Rows are read from the project whenever they are asked for, so no row outlives its person; when the
// document reports a change of the list, rows are removed, inserted and moved so that selections stay
// on their person.
class TPersonenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    // The row's person as a number, for comparing with a person the caller knows.
    static constexpr int RollePerson = Qt::UserRole;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

    // The person of a row of this model, or null.
    TPerson* PersonAn(int zeile) const;
    int Zeile(const TPerson* person) const;

protected:
    TPersonenModell(TProjektDokument& dokument, TAenderungen folgt, QStringList titel, QObject* eltern);

    virtual int Anzahl(const TProjekt& projekt) const = 0;
    virtual TPerson* Person(const TProjekt& projekt, int zeile) const = 0;
    virtual QString Text(const TPerson& person, int spalte) const = 0;

private:
    void Neu();
    void Abgleichen();
    std::vector<TPerson*> Stand() const;

    TProjektDokument& Dokument;
    QStringList Titel;
    // Which person each row showed at the last change; only compared, never followed.
    std::vector<TPerson*> Zeilen;
    // The persons of the project while the rows follow a change, else null.
    const QHash<const TPerson*, int>* Lebend = nullptr;
};

class TElternModell : public TPersonenModell {
public:
    TElternModell(TProjektDokument& dokument, QObject* eltern);
    TEltern* Familie(int zeile) const;

protected:
    int Anzahl(const TProjekt& projekt) const override;
    TPerson* Person(const TProjekt& projekt, int zeile) const override;
    QString Text(const TPerson& person, int spalte) const override;
};

class TLehrerModell : public TPersonenModell {
public:
    TLehrerModell(TProjektDokument& dokument, QObject* eltern);
    TLehrer* Lehrer(int zeile) const;

protected:
    int Anzahl(const TProjekt& projekt) const override;
    TPerson* Person(const TProjekt& projekt, int zeile) const override;
    QString Text(const TPerson& person, int spalte) const override;
};
