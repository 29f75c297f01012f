#include "Programmversion.h"

QString Programmversion() {
    return QStringLiteral(VEL_VERSION);
}
