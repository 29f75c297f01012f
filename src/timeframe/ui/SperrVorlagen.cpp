// The commands that edit a template of blocked times: the standard of new persons, and the blocking
// and freeing for everybody at once.
#include "GlobSperr.h"
#include "SperrBefehle.h"
#include "ZeitenDlg.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "ui/Hilfekontext.h"

#include <algorithm>

void TSperrBefehle::ZDefault1Click() {
    StandardsperreFestlegen();
}

bool TSperrBefehle::StandardsperreFestlegen() {
    TProjekt* p = Projekt();
    if (!p) return false;
    TZeitenSperrDlg dlg(*p, U.Meldungen, U.Programmwerte, U.Speicher, U.Fenster);
    dlg.Vorlage = p->Standardsperre;
    dlg.setWindowTitle(QStringLiteral("Standardvorgabe für gesperrte Zeiten bei Eltern & Lehrern"));
    if (dlg.exec() != QDialog::Accepted) return false;
    const TBefehlsWache wache(U.Dokument);
    p->Standardsperre = dlg.Vorlage;
    p->NotizHaken[Notizhaken::Standardsperre] = true;
    // The template is saved with the project; a changed one must not be lost on closing.
    U.Dokument.Melden(TAenderung::Zeiten);
    return true;
}

void TSperrBefehle::ZeitGlob1Click() {
    TProjekt* p = Projekt();
    if (!p) return;
    const TBefehlsWache wache(U.Dokument);
    TGlobSperrF glob(p->Lehrerliste.Leer(), p->Elternliste.Leer(), U.Meldungen, U.Hilfe, U.Fenster);
    while (glob.exec() == QDialog::Accepted) {
        const TGlobalModus modus = glob.GewaehlterModus();
        TZeitenSperrDlg dlg(*p, U.Meldungen, U.Programmwerte, U.Speicher, U.Fenster);
        // Freeing starts from everything blocked and blocking from everything free: the user marks
        // what is to change.
        if (modus == TGlobalModus::Setzen)
            dlg.Vorlage = p->Standardsperre;
        else
            dlg.Vorlage.fill(modus == TGlobalModus::Freigeben ? SlotGesperrt : SlotFrei);
        dlg.setWindowTitle(QStringLiteral("Zeitendialog zum globalen ") + glob.Modustext() +
                           QString::fromUtf8(" für alle ") + glob.Gruppentext());
        HilfekontextSetzen(&dlg, Hilfekontext::GlobaleSperre);
        glob.hide();
        if (dlg.exec() != QDialog::Accepted) continue;
        const TZeiten vorlage = dlg.Vorlage;
        const bool sperrt = modus != TGlobalModus::Freigeben &&
                            std::find(vorlage.begin(), vorlage.end(), SlotGesperrt) != vorlage.end();
        if (sperrt) {
            QString text =
                QString::fromUtf8("Wenn Sie OK klicken, werden alle Zeitsperrungen gemäß Auswahl geändert");
            if (p->Gespraechsliste.HatTermine())
                text +=
                    QString::fromUtf8(" und gegebenenfalls Gespräche auf 'nicht terminiert' zurückgesetzt");
            if (U.Meldungen.Meldung(text + u'!', QStringLiteral("HINWEIS:"), MeldungsArt::Warnung,
                                    Knoepfe::OKAbbrechen, Antwort::Abbrechen) != Antwort::OK)
                continue;
        }
        const uint8_t bits = GlobalSperren(*p, modus, glob.GewaehlteGruppe(), vorlage);
        ZeitaenderungAuswerten(*p, bits);
        // Steps taken back later must not bring back appointments into slots that are blocked now.
        if (bits & Zeitaenderung::TerminWeg) U.Dokument.RueckListe().Clear();
        U.Dokument.Melden(TAenderung::Zeiten | TAenderung::Plan);
        return;
    }
}
