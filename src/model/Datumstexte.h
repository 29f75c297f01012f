#pragma once

#include <QDate>
#include <QString>

// Dates are stored as day counts from 30.12.1899 (0 = no date). Texts are German whatever the
// machine's locale, with "." between date parts and ":" between hours and minutes.
QDate DatumAusWert(double wert);
double WertAusDatum(const QDate& datum);

QString DatumKurz(const QDate& datum);     // "dd.mm.yy"
QString DatumTagMonat(const QDate& datum); // "dd.mm."
QString DatumLang(const QDate& datum);     // "Donnerstag, 10. Dezember 2026"
QString Wochentag(const QDate& datum);     // "Donnerstag"
QString UhrzeitText(int minuten);          // "hh:nn" of the minutes since midnight
