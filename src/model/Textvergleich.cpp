#include "Textvergleich.h"

#include <QCollator>
#include <QLocale>

namespace {

QCollator& Kollator(bool ohneGross) {
    // QCollator is not thread-safe; the program compares on the user-interface thread only.
    static QCollator mitGross = [] {
        QCollator c(QLocale(QLocale::German, QLocale::Germany));
        c.setCaseSensitivity(Qt::CaseSensitive);
        return c;
    }();
    static QCollator ohne = [] {
        QCollator c(QLocale(QLocale::German, QLocale::Germany));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return ohneGross ? ohne : mitGross;
}

} // namespace

int TextVergleich(const QString& a, const QString& b) {
    return Kollator(false).compare(a, b);
}

int TextVergleichOhneGross(const QString& a, const QString& b) {
    return Kollator(true).compare(a, b);
}
