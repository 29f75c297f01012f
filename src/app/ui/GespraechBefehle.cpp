// Conversation requests under the selected child: typed Kürzel, deleting, the mark "child comes along",
// the class bulk add and the usage hint.
#include "GespraechBefehle.h"

#include "Eingabe.h"
#include "FamilienPanel.h"
#include "GespraechPanel.h"
#include "IdentifyKrz.h"
#include "KinderPanel.h"
#include "Kindermodell.h"
#include "KlLeitg.h"
#include "LehrerBefehle.h"
#include "LehrerPanel.h"
#include "UEditL.h"
#include "document/ProjektDokument.h"
#include "model/Dateneingabe.h"
#include "model/Meldung.h"
#include "model/Projekt.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>

TGespraechBefehle::TGespraechBefehle(const TBefehlsumgebung& umgebung, TEingabe& eingabe,
                                     TLehrerBefehle& lehrerbefehle, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern)
    , E(eingabe)
    , Lehrerbefehle(lehrerbefehle) {
    connect(&E, &TEingabe::GespraecheHinzuGewuenscht, this, &TGespraechBefehle::GespraecheHinzufuegen);
    connect(&E, &TEingabe::GespraechLoeschenGewuenscht, this, &TGespraechBefehle::GesprLoeschen1Click);
}

// Only the class entry of the edit menu is always there; the others follow the selection.
void TGespraechBefehle::Anschliessen(QAction* aktion, void (TGespraechBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    if (handler == &TGespraechBefehle::Klassenleitung1Click && aktion != KlasseHinzuL1)
        Aufnehmen(aktion, TRegel::Immer);
}

void TGespraechBefehle::BtnAddGClick() {
    GespraecheHinzufuegen(QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier));
}

void TGespraechBefehle::GespraecheHinzufuegen(bool kindKommtMit) {
    if (!Projekt()) return;
    QString text = Trimmen(E.Gespraeche->KuerzE->text());
    E.LehrerauswahlAufheben();
    E.Gespraeche->KuerzE->setText(text);
    TKind* kind = E.AktuellesKind();
    if (text.isEmpty() || !kind) {
        if (E.Gespraeche->BtnAddG->hasFocus()) {
            U.Meldungen.Meldung(
                QString::fromUtf8("Markieren Sie die Lehrer und Lehrerinnen,\rmit denen Gespräche "
                                  "gewünscht werden\r - oder\rgeben Sie das (die) Kürzel ein (mit "
                                  "Komma getrennt)."),
                QString::fromUtf8("Gesprächswünsche hinzufügen"), MeldungsArt::Information);
            E.Gespraeche->KuerzE->setFocus();
        }
        return;
    }
    // The questions and dialogs about the Kürzel belong to the command: the backup waits for its end.
    const TBefehlsWache wache(U.Dokument);
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
                TIdentifyKrzDlg dialog(kuerzel, kandidaten, U.Fenster);
                if (dialog.exec() == QDialog::Accepted)
                    lehrer = kandidaten[static_cast<size_t>(dialog.Auswahl())];
            } else {
                lehrerErgaenzen =
                    lehrerErgaenzen ||
                    U.Meldungen.Meldung(
                        QString::fromUtf8(
                            "DAS KÜRZEL\r\r%1\r\rGIBT ES NICHT IN DER LEHRERLISTE.\r\rMöchten Sie "
                            "einen solchen Lehrer ergänzen?")
                            .arg(kuerzel),
                        QStringLiteral("Lehrerliste bearbeiten?"), MeldungsArt::Frage, Knoepfe::JaNein,
                        E.KindFolgt ? Antwort::Ja : Antwort::Nein) == Antwort::Ja;
                if (lehrerErgaenzen) {
                    TFEditL dialog(Projekt()->Lehrerliste, U.Meldungen, U.Fenster);
                    if (dialog.HinzufuegenMitKuerzel(kuerzel) == QDialog::Accepted)
                        lehrer = Lehrerbefehle.LehrerAufnehmen(dialog);
                }
            }
        }
        if (lehrer && GespraechVorhanden(*kind, lehrer->Kuerzel) &&
            U.Meldungen.Meldung(
                QString::fromUtf8("Ein Gespräch mit %1 über %2 ist bereits eingetragen.\rSoll "
                                  "dieser erneute Gesprächswunsch trotzdem ergänzt werden?")
                    .arg(lehrer->Anschrift(true), kind->Vorname),
                QStringLiteral("Vielleicht ein Irrtum ..."), MeldungsArt::Frage, Knoepfe::JaNein,
                Antwort::Nein) != Antwort::Ja)
            lehrer = nullptr;
        if (lehrer) {
            GespraechHinzufuegen(*Projekt(), lehrer, kind, kindKommtMit);
            // The tree shows each new request under the child, which stays selected, before a question
            // about the next Kürzel may refer to it.
            U.Dokument.Melden(TAenderung::Gespraeche);
            E.Kinder->KindWaehlen(kind);
            if (kindKommtMit) Q_EMIT KindKommtMitGesetzt();
        }
        E.Gespraeche->KuerzE->setText(text);
    }
    E.Gespraeche->KuerzE->setFocus();
    E.KuerzEChange();
}

