// What a change of the program options means for the window.
#include "MainForm.h"

#include "app/Sicherungsdateien.h"

#include <QTimer>

void TVELWnd::ProgrammwerteUebernehmen(const TProgrammwerte& vorher, bool sicherungGeaendert) {
    Projektpfad = Programmwerte.ProjektPfad;
    if (!sicherungGeaendert) return;
    if (!Programmwerte.AutoSpeichern) {
        Timer1->stop();
        Dokument.SicherungAbbestellen();
        SicherungenLoeschen(TempOrdner);
    } else {
        Timer1Setzen();
        // A backup that was due under the old interval is written when the command ends.
        if (Programmwerte.AutoSpeichZeit != vorher.AutoSpeichZeit) Dokument.SicherungAnfordern();
    }
    DatumAnzeigen();
}
