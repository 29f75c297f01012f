#pragma once

#include <QString>

class QFontMetrics;
class QWidget;

// Keeps windows and the texts they show within the screen.

// The widest a line of text in a dialog may be, so that the dialog with its margins and frame fits
// the screen.
int Zeilenbreite(const QWidget* fenster);

// The text as a window can show it in lines of at most breite pixels, with room for at most zeilen
// lines: a word wider than a line (which a label cannot wrap) and a text that needs more lines are cut
// with "…". Works on a few screens' worth of a huge text only, so that it stays fast.
QString Anzeigetext(const QString& text, const QFontMetrics& schrift, int breite, int zeilen);

// One line of text no wider than a dialog's line may be, cut with "…" (for buttons and other controls
// that cannot wrap).
QString Einzeilig(const QString& text, const QFontMetrics& schrift, int breite);

// No larger than the free area of its screen, and moved into it with its frame where it stuck out (a
// window not placed yet is left to be placed when it is shown).
void InBildschirm(QWidget* fenster);
