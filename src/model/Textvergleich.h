#pragma once

#include <QString>

// Locale comparisons of names and classes. The program always compares by German rules, so that
// every machine sorts a project the same way.
int TextVergleich(const QString& a, const QString& b);          // exact, case counts
int TextVergleichOhneGross(const QString& a, const QString& b); // case ignored
