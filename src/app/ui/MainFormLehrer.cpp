// Adding, changing and deleting teachers, and the teachers mode.
#include "MainForm.h"

#include "FamilienPanel.h"
#include "KinderPanel.h"
#include "LehrerPanel.h"
#include "UEditL.h"
#include "model/Dateneingabe.h"
#include "model/Meldung.h"
#include "ui/Eingabehilfen.h"

#include <QAction>
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

TLehrer* TVELWnd::LehrerAufnehmen(const TFEditL& dialog) {
    TLehrer* l = LehrerHinzufuegen(*Projekt(), dialog.Anrede(), dialog.Kuerzel(), dialog.Name(),
                                   dialog.Zusatz(), dialog.AkadTitel());
    Dokument.Melden(TAenderung::Lehrer);
    return l;
}

void TVELWnd::BtnLehrerHinzuClick() {
    if (!Projekt()) {
        BtnElternHinzuClick();
        return;
    }
    for (;;) {
        TFEditL dialog(Projekt()->Lehrerliste, Meldungen, this);
        const int ergebnis = dialog.Hinzufuegen();
        if (ergebnis == QDialog::Accepted) {
            const TBefehlsWache wache(Dokument);
            Lehrerpanel->LVLehrer->clearSelection();
            TLehrer* l = LehrerAufnehmen(dialog);
            Lehrerpanel->ZeileWaehlen(Lehrerpanel->Zeile(l));
            continue;
        }
        if (ergebnis == DialogBeendet)
            Lehrerpanel->LVLehrer->setFocus();
        else
            Lehrerpanel->BtnLehrerHinzu->setFocus();
        break;
    }
    if (Projekt()->Lehrerliste.Leer())
        Meldungen.Meldung(QString::fromUtf8("Beachten Sie, dass für die Lehrerliste auch verschiedene "
                                            "Import-Möglichkeiten aus einer Datei vorgesehen sind!\r"
                                            "(Siehe Menü Datei)"),
                          QStringLiteral("Hinweis"), MeldungsArt::Information);
}

void TVELWnd::BtnEditLClick() {
    TLehrer* l = Lehrerpanel->Einer();
    if (!l) return;
    TFEditL dialog(Projekt()->Lehrerliste, Meldungen, this);
    if (dialog.Aendern(*l) == QDialog::Accepted &&
        (dialog.Kuerzel() != l->Kuerzel || dialog.Anrede() != l->Anrede || dialog.Zusatz() != l->Zusatz ||
         dialog.Name() != l->Name || dialog.AkadTitel() != l->AkadTitel)) {
        l->Kuerzel = dialog.Kuerzel();
        l->Anrede = dialog.Anrede();
        l->Zusatz = dialog.Zusatz();
        l->Name = dialog.Name();
        l->AkadTitel = dialog.AkadTitel();
        LehrerNeuOrdnen(*Projekt());
        // Hand edits are not undone across a change of the teacher's data.
        Projekt()->RueckListe.Clear();
        Dokument.Melden(TAenderung::Lehrer | TAenderung::Gespraeche);
        // Reselected, the teacher's new Kürzel goes into the request box when a child is selected.
        Lehrerpanel->LVLehrer->clearSelection();
        Lehrerpanel->ZeileWaehlen(Lehrerpanel->Zeile(l));
    }
    Lehrerpanel->LVLehrer->setFocus();
}

void TVELWnd::BtnLoeschLClick() {
    const std::vector<TLehrer*> lehrer = Lehrerpanel->Ausgewaehlt();
    if (lehrer.empty()) return;
    int gespraeche = 0;
    for (const TLehrer* l : lehrer)
        gespraeche += GespraecheDesLehrers(*Projekt(), *l);
    QString frage =
        lehrer.size() == 1
            ? QStringLiteral("Soll ") + lehrer.front()->Anschrift(false) +
                  QString::fromUtf8(" (%1)\rwirklich gelöscht werden?").arg(lehrer.front()->Kuerzel)
            : QString::fromUtf8("Möchten Sie die %1 ausgewählten Lehrkräfte wirklich alle löschen?")
                  .arg(lehrer.size());
    if (gespraeche > 0)
        frage += QString::fromUtf8("\r\rAnzahl bereits gewünschter Gespräche: %1").arg(gespraeche);
    TKind* kind = nullptr;
    if (Meldungen.Meldung(frage, QString::fromUtf8("Lehrer löschen"), MeldungsArt::Frage, Knoepfe::JaNein,
                          Antwort::Nein) == Antwort::Ja) {
        const TBefehlsWache wache(Dokument);
        kind = AktuellesKind();
        // The tree lets go of the teachers' requests before these are freed.
        Kinderpanel->Loslassen();
        for (TLehrer* l : lehrer)
            LehrerLoeschen(*Projekt(), l);
        Dokument.Melden(TAenderung::Lehrer | TAenderung::Gespraeche | TAenderung::Plan);
        Lehrerpanel->BtnLehrerHinzu->setFocus();
    }
    EingabeLeeren();
    KinderKnoepfeAktualisieren();
    // The child stays selected, so that requests can be typed on.
    if (kind) Kinderpanel->KindWaehlen(kind);
}

void TVELWnd::BuLehClick() {
    if (!BuLeh->isChecked()) return;
    if (!Projekt() || Projekt()->Lehrerliste.Leer()) {
        Lehrerpanel->BtnLehrerHinzu->setFocus();
        // Clearing the family selection makes the families the active list; the teachers follow.
        Familienpanel->LVEltern->clearSelection();
        AktiveListe = TAktiveListe::Lehrer;
        return;
    }
    Familienpanel->SuchE->clear();
    const QModelIndexList zeilen = Lehrerpanel->LVLehrer->selectionModel()->selectedRows();
    const int zeile = zeilen.size() >= 2   ? Lehrerpanel->LVLehrer->currentIndex().row()
                      : zeilen.size() == 1 ? zeilen.constFirst().row()
                                           : 0;
    Familienpanel->LVEltern->clearSelection();
    Lehrerpanel->ZeileWaehlen(zeile);
    Lehrerpanel->LVLehrer->setFocus();
    Lehrerpanel->ChBhotZL->setChecked(true);
    AktiveListe = TAktiveListe::Lehrer;
}
