#pragma once

#include <QCursor>

// The magnifier pointer of a page that zooms on a click: with a plus to enlarge, with a minus where the
// next click returns to the whole page.
QCursor Lupenzeiger(bool vergroessern);
