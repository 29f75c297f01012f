#pragma once

#include "model/Textgrenze.h"

#include <QList>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Lets the fields take only what the project file can store: as the user types or pastes, a letter
// outside its code page becomes its base letter and any other such character "?", so the field shows
// at once what will be saved. The first replacement in the window is explained once, in a balloon at
// the field that lets the typing go on; search boxes fold silently. A text longer than laenge is cut
// there, which is told every time.
enum class TSpeicherhinweis { Zeigen, Still };
void NurSpeicherbar(QWidget* fenster, const QList<QLineEdit*>& felder,
                    TSpeicherhinweis hinweis = TSpeicherhinweis::Zeigen, qsizetype laenge = MaxTextLaenge);

// The same for a text of several lines, whose line breaks take two bytes each in the files.
void NurSpeicherbar(QPlainTextEdit* feld, qsizetype laenge = MaxTextLaenge);
