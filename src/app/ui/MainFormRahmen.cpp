// "&Zeitrahmen": the time frame of the open project.
#include "MainForm.h"

#include "timeframe/ui/ZeitRahmenDlg.h"

#include <QAction>

void TVELWnd::ZeitRa1Click() {
    if (!Projekt) return;
    TZeitRahmenDlg dialog(*Projekt, TZeitRahmenDlg::TModus::AktuellesProjekt, Zeitabstand, Meldungen, this);
    connect(&dialog, &TZeitRahmenDlg::HilfeAngefordert, this, &TVELWnd::Inhalt1Click);
    // Removing slots resets the plan inside the dialog; a backup tick meanwhile only marks it pending.
    Beschaeftigt = true;
    dialog.exec();
    Beschaeftigt = false;

    const TRahmenErgebnis& ergebnis = dialog.Ergebnis();
    if (ergebnis.VorgabeSchreiben) {
        Zeitabstand = static_cast<uint16_t>(ergebnis.Zeitabstand);
        RahmenVorgabeSchreiben(Speicher, {ergebnis.Zeitabstand, Projekt->Zeittexte});
    }
    if (ergebnis.RahmenErgebnis > RahmenBestaetigt) {
        Geaendert = true;
        SicherungFaellig = true;
    }
    StatusAktualisieren();
    AutoSicherung();
    // Offered after slots were removed; available once the blocking dialog is there.
    if (ergebnis.GlobalSperrenOeffnen) ZeitGlob1->trigger();
}
