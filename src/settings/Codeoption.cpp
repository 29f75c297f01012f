#include "Codeoption.h"

#include "UReg.h"

namespace {

const QString Optionen = QStringLiteral("Optionen");
const QString Wert = QStringLiteral("TermineAlsQRCode");

} // namespace

bool TerminecodeLesen(const TEinstellungsSpeicher& speicher) {
    return speicher.SchluesselLesen(Optionen).SchalterLesen(Wert, false);
}

void TerminecodeSchreiben(TEinstellungsSpeicher& speicher, bool drucken) {
    speicher.SchluesselSchreiben(Optionen).SchalterSchreiben(Wert, drucken);
}
