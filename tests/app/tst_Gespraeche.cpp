// Conversation requests typed, marked, deleted and added for a class, through the main window.
#include "Eingabetest.h"
#include "app/ui/IdentifyKrz.h"
#include "app/ui/KlLeitg.h"
#include "app/ui/UEditL.h"
#include "common/TestHaupt.h"
#include "model/Dateneingabe.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

class TstGespraeche : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Kürzel typed into the request box: exact, single case-insensitive, ambiguous, unknown, double.
    void kuerzelEingabe_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QList<Antwort>>("antworten");
        QTest::addColumn<QStringList>("titel");
        QTest::addColumn<QStringList>("ergebnis");
        // The requests the tree shows under the child while the question is asked.
        QTest::addColumn<int>("imBaum");
        QTest::newRow("klein") << "mue, ber" << QList<Antwort>{} << QStringList{}
                               << QStringList({"MUE", "BER"}) << -1;
        QTest::newRow("doppelt nein")
            << "MUE, mue" << QList<Antwort>{Antwort::Nein} << QStringList({"Vielleicht ein Irrtum ..."})
            << QStringList({"MUE"}) << 1;
        QTest::newRow("doppelt ja") << "MUE, mue" << QList<Antwort>{Antwort::Ja}
                                    << QStringList({"Vielleicht ein Irrtum ..."})
                                    << QStringList({"MUE", "MUE"}) << 1;
        QTest::newRow("unbekannt nein")
            << "XY, ber" << QList<Antwort>{Antwort::Nein} << QStringList({"Lehrerliste bearbeiten?"})
            << QStringList({"BER"}) << 0;
    }

    void kuerzelEingabe() {
        QFETCH(QString, eingabe);
        QFETCH(QList<Antwort>, antworten);
        QFETCH(QStringList, titel);
        QFETCH(QStringList, ergebnis);
        QFETCH(int, imBaum);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        f.Familienpanel->LVEltern->setCurrentIndex(f.Familienpanel->LVEltern->model()->index(
            f.Projekt()->Elternliste.IndexOf(f.Projekt()->Elternliste.FindeNummer(2)), 0));
        QCOMPARE(f.Eingabe->AktuellesKind()->Vorname, "Cem");
        t.Meldung.Antworten = antworten;
        int gezeigt = -1;
        t.Meldung.BeiMeldung = [&] {
            if (gezeigt < 0) gezeigt = f.Kinderpanel->Modell->rowCount(Knoten(f, QStringLiteral("Cem")));
        };
        f.Gespraechpanel->KuerzE->setFocus();
        QTest::keyClicks(f.Gespraechpanel->KuerzE, eingabe);
        QTest::keyClick(f.Gespraechpanel->KuerzE, Qt::Key_Return);
        QCOMPARE(t.Meldung.Titel(), titel);
        QCOMPARE(gezeigt, imBaum);
        QStringList kuerzel;
        for (const TGespraech* g : f.Eingabe->AktuellesKind()->Gespraeche)
            kuerzel << g->Lehrer->Kuerzel;
        QCOMPARE(kuerzel, ergebnis);
        QVERIFY(f.Gespraechpanel->KuerzE->text().isEmpty());
        QCOMPARE(f.Projekt()->Gespraechsliste.Count(), 3 + kuerzel.size());
    }

    // An unknown Kürzel answered Yes opens the teacher dialog with the Kürzel fixed; OK adds the teacher
    // and the request, Cancel drops the token.
    void unbekanntesKuerzel_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Abbrechen") << false;
    }

    void unbekanntesKuerzel() {
        QFETCH(bool, ok);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        f.Familienpanel->LVEltern->setCurrentIndex(f.Familienpanel->LVEltern->model()->index(
            f.Projekt()->Elternliste.IndexOf(f.Projekt()->Elternliste.FindeNummer(1)), 0));
        t.Meldung.Antworten = {Antwort::Ja};
        TDialogFolge folge({[ok](QDialog& d) {
            auto& l = static_cast<TFEditL&>(d);
            QCOMPARE(l.windowTitle(), "Möchten Sie einen Lehrer mit diesem Kürzel ergänzen?");
            QVERIFY(l.E_Krz->isReadOnly());
            QCOMPARE(l.E_Krz->text(), "NEU");
            if (!ok) {
                l.reject();
                return;
            }
            QTest::keyClicks(l.E_Anr, "h");
            l.E_Name->setFocus();
            QTest::keyClicks(l.E_Name, "neumann");
            QTest::keyClick(l.E_Name, Qt::Key_Return);
        }});
        f.Gespraechpanel->KuerzE->setFocus();
        QTest::keyClicks(f.Gespraechpanel->KuerzE, "NEU");
        QTest::keyClick(f.Gespraechpanel->KuerzE, Qt::Key_Return);
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(t.Meldung.Protokoll[0].Text, "DAS KÜRZEL\r\rNEU\r\rGIBT ES NICHT IN DER LEHRERLISTE.\r\r"
                                              "Möchten Sie einen solchen Lehrer ergänzen?");
        const TLehrer* neu = f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("NEU"));
        QCOMPARE(neu != nullptr, ok);
        QCOMPARE(f.Projekt()->Lehrerliste.Count(), ok ? 3 : 2);
        QCOMPARE(f.Eingabe->AktuellesKind()->Gespraeche.size(), size_t(ok ? 3 : 2));
        if (ok) QCOMPARE(neu->Name, "Neumann");
    }

    // Teachers Ab and AB and the input "ab": the identification dialog lists both; "Ignorieren" creates
    // nothing, OK the request with the chosen teacher.
    void mehrdeutigesKuerzel_data() {
        QTest::addColumn<int>("zeile"); // -1: Ignorieren
        QTest::addColumn<QStringList>("ergebnis");
        QTest::newRow("Ignorieren") << -1 << QStringList({"BER"});
        QTest::newRow("zweite Zeile") << 1 << QStringList({"BER", "AB"});
    }

    void mehrdeutigesKuerzel() {
        QFETCH(int, zeile);
        QFETCH(QStringList, ergebnis);
        auto p = KleinesProjekt();
        LehrerHinzufuegen(*p, "Herr", "Ab", "Abel", {}, {});
        LehrerHinzufuegen(*p, "Frau", "AB", "Abt", {}, {});
        TFensterTest t;
        t.Fenster->ProjektErsetzen(std::move(p));
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 2);
        TDialogFolge folge({[&](QDialog& d) {
            auto& i = static_cast<TIdentifyKrzDlg&>(d);
            QCOMPARE(i.windowTitle(), "Lehrer identifizieren, Kürzel: ab");
            QVERIFY(i.findChild<QLabel*>()->text().startsWith(
                "Das Kürzel ab ist nicht eindeutig. Bitte wählen Sie hier den gewünschten Lehrer aus:"));
            QCOMPARE(i.Liste->count(), 2);
            QCOMPARE(i.Liste->currentRow(), 0);
            QCOMPARE(i.Liste->item(0)->text(), "Ab\tHerr Abel");
            QVERIFY(i.OkBtn->isDefault());
            if (zeile < 0) {
                QTest::mouseClick(i.IgnorierenBtn, Qt::LeftButton);
                return;
            }
            i.Liste->setCurrentRow(zeile);
            QTest::mouseClick(i.OkBtn, Qt::LeftButton);
        }});
        f.Gespraechpanel->KuerzE->setFocus();
        QTest::keyClicks(f.Gespraechpanel->KuerzE, "ber, ab");
        QTest::keyClick(f.Gespraechpanel->KuerzE, Qt::Key_Return);
        QCOMPARE(folge.Offen(), 0);
        QStringList kuerzel;
        for (const TGespraech* g : f.Eingabe->AktuellesKind()->Gespraeche)
            kuerzel << g->Lehrer->Kuerzel;
        QCOMPARE(kuerzel, ergebnis);
        QVERIFY(t.Meldung.Protokoll.isEmpty());
    }

    // Shift+Enter in the request box or in the teacher list marks the requests "child comes along".
    void umschaltEnter_data() {
        QTest::addColumn<bool>("inLehrerliste");
        QTest::newRow("Kürzelfeld") << false;
        QTest::newRow("Lehrerliste") << true;
    }

    void umschaltEnter() {
        QFETCH(bool, inLehrerliste);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 2);
        if (inLehrerliste) {
            LehrerWaehlen(f, {"MUE", "BER"});
            QCOMPARE(f.Gespraechpanel->KuerzE->text(),
                     "MUE, BER"); // in the order of selection, not of the list
            QCOMPARE(f.Gespraechpanel->LblEingabetaste->text(), "Eingabetaste: Gesprächswünsche hinzufügen");
            f.Lehrerpanel->LVLehrer->setFocus();
            QTest::keyClick(f.Lehrerpanel->LVLehrer, Qt::Key_Return, Qt::ShiftModifier);
        } else {
            f.Gespraechpanel->KuerzE->setFocus();
            QTest::keyClicks(f.Gespraechpanel->KuerzE, "mue,ber");
            QTest::keyClick(f.Gespraechpanel->KuerzE, Qt::Key_Return, Qt::ShiftModifier);
        }
        const TKind* cem = f.Eingabe->AktuellesKind();
        QCOMPARE(cem->Gespraeche.size(), size_t(2));
        for (const TGespraech* g : cem->Gespraeche)
            QVERIFY(g->KindKommtMit());
        QVERIFY(f.Gespraechpanel->KuerzE->text().isEmpty());
        QVERIFY(f.Lehrerpanel->LVLehrer->selectionModel()->selectedRows().isEmpty());
        QVERIFY(!f.Lehrerpanel->BtnLoeschL->isEnabled());
        QVERIFY(!f.Projekt()->UnmoeglichBestimmt && !f.Projekt()->ReihenfolgeFest);
        QCOMPARE(f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("BER"))->Zaehler, 3);
    }

    // The context menu of the tree: captions follow the selected node; the mark command toggles a
    // request and marks or unmarks all requests of a child.
    void kennzeichnen() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 1);
        auto zeigen = [&](const QString& knoten) {
            f.Kinderpanel->Waehlen(Knoten(f, knoten));
            MenueZeigen(f.PopMenuGespr);
            return f.kindkommtmit1->text();
        };
        QCOMPARE(zeigen("Anna"), "kenzeichnen: \"Das Kind kommt mit\"");
        QCOMPARE(f.Loe41Ki->text(), "Alle Gespräche über Anna löschen");
        QVERIFY(f.Loe41Ki->isEnabled());
        QVERIFY(f.AlleGLoe->isVisible());
        QCOMPARE(f.AlleGLoe->text(), "Alle Gespräche bei Familie Maier löschen...");
        QVERIFY(!f.GesprLoeschen1->isEnabled());
        QVERIFY(f.KindLoeschen1->isEnabled());
        f.kindkommtmit1->trigger();
        QVERIFY(f.Dokument.IstGeaendert());
        QCOMPARE(zeigen("Anna"), "kenzeichnen: \"Gespräche nur mit Eltern, ohne Anna\"");
        f.kindkommtmit1->trigger();
        for (const TGespraech* g : f.Eingabe->AktuellesKind()->Gespraeche)
            QVERIFY(!g->KindKommtMit());
        QCOMPARE(zeigen("2. Frau von Berg"), "kenzeichnen: \"Das Kind kommt mit\"");
        QVERIFY(f.GesprLoeschen1->isEnabled());
        QVERIFY(!f.KindLoeschen1->isEnabled());
        f.kindkommtmit1->trigger();
        QCOMPARE(zeigen("2. Frau von Berg"), "kenzeichnen: \"Gespräch nur mit Eltern, ohne Anna\"");
        QVERIFY(f.Eingabe->AktuellesKind()->Gespraeche[1]->KindKommtMit());
        QVERIFY(!f.Eingabe->AktuellesKind()->Gespraeche[0]->KindKommtMit());
        FamilieWaehlen(f, 2);
        zeigen("Cem");
        QVERIFY(!f.kindkommtmit1->isVisible());
        QVERIFY(!f.Loe41Ki->isEnabled());
        QCOMPARE(f.AlleGLoe->text(), "Alle Gespräche bei Frau van Acker löschen...");
    }

    // Deleting the selected request, all of a child or all of the family asks first; the appointments
    // and the counters follow.
    void gespraecheLoeschen_data() {
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<QString>("frage");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QStringList>("anna");
        QTest::addColumn<QString>("auswahl");
        const QString einzeln =
            "Möchten Sie das Gespräch von Familie Maier über Anna (5a) mit Herrn Dr. Müller "
            "wirklich löschen?";
        QTest::newRow("Entf") << "Entf" << Antwort::Ja << einzeln << "Gesprächswunsch löschen"
                              << QStringList({"BER0"}) << "1. Frau von Berg (BER)";
        QTest::newRow("Entf, Nein") << "Entf" << Antwort::Nein << einzeln << "Gesprächswunsch löschen"
                                    << QStringList({"MUE0", "BER1"}) << "1. Herr Dr. Müller (MUE)";
        QTest::newRow("Schalter") << "Schalter" << Antwort::Ja << ""
                                  << "" << QStringList({"BER0"}) << "1. Frau von Berg (BER)";
        QTest::newRow("Kind")
            << "Kind" << Antwort::Ja
            << "Möchten Sie wirklich alle Gesprächswünsche von Familie Maier über Anna löschen?"
            << "Alle Gespräche über ein Kind löschen" << QStringList() << "Anna (5a)";
        QTest::newRow("Familie") << "Familie" << Antwort::Ja
                                 << "Möchten Sie wirklich alle Gesprächswünsche von Familie Maier löschen?"
                                 << "Alle Gespräche einer Familie löschen" << QStringList() << "Anna (5a)";
        QTest::newRow("Familie, Nein")
            << "Familie" << Antwort::Nein
            << "Möchten Sie wirklich alle Gesprächswünsche von Familie Maier löschen?"
            << "Alle Gespräche einer Familie löschen" << QStringList({"MUE0", "BER1"})
            << "1. Herr Dr. Müller (MUE)";
    }

    void gespraecheLoeschen() {
        QFETCH(QString, befehl);
        QFETCH(Antwort, antwort);
        QFETCH(QString, frage);
        QFETCH(QString, titel);
        QFETCH(QStringList, anna);
        QFETCH(QString, auswahl);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(GebuchtesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 1);
        const TKind* k = f.Eingabe->AktuellesKind();
        f.Kinderpanel->Waehlen(Knoten(f, "1. Herr Dr. Müller"));
        f.Kinderpanel->TVKinder->setFocus();
        t.Meldung.Antworten = {antwort};
        if (befehl == "Entf")
            QTest::keyClick(f.Kinderpanel->TVKinder, Qt::Key_Delete);
        else if (befehl == "Schalter")
            QTest::mouseClick(f.Gespraechpanel->SpBLoeG, Qt::LeftButton);
        else
            (befehl == "Kind" ? f.Loe41Ki : f.AlleGLoe)->trigger();
        QCOMPARE(t.Meldung.Protokoll.size(), frage.isEmpty() ? 0 : 1);
        if (!frage.isEmpty()) {
            QCOMPARE(t.Meldung.Protokoll[0].Text, frage);
            QCOMPARE(t.Meldung.Protokoll[0].Titel, titel);
            QCOMPARE(t.Meldung.Protokoll[0].Vorgabe, Antwort::Nein);
        }
        QCOMPARE(Kuerzelfolge(*k), anna);
        QCOMPARE(f.Kinderpanel->Knoten().data().toString(), auswahl);
        const TLehrer* mue = f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("MUE"));
        const TLehrer* ber = f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("BER"));
        const int gespraeche = f.Projekt()->Gespraechsliste.Count();
        QCOMPARE(f.Panels[2]->text(), QStringLiteral("Gesprächsanzahl: %1").arg(gespraeche));
        QCOMPARE(mue->Zaehler + ber->Zaehler, gespraeche);
        QCOMPARE(SlotsFrei(*mue), anna.isEmpty() || anna.size() == 1);
        QCOMPARE(f.Berech1->isEnabled(), gespraeche > 0);
        QCOMPARE(f.Dokument.IstGeaendert(), antwort == Antwort::Ja);
        if (befehl == "Kind" || befehl == "Familie") QCOMPARE(f.Loe41Ki->isEnabled(), antwort != Antwort::Ja);
    }

    // The class dialog: a Kürzel that is none is refused in its cell; the request goes to every child of
    // the class that does not have it yet.
    void klassendialog() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 1);
        TDialogFolge folge({[&](QDialog& d) {
            auto& k = static_cast<TFKlLeitg&>(d);
            QCOMPARE(k.windowTitle(), "Gespräche mit allen Kindern einer Klasse");
            QCOMPARE(k.Gitter->rowCount(), 2);
            QCOMPARE(k.Gitter->item(0, 0)->text(), "5a");
            QCOMPARE(k.Gitter->item(1, 0)->text(), "10b");
            QVERIFY(k.AbbrechenBtn->isDefault());
            // Any edit trigger opens the cell: moving to it is enough.
            auto offenerEditor = [&]() -> QLineEdit* {
                for (auto* e : k.Gitter->viewport()->findChildren<QLineEdit*>())
                    if (e->isVisible()) return e;
                return nullptr;
            };
            k.Gitter->setCurrentCell(1, 1);
            QTRY_VERIFY(offenerEditor());
            QTest::keyClicks(offenerEditor(), "xy");
            QTest::keyClick(offenerEditor(), Qt::Key_Return);
            QTRY_COMPARE(t.Meldung.Protokoll.size(), 1);
            QCOMPARE(t.Meldung.Protokoll[0].Text, "Das Kürzel ist ungültig.");
            QCOMPARE(t.Meldung.Protokoll[0].Titel, "Korrigieren oder Löschen?");
            // The cell opens its editor again, with the text to correct.
            QLineEdit* editor = nullptr;
            QTRY_VERIFY((editor = offenerEditor()) && editor->text() == "xy");
            editor->setText(QStringLiteral("mUE"));
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_COMPARE(k.Gitter->item(1, 1)->text(), "MUE");
            QVERIFY(k.isVisible());
            QTest::mouseClick(k.HinzuBtn, Qt::LeftButton);
        }});
        f.Klassenleitung1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        const TKind* ben = f.Projekt()->Elternliste.FindeNummer(1)->Kinder[1];
        QCOMPARE(Kuerzelfolge(*ben), QStringList({"BER0", "MUE1"}));
        QCOMPARE(f.Panels[2]->text(), "Gesprächsanzahl: 4");
        QVERIFY(f.Dokument.IstGeaendert());
        QVERIFY(Knoten(f, "2. Herr Dr. Müller (MUE)").isValid());
    }

    // The teacher context entry for the filtered class: offered for one teacher and a class only; it
    // asks first and adds the request to the children of the class that lack it.
    void lehrerKlasseHinzu_data() {
        QTest::addColumn<QString>("klasse");
        QTest::addColumn<QStringList>("lehrer");
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<QString>("eintrag"); // empty: not offered
        QTest::addColumn<int>("gespraeche");
        QTest::newRow("Ja") << "5a" << QStringList({"BER"}) << Antwort::Ja
                            << "Frau von Berg bei allen Kindern aus Klasse 5a hinzufügen" << 4;
        QTest::newRow("Nein") << "5a" << QStringList({"BER"}) << Antwort::Nein
                              << "Frau von Berg bei allen Kindern aus Klasse 5a hinzufügen" << 3;
        QTest::newRow("alle Klassen") << "(alle)" << QStringList({"BER"}) << Antwort::Ja << "" << 3;
        QTest::newRow("unbekannt") << "unbekannt" << QStringList({"BER"}) << Antwort::Ja << "" << 3;
        QTest::newRow("zwei Lehrer") << "5a" << QStringList({"BER", "MUE"}) << Antwort::Ja << "" << 3;
    }

    void lehrerKlasseHinzu() {
        QFETCH(QString, klasse);
        QFETCH(QStringList, lehrer);
        QFETCH(Antwort, antwort);
        QFETCH(QString, eintrag);
        QFETCH(int, gespraeche);
        auto p = KleinesProjekt();
        p->NeuesKind(p->Elternliste.FindeNummer(2), "Dora", "5a");
        TFensterTest t;
        t.Fenster->ProjektErsetzen(std::move(p));
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        f.Familienpanel->ComboKlassen->setCurrentText(klasse);
        Q_EMIT f.Familienpanel->ComboKlassen->activated(f.Familienpanel->ComboKlassen->currentIndex());
        LehrerWaehlen(f, lehrer);
        MenueZeigen(f.PopMenuLehrer);
        QCOMPARE(f.KlasseHinzuL1->isVisible(), !eintrag.isEmpty());
        if (eintrag.isEmpty()) return;
        QCOMPARE(f.KlasseHinzuL1->text(), eintrag);
        t.Meldung.Antworten = {antwort};
        f.KlasseHinzuL1->trigger();
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text, "Möchten Sie jetzt " + eintrag + "?");
        QCOMPARE(t.Meldung.Protokoll[0].Titel, "Rückfrage zur Sicherheit");
        QCOMPARE(t.Meldung.Protokoll[0].Vorgabe, Antwort::Nein);
        QCOMPARE(f.Projekt()->Gespraechsliste.Count(), gespraeche);
        QCOMPARE(f.Dokument.IstGeaendert(), antwort == Antwort::Ja);
        const TKind* dora = f.Projekt()->Elternliste.FindeNummer(2)->Kinder.FindeVorname("Dora");
        QCOMPARE(Kuerzelfolge(*dora), antwort == Antwort::Ja ? QStringList({"BER0"}) : QStringList());
        QCOMPARE(f.Panels[2]->text(), QStringLiteral("Gesprächsanzahl: %1").arg(gespraeche));
    }

    // Records that were freed are no longer reachable from the window: the order of selected teachers
    // forgets a deleted teacher, and a family without children leaves no current child behind.
    void nachLoeschenKeineVerweise() {
        TFensterTest t;
        auto p = KleinesProjekt();
        p->NeueFamilie("Familie", "Zorn");
        p->ElternSortieren();
        t.Fenster->ProjektErsetzen(std::move(p));
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 1);
        LehrerWaehlen(f, {"BER"});
        QCOMPARE(f.Gespraechpanel->KuerzE->text(), "BER");
        t.Meldung.Antworten = {Antwort::Ja};
        f.Lehrerpanel->BtnLoeschL->click();
        FamilieWaehlen(f, 1);
        LehrerWaehlen(f, {"MUE"});
        QCOMPARE(f.Gespraechpanel->KuerzE->text(), "MUE");

        t.Meldung.Antworten = {Antwort::Ja};
        f.Familienpanel->BtnLoeschE->click();
        QCOMPARE(f.Eingabe->AktuelleFamilie()->Name, "Zorn");
        QCOMPARE(f.Eingabe->AktuellesKind(), nullptr);
        QCOMPARE(f.Gespraechpanel->LbKind->text(), "");
        QVERIFY(!f.Kinderpanel->BtnEditK->isEnabled());
    }
};

VEL_TEST(TstGespraeche)
#include "tst_Gespraeche.moc"
