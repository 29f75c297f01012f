// The program options dialog from the menus, and what its closing changes in the window.
#include "MainForm.h"

#include "Dateiwahl.h"
#include "app/Sicherungsdateien.h"
#include "settings/ui/Options.h"

#include <QTimer>

void TVELWnd::OptPrg1Click() {
    OptionenZeigen(false);
}

void TVELWnd::OptTermin1Click() {
    OptionenZeigen(true);
}

bool TVELWnd::OptionenAusfuehren(TOptDlg::Modus modus, bool* sicherungGeaendert) {
    TOptDlg dialog(
        Speicher, Programmwerte, Projekt, modus, Meldungen,
        [this](const QString&, const QString& prompt, const QString& ordner) {
            return Dateiwahl.OrdnerWaehlen(prompt, ordner);
        },
        this);
    connect(&dialog, &TOptDlg::HilfeAngefordert, this, &TVELWnd::Inhalt1Click);
    const bool angenommen = dialog.exec() == QDialog::Accepted;
    if (dialog.ProjektGeaendert && Projekt) {
        Projekt->TermineBerechnet = false;
        Dokument.Melden(TAenderung::Einstellungen);
    }
    if (sicherungGeaendert) *sicherungGeaendert = dialog.SicherungGeaendert;
    return angenommen;
}

void TVELWnd::OptionenZeigen(bool terminberechnung) {
    const TBefehlsWache wache(Dokument);
    const TProgrammwerte vorher = Programmwerte;
    bool sicherungGeaendert = false;
    OptionenAusfuehren(terminberechnung ? TOptDlg::Modus::Terminberechnung : TOptDlg::Modus::Programm,
                       &sicherungGeaendert);

    Projektpfad = Programmwerte.ProjektPfad;
    if (Programmwerte.LatKlBez != vorher.LatKlBez) {
        ElternlisteFuellen(AktuelleFamilie);
        LehrerlisteFuellen();
    }
    if (!sicherungGeaendert) return;
    if (!Programmwerte.AutoSpeichern) {
        Timer1->stop();
        Dokument.SicherungAbbestellen();
        SicherungenLoeschen(TempOrdner);
    } else {
        Timer1Setzen();
        // A backup that was due under the old interval is written when this command ends.
        if (Programmwerte.AutoSpeichZeit != vorher.AutoSpeichZeit) Dokument.SicherungAnfordern();
    }
    DatumAnzeigen();
}
