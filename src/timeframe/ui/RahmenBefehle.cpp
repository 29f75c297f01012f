#include "RahmenBefehle.h"

#include "ZeitRahmenDlg.h"
#include "document/ProjektDokument.h"
#include "model/Projekt.h"
#include "settings/Einstellungen.h"

#include <QAction>

void TRahmenBefehle::Anschliessen(QAction* aktion, void (TRahmenBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, TRegel::Projekt);
}

void TRahmenBefehle::VorgabeMerken(const TRahmenErgebnis& ergebnis, const TProjekt& projekt) {
    if (!ergebnis.VorgabeSchreiben) return;
    Zeitabstand = static_cast<uint16_t>(ergebnis.Zeitabstand);
    RahmenVorgabeSchreiben(U.Speicher, {ergebnis.Zeitabstand, projekt.Zeittexte});
}

TRahmenErgebnis TRahmenBefehle::Ausfuehren(TZeitRahmenDlg& dialog, TProjekt& projekt,
                                           TRueckCollection& rueck) {
    TRahmenErgebnis ergebnis;
    dialog.UebernahmeSetzen([&](const TRahmenEingabe& eingabe) {
        ergebnis = RahmenUebernehmen(projekt, rueck, eingabe, U.Meldungen);
        if (ergebnis.DialogOffenLassen) {
            ergebnis = {};
            return TZeitRahmenDlg::TAntwort::OffenLassen;
        }
        return ergebnis.RahmenErgebnis ? TZeitRahmenDlg::TAntwort::Angenommen
                                       : TZeitRahmenDlg::TAntwort::Abgelehnt;
    });
    connect(&dialog, &TZeitRahmenDlg::HilfeAngefordert, this, [this] { U.Hilfe(); });
    dialog.exec();
    return ergebnis;
}

void TRahmenBefehle::ZeitRa1Click() {
    TProjekt* projekt = U.Dokument.Projekt();
    if (!projekt) return;
    // Removing slots resets the plan while the dialog is open; a backup tick meanwhile waits for the end.
    const TBefehlsWache wache(U.Dokument);
    TZeitRahmenDlg dialog(TZeitRahmenDlg::TModus::AktuellesProjekt, U.Meldungen, U.Fenster);
    dialog.RahmenSetzen(projekt->Datum, projekt->Zeittexte, Zeitabstand);
    const TRahmenErgebnis ergebnis = Ausfuehren(dialog, *projekt, U.Dokument.RueckListe());
    VorgabeMerken(ergebnis, *projekt);
    if (ergebnis.RahmenErgebnis > RahmenBestaetigt) U.Dokument.Melden(TAenderung::Rahmen | TAenderung::Plan);
    // Offered after slots were removed; available once the blocking dialog is there.
    if (ergebnis.GlobalSperrenOeffnen) Q_EMIT GlobalSperrenGewuenscht();
}

bool TRahmenBefehle::RahmenFuerNeuesProjekt(TProjekt& neu) {
    TZeitRahmenDlg dialog(TZeitRahmenDlg::TModus::NeuesProjekt, U.Meldungen, U.Fenster);
    if (const auto vorgabe = RahmenVorgabeLesen(U.Speicher))
        dialog.VorgabeSetzen(vorgabe->Abstand, vorgabe->Zeiten);
    // A project being created has no hand edits to undo yet.
    TRueckCollection keineRueckschritte;
    const TRahmenErgebnis ergebnis = Ausfuehren(dialog, neu, keineRueckschritte);
    if (ergebnis.RahmenErgebnis == 0) return false;
    VorgabeMerken(ergebnis, neu);
    return true;
}
