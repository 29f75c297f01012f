#include "Datumstexte.h"

#include <cmath>

namespace {

const QDate Nullpunkt(1899, 12, 30);

const char* const Wochentage[7] = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                   "Freitag", "Samstag",  "Sonntag"};
const char* const Monate[12] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

QString Zweistellig(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QDate DatumAusWert(double wert) {
    return Nullpunkt.addDays(static_cast<qint64>(std::floor(wert)));
}

double WertAusDatum(const QDate& datum) {
    return datum.isValid() ? double(Nullpunkt.daysTo(datum)) : 0.0;
}

QString DatumKurz(const QDate& d) {
    return Zweistellig(d.day()) + u'.' + Zweistellig(d.month()) + u'.' + Zweistellig(d.year() % 100);
}

QString DatumTagMonat(const QDate& d) {
    return Zweistellig(d.day()) + u'.' + Zweistellig(d.month()) + u'.';
}

QString Wochentag(const QDate& d) {
    return QString::fromUtf8(Wochentage[d.dayOfWeek() - 1]);
}

QString DatumLang(const QDate& d) {
    return QStringLiteral("%1, %2. %3 %4")
        .arg(Wochentag(d))
        .arg(d.day())
        .arg(QString::fromUtf8(Monate[d.month() - 1]))
        .arg(d.year());
}

QString UhrzeitText(int minuten) {
    return Zweistellig(minuten / 60) + u':' + Zweistellig(minuten % 60);
}
