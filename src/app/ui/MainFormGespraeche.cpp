// Conversation requests under the selected child: typed Kürzel, deleting, the mark "child comes along",
// the class bulk add and the usage hint.
#include "MainForm.h"

#include "Baumknoten.h"
#include "IdentifyKrz.h"
#include "KlLeitg.h"
#include "UEditL.h"
#include "app/Dateneingabe.h"
#include "model/Meldung.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

using namespace Baumknoten;

void TVELWnd::BtnAddGClick() {
    GespraecheHinzufuegen(QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier));
}

void TVELWnd::GespraecheHinzufuegen(bool kindKommtMit) {
    if (!Projekt) return;
    QString text = Trimmen(KuerzE->text());
    {
        const QSignalBlocker sperre(LVLehrer->selectionModel());
        LVLehrer->clearSelection();
        Auswahlfolge.clear();
    }
    KuerzE->setText(text);
    TKind* kind = AktuellesKind;
    if (text.isEmpty() || !kind) {
        if (BtnAddG->hasFocus()) {
            Meldungen.Meldung(
                QString::fromUtf8("Markieren Sie die Lehrer und Lehrerinnen,\rmit denen Gespräche "
                                  "gewünscht werden\r - oder\rgeben Sie das (die) Kürzel ein (mit "
                                  "Komma getrennt)."),
                QString::fromUtf8("Gesprächswünsche hinzufügen"), MeldungsArt::Information);
            KuerzE->setFocus();
        }
        return;
    }
    Beschaeftigt = true;
    bool lehrerErgaenzen = false;
    while (!text.isEmpty()) {
        QString kuerzel = KuerzelAbtrennen(text);
        TLehrer* lehrer = Projekt->Lehrerliste.FindeKuerzel(kuerzel);
        if (!lehrer && !kuerzel.isEmpty()) {
            std::vector<TLehrer*> kandidaten;
            Projekt->Lehrerliste.SucheKuerzel(kuerzel, kandidaten);
            if (kandidaten.size() == 1) {
                lehrer = kandidaten.front();
            } else if (kandidaten.size() > 1) {
                TIdentifyKrzDlg dialog(kuerzel, kandidaten, this);
                if (dialog.exec() == QDialog::Accepted)
                    lehrer = kandidaten[static_cast<size_t>(dialog.Auswahl())];
            } else {
                lehrerErgaenzen =
                    lehrerErgaenzen ||
                    Meldungen.Meldung(
                        QString::fromUtf8(
                            "DAS KÜRZEL\r\r%1\r\rGIBT ES NICHT IN DER LEHRERLISTE.\r\rMöchten Sie "
                            "einen solchen Lehrer ergänzen?")
                            .arg(kuerzel),
                        QStringLiteral("Lehrerliste bearbeiten?"), MeldungsArt::Frage, Knoepfe::JaNein,
                        KindFolgt ? Antwort::Ja : Antwort::Nein) == Antwort::Ja;
                if (lehrerErgaenzen) {
                    TFEditL dialog(Projekt->Lehrerliste, Meldungen, this);
                    if (dialog.HinzufuegenMitKuerzel(kuerzel) == QDialog::Accepted)
                        lehrer = LehrerAufnehmen(dialog);
                }
            }
        }
        if (lehrer && GespraechVorhanden(*kind, lehrer->Kuerzel) &&
            Meldungen.Meldung(QString::fromUtf8("Ein Gespräch mit %1 über %2 ist bereits eingetragen.\rSoll "
                                                "dieser erneute Gesprächswunsch trotzdem ergänzt werden?")
                                  .arg(lehrer->Anschrift(true), kind->Vorname),
                              QStringLiteral("Vielleicht ein Irrtum ..."), MeldungsArt::Frage,
                              Knoepfe::JaNein, Antwort::Nein) != Antwort::Ja)
            lehrer = nullptr;
        if (lehrer) {
            GespraechHinzufuegen(*Projekt, lehrer, kind, kindKommtMit);
            Geaendert = SicherungFaellig = true;
        }
        KuerzE->setText(text);
    }
    // The tree shows the new requests under the child, which stays selected.
    KinderbaumFuellen();
    for (int i = 0; i < TVKinder->topLevelItemCount(); ++i)
        if (Daten<TKind>(TVKinder->topLevelItem(i), KnotenKind) == kind)
            TVKinder->setCurrentItem(TVKinder->topLevelItem(i));
    BefehleAktualisieren();
    StatusAktualisieren();
    Beschaeftigt = false;
    AutoSicherung();
    KuerzE->setFocus();
    KuerzEChange();
}

void TVELWnd::GespraechLoeschen(bool fragen) {
    QTreeWidgetItem* knoten = TVKinder->currentItem();
    TGespraech* g = Daten<TGespraech>(knoten, KnotenGespraech);
    if (!g) return;
    if (fragen && Meldungen.Meldung(QString::fromUtf8("Möchten Sie das Gespräch von ") +
                                        g->Eltern()->Anschrift(true) + QString::fromUtf8(" über ") +
                                        g->Kind->KindMitKlasse() + QStringLiteral(" mit ") +
                                        g->Lehrer->Anschrift(true) + QString::fromUtf8(" wirklich löschen?"),
                                    QString::fromUtf8("Gesprächswunsch löschen"), MeldungsArt::Frage,
                                    Knoepfe::JaNein, Antwort::Nein) != Antwort::Ja)
        return;
    Beschaeftigt = true;
    Geaendert = SicherungFaellig = true;
    // Afterwards the next request of the child is selected, else the previous one, else the child.
    QTreeWidgetItem* kindKnoten = knoten->parent();
    const int index = kindKnoten->indexOfChild(knoten);
    TKind* kind = g->Kind;
    const int danach = index + 1 < kindKnoten->childCount() ? index : index - 1;
    TVKinder->clear();
    Projekt->Gespraechsliste.Entfernen(g);
    Projekt->RueckListe.Clear();
    Projekt->ZaehleGespraeche();
    KinderbaumFuellen();
    for (int i = 0; i < TVKinder->topLevelItemCount(); ++i) {
        QTreeWidgetItem* k = TVKinder->topLevelItem(i);
        if (Daten<TKind>(k, KnotenKind) == kind) TVKinder->setCurrentItem(danach >= 0 ? k->child(danach) : k);
    }
    BefehleAktualisieren();
    StatusAktualisieren();
    Beschaeftigt = false;
    AutoSicherung();
}

