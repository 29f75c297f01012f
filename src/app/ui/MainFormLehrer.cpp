// Adding, changing and deleting teachers, and the teachers mode.
#include "MainForm.h"

#include "Baumknoten.h"
#include "Personenmodell.h"
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
#include <QTreeWidget>

using namespace Baumknoten;

TLehrer* TVELWnd::LehrerAufnehmen(const TFEditL& dialog) {
    TLehrer* l = LehrerHinzufuegen(*Projekt(), dialog.Anrede(), dialog.Kuerzel(), dialog.Name(),
                                   dialog.Zusatz(), dialog.AkadTitel());
    Dokument.Melden(TAenderung::Lehrer);
    LehrerlisteFuellen();
    LVLehrer->setEnabled(true);
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
            LVLehrer->clearSelection();
            TLehrer* l = LehrerAufnehmen(dialog);
            ZeileWaehlen(LVLehrer, LehrerModell->Zeile(l));
            continue;
        }
        if (ergebnis == DialogBeendet)
            LVLehrer->setFocus();
        else
            BtnLehrerHinzu->setFocus();
        break;
    }
    if (Projekt()->Lehrerliste.Leer())
        Meldungen.Meldung(QString::fromUtf8("Beachten Sie, dass für die Lehrerliste auch verschiedene "
                                            "Import-Möglichkeiten aus einer Datei vorgesehen sind!\r"
                                            "(Siehe Menü Datei)"),
                          QStringLiteral("Hinweis"), MeldungsArt::Information);
}

void TVELWnd::BtnEditLClick() {
    const QModelIndexList zeilen = LVLehrer->selectionModel()->selectedRows();
    if (zeilen.size() != 1) return;
    TLehrer* l = LehrerInZeile(zeilen.constFirst().row());
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
        Dokument.RueckListe().Clear();
        LehrerlisteFuellen();
        // Reselected, the teacher's new Kürzel goes into the request box when a child is selected.
        ZeileWaehlen(LVLehrer, LehrerModell->Zeile(l));
        for (int i = 0; i < TVKinder->topLevelItemCount(); ++i) {
            QTreeWidgetItem* kind = TVKinder->topLevelItem(i);
            for (int j = 0; j < kind->childCount(); ++j)
                if (const TGespraech* g = Daten<TGespraech>(kind->child(j), KnotenGespraech);
                    g && g->Lehrer == l)
                    kind->child(j)->setText(0, GespraechText(j + 1, *g));
        }
        Dokument.Melden(TAenderung::Lehrer | TAenderung::Gespraeche);
    }
    LVLehrer->setFocus();
}

void TVELWnd::BtnLoeschLClick() {
    std::vector<TLehrer*> lehrer;
    for (const QModelIndex& zeile : LVLehrer->selectionModel()->selectedRows())
        lehrer.push_back(LehrerInZeile(zeile.row()));
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
        kind = AktuellesKind;
        // The views let go of the teachers and their requests before these are freed.
        LehrerModell->Fuellen({});
        TVKinder->clear();
        for (TLehrer* l : lehrer)
            LehrerLoeschen(*Projekt(), Dokument.RueckListe(), l);
        Dokument.Melden(TAenderung::Lehrer | TAenderung::Gespraeche | TAenderung::Plan);
        LehrerlisteFuellen();
        LVLehrer->setEnabled(!Projekt()->Lehrerliste.Leer());
        BtnLehrerHinzu->setFocus();
    }
    KinderbaumFuellen();
    // The child stays selected, so that requests can be typed on.
    if (QTreeWidgetItem* knoten = kind ? KindKnoten(TVKinder, kind) : nullptr)
        TVKinder->setCurrentItem(knoten);
}

void TVELWnd::BuLehClick() {
    if (!BuLeh->isChecked()) return;
    if (!Projekt() || Projekt()->Lehrerliste.Leer()) {
        BtnLehrerHinzu->setFocus();
        // Clearing the family selection makes the families the active list; the teachers follow.
        LVEltern->clearSelection();
        AktiveListe = TAktiveListe::Lehrer;
        return;
    }
    SuchE->clear();
    const QModelIndexList zeilen = LVLehrer->selectionModel()->selectedRows();
    const int zeile = zeilen.size() >= 2   ? LVLehrer->currentIndex().row()
                      : zeilen.size() == 1 ? zeilen.constFirst().row()
                                           : 0;
    LVEltern->clearSelection();
    ZeileWaehlen(LVLehrer, zeile);
    LVLehrer->setFocus();
    ChBhotZL->setChecked(true);
    AktiveListe = TAktiveListe::Lehrer;
}
