#include "TerminBefehle.h"

#include "document/ProjektDokument.h"
#include "editing/Handbearbeitung.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "scheduler/Lauf.h"
#include "scheduler/ui/Status.h"
#include "scheduler/ui/Verbesserungsfenster.h"
#include "ui/Dateiwahl.h"

#include <QAction>

void TTerminBefehle::Anschliessen(QAction* aktion, void (TTerminBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, handler == &TTerminBefehle::Berech1Click       ? TRegel::Gespraeche
                      : handler == &TTerminBefehle::Verbessern1Click ? TRegel::Plan
                                                                     : TRegel::Immer);
}

void TTerminBefehle::Berech1Click() {
    TProjekt* projekt = U.Dokument.Projekt();
    if (!projekt) return;
    if (projekt->Handverschoben != 0 &&
        U.Meldungen.Meldung(
            QString::fromUtf8("Sie haben Termine von Hand verschoben.\rWenn diese nicht genagelt "
                              "sind, wird Ihre Handarbeit verworfen.\r\rMöchten Sie trotzdem "
                              "fortfahren?"),
            QStringLiteral("Achtung"), MeldungsArt::Warnung, Knoepfe::JaNein, Antwort::Nein) != Antwort::Ja)
        return;

    if (!OptionenAusfuehren(TOptDlg::Modus::Start)) return;

    if (BerechnungErledigt(*projekt)) {
        U.Meldungen.Meldung(
            QString::fromUtf8("Die Termine stehen bereits fest,\rdie Kriterien zur Terminvergabe "
                              "sind unverändert.\r\rEine neue Berechnung erübrigt sich."),
            QStringLiteral("Hinweis"), MeldungsArt::Information);
        return;
    }

    bool fertig = false;
    {
        // The window is modal and the command holds back the backup timer: nothing else runs meanwhile.
        const TBefehlsWache wache(U.Dokument);
        {
            TStatusF status(
                *projekt, U.Meldungen, [this](const QString& text) { Q_EMIT Statuszeile(text); }, U.Fenster);
            fertig = status.exec() == QDialog::Accepted;
        }
        projekt->NotizHaken[Notizhaken::TermineBerechnet] = true;
        U.Dokument.RueckListe().Clear();
        U.Dokument.Melden(TAenderung::Plan);
    }
    // The backup of the new plan need not wait until the statistics are closed.
    if (fertig) Q_EMIT LaufFertig();
}

void TTerminBefehle::Verbessern1Click() {
    TProjekt* projekt = U.Dokument.Projekt();
    if (!projekt) return;
    const TBefehlsWache wache(U.Dokument);
    TVerbesserungF fenster(*projekt, TVerbesserungsOptionen(), U.Fenster);
    fenster.exec();
    const TVerbesserungsErgebnis& ergebnis = fenster.Ergebnis();
    // The whole change is one step of the undo store, also when it was cancelled.
    if (!ergebnis.Alt.empty()) {
        PlanwechselEintragen(U.Dokument.RueckListe(), ergebnis.Alt);
        projekt->ZaehleGespraeche();
        projekt->BelegungMarkieren();
        U.Dokument.Melden(TAenderung::Plan);
    }
    if (StatistikVergleichen) StatistikVergleichen(ergebnis.Vorher);
}

void TTerminBefehle::OptPrg1Click() {
    OptionenZeigen(false);
}

void TTerminBefehle::OptTermin1Click() {
    OptionenZeigen(true);
}

bool TTerminBefehle::OptionenAusfuehren(TOptDlg::Modus modus, bool* sicherungGeaendert) {
    TProjekt* projekt = U.Dokument.Projekt();
    TOptDlg dialog(
        U.Programmwerte, projekt, modus, U.Meldungen,
        [this](const QString&, const QString& prompt, const QString& ordner) {
            return U.Dateiwahl.OrdnerWaehlen(prompt, ordner);
        },
        U.Fenster);
    // "Übernehmen" applies while the dialog stays open, so the changes add up until it closes.
    TOptionsAenderung geaendert;
    connect(&dialog, &TOptDlg::WerteUebernehmen, this, [&](const TOptionswerte& werte) {
        const TOptionsAenderung jetzt = OptionenUebernehmen(U.Speicher, U.Programmwerte, projekt, werte);
        geaendert.Terminwerte = geaendert.Terminwerte || jetzt.Terminwerte;
        geaendert.Sicherung = geaendert.Sicherung || jetzt.Sicherung;
    });
    connect(&dialog, &TOptDlg::HilfeAngefordert, this, [this] { U.Hilfe(); });
    const bool angenommen = dialog.exec() == QDialog::Accepted;
    if (geaendert.Terminwerte) {
        projekt->TermineBerechnet = false;
        U.Dokument.Melden(TAenderung::Einstellungen);
    }
    if (sicherungGeaendert) *sicherungGeaendert = geaendert.Sicherung;
    return angenommen;
}

void TTerminBefehle::OptionenZeigen(bool terminberechnung) {
    const TBefehlsWache wache(U.Dokument);
    const TProgrammwerte vorher = U.Programmwerte;
    bool sicherungGeaendert = false;
    OptionenAusfuehren(terminberechnung ? TOptDlg::Modus::Terminberechnung : TOptDlg::Modus::Programm,
                       &sicherungGeaendert);
    Q_EMIT ProgrammwerteGeaendert(vorher, sicherungGeaendert);
}