void TVELWnd::SpBLoeGClick() {
    GespraechLoeschen(false);
}

void TVELWnd::GesprLoeschen1Click() {
    GespraechLoeschen(true);
}

void TVELWnd::Loe41KiClick() {
    TKind* kind = AktuellesKind;
    if (!kind || kind->Gespraeche.empty()) return;
    if (Meldungen.Meldung(
            QString::fromUtf8("Möchten Sie wirklich alle Gesprächswünsche von %1 über %2 löschen?")
                .arg(kind->Eltern->Anschrift(true), kind->Vorname),
            QString::fromUtf8("Alle Gespräche über ein Kind löschen"), MeldungsArt::Frage, Knoepfe::JaNein,
            Antwort::Nein) != Antwort::Ja)
        return;
    TVKinder->clear();
    while (!kind->Gespraeche.empty())
        Projekt->Gespraechsliste.Entfernen(kind->Gespraeche.front());
    Projekt->RueckListe.Clear();
    KinderbaumFuellen();
    for (int i = 0; i < TVKinder->topLevelItemCount(); ++i)
        if (Daten<TKind>(TVKinder->topLevelItem(i), KnotenKind) == kind)
            TVKinder->setCurrentItem(TVKinder->topLevelItem(i));
    Loe41Ki->setEnabled(false);
    Geaendert = SicherungFaellig = true;
    StatusAktualisieren();
    AutoSicherung();
}

void TVELWnd::AlleGLoeClick() {
    TEltern* e = AktuelleFamilie;
    if (!e) return;
    if (Meldungen.Meldung(QString::fromUtf8("Möchten Sie wirklich alle Gesprächswünsche von %1 löschen?")
                              .arg(e->Anschrift(true)),
                          QString::fromUtf8("Alle Gespräche einer Familie löschen"), MeldungsArt::Frage,
                          Knoepfe::JaNein, Antwort::Nein) != Antwort::Ja)
        return;
    TVKinder->clear();
    for (const auto& k : e->Kinder)
        while (!k->Gespraeche.empty())
            Projekt->Gespraechsliste.Entfernen(k->Gespraeche.front());
    Projekt->RueckListe.Clear();
    KinderbaumFuellen();
    if (TVKinder->topLevelItemCount() > 0) TVKinder->setCurrentItem(TVKinder->topLevelItem(0));
    Loe41Ki->setEnabled(false);
    Geaendert = SicherungFaellig = true;
    StatusAktualisieren();
    AutoSicherung();
}

void TVELWnd::kindkommtmit1Click() {
    QTreeWidgetItem* knoten = TVKinder->currentItem();
    if (TGespraech* g = Daten<TGespraech>(knoten, KnotenGespraech)) {
        g->SetKindKommtMit(!g->KindKommtMit());
    } else if (TKind* k = Daten<TKind>(knoten, KnotenKind)) {
        const bool gesetzt = !kindkommtmit1->text().contains(QStringLiteral("nur mit Eltern"));
        for (TGespraech* g : k->Gespraeche)
            g->SetKindKommtMit(gesetzt);
    } else {
        return;
    }
    KinderbaumFuellen();
    Geaendert = SicherungFaellig = true;
}

void TVELWnd::Klassenleitung1Click() {
    if (!Projekt) return;
    TFKlLeitg dialog(*Projekt, Meldungen, this);
    if (dialog.exec() != QDialog::Accepted) return;
    BefehleAktualisieren();
    Geaendert = SicherungFaellig = true;
    KinderbaumFuellen();
    StatusAktualisieren();
    AutoSicherung();
}

void TVELWnd::TipBtnClick() {
    Meldungen.Meldung(
        QString::fromUtf8(
            "Sie können Gesprächswünsche auf 3 Weisen hinzufügen:\r\r1. Lehrer mit Maus markieren (mehrere: "
            "Strg "
            "gedrückt halten), dann\r1a. Hinzufügenschalter klicken oder Eingabetaste tippen.\r1b. Ziehen "
            "mit "
            "gedrückter linker Maustaste zum Kind (Drag & Drop).\r\r2. Kürzel eintippen (Kleinbuchstaben "
            "genügen, Komma als Trennzeichen),\r   Hinzufügen mit Schalter oder Eingabetaste.\r\r3. "
            "Doppelklick "
            "auf den Lehrer (falls aktiviert).\r\rWenn Sie markieren möchten, dass Eltern UND KIND am "
            "Gespräch\rteilnehmen, können Sie dies mit der rechten Maustaste für das Kind oder\rfür einzelne "
            "Gespräche kennzeichnen. Oder Sie halten beim Ergänzen der\rGesprächswünsche die Umschalttaste "
            "gedrückt.\r(Beachten Sie, das solche Kennzeichnung das Gespräch betrifft und nicht\rgenerell "
            "das "
            "Kind.)"),
        QStringLiteral("Bedienungshinweis"), MeldungsArt::Information);
}
