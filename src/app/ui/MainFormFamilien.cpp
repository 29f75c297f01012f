// Adding, changing and deleting families and children, the salutation cycle, the sort order and the
// families mode.
#include "MainForm.h"

#include "Baumknoten.h"
#include "Personenmodell.h"
#include "SortF.h"
#include "UEditE.h"
#include "UEditK.h"
#include "model/Dateneingabe.h"
#include "model/Meldung.h"
#include "settings/UReg.h"
#include "ui/Eingabehilfen.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>

using Baumknoten::KindKnoten;

namespace {

void Sortieren(TProjekt& p, TEltern* e) {
    if (e) e->KinderSortieren(p.LatKlBez);
    p.ElternSortieren();
}

} // namespace

void TVELWnd::BtnElternHinzuClick() {
    if (!Projekt()) {
        Meldungen.Meldung(
            QString::fromUtf8("Beginnen Sie das neue Projekt mit der Festlegung des Datums und der Zeiten!"),
            QStringLiteral("Reihenfolge beachten!"), MeldungsArt::Information);
        if (PDTneu1->isEnabled()) PDTneu1->trigger();
        return;
    }
    FamilienEingabe = true;
    LblEingabetaste->clear();
    if (ComboKlassen->isEnabled() && ComboKlassen->currentIndex() != 0) {
        ComboKlassen->setCurrentIndex(0);
        ElternlisteFuellen(AktuelleFamilie);
    }
    SuchE->clear();
    TFEditE dialog(Meldungen, this);
    if (dialog.Hinzufuegen() != QDialog::Accepted) {
        FamilienEingabe = false;
        return;
    }
    {
        const TBefehlsWache wache(Dokument);
        TEltern* e = Projekt()->NeueFamilie(dialog.Anrede(), dialog.Name(), dialog.Zusatz());
        if (!dialog.Telefon().isEmpty()) e->Telefon = dialog.Telefon();
        Projekt()->ElternSortieren();
        Dokument.Melden(TAenderung::Familien);
        LVEltern->setEnabled(true);
        KlassenfilterFuellen();
        ElternlisteFuellen(e);
        BuElt->setChecked(true);
    }
    BtnKindHinzuClick();
}

void TVELWnd::BtnEditEClick() {
    TEltern* e = AktuelleFamilie;
    if (!e) return;
    TFEditE dialog(Meldungen, this);
    const bool ok = dialog.Aendern(*e) == QDialog::Accepted;
    const bool nameNeu = ok && (dialog.Name() != e->Name || dialog.Zusatz() != e->Zusatz);
    if (ok && (nameNeu || dialog.Anrede() != e->Anrede || dialog.HakenGeaendert || dialog.TelefonGeaendert)) {
        const TBefehlsWache wache(Dokument);
        if (nameNeu || dialog.HakenGeaendert)
            FamilieUmbenennen(*e, dialog.Name(), dialog.Zusatz(), dialog.KinderHaken());
        if (dialog.TelefonGeaendert) e->Telefon = dialog.Telefon();
        e->Anrede = dialog.Anrede();
        if (nameNeu) Projekt()->ElternSortieren();
        Dokument.Melden(TAenderung::Familien | TAenderung::Kinder);
        // Clearing the search refills the list as well.
        if (!SuchE->text().isEmpty()) {
            const QSignalBlocker sperre(SuchE);
            SuchE->clear();
        }
        ElternlisteFuellen(e);
    }
    LVEltern->setFocus();
}

void TVELWnd::HeFrFa1Click() {
    if (!AktuelleFamilie) return;
    AktuelleFamilie->Anrede = NaechsteAnrede(AktuelleFamilie->Anrede);
    LVEltern->viewport()->update();
    Dokument.Melden(TAenderung::Familien);
}

void TVELWnd::BtnLoeschEClick() {
    TEltern* e = AktuelleFamilie;
    if (!e) return;
    const int gespraeche = GespraecheDerFamilie(*e);
    QString frage = QStringLiteral("Soll ") + e->Anschrift(false) + QString::fromUtf8("\rgelöscht werden?");
    if (gespraeche > 0)
        frage += QString::fromUtf8("\rAnzahl der bereits gewünschten Gespräche: %1").arg(gespraeche);
    if (Meldungen.Meldung(frage, QString::fromUtf8("Eltern löschen"), MeldungsArt::Frage, Knoepfe::JaNein,
                          Antwort::Nein) != Antwort::Ja) {
        LVEltern->setFocus();
        return;
    }
    const TBefehlsWache wache(Dokument);
    const int zeile = ElternModell->Zeile(e);
    AktuelleFamilie = nullptr;
    {
        // The views let go of the family before it is freed.
        const QSignalBlocker sperre(LVEltern->selectionModel());
        ElternModell->Fuellen({});
        TVKinder->clear();
    }
    FamilieLoeschen(*Projekt(), Dokument.RueckListe(), e);
    Dokument.Melden(TAenderung::Familien | TAenderung::Kinder | TAenderung::Gespraeche | TAenderung::Plan);
    KlassenfilterFuellen();
    ElternlisteFuellen();
    const int zeilen = ElternModell->rowCount();
    if (zeilen > 0) ZeileWaehlen(LVEltern, std::min(zeile, zeilen - 1));
    LVEltern->setEnabled(zeilen > 0);
    LVEltern->setFocus();
}

