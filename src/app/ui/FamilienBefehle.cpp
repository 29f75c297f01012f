// Adding, changing and deleting families and children, the salutation cycle, the sort order and the
// families mode.
#include "FamilienBefehle.h"

#include "Eingabe.h"
#include "FamilienPanel.h"
#include "GespraechPanel.h"
#include "KinderPanel.h"
#include "Kindermodell.h"
#include "LehrerPanel.h"
#include "SortF.h"
#include "UEditE.h"
#include "UEditK.h"
#include "document/ProjektDokument.h"
#include "model/Dateneingabe.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "settings/Einstellungen.h"

#include "settings/UReg.h"
#include "ui/Eingabehilfen.h"
#include <QCheckBox>

#include <QAction>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

TFamilienBefehle::TFamilienBefehle(const TBefehlsumgebung& umgebung, TEingabe& eingabe, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern)
    , E(eingabe) {
    connect(&E, &TEingabe::FamilieLoeschenGewuenscht, this, &TFamilienBefehle::BtnLoeschEClick);
    connect(&E, &TEingabe::KindHinzuGewuenscht, this, &TFamilienBefehle::BtnKindHinzuClick);
    connect(&E, &TEingabe::KindLoeschenGewuenscht, this, &TFamilienBefehle::BtnLoeschKClick);
}

