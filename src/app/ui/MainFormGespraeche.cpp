// Conversation requests under the selected child: typed Kürzel, deleting, the mark "child comes along",
// the class bulk add and the usage hint.
#include "MainForm.h"

#include "Baumknoten.h"
#include "IdentifyKrz.h"
#include "KlLeitg.h"
#include "UEditL.h"
#include "model/Dateneingabe.h"
#include "model/Meldung.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QItemSelectionModel>
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
    if (!Projekt()) return;
    QString text = Trimmen(KuerzE->text());
    LehrerauswahlAufheben();
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
    // The questions and dialogs about the Kürzel belong to the command: the backup waits for its end.
    const TBefehlsWache wache(Dokument);
    bool lehrerErgaenzen = false;
    while (!text.isEmpty()) {
        QString kuerzel = KuerzelAbtrennen(text);
        TLehrer* lehrer = Projekt()->Lehrerliste.FindeKuerzel(kuerzel);
        if (!lehrer && !kuerzel.isEmpty()) {
            std::vector<TLehrer*> kandidaten;
            Projekt()->Lehrerliste.SucheKuerzel(kuerzel, kandidaten);
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
                    TFEditL dialog(Projekt()->Lehrerliste, Meldungen, this);
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
            GespraechHinzufuegen(*Projekt(), lehrer, kind, kindKommtMit);
            Dokument.Melden(TAenderung::Gespraeche);
            // The tree shows each new request under the child, which stays selected, before a question
            // about the next Kürzel may refer to it.
            KinderbaumFuellen();
            if (QTreeWidgetItem* knoten = KindKnoten(TVKinder, kind)) TVKinder->setCurrentItem(knoten);
        }
        KuerzE->setText(text);
    }
    KuerzE->setFocus();
    KuerzEChange();
}

void TVELWnd::GespraechLoeschen(bool fragen) {
    QTreeWidgetItem* knoten = TVKinder->currentItem();
    TGespraech* g = Daten<TGespraech>(knoten, KnotenGespraech);
    if (!g) return;
    if (fragen && Meldungen.Meldung(QString::fromUtf8("Möchten Sie das Gespräch von ") +
                                        g->Eltern()->Anschrift(true) + QString::fromUtf8(" über ") +
                                        g->Kind->KindNameMitKlasse() + QStringLiteral(" mit ") +
                                        g->Lehrer->Anschrift(true) + QString::fromUtf8(" wirklich löschen?"),
                                    QString::fromUtf8("Gesprächswunsch löschen"), MeldungsArt::Frage,
                                    Knoepfe::JaNein, Antwort::Nein) != Antwort::Ja)
        return;
    const TBefehlsWache wache(Dokument);
    // Afterwards the next request of the child is selected, else the previous one, else the child.
    const int index = knoten->parent()->indexOfChild(knoten);
    TKind* kind = g->Kind;
    const int danach = index + 1 < knoten->parent()->childCount() ? index : index - 1;
    TVKinder->clear();
    GespraecheLoeschen(*Projekt(), Dokument.RueckListe(), {g});
    Dokument.Melden(TAenderung::Gespraeche | TAenderung::Plan);
    KinderbaumFuellen();
    if (QTreeWidgetItem* k = KindKnoten(TVKinder, kind))
        TVKinder->setCurrentItem(danach >= 0 ? k->child(danach) : k);
}

void TVELWnd::SpBLoeGClick() {
    GespraechLoeschen(false);
}

void TVELWnd::GesprLoeschen1Click() {
    GespraechLoeschen(true);
}

void TVELWnd::AlleGespraecheLoeschen(std::vector<TGespraech*> gespraeche, TKind* auswahl) {
    const TBefehlsWache wache(Dokument);
    TVKinder->clear();
    GespraecheLoeschen(*Projekt(), Dokument.RueckListe(), gespraeche);
    Dokument.Melden(TAenderung::Gespraeche | TAenderung::Plan);
    KinderbaumFuellen();
    QTreeWidgetItem* knoten = auswahl ? KindKnoten(TVKinder, auswahl) : TVKinder->topLevelItem(0);
    if (knoten) TVKinder->setCurrentItem(knoten);
    Loe41Ki->setEnabled(false);
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
    AlleGespraecheLoeschen(kind->Gespraeche, kind);
}

