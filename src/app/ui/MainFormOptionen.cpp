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
        Speicher, Programmwerte, Projekt.get(), modus, Meldungen,
        [this](const QString&, const QString& prompt, const QString& ordner) {
            return Dateiwahl.OrdnerWaehlen(prompt, ordner);
        },
        this);
    connect(&dialog, &TOptDlg::HilfeAngefordert, this, &TVELWnd::Inhalt1Click);
    const bool angenommen = dialog.exec() == QDialog::Accepted;
    if (dialog.ProjektGeaendert) {
        if (Projekt) Projekt->TermineBerechnet = false;
        Geaendert = SicherungFaellig = true;
    }
    if (sicherungGeaendert) *sicherungGeaendert = dialog.SicherungGeaendert;
    return angenommen;
}

void TVELWnd::OptionenZeigen(bool terminberechnung) {
    const TProgrammwerte vorher = Programmwerte;
    bool sicherungGeaendert = false;
    OptionenAusfuehren(terminberechnung ? TOptDlg::Modus::Terminberechnung : TOptDlg::Modus::Programm,
                       &sicherungGeaendert);

    Projektpfad = Programmwerte.ProjektPfad;
    if (Programmwerte.LatKlBez != vorher.LatKlBez) {
        ElternlisteFuellen(AktuelleFamilie);
        LehrerlisteFuellen();
    }
    if (!sicherungGeaendert) {
        AutoSicherung();
        return;
    }
    if (Programmwerte.AutoSpeichZeit != vorher.AutoSpeichZeit) {
        Timer1Setzen();
        if (SicherungFaellig) SicherungAnstehend = true;
    }
    if (!Programmwerte.AutoSpeichern) {
        Timer1->stop();
        SicherungAnstehend = false;
        SicherungenLoeschen(TempOrdner);
    } else if (!vorher.AutoSpeichern) {
        Timer1Setzen();
    } else {
        // Still on with a new interval: a backup that was due is written now.
        AutoSicherung();
        return;
    }
    DatumAnzeigen();
}
