#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Icons of the free "Tango" icon theme, read straight from its folders so that they look the same on
// every desktop and also without one. A missing theme or icon gives an empty icon.
QIcon Symbol(const QString& name);

// The small images of the person lists and the children tree, by number:
// 0 family selected, 3 family, 7 teacher, 1 child expanded, 4 child collapsed,
// 2 conversation, 15 conversation the child comes along to, 16 the clock of the time hotspots.
QPixmap ListenBild(int nummer);
