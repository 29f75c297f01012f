// "&Zeitrahmen": the time frame of the open project.
#include "MainForm.h"

#include "timeframe/ui/ZeitRahmenDlg.h"

#include <QAction>

void TVELWnd::ZeitRa1Click() {
    if (!Projekt) return;
    // Removing slots resets the plan inside the dialog; a backup tick meanwhile waits for the end.
    const TBefehlsWache wache(Dokument);
    TZeitRahmenDlg dialog(*Projekt, TZeitRahmenDlg::TModus::AktuellesProjekt, Zeitabstand, Meldungen, this);
    connect(&dialog, &TZeitRahmenDlg::HilfeAngefordert, Hilfe, &THilfeBefehle::Inhalt1Click);
    dialog.exec();

    const TRahmenErgebnis& ergebnis = dialog.Ergebnis();
    if (ergebnis.VorgabeSchreiben) {
        Zeitabstand = static_cast<uint16_t>(ergebnis.Zeitabstand);
        RahmenVorgabeSchreiben(Speicher, {ergebnis.Zeitabstand, Projekt->Zeittexte});
    }
    if (ergebnis.RahmenErgebnis > RahmenBestaetigt) Dokument.Melden(TAenderung::Rahmen | TAenderung::Plan);
    DatumAnzeigen();
    // Offered after slots were removed; available once the blocking dialog is there.
    if (ergebnis.GlobalSperrenOeffnen) ZeitGlob1->trigger();
}
