#pragma once

#include "model/Projekt.h"

#include <QDate>
#include <initializer_list>
#include <memory>

// Sets up a project for a test in a few lines:
//   TProjektBauer b; b.Rahmen(1, 12);
//   auto* anna = b.Kind("Maier", "Anna", "5a");
//   b.Wunsch(anna, "MUE", 3);
class TProjektBauer {
    std::unique_ptr<TProjekt> Eigen = std::make_unique<TProjekt>();

public:
    TProjekt& p = *Eigen;

    // Hands the project over, to a document for instance; the builder is done with it then.
    std::unique_ptr<TProjekt> Abgeben() { return std::move(Eigen); }

    // Days of slots every `abstand` minutes from `start`; the dates are 01.03.27 and the next day.
    TProjektBauer& Rahmen(int tage, int slotsProTag, int startMinuten = 14 * 60, int abstand = 10);
    TProjektBauer& Bloecke(int lehrer, int eltern);
    TLehrer* Lehrer(const QString& kuerzel, const QString& name = {});
    TEltern* Familie(const QString& name);
    // The child of the named family; the family is created when it does not exist yet.
    TKind* Kind(const QString& familie, const QString& vorname, const QString& klasse = {});
    // A request of the child's family with the teacher (created when unknown), booked at slot when given.
    TGespraech* Wunsch(TKind* kind, const QString& kuerzel, int slot = -1, bool genagelt = false);
    void Buchen(TGespraech* g, int slot, bool genagelt = false);
    void Sperren(TPerson* person, std::initializer_list<int> slots);
};
