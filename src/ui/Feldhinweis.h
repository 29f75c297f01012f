#pragma once

#include <QString>

class QWidget;

// Tells the user something about a field without interrupting the typing: a balloon next to the field
// that takes no focus and no key, stays long enough to read the text and goes when clicked or when the
// window hides. Line breaks may be written "\r", as in the message boxes.
void FeldhinweisZeigen(QWidget* feld, const QString& text);

// The text of the balloon the window shows now; empty when it shows none.
QString Feldhinweis(const QWidget* fenster);
