#pragma once

class QAbstractItemView;
class QFontMetrics;

// The height of a list row whose text is centred in it: enough for the dots of capital umlauts, which
// in some fonts reach above the ascent that the standard row height allows for ("MÜ" showed as "MU").
int Zeilenhoehe(const QFontMetrics& schrift);

// Gives the rows of a list that height at least.
void UmlautZeilen(QAbstractItemView* liste);
