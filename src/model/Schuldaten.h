#pragma once

#include <QString>

// The school whose conference days are planned; one per installation, printed in every page head.
struct TSchuldaten {
    QString Name;
    QString Strasse;
    QString Ort;
    QString Telefon;
    QString Fax;
    bool operator==(const TSchuldaten&) const = default;
};
