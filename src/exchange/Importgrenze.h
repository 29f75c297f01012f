#pragma once

#include "Textimport.h"

#include <QString>

// Why the records cannot be imported: the first assigned field that a project file could not hold, as
// a German message that quotes its beginning; empty when everything fits. Checked before the import
// changes anything, since a project holding such a text could no longer be saved.
QString ZuLangesFeld(const TTextimport& datei, const TFeldzuordnung& zuordnung, bool lehrer);

extern const char* const ZuLangTitel;
