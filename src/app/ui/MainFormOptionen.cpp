// What a change of the program options means for the window.
#include "MainForm.h"

void TVELWnd::ProgrammwerteUebernehmen(const TProgrammwerte& vorher, bool sicherungGeaendert) {
    if (Programmwerte.LatKlBez != vorher.LatKlBez) {
        ElternlisteFuellen(AktuelleFamilie);
        LehrerlisteFuellen();
    }
    if (sicherungGeaendert) DatumAnzeigen();
}
