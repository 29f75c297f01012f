// Adding, changing and deleting families and children, the salutation cycle, the sort order and the
// families mode.
#include "MainForm.h"

#include "FamilienPanel.h"
#include "KinderPanel.h"
#include "Kindermodell.h"
#include "LehrerPanel.h"
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
    Familienpanel->FilterAufheben();
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
        Familienpanel->Waehlen(e);
        BuElt->setChecked(true);
    }
    BtnKindHinzuClick();
}

void TVELWnd::BtnEditEClick() {
    TEltern* e = AktuelleFamilie();
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
        // The renamed family may no longer match the search, so the search ends.
        Familienpanel->SucheBeenden();
        Familienpanel->Waehlen(e);
    }
    Familienpanel->LVEltern->setFocus();
}

void TVELWnd::HeFrFa1Click() {
    if (!AktuelleFamilie()) return;
    AktuelleFamilie()->Anrede = NaechsteAnrede(AktuelleFamilie()->Anrede);
    Dokument.Melden(TAenderung::Familien);
}

void TVELWnd::BtnLoeschEClick() {
    TEltern* e = AktuelleFamilie();
    if (!e) return;
    const int gespraeche = GespraecheDerFamilie(*e);
    QString frage = QStringLiteral("Soll ") + e->Anschrift(false) + QString::fromUtf8("\rgelöscht werden?");
    if (gespraeche > 0)
        frage += QString::fromUtf8("\rAnzahl der bereits gewünschten Gespräche: %1").arg(gespraeche);
    if (Meldungen.Meldung(frage, QString::fromUtf8("Eltern löschen"), MeldungsArt::Frage, Knoepfe::JaNein,
                          Antwort::Nein) != Antwort::Ja) {
        Familienpanel->LVEltern->setFocus();
        return;
    }
    const TBefehlsWache wache(Dokument);
    const int zeile = Familienpanel->Zeile(e);
    // The tree lets go of the family's records before they are freed.
    Kinderpanel->Loslassen();
    FamilieLoeschen(*Projekt(), e);
    Dokument.Melden(TAenderung::Familien | TAenderung::Kinder | TAenderung::Gespraeche | TAenderung::Plan);
    Familienpanel->FilterAufheben();
    const int zeilen = Familienpanel->Zeilen();
    if (zeilen > 0) Familienpanel->ZeileWaehlen(std::min(zeile, zeilen - 1));
    Familienpanel->LVEltern->setFocus();
}

void TVELWnd::BtnKindHinzuClick() {
    TEltern* e = AktuelleFamilie();
    if (!e) return;
    if (!KuerzE->text().isEmpty()) {
        KuerzE->clear();
        Lehrerpanel->LVLehrer->clearSelection();
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
        Familienpanel->FilterAufheben();
        Familienpanel->Waehlen(e);
        Kinderpanel->KindWaehlen(k);
    }
    Kinderpanel->TVKinder->setEnabled(true);
    KuerzE->setFocus();
    KuerzEChange();
}

void TVELWnd::BtnEditKClick() {
    TKind* k = AktuellesKind();
    if (!k) return;
    TFEditK dialog(Meldungen, this);
    if (dialog.Aendern(*k) != QDialog::Accepted ||
        (dialog.Vorname() == k->Vorname && dialog.Klasse() == k->Klasse && !dialog.NachnameGeaendert)) {
        Kinderpanel->TVKinder->setFocus();
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
        if (klasseNeu) Familienpanel->FilterAufheben();
        Familienpanel->Waehlen(e);
        Kinderpanel->KindWaehlen(k);
    }
    Kinderpanel->TVKinder->setFocus();
}

void TVELWnd::BtnLoeschKClick() {
    TKind* k = AktuellesKind();
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
        Kinderpanel->Loslassen();
        KindLoeschen(*Projekt(), k);
        Sortieren(*Projekt(), nullptr);
        Dokument.Melden(TAenderung::Kinder | TAenderung::Gespraeche | TAenderung::Plan);
        Familienpanel->FilterAufheben();
        Familienpanel->Waehlen(e);
    }
    QGuiApplication::restoreOverrideCursor();
    if (Kinderpanel->Modell->rowCount() == 0) {
        Kinderpanel->BtnKindHinzu->setFocus();
    } else {
        Kinderpanel->Waehlen(Kinderpanel->Modell->index(0, 0));
        Kinderpanel->TVKinder->setFocus();
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
    Familienpanel->FilterAufheben();
    if (Familienpanel->Zeilen() > 0) Familienpanel->ZeileWaehlen(0);
    Familienpanel->LVEltern->setFocus();
}

void TVELWnd::BuEltClick() {
    Lehrerpanel->LVLehrer->clearSelection();
    KuerzE->clear();
    // In hover mode the teachers' clocks would open time windows on the way to the families.
    if (!Programmwerte.ZeitSplash) Lehrerpanel->ChBhotZL->setChecked(false);
    AktiveListe = TAktiveListe::Eltern;
    Familienpanel->FilterAufheben();
    Familienpanel->LVEltern->scrollTo(Familienpanel->LVEltern->currentIndex());
    if (Projekt() && !Projekt()->Elternliste.Leer())
        Familienpanel->LVEltern->setFocus();
    else
        Familienpanel->BtnElternHinzu->setFocus();
}
