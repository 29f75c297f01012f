#pragma once

#include "model/Textgrenze.h"

#include <QList>

class QLineEdit;
class QPlainTextEdit;
class QWidget;
class TMeldung;

// Lets the fields take only what the project file can store: as the user types or pastes, a letter
// outside its code page becomes its base letter and any other such character "?", so the field shows
// at once what will be saved. The first replacement in the window is explained once; without a
// message interface the fields fold silently (search boxes). A text longer than laenge is cut there,
// which is told every time.
void NurSpeicherbar(QWidget* fenster, TMeldung* meldung, const QList<QLineEdit*>& felder,
                    qsizetype laenge = MaxTextLaenge);

// The same for a text of several lines, whose line breaks take two bytes each in the files.
void NurSpeicherbar(QWidget* fenster, TMeldung* meldung, QPlainTextEdit* feld,
                    qsizetype laenge = MaxTextLaenge);