void TVELWnd::AlleGLoeClick() {
    TEltern* e = AktuelleFamilie;
    if (!e) return;
    if (Meldungen.Meldung(QString::fromUtf8("Möchten Sie wirklich alle Gesprächswünsche von %1 löschen?")
                              .arg(e->Anschrift(true)),
                          QString::fromUtf8("Alle Gespräche einer Familie löschen"), MeldungsArt::Frage,
                          Knoepfe::JaNein, Antwort::Nein) != Antwort::Ja)
        return;
    std::vector<TGespraech*> gespraeche;
    for (const auto& k : e->Kinder)
        gespraeche.insert(gespraeche.end(), k->Gespraeche.begin(), k->Gespraeche.end());
    AlleGespraecheLoeschen(gespraeche, nullptr);
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
    Dokument.Melden(TAenderung::Gespraeche);
}

namespace {

// The teacher context entry names teacher and class; "&" in a name is no accelerator.
QString KlasseHinzuText(const TLehrer& lehrer, const QString& klasse) {
    return QString::fromUtf8("%1 bei allen Kindern aus Klasse %2 hinzufügen")
        .arg(lehrer.Anschrift(true), klasse);
}

} // namespace

TLehrer* TVELWnd::KlassenLehrer() const {
    const QModelIndexList zeilen = LVLehrer->selectionModel()->selectedRows();
    // The empty class is listed as "unbekannt", a name no child's class has.
    const bool klasse =
        ComboKlassen->currentIndex() > 0 && ComboKlassen->currentText() != QStringLiteral("unbekannt");
    return zeilen.size() == 1 && klasse ? LehrerInZeile(zeilen.constFirst().row()) : nullptr;
}

void TVELWnd::KlasseHinzuAnbieten() {
    const TLehrer* lehrer = KlassenLehrer();
    KlasseHinzuL1->setVisible(lehrer != nullptr);
    Freigeben(KlasseHinzuL1, lehrer != nullptr);
    if (lehrer)
        KlasseHinzuL1->setText(
            KlasseHinzuText(*lehrer, ComboKlassen->currentText()).replace(u'&', QStringLiteral("&&")));
}

void TVELWnd::Klassenleitung1Click() {
    if (!Projekt()) return;
    const TBefehlsWache wache(Dokument);
    bool geaendert = false;
    if (sender() == KlasseHinzuL1) {
        TLehrer* lehrer = KlassenLehrer();
        if (!lehrer) return;
        const QString klasse = ComboKlassen->currentText();
        if (Meldungen.Meldung(QString::fromUtf8("Möchten Sie jetzt ") + KlasseHinzuText(*lehrer, klasse) +
                                  u'?',
                              QString::fromUtf8("Rückfrage zur Sicherheit"), MeldungsArt::Frage,
                              Knoepfe::JaNein, Antwort::Nein) != Antwort::Ja)
            return;
        const bool kindKommtMit = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
        const TKlassenZuwachs zuwachs = AlleKlasseHinzu(*Projekt(), lehrer, klasse, kindKommtMit);
        geaendert = zuwachs.Neu + zuwachs.Markiert > 0;
    } else {
        TFKlLeitg dialog(*Projekt(), Meldungen, this);
        geaendert = dialog.exec() == QDialog::Accepted;
    }
    if (!geaendert) return;
    Dokument.Melden(TAenderung::Gespraeche);
    KinderbaumFuellen();
}

void TVELWnd::TipBtnClick() {
    Meldungen.Meldung(
        QString::fromUtf8("Sie können Gesprächswünsche auf 3 Weisen hinzufügen:\r\r"
                          "1. Lehrer mit Maus markieren (mehrere: Strg gedrückt halten), dann\r"
                          "1a. Hinzufügenschalter klicken oder Eingabetaste tippen.\r"
                          "1b. Ziehen mit gedrückter linker Maustaste zum Kind (Drag & Drop).\r\r"
                          "2. Kürzel eintippen (Kleinbuchstaben genügen, Komma als Trennzeichen),\r"
                          "   Hinzufügen mit Schalter oder Eingabetaste.\r\r"
                          "3. Doppelklick auf den Lehrer (falls aktiviert).\r\r"
                          "Wenn Sie markieren möchten, dass Eltern UND KIND am Gespräch\r"
                          "teilnehmen, können Sie dies mit der rechten Maustaste für das Kind oder\r"
                          "für einzelne Gespräche kennzeichnen. Oder Sie halten beim Ergänzen der\r"
                          "Gesprächswünsche die Umschalttaste gedrückt.\r"
                          "(Beachten Sie, das solche Kennzeichnung das Gespräch betrifft und nicht\r"
                          "generell das Kind.)"),
        QStringLiteral("Bedienungshinweis"), MeldungsArt::Information);
}
