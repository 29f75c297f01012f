// The teacher list and its commands, driven through the main window.
#include "Eingabetest.h"
#include "app/ui/AnrDlg.h"
#include "app/ui/UEditL.h"
#include "common/TestHaupt.h"
#include "model/Dateneingabe.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>

class TstLehrer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The teacher dialog's Kürzel rule through the window: a taken Kürzel is refused, a new one added.
    void lehrerKuerzelregel() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        TDialogFolge folge({[](QDialog& d) {
                                auto& l = static_cast<TFEditL&>(d);
                                l.E_Name->setText(QStringLiteral("Klein"));
                                l.E_Krz->setText(QStringLiteral("MUE"));
                                l.E_Krz->setFocus();
                                QTest::keyClick(l.E_Krz, Qt::Key_Return);
                                QVERIFY(l.isVisible());
                                l.E_Krz->setText(QStringLiteral("mue"));
                                QTest::keyClick(l.E_Krz, Qt::Key_Return);
                            },
                            [](QDialog& d) { d.reject(); }});
        QTest::mouseClick(f.Lehrerpanel->BtnLehrerHinzu, Qt::LeftButton);
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(t.Meldung.Titel(), QStringList({"Kürzel: MUE"}));
        QCOMPARE(f.Projekt()->Lehrerliste.Count(), 3);
        QVERIFY(f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("mue")));
        QCOMPARE(f.Panels[1]->text(), "Lehreranzahl: 3");
    }

    // Deleting a teacher asks with the number of requests and removes them from the tree.
    void lehrerLoeschen() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        const int zeile =
            f.Projekt()->Lehrerliste.IndexOf(f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("BER")));
        f.Lehrerpanel->LVLehrer->setCurrentIndex(f.Lehrerpanel->LVLehrer->model()->index(zeile, 0));
        t.Meldung.Antworten = {Antwort::Ja};
        QTest::keyClick(f.Lehrerpanel->LVLehrer, Qt::Key_Delete);
        QCOMPARE(t.Meldung.Protokoll[0].Text, "Soll Frau von Berg (BER)\rwirklich gelöscht werden?\r\r"
                                              "Anzahl bereits gewünschter Gespräche: 2");
        QCOMPARE(f.Projekt()->Gespraechsliste.Count(), 1);
        QCOMPARE(f.Projekt()->Lehrerliste.Count(), 1);
        QVERIFY(!f.Projekt()->ReihenfolgeFest);
    }

    // Changing a teacher: keeping the own Kürzel is fine, another's is refused; the tree and the request
    // box show the new Kürzel.
    void lehrerAendern_data() {
        QTest::addColumn<QString>("kuerzel");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("eigenes Kürzel") << "MUE"
                                        << "";
        QTest::newRow("neues Kürzel") << "Mü"
                                      << "";
        QTest::newRow("fremdes Kürzel") << "BER"
                                        << "Dieses Kürzel ist bereits für Frau von Berg vergeben,\r\n"
                                           "bitte korrigieren Sie es.";
    }

    void lehrerAendern() {
        QFETCH(QString, kuerzel);
        QFETCH(QString, meldung);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 1);
        f.Dokument.RueckListe().Add(std::make_unique<TRueckgEintrag>());
        LehrerWaehlen(f, {"MUE"});
        QCOMPARE(f.Gespraechpanel->KuerzE->text(), "MUE");
        TDialogFolge folge({[&](QDialog& d) {
            auto& l = static_cast<TFEditL&>(d);
            QCOMPARE(l.windowTitle(), "Lehrerdaten korrigieren");
            QVERIFY(!l.E_Krz->isReadOnly());
            l.E_Name->setText(QStringLiteral("Müllner"));
            l.E_Krz->setText(kuerzel);
            l.E_Krz->setFocus();
            QTest::keyClick(l.E_Krz, Qt::Key_Return);
            if (!meldung.isEmpty()) {
                QVERIFY(l.isVisible());
                l.reject();
            }
        }});
        f.EditL1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(Fokusfeld(), f.Lehrerpanel->LVLehrer);
        const TLehrer* l = f.Projekt()->Lehrerliste.FindeKuerzel(meldung.isEmpty() ? kuerzel : "MUE");
        QVERIFY(l);
        if (!meldung.isEmpty()) {
            QCOMPARE(t.Meldung.Protokoll.size(), 1);
            QCOMPARE(t.Meldung.Protokoll[0].Text, meldung);
            QCOMPARE(l->Name, QString::fromUtf8("Müller"));
            QVERIFY(!f.Dokument.IstGeaendert());
            return;
        }
        QCOMPARE(l->Name, "Müllner");
        QVERIFY(f.Dokument.IstGeaendert());
        QCOMPARE(f.Dokument.RueckListe().Count(), 0);
        QVERIFY(Knoten(f, QStringLiteral("1. Herr Dr. Müllner (%1)").arg(kuerzel)).isValid());
        QCOMPARE(f.Gespraechpanel->KuerzE->text(), kuerzel);
        QCOMPARE(f.Lehrerpanel->LVLehrer->selectionModel()->selectedRows().size(), 1);
    }

    // Three teachers with 4, 5 and no requests: the question shows the sum 9, the nine conversations go
    // with their appointments, and the plan must be prepared again.
    void mehrereLehrerLoeschen_data() {
        QTest::addColumn<Antwort>("antwort");
        QTest::newRow("Ja") << Antwort::Ja;
        QTest::newRow("Nein") << Antwort::Nein;
    }

    void mehrereLehrerLoeschen() {
        QFETCH(Antwort, antwort);
        auto p = ProjektMitRahmen(12, 10);
        TLehrer* a = LehrerHinzufuegen(*p, "Herr", "A", "Adam", {}, {});
        TLehrer* b = LehrerHinzufuegen(*p, "Frau", "B", "Bode", {}, {});
        LehrerHinzufuegen(*p, "Frau", "C", "Cohn", {}, {});
        TLehrer* d = LehrerHinzufuegen(*p, "Herr", "D", "Dorn", {}, {});
        int slot = 0;
        for (int i = 0; i < 10; ++i) {
            TEltern* e = p->NeueFamilie("Familie", QStringLiteral("F%1").arg(i));
            TKind* k = p->NeuesKind(e, "Kind", "5a");
            for (TLehrer* l : {i < 4 ? a : d, i < 5 ? b : d}) {
                TGespraech* g = p->NeuesGespraech(l, k);
                g->Termin = static_cast<int16_t>(slot % 12);
                l->Zeiten[g->Termin] = e->Zeiten[g->Termin] = g->Nummer;
                ++slot;
            }
        }
        p->ZaehleGespraeche();
        // As after a scheduling run: the counters hold the run's working values.
        a->Zaehler |= 0x8000;
        p->UnmoeglichBestimmt = p->ReihenfolgeFest = true;
        TFensterTest t;
        t.Fenster->ProjektErsetzen(std::move(p));
        t.Fenster->Dokument.RueckListe().Add(std::make_unique<TRueckgEintrag>());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        LehrerWaehlen(f, {"A", "B", "C"});
        f.Lehrerpanel->LVLehrer->setFocus();
        t.Meldung.Antworten = {antwort};
        QTest::keyClick(f.Lehrerpanel->LVLehrer, Qt::Key_Delete);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text,
                 "Möchten Sie die 3 ausgewählten Lehrkräfte wirklich alle löschen?\r\r"
                 "Anzahl bereits gewünschter Gespräche: 9");
        QCOMPARE(t.Meldung.Protokoll[0].Titel, "Lehrer löschen");
        QCOMPARE(t.Meldung.Protokoll[0].Vorgabe, Antwort::Nein);
        TProjekt& q = *f.Projekt();
        if (antwort == Antwort::Nein) {
            QCOMPARE(q.Gespraechsliste.Count(), 20);
            QCOMPARE(q.Lehrerliste.Count(), 4);
            return;
        }
        QCOMPARE(q.Gespraechsliste.Count(), 11);
        QCOMPARE(q.Lehrerliste.Count(), 1);
        for (const auto& e : q.Elternliste)
            for (int s = 0; s < SlotAnzahl; ++s)
                if (e->Zeiten[static_cast<size_t>(s)] > 0)
                    QCOMPARE(
                        q.Gespraechsliste.FindeNummer(e->Zeiten[static_cast<size_t>(s)])->Lehrer->Kuerzel,
                        "D");
        QVERIFY(!q.UnmoeglichBestimmt && !q.ReihenfolgeFest);
        QCOMPARE(f.Dokument.RueckListe().Count(), 0);
        QCOMPARE(f.Panels[1]->text(), "Lehreranzahl: 1");
        QCOMPARE(f.Panels[2]->text(), "Gesprächsanzahl: 11");
        QCOMPARE(Fokusfeld(), f.Lehrerpanel->BtnLehrerHinzu);
        QVERIFY(f.Lehrerpanel->LVLehrer->isEnabled());
    }

    // After the last teacher the list is disabled and "hinzu ..." has the focus.
    void letzteLehrerLoeschen() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        LehrerWaehlen(f, {"MUE", "BER"});
        t.Meldung.Antworten = {Antwort::Ja};
        QTest::mouseClick(f.Lehrerpanel->BtnLoeschL, Qt::LeftButton);
        QCOMPARE(t.Meldung.Protokoll[0].Text,
                 "Möchten Sie die 2 ausgewählten Lehrkräfte wirklich alle löschen?\r\r"
                 "Anzahl bereits gewünschter Gespräche: 3");
        QVERIFY(f.Projekt()->Lehrerliste.Leer());
        QVERIFY(!f.Lehrerpanel->LVLehrer->isEnabled());
        QCOMPARE(Fokusfeld(), f.Lehrerpanel->BtnLehrerHinzu);
        QVERIFY(!f.Berech1->isEnabled());
    }

    // The salutation editor from the menu: Enter in "von" leads on to "nach"; then every teacher with
    // exactly that salutation gets the new one, and the project counts as changed.
    void anredeEditorErsetzen() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        QVERIFY(f.AnrEdit1->isEnabled());
        TDialogFolge folge({[](QDialog& d) {
            auto& a = Als<TAnrDlgF>(d);
            QCOMPARE(a.windowTitle(), "Anrede-Editor (Anreden global bearbeiten)");
            QCOMPARE(a.Liste->item(0)->text(), "BER\tFrau von Berg");
            QVERIFY(a.RBErsetzen->isChecked());
            QCOMPARE(Fokus(d), a.EdVon);
            Tippen(a.EdVon, QStringLiteral("  Frau "));
            QTest::keyClick(a.EdVon, Qt::Key_Return);
            QVERIFY(a.isVisible());
            QCOMPARE(Fokus(d), a.EdNach);
            Tippen(a.EdNach, QStringLiteral("Frau  Dr."));
            QTest::keyClick(a.EdNach, Qt::Key_Return);
        }});
        f.AnrEdit1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("BER"))->Anrede, "Frau Dr.");
        QCOMPARE(f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("MUE"))->Anrede, "Herr");
        QVERIFY(f.Dokument.IstGeaendert());
    }

    // Only salutations equal to the "von" text change; replacing a salutation by itself changes nothing
    // and leaves the project unchanged.
    void anredeEditorNurGleiche_data() {
        QTest::addColumn<QString>("von");
        QTest::addColumn<QString>("nach");
        QTest::addColumn<QStringList>("anreden");
        QTest::newRow("Frau durch Frau") << "Frau"
                                         << "Frau" << QStringList{"Frau", "Herr", "Dr.", "Dr. med."};
        QTest::newRow("Dr. durch Herr Dr.")
            << "Dr."
            << "Herr Dr." << QStringList{"Frau", "Herr", "Herr Dr.", "Dr. med."};
    }
    void anredeEditorNurGleiche() {
        QFETCH(QString, von);
        QFETCH(QString, nach);
        QFETCH(QStringList, anreden);
        TFensterTest t;
        auto p = KleinesProjekt();
        p->NeuerLehrer(QStringLiteral("Dr."), QStringLiteral("XA"), QStringLiteral("Xaver"));
        p->NeuerLehrer(QStringLiteral("Dr. med."), QStringLiteral("YB"), QStringLiteral("Ypsilon"));
        t.Fenster->ProjektErsetzen(std::move(p));
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        TDialogFolge folge({Eingaben({von, nach})});
        f.AnrEdit1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QStringList ergebnis;
        for (const char* kuerzel : {"BER", "MUE", "XA", "YB"})
            ergebnis << f.Projekt()->Lehrerliste.FindeKuerzel(QLatin1String(kuerzel))->Anrede;
        QCOMPARE(ergebnis, anreden);
        QCOMPARE(f.Dokument.IstGeaendert(), von != nach);
    }

    // From the teacher's context menu: swapping, with the "von"/"nach" fields hidden; the teacher the
    // menu was opened on stays selected. Cancel changes nothing.
    void anredeEditorTauschen_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Abbrechen") << false;
    }
    void anredeEditorTauschen() {
        QFETCH(bool, ok);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        LehrerWaehlen(f, {"MUE"});
        TDialogFolge folge({[ok](QDialog& d) {
            auto& a = Als<TAnrDlgF>(d);
            a.RBTauschen->click();
            QVERIFY(!a.EdVon->isVisible());
            QVERIFY(!a.EdNach->isVisible());
            (ok ? a.OkBtn : a.CancBtn)->click();
        }});
        f.AnrEditL1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("BER"))->Anrede, ok ? "Herr" : "Frau");
        QCOMPARE(f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("MUE"))->Anrede, ok ? "Frau" : "Herr");
        QCOMPARE(f.Dokument.IstGeaendert(), ok);
        QCOMPARE(f.Lehrerpanel->Einer(), f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("MUE")));
    }
};

VEL_TEST(TstLehrer)
#include "tst_Lehrer.moc"