void TGespraechBefehle::GespraechLoeschen(bool fragen) {
    TGespraech* g = E.Kinder->Gespraech();
    if (!g) return;
    if (fragen &&
        U.Meldungen.Meldung(QString::fromUtf8("Möchten Sie das Gespräch von ") +
                                g->Eltern()->Anschrift(true) + QString::fromUtf8(" über ") +
                                g->Kind->KindNameMitKlasse() + QStringLiteral(" mit ") +
                                g->Lehrer->Anschrift(true) + QString::fromUtf8(" wirklich löschen?"),
                            QString::fromUtf8("Gesprächswunsch löschen"), MeldungsArt::Frage, Knoepfe::JaNein,
                            Antwort::Nein) != Antwort::Ja)
        return;
    const TBefehlsWache wache(U.Dokument);
    // Afterwards the next request of the child is selected, else the previous one, else the child.
    TKind* kind = g->Kind;
    const int index = E.Kinder->Knoten().row();
    const int danach = index + 1 < static_cast<int>(kind->Gespraeche.size()) ? index : index - 1;
    E.Kinder->Loslassen();
    GespraecheLoeschen(*Projekt(), U.Dokument.RueckListe(), {g});
    U.Dokument.Melden(TAenderung::Gespraeche | TAenderung::Plan);
    const QModelIndex k = E.Kinder->Modell->KindIndex(kind);
    E.Kinder->Waehlen(danach >= 0 ? E.Kinder->Modell->index(danach, 0, k) : k);
}

void TGespraechBefehle::SpBLoeGClick() {
    GespraechLoeschen(false);
}

void TGespraechBefehle::GesprLoeschen1Click() {
    GespraechLoeschen(true);
}

void TGespraechBefehle::AlleGespraecheLoeschen(std::vector<TGespraech*> gespraeche, TKind* auswahl) {
    const TBefehlsWache wache(U.Dokument);
    E.Kinder->Loslassen();
    GespraecheLoeschen(*Projekt(), U.Dokument.RueckListe(), gespraeche);
    U.Dokument.Melden(TAenderung::Gespraeche | TAenderung::Plan);
    E.EingabeLeeren();
    const QModelIndex knoten = auswahl ? E.Kinder->Modell->KindIndex(auswahl) : E.Kinder->Modell->index(0, 0);
    if (knoten.isValid()) E.Kinder->Waehlen(knoten);
    Loe41Ki->setEnabled(false);
}

void TGespraechBefehle::Loe41KiClick() {
    TKind* kind = E.AktuellesKind();
    if (!kind || kind->Gespraeche.empty()) return;
    if (U.Meldungen.Meldung(
            QString::fromUtf8("Möchten Sie wirklich alle Gesprächswünsche von %1 über %2 löschen?")
                .arg(kind->Eltern->Anschrift(true), kind->Vorname),
            QString::fromUtf8("Alle Gespräche über ein Kind löschen"), MeldungsArt::Frage, Knoepfe::JaNein,
            Antwort::Nein) != Antwort::Ja)
        return;
    AlleGespraecheLoeschen(kind->Gespraeche, kind);
}

void TGespraechBefehle::AlleGLoeClick() {
    TEltern* e = E.AktuelleFamilie();
    if (!e) return;
    if (U.Meldungen.Meldung(QString::fromUtf8("Möchten Sie wirklich alle Gesprächswünsche von %1 löschen?")
                                .arg(e->Anschrift(true)),
                            QString::fromUtf8("Alle Gespräche einer Familie löschen"), MeldungsArt::Frage,
                            Knoepfe::JaNein, Antwort::Nein) != Antwort::Ja)
        return;
    std::vector<TGespraech*> gespraeche;
    for (const auto& k : e->Kinder)
        gespraeche.insert(gespraeche.end(), k->Gespraeche.begin(), k->Gespraeche.end());
    AlleGespraecheLoeschen(gespraeche, nullptr);
}

