#pragma once

#include <QStringList>

// One function per command; the result is the exit status.
int BefehlGenerate(const QStringList& argumente);
