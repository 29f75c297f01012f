#pragma once

#include <QString>

// The program's file version, as the splash and info windows show it.
QString Programmversion();
