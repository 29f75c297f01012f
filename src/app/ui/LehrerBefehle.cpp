// Adding, changing and deleting teachers, and the teachers mode.
#include "LehrerBefehle.h"

#include "Eingabe.h"
#include "FamilienPanel.h"
#include "KinderPanel.h"
#include "LehrerPanel.h"
#include "UEditL.h"
#include "document/ProjektDokument.h"
#include "model/Dateneingabe.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "ui/Eingabehilfen.h"

#include <QAction>
#include <QCheckBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>

TLehrerBefehle::TLehrerBefehle(const TBefehlsumgebung& umgebung, TEingabe& eingabe, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern)
    , E(eingabe) {
    connect(&E, &TEingabe::LehrerLoeschenGewuenscht, this, &TLehrerBefehle::BtnLoeschLClick);
}

// The entries of the context menu follow the selection; the mode button needs a project.
void TLehrerBefehle::Anschliessen(QAction* aktion, void (TLehrerBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    if (handler == &TLehrerBefehle::BuLehClick) Aufnehmen(aktion, TRegel::Projekt);
}

TLehrer* TLehrerBefehle::LehrerAufnehmen(const TFEditL& dialog) {
    TLehrer* l = LehrerHinzufuegen(*Projekt(), dialog.Anrede(), dialog.Kuerzel(), dialog.Name(),
                                   dialog.Zusatz(), dialog.AkadTitel());
    U.Dokument.Melden(TAenderung::Lehrer);
    return l;
}

void TLehrerBefehle::BtnLehrerHinzuClick() {
    if (!Projekt()) {
        Q_EMIT ProjektFehlt();
        return;
    }
    for (;;) {
        TFEditL dialog(Projekt()->Lehrerliste, U.Meldungen, U.Fenster);
        const int ergebnis = dialog.Hinzufuegen();
        if (ergebnis == QDialog::Accepted) {
            const TBefehlsWache wache(U.Dokument);
            E.Lehrer->LVLehrer->clearSelection();
            TLehrer* l = LehrerAufnehmen(dialog);
            E.Lehrer->ZeileWaehlen(E.Lehrer->Zeile(l));
            continue;
        }
        if (ergebnis == DialogBeendet)
            E.Lehrer->LVLehrer->setFocus();
        else
            E.Lehrer->BtnLehrerHinzu->setFocus();
        break;
    }
    if (Projekt()->Lehrerliste.Leer())
        U.Meldungen.Meldung(QString::fromUtf8("Beachten Sie, dass für die Lehrerliste auch verschiedene "
                                              "Import-Möglichkeiten aus einer Datei vorgesehen sind!\r"
                                              "(Siehe Menü Datei)"),
                            QStringLiteral("Hinweis"), MeldungsArt::Information);
}

void TLehrerBefehle::BtnEditLClick() {
    TLehrer* l = E.Lehrer->Einer();
    if (!l) return;
    TFEditL dialog(Projekt()->Lehrerliste, U.Meldungen, U.Fenster);
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
        U.Dokument.RueckListe().Clear();
        U.Dokument.Melden(TAenderung::Lehrer | TAenderung::Gespraeche);
        // Reselected, the teacher's new Kürzel goes into the request box when a child is selected.
        E.Lehrer->LVLehrer->clearSelection();
        E.Lehrer->ZeileWaehlen(E.Lehrer->Zeile(l));
    }
    E.Lehrer->LVLehrer->setFocus();
}

void TLehrerBefehle::BtnLoeschLClick() {
    const std::vector<TLehrer*> lehrer = E.Lehrer->Ausgewaehlt();
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
    if (U.Meldungen.Meldung(frage, QString::fromUtf8("Lehrer löschen"), MeldungsArt::Frage, Knoepfe::JaNein,
                            Antwort::Nein) == Antwort::Ja) {
        const TBefehlsWache wache(U.Dokument);
        kind = E.AktuellesKind();
        // The tree lets go of the teachers' requests before these are freed.
        E.Kinder->Loslassen();
        for (TLehrer* l : lehrer)
            LehrerLoeschen(*Projekt(), U.Dokument.RueckListe(), l);
        U.Dokument.Melden(TAenderung::Lehrer | TAenderung::Gespraeche | TAenderung::Plan);
        E.Lehrer->BtnLehrerHinzu->setFocus();
    }
    E.EingabeLeeren();
    E.KinderKnoepfeAktualisieren();
    // The child stays selected, so that requests can be typed on.
    if (kind) E.Kinder->KindWaehlen(kind);
}

void TLehrerBefehle::BuLehClick() {
    if (!E.BuLeh->isChecked()) return;
    if (!Projekt() || Projekt()->Lehrerliste.Leer()) {
        E.Lehrer->BtnLehrerHinzu->setFocus();
        // Clearing the family selection makes the families the active list; the teachers follow.
        E.Familien->LVEltern->clearSelection();
        E.AktiveListe = TAktiveListe::Lehrer;
        return;
    }
    E.Familien->SuchE->clear();
    const QModelIndexList zeilen = E.Lehrer->LVLehrer->selectionModel()->selectedRows();
    const int zeile = zeilen.size() >= 2   ? E.Lehrer->LVLehrer->currentIndex().row()
                      : zeilen.size() == 1 ? zeilen.constFirst().row()
                                           : 0;
    E.Familien->LVEltern->clearSelection();
    E.Lehrer->ZeileWaehlen(zeile);
    E.Lehrer->LVLehrer->setFocus();
    E.Lehrer->ChBhotZL->setChecked(true);
    E.AktiveListe = TAktiveListe::Lehrer;
}
