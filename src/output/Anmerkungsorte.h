#pragma once

#include <QString>
#include <vector>

class TPerson;
class TProjekt;

// The annotations of one conversation list in the order they stand above and below it: the general
// text of the list's kind and the person's own, placed by the layout's position code.
struct TAnmerkungsorte {
    std::vector<QString> Oben;
    std::vector<QString> Unten;
};

TAnmerkungsorte AnmerkungenVerteilen(const TProjekt& projekt, const TPerson& person, bool fuerEltern);