void TVELWnd::BtnKindHinzuClick() {
    TEltern* e = AktuelleFamilie;
    if (!e) return;
    if (!KuerzE->text().isEmpty()) {
        KuerzE->clear();
        LVLehrer->clearSelection();
    }
    if (FamilienEingabe) KindFolgt = true;
    LblEingabetaste->clear();
    TFEditK dialog(Meldungen, this);
    const int ergebnis = dialog.Hinzufuegen(*e, LetzteKlasse);
    if (ergebnis != QDialog::Accepted) {
        KindFolgt = false;
        if (ergebnis == DialogBeendet && FamilienEingabe)
            BtnElternHinzuClick();
        else
            FamilienEingabe = false;
        KuerzEChange();
        return;
    }
    {
        const TBefehlsWache wache(Dokument);
        const bool erstes = e->Kinder.Leer();
        TKind* k = Projekt()->NeuesKind(e, dialog.Vorname(), dialog.Klasse());
        if (dialog.Nachname() != e->VollName()) k->Nachname = dialog.Nachname();
        if (erstes) LetzteKlasse = k->Klasse;
        Sortieren(*Projekt(), e);
        Dokument.Melden(TAenderung::Kinder);
        KlassenfilterFuellen();
        ElternlisteFuellen(e);
        if (QTreeWidgetItem* knoten = KindKnoten(TVKinder, k)) {
            TVKinder->setCurrentItem(knoten);
            TVKinder->scrollToItem(knoten);
        }
    }
    TVKinder->setEnabled(true);
    KuerzE->setFocus();
    KuerzEChange();
}

void TVELWnd::BtnEditKClick() {
    TKind* k = AktuellesKind;
    if (!k) return;
    TFEditK dialog(Meldungen, this);
    if (dialog.Aendern(*k) != QDialog::Accepted ||
        (dialog.Vorname() == k->Vorname && dialog.Klasse() == k->Klasse && !dialog.NachnameGeaendert)) {
        TVKinder->setFocus();
        return;
    }
    {
        const TBefehlsWache wache(Dokument);
        TEltern* e = k->Eltern;
        k->Vorname = dialog.Vorname();
        const bool klasseNeu = dialog.Klasse() != k->Klasse;
        k->Klasse = dialog.Klasse();
        if (dialog.NachnameGeaendert)
            k->Nachname = dialog.Nachname() == e->VollName() ? QString() : dialog.Nachname();
        Sortieren(*Projekt(), e);
        Dokument.Melden(TAenderung::Kinder);
        if (klasseNeu) KlassenfilterFuellen();
        ElternlisteFuellen(e);
        if (QTreeWidgetItem* knoten = KindKnoten(TVKinder, k)) TVKinder->setCurrentItem(knoten);
    }
    TVKinder->setFocus();
}

void TVELWnd::BtnLoeschKClick() {
    TKind* k = AktuellesKind;
    if (!k) return;
    TEltern* e = k->Eltern;
    QString frage = QStringLiteral("Soll bei ") + e->Anschrift(true) + QStringLiteral(" das Kind\r") +
                    k->KindNameMitKlasse() + QString::fromUtf8("\rgelöscht werden?");
    if (!k->Gespraeche.empty())
        frage += QString::fromUtf8("\rAnzahl bereits gewünschter Gespräche: %1").arg(k->Gespraeche.size());
    if (Meldungen.Meldung(frage, QString::fromUtf8("Kind löschen"), MeldungsArt::Frage, Knoepfe::JaNein,
                          Antwort::Nein) != Antwort::Ja)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    {
        const TBefehlsWache wache(Dokument);
        AktuellesKind = nullptr;
        TVKinder->clear();
        KindLoeschen(*Projekt(), Dokument.RueckListe(), k);
        Sortieren(*Projekt(), nullptr);
        Dokument.Melden(TAenderung::Kinder | TAenderung::Gespraeche | TAenderung::Plan);
        KlassenfilterFuellen();
        ElternlisteFuellen(e);
    }
    QGuiApplication::restoreOverrideCursor();
    if (TVKinder->topLevelItemCount() == 0) {
        BtnKindHinzu->setFocus();
    } else {
        TVKinder->setCurrentItem(TVKinder->topLevelItem(0));
        TVKinder->setFocus();
    }
}

void TVELWnd::EListeSort1Click() {
    if (!Projekt()) return;
    TSortF dialog(Projekt()->ListenSortierung, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (dialog.Sortierung() != Projekt()->ListenSortierung) {
        Projekt()->ListenSortierung = dialog.Sortierung();
        Speicher.SchluesselSchreiben(QStringLiteral("Optionen"))
            .ZahlSchreiben(QStringLiteral("SortierKrit"), Projekt()->ListenSortierung);
        for (const auto& e : Projekt()->Elternliste)
            e->KinderSortieren(Projekt()->LatKlBez);
        Projekt()->ElternSortieren();
        Dokument.Melden(TAenderung::Familien | TAenderung::Einstellungen);
    }
    // The list starts again at its top in the new order, unfiltered.
    KlassenfilterFuellen();
    ComboKlassenClick();
}

void TVELWnd::BuEltClick() {
    LVLehrer->clearSelection();
    KuerzE->clear();
    // In hover mode the teachers' clocks would open time windows on the way to the families.
    if (!Programmwerte.ZeitSplash) ChBhotZL->setChecked(false);
    AktiveListe = TAktiveListe::Eltern;
    TEltern* e = AktuelleFamilie;
    if (!SuchE->text().isEmpty() || ComboKlassen->currentIndex() > 0) {
        const QSignalBlocker sperre(SuchE);
        SuchE->clear();
        ComboKlassen->setCurrentIndex(0);
        ElternlisteFuellen(e);
    }
    LVEltern->scrollTo(LVEltern->currentIndex());
    if (Projekt() && !Projekt()->Elternliste.Leer())
        LVEltern->setFocus();
    else
        BtnElternHinzu->setFocus();
}