void TGespraechBefehle::kindkommtmit1Click() {
    bool gesetzt = false;
    if (TGespraech* g = E.Kinder->Gespraech()) {
        gesetzt = !g->KindKommtMit();
        g->SetKindKommtMit(gesetzt);
    } else if (TKind* k = E.Kinder->Kind()) {
        const bool mit = !kindkommtmit1->text().contains(QStringLiteral("nur mit Eltern"));
        for (TGespraech* g : k->Gespraeche)
            g->SetKindKommtMit(mit);
        gesetzt = mit && !k->Gespraeche.empty();
    } else {
        return;
    }
    const TBefehlsWache wache(U.Dokument);
    U.Dokument.Melden(TAenderung::Gespraeche);
    E.EingabeLeeren();
    E.KinderKnoepfeAktualisieren();
    if (gesetzt) Q_EMIT KindKommtMitGesetzt();
}

namespace {

// The teacher context entry names teacher and class; "&" in a name is no accelerator.
QString KlasseHinzuText(const TLehrer& lehrer, const QString& klasse) {
    return QString::fromUtf8("%1 bei allen Kindern aus Klasse %2 hinzufügen")
        .arg(lehrer.Anschrift(true), klasse);
}

} // namespace

TLehrer* TGespraechBefehle::KlassenLehrer() const {
    return E.Familien->KlasseGewaehlt() ? E.Lehrer->Einer() : nullptr;
}

void TGespraechBefehle::KlasseHinzuAnbieten() {
    const TLehrer* lehrer = KlassenLehrer();
    KlasseHinzuL1->setVisible(lehrer != nullptr);
    E.Freigeben(KlasseHinzuL1, lehrer != nullptr);
    if (lehrer)
        KlasseHinzuL1->setText(KlasseHinzuText(*lehrer, E.Familien->ComboKlassen->currentText())
                                   .replace(u'&', QStringLiteral("&&")));
}

void TGespraechBefehle::Klassenleitung1Click() {
    if (!Projekt()) return;
    const TBefehlsWache wache(U.Dokument);
    bool geaendert = false;
    if (sender() == KlasseHinzuL1) {
        TLehrer* lehrer = KlassenLehrer();
        if (!lehrer) return;
        const QString klasse = E.Familien->ComboKlassen->currentText();
        if (U.Meldungen.Meldung(QString::fromUtf8("Möchten Sie jetzt ") + KlasseHinzuText(*lehrer, klasse) +
                                    u'?',
                                QString::fromUtf8("Rückfrage zur Sicherheit"), MeldungsArt::Frage,
                                Knoepfe::JaNein, Antwort::Nein) != Antwort::Ja)
            return;
        const bool kindKommtMit = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
        const TKlassenZuwachs zuwachs = AlleKlasseHinzu(*Projekt(), lehrer, klasse, kindKommtMit);
        geaendert = zuwachs.Neu + zuwachs.Markiert > 0;
    } else {
        TFKlLeitg dialog(*Projekt(), U.Meldungen, U.Fenster);
        geaendert = dialog.exec() == QDialog::Accepted;
    }
    if (!geaendert) return;
    U.Dokument.Melden(TAenderung::Gespraeche);
    E.EingabeLeeren();
    E.KinderKnoepfeAktualisieren();
}

void TGespraechBefehle::TipBtnClick() {
    U.Meldungen.Meldung(
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

void TGespraechBefehle::KontextmenueVorbereiten() {
    const TGespraech* g = E.Kinder->Gespraech();
    const TKind* k = E.AktuellesKind();
    E.Freigeben(GesprLoeschen1, g != nullptr);
    E.Freigeben(KindLoeschen1, k && !g);
    const bool markierbar = g || (k && !k->Gespraeche.empty());
    kindkommtmit1->setVisible(markierbar);
    E.Freigeben(kindkommtmit1, markierbar);
    Loe41Ki->setText(k ? QString::fromUtf8("Alle Gespräche über ") + k->Vorname +
                             QString::fromUtf8(" löschen")
                       : QString::fromUtf8("Gespräche über markiertes Kind löschen"));
    E.Freigeben(Loe41Ki, k && !k->Gespraeche.empty());
    E.Freigeben(AlleGLoe, E.AktuelleFamilie() != nullptr);
    if (!markierbar) return;
    const bool alleMit = g ? g->KindKommtMit()
                           : std::all_of(k->Gespraeche.begin(), k->Gespraeche.end(),
                                         [](auto* x) { return x->KindKommtMit(); });
    const QString phrase = !alleMit ? QStringLiteral("Das Kind kommt mit")
                           : g      ? QString::fromUtf8("Gespräch nur mit Eltern, ohne %1").arg(k->Vorname)
                                    : QString::fromUtf8("Gespräche nur mit Eltern, ohne %1").arg(k->Vorname);
    kindkommtmit1->setText(QStringLiteral("kenzeichnen: \"") + phrase + u'"');
}