// The entries of the context menus follow the selection; the mode buttons need a project.
void TFamilienBefehle::Anschliessen(QAction* aktion, void (TFamilienBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    if (handler == &TFamilienBefehle::BuEltClick)
        Aufnehmen(aktion, TRegel::Projekt);
    else if (handler == &TFamilienBefehle::EListeSort1Click)
        Aufnehmen(aktion, TRegel::Immer);
}

namespace {

void Sortieren(TProjekt& p, TEltern* e) {
    if (e) e->KinderSortieren(p.LatKlBez);
    p.ElternSortieren();
}

} // namespace

void TFamilienBefehle::BtnElternHinzuClick() {
    if (!Projekt()) {
        U.Meldungen.Meldung(
            QString::fromUtf8("Beginnen Sie das neue Projekt mit der Festlegung des Datums und der Zeiten!"),
            QStringLiteral("Reihenfolge beachten!"), MeldungsArt::Information);
        Q_EMIT NeuesProjektGewuenscht();
        return;
    }
    E.FamilienEingabe = true;
    E.Gespraeche->LblEingabetaste->clear();
    E.Familien->FilterAufheben();
    TFEditE dialog(U.Meldungen, U.Fenster);
    if (dialog.Hinzufuegen() != QDialog::Accepted) {
        E.FamilienEingabe = false;
        return;
    }
    {
        const TBefehlsWache wache(U.Dokument);
        TEltern* e = Projekt()->NeueFamilie(dialog.Anrede(), dialog.Name(), dialog.Zusatz());
        if (!dialog.Telefon().isEmpty()) e->Telefon = dialog.Telefon();
        Projekt()->ElternSortieren();
        U.Dokument.Melden(TAenderung::Familien);
        E.Familien->Waehlen(e);
        E.BuElt->setChecked(true);
    }
    BtnKindHinzuClick();
}

void TFamilienBefehle::BtnEditEClick() {
    TEltern* e = E.AktuelleFamilie();
    if (!e) return;
    TFEditE dialog(U.Meldungen, U.Fenster);
    const bool ok = dialog.Aendern(*e) == QDialog::Accepted;
    const bool nameNeu = ok && (dialog.Name() != e->Name || dialog.Zusatz() != e->Zusatz);
    if (ok && (nameNeu || dialog.Anrede() != e->Anrede || dialog.HakenGeaendert || dialog.TelefonGeaendert)) {
        const TBefehlsWache wache(U.Dokument);
        if (nameNeu || dialog.HakenGeaendert)
            FamilieUmbenennen(*e, dialog.Name(), dialog.Zusatz(), dialog.KinderHaken());
        if (dialog.TelefonGeaendert) e->Telefon = dialog.Telefon();
        e->Anrede = dialog.Anrede();
        if (nameNeu) Projekt()->ElternSortieren();
        U.Dokument.Melden(TAenderung::Familien | TAenderung::Kinder);
        // The renamed family may no longer match the search, so the search ends.
        E.Familien->SucheBeenden();
        E.Familien->Waehlen(e);
    }
    E.Familien->LVEltern->setFocus();
}

void TFamilienBefehle::HeFrFa1Click() {
    if (!E.AktuelleFamilie()) return;
    E.AktuelleFamilie()->Anrede = NaechsteAnrede(E.AktuelleFamilie()->Anrede);
    U.Dokument.Melden(TAenderung::Familien);
}

void TFamilienBefehle::BtnLoeschEClick() {
    TEltern* e = E.AktuelleFamilie();
    if (!e) return;
    const int gespraeche = GespraecheDerFamilie(*e);
    QString frage = QStringLiteral("Soll ") + e->Anschrift(false) + QString::fromUtf8("\rgelöscht werden?");
    if (gespraeche > 0)
        frage += QString::fromUtf8("\rAnzahl der bereits gewünschten Gespräche: %1").arg(gespraeche);
    if (U.Meldungen.Meldung(frage, QString::fromUtf8("Eltern löschen"), MeldungsArt::Frage, Knoepfe::JaNein,
                            Antwort::Nein) != Antwort::Ja) {
        E.Familien->LVEltern->setFocus();
        return;
    }
    const TBefehlsWache wache(U.Dokument);
    const int zeile = E.Familien->Zeile(e);
    // The tree lets go of the family's records before they are freed.
    E.Kinder->Loslassen();
    FamilieLoeschen(*Projekt(), U.Dokument.RueckListe(), e);
    U.Dokument.Melden(TAenderung::Familien | TAenderung::Kinder | TAenderung::Gespraeche | TAenderung::Plan);
    E.Familien->FilterAufheben();
    const int zeilen = E.Familien->Zeilen();
    if (zeilen > 0) E.Familien->ZeileWaehlen(std::min(zeile, zeilen - 1));
    E.Familien->LVEltern->setFocus();
}

void TFamilienBefehle::BtnKindHinzuClick() {
    TEltern* e = E.AktuelleFamilie();
    if (!e) return;
    if (!E.Gespraeche->KuerzE->text().isEmpty()) {
        E.Gespraeche->KuerzE->clear();
        E.Lehrer->LVLehrer->clearSelection();
    }
    if (E.FamilienEingabe) E.KindFolgt = true;
    E.Gespraeche->LblEingabetaste->clear();
    TFEditK dialog(U.Meldungen, U.Fenster);
    const int ergebnis = dialog.Hinzufuegen(*e, E.LetzteKlasse);
    if (ergebnis != QDialog::Accepted) {
        E.KindFolgt = false;
        if (ergebnis == DialogBeendet && E.FamilienEingabe)
            BtnElternHinzuClick();
        else
            E.FamilienEingabe = false;
        E.KuerzEChange();
        return;
    }
    {
        const TBefehlsWache wache(U.Dokument);
        const bool erstes = e->Kinder.Leer();
        TKind* k = Projekt()->NeuesKind(e, dialog.Vorname(), dialog.Klasse());
        if (dialog.Nachname() != e->VollName()) k->Nachname = dialog.Nachname();
        if (erstes) E.LetzteKlasse = k->Klasse;
        Sortieren(*Projekt(), e);
        U.Dokument.Melden(TAenderung::Kinder);
        E.Familien->FilterAufheben();
        E.Familien->Waehlen(e);
        E.Kinder->KindWaehlen(k);
    }
    E.Kinder->TVKinder->setEnabled(true);
    E.Gespraeche->KuerzE->setFocus();
    E.KuerzEChange();
}

void TFamilienBefehle::BtnEditKClick() {
    TKind* k = E.AktuellesKind();
    if (!k) return;
    TFEditK dialog(U.Meldungen, U.Fenster);
    if (dialog.Aendern(*k) != QDialog::Accepted ||
        (dialog.Vorname() == k->Vorname && dialog.Klasse() == k->Klasse && !dialog.NachnameGeaendert)) {
        E.Kinder->TVKinder->setFocus();
        return;
    }
    {
        const TBefehlsWache wache(U.Dokument);
        TEltern* e = k->Eltern;
        k->Vorname = dialog.Vorname();
        const bool klasseNeu = dialog.Klasse() != k->Klasse;
        k->Klasse = dialog.Klasse();
        if (dialog.NachnameGeaendert)
            k->Nachname = dialog.Nachname() == e->VollName() ? QString() : dialog.Nachname();
        Sortieren(*Projekt(), e);
        U.Dokument.Melden(TAenderung::Kinder);
        if (klasseNeu) E.Familien->FilterAufheben();
        E.Familien->Waehlen(e);
        E.Kinder->KindWaehlen(k);
    }
    E.Kinder->TVKinder->setFocus();
}

void TFamilienBefehle::BtnLoeschKClick() {
    TKind* k = E.AktuellesKind();
    if (!k) return;
    TEltern* e = k->Eltern;
    QString frage = QStringLiteral("Soll bei ") + e->Anschrift(true) + QStringLiteral(" das Kind\r") +
                    k->KindNameMitKlasse() + QString::fromUtf8("\rgelöscht werden?");
    if (!k->Gespraeche.empty())
        frage += QString::fromUtf8("\rAnzahl bereits gewünschter Gespräche: %1").arg(k->Gespraeche.size());
    if (U.Meldungen.Meldung(frage, QString::fromUtf8("Kind löschen"), MeldungsArt::Frage, Knoepfe::JaNein,
                            Antwort::Nein) != Antwort::Ja)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    {
        const TBefehlsWache wache(U.Dokument);
        E.Kinder->Loslassen();
        KindLoeschen(*Projekt(), U.Dokument.RueckListe(), k);
        Sortieren(*Projekt(), nullptr);
        U.Dokument.Melden(TAenderung::Kinder | TAenderung::Gespraeche | TAenderung::Plan);
        E.Familien->FilterAufheben();
        E.Familien->Waehlen(e);
    }
    QGuiApplication::restoreOverrideCursor();
    if (E.Kinder->Modell->rowCount() == 0) {
        E.Kinder->BtnKindHinzu->setFocus();
    } else {
        E.Kinder->Waehlen(E.Kinder->Modell->index(0, 0));
        E.Kinder->TVKinder->setFocus();
    }
}

void TFamilienBefehle::EListeSort1Click() {
    if (!Projekt()) return;
    TSortF dialog(Projekt()->ListenSortierung, U.Fenster);
    if (dialog.exec() != QDialog::Accepted) return;
    if (dialog.Sortierung() != Projekt()->ListenSortierung) {
        Projekt()->ListenSortierung = dialog.Sortierung();
        U.Speicher.SchluesselSchreiben(QStringLiteral("Optionen"))
            .ZahlSchreiben(QStringLiteral("SortierKrit"), Projekt()->ListenSortierung);
        for (const auto& e : Projekt()->Elternliste)
            e->KinderSortieren(Projekt()->LatKlBez);
        Projekt()->ElternSortieren();
        U.Dokument.Melden(TAenderung::Familien | TAenderung::Einstellungen);
    }
    // The list starts again at its top in the new order, unfiltered.
    E.Familien->FilterAufheben();
    if (E.Familien->Zeilen() > 0) E.Familien->ZeileWaehlen(0);
    E.Familien->LVEltern->setFocus();
}

void TFamilienBefehle::BuEltClick() {
    E.Lehrer->LVLehrer->clearSelection();
    E.Gespraeche->KuerzE->clear();
    // In hover mode the teachers' clocks would open time windows on the way to the families.
    if (!U.Programmwerte.ZeitSplash) E.Lehrer->ChBhotZL->setChecked(false);
    E.AktiveListe = TAktiveListe::Eltern;
    E.Familien->FilterAufheben();
    E.Familien->LVEltern->scrollTo(E.Familien->LVEltern->currentIndex());
    if (Projekt() && !Projekt()->Elternliste.Leer())
        E.Familien->LVEltern->setFocus();
    else
        E.Familien->BtnElternHinzu->setFocus();
}
