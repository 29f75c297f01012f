#include "Eingabetest.h"
#include "FensterTest.h"
#include "app/ui/Befehlsgruppen.h"
#include "app/ui/GespraechBefehle.h"
#include "common/TestHaupt.h"
#include "editing/ui/UVerschieb.h"
#include "output/Anmerkungen.h"
#include "output/ui/AnmerkBefehle.h"
#include "output/ui/FAnmerk.h"
#include "rooms/ui/RaumDlg.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <map>

namespace {

TPerson* Person(TVELWnd& f, const char* name) {
    for (const auto& e : f.Projekt()->Elternliste)
        if (e->Name == QString::fromUtf8(name)) return e.get();
    return f.Projekt()->Lehrerliste.FindeKuerzel(QString::fromUtf8(name));
}

// Types into the dialog's editable field and answers with OK, noting what the dialog showed.
TSchritt Schreiben(const QString& text, QString* titel = nullptr) {
    return [text, titel](QDialog& d) {
        auto& dlg = Als<TFAnmerk>(d);
        if (titel) *titel = dlg.windowTitle();
        QTest::keyClick(Fokus(d), Qt::Key_End, Qt::ControlModifier);
        Tippen(Fokus(d), text);
        dlg.accept();
    };
}

QStringList Texte(const QMenu* menue) {
    QStringList texte;
    for (const QAction* a : menue->actions())
        if (!a->isSeparator()) texte << a->text();
    return texte;
}

QAction* Eintrag(const QMenu* menue, const QString& anfang) {
    for (QAction* a : menue->actions())
        if (a->text().startsWith(anfang)) return a;
    return nullptr;
}

} // namespace

