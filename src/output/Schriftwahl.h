#pragma once

#include <QString>
#include <QStringList>

// Which list a font is chosen for: the conversation lists allow narrower faces than the other lists.
enum class TSchriftzweck { Gespraechslisten, SonstigeListen };

// The machine's scalable font families for the font lists of the layout dialogs, sorted by name. With
// sinnvoll, only faces fit for a list: proportional, of normal weight in upright style, for Latin text
// and no symbol faces. "Times New Roman" and "Arial" stand in place of the faces the machine draws them
// with, so that a list chosen here keeps its name and measures as on the school's machines.
QStringList Schriftfamilien(TSchriftzweck zweck, bool sinnvoll);

// The family the machine draws a font name with.
QString Schriftersatz(const QString& name);

// The font of a project's lists as the lists show it: a stored name the machine does not know is kept
// in front of the others, so that opening the list does not change it.
QStringList SchriftfamilienMit(const QStringList& familien, const QString& gewaehlt);
