// "&Termine berechnen": the scheduling run in its progress window.
#include "MainForm.h"

#include "model/Meldung.h"
#include "scheduler/Lauf.h"
#include "scheduler/ui/Status.h"

#include <QLabel>

namespace {
// Index of "Termine berechnet" among the note pad's marks.
constexpr int NotizTermineBerechnet = 6;
} // namespace

void TVELWnd::Berech1Click() {
    if (!Projekt) return;
    if (Projekt->Handverschoben != 0 &&
        Meldungen.Meldung(
            QString::fromUtf8("Sie haben Termine von Hand verschoben.\rWenn diese nicht genagelt "
                              "sind, wird Ihre Handarbeit verworfen.\r\rMöchten Sie trotzdem "
                              "fortfahren?"),
            QStringLiteral("Achtung"), MeldungsArt::Warnung, Knoepfe::JaNein, Antwort::Nein) != Antwort::Ja)
        return;

    if (!OptionenAusfuehren(TOptDlg::Modus::Start)) return;

    if (BerechnungErledigt(*Projekt)) {
        Meldungen.Meldung(
            QString::fromUtf8("Die Termine stehen bereits fest,\rdie Kriterien zur Terminvergabe "
                              "sind unverändert.\r\rEine neue Berechnung erübrigt sich."),
            QStringLiteral("Hinweis"), MeldungsArt::Information);
        return;
    }

    // The window is modal and the command holds back the backup timer: nothing else runs meanwhile.
    const TBefehlsWache wache(Dokument);
    {
        TStatusF status(
            *Projekt, Meldungen, [this](const QString& text) { Panels[3]->setText(text); }, this);
        status.exec();
    }
    Projekt->NotizHaken[NotizTermineBerechnet] = true;
    Projekt->RueckListe.Clear();
    Dokument.Melden(TAenderung::Plan);
    KinderbaumFuellen();
}