class TstAnmerkungenBefehle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The general texts from the edit menu and from the lists' context menus: the dialog for all
    // families or all teachers; OK stores the text and marks the project changed.
    void allgemein_data() {
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<bool>("eltern");
        QTest::newRow("Menü Lehrer") << "Anmerkung1" << false;
        QTest::newRow("Menü Eltern") << "Anmerk2" << true;
        QTest::newRow("Elternliste") << "AnmerkAlleE1" << true;
        QTest::newRow("Lehrerliste") << "AnmerkAlleL1" << false;
    }
    void allgemein() {
        QFETCH(QString, befehl);
        QFETCH(bool, eltern);
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(KleinesProjekt());
        f.Projekt()->AnmerkungAlleLehrer = QStringLiteral("Kaffee.");
        QString kopf;
        TDialogFolge folge({[&](QDialog& d) {
            auto& dlg = Als<TFAnmerk>(d);
            QCOMPARE(dlg.windowTitle(), "Ergänzender Text für alle...");
            kopf = dlg.LblKopf->text();
            Schreiben(QString::fromUtf8("Bitte Zeugnis mitbringen – €"))(d);
        }});
        const std::map<QString, QAction*> aktionen = {{"Anmerkung1", f.Anmerkung1},
                                                      {"Anmerk2", f.Anmerk2},
                                                      {"AnmerkAlleE1", f.AnmerkAlleE1},
                                                      {"AnmerkAlleL1", f.AnmerkAlleL1}};
        QAction* aktion = aktionen.at(befehl);
        QVERIFY(aktion->isEnabled());
        aktion->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(kopf, eltern ? "Folgender Text wird bei allen Eltern zu der Gesprächsliste ergänzt:"
                              : "Folgender Text wird bei allen Lehrern zu der Gesprächsliste ergänzt:");
        QCOMPARE(f.Projekt()->AnmerkungAlleEltern,
                 eltern ? QString::fromUtf8("Bitte Zeugnis mitbringen – €") : QString());
        QCOMPARE(f.Projekt()->AnmerkungAlleLehrer,
                 eltern ? QStringLiteral("Kaffee.")
                        : QString::fromUtf8("Kaffee.Bitte Zeugnis mitbringen – €"));
        QVERIFY(f.Dokument.IstGeaendert());
    }

    // Without a project the commands are not there.
    void ohneProjekt() {
        TFensterTest t;
        for (const QAction* a :
             {t.Fenster->Anmerkung1, t.Fenster->Anmerk2, t.Fenster->IndividuelleAnmerkungen1,
              t.Fenster->AutoAnmerk1, t.Fenster->AnmerkAlleE1, t.Fenster->AnmerkAlleL1})
            QVERIFY(!a->isEnabled());
    }

    // "Individuelle Anmerkungen..." takes the person selected in the list that has the focus, and
    // explains where to choose one when there is none.
    void individuell() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        FamilieWaehlen(f, 1);
        LehrerWaehlen(f, {QStringLiteral("BER")});
        QStringList titel;
        const auto notieren = [&](QDialog& d) {
            titel << d.windowTitle();
            d.reject();
        };
        TDialogFolge folge({notieren, notieren});
        f.Familienpanel->LVEltern->setFocus();
        f.IndividuelleAnmerkungen1->trigger();
        // The offscreen platform does not give the window back its activation after a dialog.
        QVERIFY(t.Zeigen());
        f.Lehrerpanel->LVLehrer->setFocus();
        f.IndividuelleAnmerkungen1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(titel,
                 (QStringList{"Ergänzender Text für Familie Maier", "Ergänzender Text für Frau von Berg"}));
        QVERIFY(t.Meldung.Protokoll.isEmpty());

        f.Gespraechpanel->KuerzE->setFocus();
        f.IndividuelleAnmerkungen1->trigger();
        QCOMPARE(t.Meldung.Titel(), QStringList{"Hinweis"});
        QCOMPARE(
            t.Meldung.Protokoll[0].Text,
            "Für individuelle Anmerkungen (ergänzende Texte zu den Gesprächslisten)\rmuss die gewünschte "
            "Person gewählt werden - \rentweder hier oder im Fenster zum Bearbeiten der Gesprächslisten "
            "(F5).\r\rIn Gesprächslistenfenster benötigen Sie dazu das Kontextmenü (rechte Maustaste).\r\r"
            "Auch hier im Hauptfenster gibt es für Lehrer und Eltern ein Kontextmenü.");
        QVERIFY(!f.Dokument.IstGeaendert());
    }

    // The lists' context entries open the selected person's own text; what was typed is stored with the
    // files' line breaks, and "Abbrechen" stores nothing.
    void kontextmenue() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(KleinesProjekt());
        FamilieWaehlen(f, 1);
        LehrerWaehlen(f, {QStringLiteral("MUE")});
        QCOMPARE(f.AnmerkE1->text(), "Anmerkungen für Familie Maier");
        QCOMPARE(f.AnmerkL1->text(), "Anmerkungen für Herrn Dr. Müller");
        QString titel;
        TDialogFolge folge({[&](QDialog& d) {
                                auto& dlg = Als<TFAnmerk>(d);
                                QCOMPARE(Fokus(d), dlg.MemoEigen);
                                Tippen(dlg.MemoEigen, QStringLiteral("Heft"));
                                QTest::keyClick(dlg.MemoEigen, Qt::Key_Return);
                                Tippen(dlg.MemoEigen, QStringLiteral("mitbringen"));
                                dlg.accept();
                            },
                            Schreiben(QStringLiteral("nur bis 17 Uhr"), &titel),
                            [](QDialog& d) {
                                auto& dlg = Als<TFAnmerk>(d);
                                Tippen(dlg.MemoEigen, QStringLiteral("verworfen"));
                                dlg.reject();
                            }});
        f.AnmerkE1->trigger();
        QCOMPARE(Person(f, "Maier")->Anmerkung, QStringLiteral("Heft\r\nmitbringen"));
        f.AnmerkL1->trigger();
        QCOMPARE(titel, "Ergänzender Text für Herrn Dr. Müller");
        QCOMPARE(Person(f, "MUE")->Anmerkung, QStringLiteral("nur bis 17 Uhr"));
        f.Dokument.Gespeichert();
        f.AnmerkE1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(Person(f, "Maier")->Anmerkung, QStringLiteral("Heft\r\nmitbringen"));
        QVERIFY(!f.Dokument.IstGeaendert());
    }

    // "Automatische Anmerkungen...": "Ja" switches the explanation on, keeps the choice for the next
    // start and gives it to everybody with a child who comes along; "Nein" takes it away again.
    void automatisch() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(KleinesProjekt());
        t.Meldung.Antworten = {Antwort::Ja};
        f.AutoAnmerk1->trigger();
        QCOMPARE(t.Meldung.Titel(), QStringList{"Individuelle Anmerkung automatisch erzeugen"});
        QVERIFY(t.Meldung.Protokoll[0].Text.endsWith(
            "(Aktuelle Einstellung: NEIN. Mit 'Ja' werden ggf. Hinweise gesetzt.)"));
        QVERIFY(f.Programmwerte.autoAnmerk);
        QVERIFY(t.Speicher.SchluesselLesen(QStringLiteral("Optionen"))
                    .SchalterLesen(QStringLiteral("autoAnmerk"), false));
        QCOMPARE(Person(f, "BER")->Anmerkung, PlusErklaerung());
        QCOMPARE(Person(f, "Maier")->Anmerkung, PlusErklaerung());
        QVERIFY(Person(f, "MUE")->Anmerkung.isEmpty());
        QVERIFY(f.Dokument.IstGeaendert());

        t.Meldung.Antworten = {Antwort::Nein};
        f.AutoAnmerk1->trigger();
        QCOMPARE(t.Meldung.Protokoll.size(), 2);
        QVERIFY(
            t.Meldung.Protokoll[1].Text.contains("JA. Mit 'Nein' werden ggf. vorhandene Hinweise gelöscht."));
        QVERIFY(!t.Speicher.SchluesselLesen(QStringLiteral("Optionen"))
                     .SchalterLesen(QStringLiteral("autoAnmerk"), true));
        QVERIFY(Person(f, "BER")->Anmerkung.isEmpty());
        QVERIFY(Person(f, "Maier")->Anmerkung.isEmpty());
    }

    // The first "Kind kommt mit" of a program run asks unprompted, whether marked by the context entry
    // or added with Shift; later marks do not ask again. With the explanation on at start it never asks.
    void unaufgefordert_data() {
        QTest::addColumn<bool>("hinzufuegen");
        QTest::addColumn<bool>("anBeimStart");
        QTest::newRow("gekennzeichnet") << false << false;
        QTest::newRow("mit Umschalt hinzugefügt") << true << false;
        QTest::newRow("beim Start an") << false << true;
    }
    void unaufgefordert() {
        QFETCH(bool, hinzufuegen);
        QFETCH(bool, anBeimStart);
        TFensterTest t;
        if (anBeimStart)
            t.Speicher.SchluesselSchreiben(QStringLiteral("Optionen"))
                .SchalterSchreiben(QStringLiteral("autoAnmerk"), true);
        t.Fenster = std::make_unique<TVELWnd>(t.Meldung, t.Dateiwahl, t.Speicher);
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        FamilieWaehlen(f, 1);
        // The second add repeats a request and is confirmed.
        t.Meldung.Antworten = {Antwort::Ja, Antwort::Ja};
        const auto fragen = [&] {
            return std::count_if(t.Meldung.Protokoll.begin(), t.Meldung.Protokoll.end(), [](const auto& m) {
                return m.Titel == QStringLiteral("Individuelle Anmerkung automatisch erzeugen");
            });
        };
        const auto markieren = [&](const char* kind, const char* kuerzel) {
            f.Kinderpanel->Waehlen(Knoten(f, QString::fromUtf8(kind)));
            if (hinzufuegen) {
                f.Gespraechpanel->KuerzE->setText(QString::fromUtf8(kuerzel));
                f.Gruppen.Gespraechbefehle->GespraecheHinzufuegen(true);
            } else {
                MenueZeigen(f.PopMenuGespr);
                f.kindkommtmit1->trigger();
            }
        };
        markieren("Ben", "MUE");
        if (anBeimStart) {
            QCOMPARE(fragen(), 0);
            return;
        }
        QCOMPARE(t.Meldung.Titel(), QStringList{"Individuelle Anmerkung automatisch erzeugen"});
        QVERIFY(t.Meldung.Protokoll[0].Text.endsWith(
            "\rSiehe auch Menü-Bearbeiten-Anmerkungen-Automatische Anmerkungen"));
        QVERIFY(f.Programmwerte.autoAnmerk);
        QCOMPARE(Person(f, "Maier")->Anmerkung, PlusErklaerung());
        // Ben's request with BER, or the one just added with MUE.
        QCOMPARE(Person(f, hinzufuegen ? "MUE" : "BER")->Anmerkung, PlusErklaerung());
        markieren("Anna", "MUE");
        QCOMPARE(fragen(), 1);
        QVERIFY(Person(f, "Maier")->Anmerkung == PlusErklaerung());
    }

    // "Nein" to the unprompted question leaves the explanation off, and it is not asked again.
    void unaufgefordertNein() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(KleinesProjekt());
        FamilieWaehlen(f, 1);
        t.Meldung.Antworten = {Antwort::Nein};
        for (const char* kind : {"Ben", "Anna"}) {
            f.Kinderpanel->Waehlen(Knoten(f, QString::fromUtf8(kind)));
            MenueZeigen(f.PopMenuGespr);
            f.kindkommtmit1->trigger();
        }
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QVERIFY(!f.Programmwerte.autoAnmerk);
        QVERIFY(Person(f, "Maier")->Anmerkung.isEmpty());
        QVERIFY(!f.Gruppen.Anmerkungen->AutoAnmerkFragen);
    }

    // The editing board's pop-up menu: the shown person's text and the general texts of families and
    // teachers, each in the dialog over the board.
    void brett() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(GebuchtesProjekt());
        QVERIFY(t.Zeigen());
        FamilieWaehlen(f, 1);
        TFVerschieb* board = nullptr;
        QStringList texte;
        QStringList titel;
        const auto menue = [&](const QString& eintrag) {
            Q_EMIT board->LVE->customContextMenuRequested(QPoint(5, 5));
            texte = Texte(board->PopupMenu);
            board->PopupMenu->hide();
            QTimer::singleShot(0, Eintrag(board->PopupMenu, eintrag), &QAction::trigger);
        };
        const auto schreiben = [&](const QString& text, bool weiter, const QString& eintrag) {
            // The board comes back on top between two of them and must wait for the next.
            return Fuer<TFAnmerk>([&, text, weiter, eintrag](QDialog& d) {
                QCOMPARE(d.parentWidget(), board);
                Schreiben(text, nullptr)(d);
                titel << d.windowTitle() + u'|' + Als<TFAnmerk>(d).LblKopf->text();
                if (weiter)
                    QTimer::singleShot(0, board, [&, eintrag] { menue(eintrag); });
                else
                    QTimer::singleShot(0, board, [&] { board->BtnSchliessen->click(); });
            });
        };
        TDialogFolge folge(
            {[&](QDialog& d) {
                 board = &Als<TFVerschieb>(d);
                 board->LVE->setCurrentItem(board->LVE->topLevelItem(0));
                 menue(QStringLiteral("Anmerkung für Familie Maier..."));
             },
             schreiben(QStringLiteral("Maier"), true, QStringLiteral("Anmerkungen für alle Eltern...")),
             schreiben(QStringLiteral("Eltern"), true,
                       QString::fromUtf8("Anmerkungen für alle Lehrkräfte...")),
             schreiben(QStringLiteral("Lehrer"), false, QString())});
        f.HandBearb1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(texte.mid(1, 3),
                 (QStringList{"Anmerkung für Familie Maier...", "Anmerkungen für alle Eltern...",
                              "Anmerkungen für alle Lehrkräfte..."}));
        QCOMPARE(titel.size(), 3);
        QVERIFY(titel[0].startsWith("Ergänzender Text für Familie Maier|"));
        QVERIFY(titel[1].contains("bei allen Eltern zu"));
        QVERIFY(titel[2].contains("bei allen Lehrern zu"));
        QCOMPARE(Person(f, "Maier")->Anmerkung, "Maier");
        QCOMPARE(f.Projekt()->AnmerkungAlleEltern, "Eltern");
        QCOMPARE(f.Projekt()->AnmerkungAlleLehrer, "Lehrer");
    }

    // The room dialog's tip menu: the current teacher's text and the general text of the teachers.
    void raumdialog() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(GebuchtesProjekt());
        QStringList texte;
        TLRaumDlg* raum = nullptr;
        TDialogFolge folge(
            {[&](QDialog& d) {
                 raum = &Als<TLRaumDlg>(d);
                 texte = Texte(raum->TippBtn->menu());
                 QTimer::singleShot(0, raum->AnmerkungLehrer, &QAction::trigger);
             },
             Fuer<TFAnmerk>([&](QDialog& d) {
                 QCOMPARE(d.parentWidget(), raum);
                 QCOMPARE(d.windowTitle(), "Ergänzender Text für Frau von Berg");
                 Schreiben(QStringLiteral("Raum wechselt"))(d);
                 QTimer::singleShot(
                     0, Eintrag(raum->TippBtn->menu(), QString::fromUtf8("Anmerkungen für alle Lehrer")),
                     &QAction::trigger);
             }),
             Fuer<TFAnmerk>([&](QDialog& d) {
                 QCOMPARE(Als<TFAnmerk>(d).LblKopf->text(),
                          "Folgender Text wird bei allen Lehrern zu der Gesprächsliste ergänzt:");
                 Schreiben(QStringLiteral("Kaffee"))(d);
                 QTimer::singleShot(0, raum->SchliessenBtn, &QPushButton::click);
             })});
        f.LRaumZw1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(texte, (QStringList{"Tipp", "Anmerkungen für die Gesprächsliste von Frau von Berg",
                                     "Anmerkungen für alle Lehrer"}));
        QCOMPARE(Person(f, "BER")->Anmerkung, "Raum wechselt");
        QCOMPARE(f.Projekt()->AnmerkungAlleLehrer, "Kaffee");
        QVERIFY(f.Dokument.IstGeaendert());
    }
};

VEL_TEST(TstAnmerkungenBefehle)
#include "tst_Anmerkungen.moc"
