// The family list, the children tree and their commands, driven through the main window.
#include "Eingabetest.h"
#include "Generator.h"
#include "app/ui/SortF.h"
#include "app/ui/UEditE.h"
#include "app/ui/UEditK.h"
#include "common/TestHaupt.h"
#include "settings/UReg.h"
#include "ui/Kurzlabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>

class TstFamilien : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Two families with two children and three requests each, by keyboard alone, saved and dumped.
    void gefuehrteEingabe() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(LeeresProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        t.Fenster->Familienpanel->BtnElternHinzu->setFocus();
        TDialogFolge folge({Eingaben({"maier"}), Eingaben({"anna", "5a"}), Eingaben({"ben", "6b"}),
                            Eingaben({""}), Eingaben({"acker"}), Eingaben({"cem", ""}),
                            Eingaben({"dana", "8d"}), Abbrechen()});
        Taste(Qt::Key_Return);
        QCOMPARE(Fokusfeld(), f.Gespraechpanel->KuerzE);
        QCOMPARE(f.Gespraechpanel->LbKind->text(), "Anna");
        QTest::keyClicks(Fokusfeld(), "ab, Cd ,  ef");
        QCOMPARE(f.Gespraechpanel->LblEingabetaste->text(), "Eingabetaste: Gesprächswünsche hinzufügen");
        Taste(Qt::Key_Return);
        QCOMPARE(f.Gespraechpanel->LblEingabetaste->text(), "Eingabetaste: Kind hinzufügen");
        Taste(Qt::Key_Return); // Ben
        QTest::keyClicks(Fokusfeld(), "ef,ab,cd");
        Taste(Qt::Key_Return);
        Taste(Qt::Key_Return); // empty child name, then the next family: Acker, Cem (class offered: 5a)
        QCOMPARE(Fokusfeld(), f.Gespraechpanel->KuerzE);
        QTest::keyClicks(Fokusfeld(), "cd,ef,ab");
        Taste(Qt::Key_Return);
        Taste(Qt::Key_Return); // Dana
        QTest::keyClicks(Fokusfeld(), "ab,cd,ef");
        Taste(Qt::Key_Return);
        Taste(Qt::Key_Return); // child dialog cancelled: the sequence ends
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QVERIFY(!f.Eingabe->FamilienEingabe);
        QVERIFY(!f.Eingabe->KindFolgt);

        TProjekt& p = *f.Projekt();
        QCOMPARE(p.Elternliste.Count(), 2);
        QCOMPARE(p.Gespraechsliste.Count(), 12);
        QVERIFY(f.Dokument.IstGeaendert());
        const TEltern* acker = p.Elternliste[0]; // by class: 5a before 6b... and Maier's lowest is 5a too
        const TEltern* maier = p.Elternliste.FindeNummer(1);
        QCOMPARE(maier->Name, "Maier");
        QCOMPARE(Kuerzelfolge(*maier->Kinder[0]), QStringList({"AB0", "cd1", "EF2"}));
        QCOMPARE(Kuerzelfolge(*maier->Kinder[1]), QStringList({"EF0", "AB1", "cd2"}));
        const TEltern* zweite = p.Elternliste.FindeNummer(2);
        QCOMPARE(zweite->Name, "Acker");
        QCOMPARE(zweite->Kinder[0]->Vorname, "Cem");
        QCOMPARE(zweite->Kinder[0]->Klasse, "5a");
        QCOMPARE(Kuerzelfolge(*zweite->Kinder[1]), QStringList({"AB0", "cd1", "EF2"}));
        QVERIFY(acker);
        QCOMPARE(f.Panels[2]->text(), "Gesprächsanzahl: 12");

        // Saved through the window's own command, the file holds exactly what was entered.
        const QString datei = t.Ordner.filePath(QStringLiteral("Eingabe.pdt"));
        t.Dateiwahl.Antworten = {datei};
        f.PDTsaveN1->trigger();
        QCOMPARE(t.Dateiwahl.Anfragen.size(), 1);
        QVERIFY(!f.Dokument.IstGeaendert());
        QCOMPARE(f.Dokument.Name(), "Eingabe.pdt");
        QProcess cli;
        cli.start(QStringLiteral(VEL_CLI), {QStringLiteral("dump"), datei});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        const QJsonObject dump = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        QStringList familien;
        for (const auto& e : dump.value("Elternliste").toArray()) {
            QStringList kinder;
            for (const auto& k : e.toObject().value("Kinder").toArray())
                kinder << k.toObject().value("Vorname").toString() + u'/' +
                              k.toObject().value("Klasse").toString();
            familien << e.toObject().value("Anrede").toString() + u' ' +
                            e.toObject().value("Name").toString() + u':' + kinder.join(u',');
        }
        QCOMPARE(familien, QStringList({"Familie Acker:Cem/5a,Dana/8d", "Familie Maier:Anna/5a,Ben/6b"}));
        QStringList gespraeche;
        for (const auto& g : dump.value("Gespraechsliste").toArray())
            gespraeche << g.toObject().value("KindName").toString() + u'-' +
                              g.toObject().value("LehrerKuerzel").toString();
        QCOMPARE(gespraeche.size(), 12);
        QCOMPARE(gespraeche.mid(0, 4), QStringList({"Anna-AB", "Anna-cd", "Anna-EF", "Ben-EF"}));
        QCOMPARE(dump.value("Lehrerliste").toArray().size(), 3);
    }

    // Deleting a family with scheduled conversations frees the teachers' slots; No keeps it.
    void familieLoeschen_data() {
        QTest::addColumn<Antwort>("antwort");
        QTest::newRow("Ja") << Antwort::Ja;
        QTest::newRow("Nein") << Antwort::Nein;
    }

    void familieLoeschen() {
        QFETCH(Antwort, antwort);
        TFensterTest t;
        auto projekt = GebuchtesProjekt();
        TLehrer* mue = projekt->Lehrerliste.FindeKuerzel(QStringLiteral("MUE"));
        t.Fenster->ProjektErsetzen(std::move(projekt));
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        const int zeile = f.Projekt()->Elternliste.IndexOf(f.Projekt()->Elternliste.FindeNummer(1));
        f.Familienpanel->LVEltern->setCurrentIndex(f.Familienpanel->LVEltern->model()->index(zeile, 0));
        QCOMPARE(f.Eingabe->AktuelleFamilie()->Name, "Maier");
        f.Familienpanel->LVEltern->setFocus();
        t.Meldung.Antworten = {antwort};
        QTest::keyClick(f.Familienpanel->LVEltern, Qt::Key_Delete);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text,
                 "Soll Familie Maier\rgelöscht werden?\rAnzahl der bereits gewünschten Gespräche: 3");
        QCOMPARE(t.Meldung.Protokoll[0].Vorgabe, Antwort::Nein);
        if (antwort == Antwort::Nein) {
            QCOMPARE(f.Projekt()->Elternliste.Count(), 2);
            return;
        }
        QCOMPARE(f.Projekt()->Elternliste.Count(), 1);
        QCOMPARE(f.Projekt()->Gespraechsliste.Count(), 0);
        for (const auto& l : f.Projekt()->Lehrerliste)
            for (int s = 0; s < 6; ++s)
                QVERIFY(l->Zeiten[static_cast<size_t>(s)] <= 0);
        QCOMPARE(mue->Zaehler, 0);
        QCOMPARE(f.Eingabe->AktuelleFamilie()->Name, "Acker");
        QCOMPARE(f.Panels[0]->text(), "Elternanzahl: 1");
    }

    // A second Anna is refused in the child dialog; anna is a different name.
    void doppelterVorname() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        f.Familienpanel->LVEltern->setCurrentIndex(f.Familienpanel->LVEltern->model()->index(
            f.Projekt()->Elternliste.IndexOf(f.Projekt()->Elternliste.FindeNummer(1)), 0));
        TDialogFolge folge({[](QDialog& d) {
            QTest::keyClicks(Fokus(d), "Anna");
            QTest::keyClick(Fokus(d), Qt::Key_Tab);
            QTest::keyClicks(Fokus(d), "7a");
            QTest::keyClick(Fokus(d), Qt::Key_Return);
            QVERIFY(d.isVisible());
            auto* name = d.findChildren<QLineEdit*>().first();
            // A first letter typed over the whole text is upper-cased, so a helper letter goes first.
            name->selectAll();
            QTest::keyClicks(name, "xanna");
            QTest::keyClick(name, Qt::Key_Home);
            QTest::keyClick(name, Qt::Key_Delete);
            QTest::keyClick(name, Qt::Key_Return);
        }});
        QTest::mouseClick(f.Kinderpanel->BtnKindHinzu, Qt::LeftButton);
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(t.Meldung.Titel(), QStringList({"Eingabefehler"}));
        QCOMPARE(f.Eingabe->AktuelleFamilie()->Kinder.Count(), 3);
        QVERIFY(f.Eingabe->AktuelleFamilie()->Kinder.FindeVorname(QStringLiteral("anna")));
    }

    // Type-ahead in the family list follows the name column, umlauts included.
    void tippsuche() {
        TFensterTest t;
        auto p = KleinesProjekt();
        p->NeueFamilie(QStringLiteral("Familie"), QString::fromUtf8("Müller"));
        p->NeueFamilie(QStringLiteral("Familie"), QStringLiteral("Mai"));
        p->ElternSortieren();
        t.Fenster->ProjektErsetzen(std::move(p));
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        f.Familienpanel->LVEltern->setFocus();
        QTest::keyClick(f.Familienpanel->LVEltern, Qt::Key_M);
        QTest::sendKeyEvent(QTest::Press, f.Familienpanel->LVEltern, Qt::Key_unknown, QString::fromUtf8("ü"),
                            Qt::NoModifier);
        QCOMPARE(f.Eingabe->AktuelleFamilie()->Name, "Müller");
        QTest::keyClick(f.Familienpanel->LVEltern, Qt::Key_X);
        QCOMPARE(f.Eingabe->AktuelleFamilie()->Name, "Müller");
    }

    // Filling, searching and filtering the family list of a generated project with 3,000 families, in the
    // shown window.
    void grosseListe() {
        TFensterTest t;
        auto p = std::make_unique<TProjekt>();
        ProjektErzeugen(*p, GroesseXL());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        QElapsedTimer uhr;
        uhr.start();
        f.ProjektErsetzen(std::move(p));
        QCoreApplication::processEvents();
        const double fuellen = uhr.nsecsElapsed() / 1e6;
        QCOMPARE(f.Familienpanel->LVEltern->model()->rowCount(), 3000);
        uhr.restart();
        f.Familienpanel->SuchE->setText(QStringLiteral("M"));
        QCoreApplication::processEvents();
        const double suchen = uhr.nsecsElapsed() / 1e6;
        QVERIFY(f.Familienpanel->LVEltern->model()->rowCount() > 0);
        f.Familienpanel->SuchE->clear();
        uhr.restart();
        f.Familienpanel->ComboKlassen->setCurrentIndex(f.Familienpanel->ComboKlassen->count() / 2);
        QCoreApplication::processEvents();
        const double filtern = uhr.nsecsElapsed() / 1e6;
        QVERIFY(f.Familienpanel->LVEltern->model()->rowCount() > 0);
        qInfo("3000 Familien: Fuellen %.1f ms, Suchen %.1f ms, Klassenfilter %.1f ms", fuellen, suchen,
              filtern);
        QVERIFY(fuellen < 100 && suchen < 100 && filtern < 100);
    }

    // Renaming a family: the unticked child keeps the old name, the list follows the new one and the
    // search that hid the others is cleared.
    void familieAendern() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        f.Familienpanel->SuchE->setText(QStringLiteral("Mai"));
        QCOMPARE(Zeilen(f), QStringList({"Maier"}));
        QCOMPARE(f.Eingabe->AktuelleFamilie()->Name, "Maier");
        TDialogFolge folge({[](QDialog& d) {
            auto& e = static_cast<TFEditE&>(d);
            QCOMPARE(e.windowTitle(), "Elterndaten korrigieren");
            QCOMPARE(e.CkLB_ki->count(), 2);
            e.CkLB_ki->item(1)->setCheckState(Qt::Unchecked); // Ben
            e.NacE->setFocus();
            e.NacE->selectAll();
            QTest::keyClicks(e.NacE, "zander");
            QCOMPARE(e.CkLB_ki->item(0)->text(), "Anna Zander");
            QCOMPARE(e.CkLB_ki->item(1)->text(), "Ben Maier");
            QTest::keyClick(e.NacE, Qt::Key_Return);
        }});
        QTest::mouseClick(f.Familienpanel->BtnEditE, Qt::LeftButton);
        QCOMPARE(folge.Offen(), 0);
        const TEltern* e = f.Projekt()->Elternliste.FindeNummer(1);
        QCOMPARE(e->Name, "Zander");
        QCOMPARE(e->Kinder[0]->Nachname, "");
        QCOMPARE(e->Kinder[1]->Nachname, "Maier");
        QVERIFY(f.Dokument.IstGeaendert() && f.Dokument.IstSicherungFaellig());
        QVERIFY(f.Familienpanel->SuchE->text().isEmpty());
        QCOMPARE(Zeilen(f), QStringList({"Acker", "Zander"}));
        QCOMPARE(f.Eingabe->AktuelleFamilie(), e);
        QCOMPARE(f.Kinderpanel->LbEltern->text(), "Familie Zander");
        QVERIFY(Knoten(f, "Ben Maier (10b)").isValid());
        QCOMPARE(Fokusfeld(), f.Familienpanel->LVEltern);
    }

    // Ctrl+F8 in the family list cycles Familie -> Frau -> Herr -> Familie.
    void anredeWechseln() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 1);
        f.Familienpanel->LVEltern->setFocus();
        QStringList anreden;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(f.Familienpanel->LVEltern, Qt::Key_F8, Qt::ControlModifier);
            anreden << f.Familienpanel->LVEltern->currentIndex().siblingAtColumn(0).data().toString();
        }
        QCOMPARE(anreden, QStringList({"Frau", "Herr", "Familie"}));
        QVERIFY(f.Dokument.IstGeaendert());
    }

    // Changing a child: a new class refills the class filter and moves the family; an unchanged or
    // cancelled dialog changes nothing.
    void kindAendern_data() {
        QTest::addColumn<QString>("klasse");
        QTest::addColumn<QString>("nachname");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("geaendert");
        QTest::addColumn<QString>("knoten");
        QTest::newRow("Klasse") << "11a"
                                << "Maier" << true << true << "Anna (11a)";
        QTest::newRow("Nachname") << "5a"
                                  << "Berg" << true << true << "Anna Berg (5a)";
        QTest::newRow("unverändert") << "5a"
                                     << "Maier" << true << false << "Anna (5a)";
        QTest::newRow("abgebrochen") << "11a"
                                     << "Berg" << false << false << "Anna (5a)";
    }

    void kindAendern() {
        QFETCH(QString, klasse);
        QFETCH(QString, nachname);
        QFETCH(bool, ok);
        QFETCH(bool, geaendert);
        QFETCH(QString, knoten);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 1);
        QCOMPARE(f.Eingabe->AktuellesKind()->Vorname, "Anna");
        TDialogFolge folge({[&](QDialog& d) {
            auto& k = static_cast<TFEditK&>(d);
            QCOMPARE(k.windowTitle(), "Kinddaten ändern");
            QCOMPARE(k.Edit3->text(), "Maier");
            k.Edit2->setText(klasse);
            k.Edit3->setText(nachname);
            ok ? k.OkBtn->click() : k.CancBtn->click();
        }});
        QTest::mouseClick(f.Kinderpanel->BtnEditK, Qt::LeftButton);
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(f.Dokument.IstGeaendert(), geaendert);
        QCOMPARE(f.Kinderpanel->Knoten().data().toString(), knoten);
        QCOMPARE(f.Eingabe->AktuellesKind()->Vorname, "Anna");
        QCOMPARE(Eintraege(f.Familienpanel->ComboKlassen).contains(QStringLiteral("11a")),
                 geaendert && klasse == "11a");
        QCOMPARE(Fokusfeld(), f.Kinderpanel->TVKinder);
    }

    // Deleting a child asks with its requests; the focus goes to the tree, or to "hinzu ..." when the
    // family has no child left.
    void kindLoeschen_data() {
        QTest::addColumn<int>("familie");
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<QString>("frage");
        QTest::addColumn<int>("gespraeche");
        QTest::newRow("Ja") << 1 << Antwort::Ja
                            << "Soll bei Familie Maier das Kind\rAnna (5a)\rgelöscht werden?\r"
                               "Anzahl bereits gewünschter Gespräche: 2"
                            << 1;
        QTest::newRow("Nein") << 1 << Antwort::Nein
                              << "Soll bei Familie Maier das Kind\rAnna (5a)\rgelöscht werden?\r"
                                 "Anzahl bereits gewünschter Gespräche: 2"
                              << 3;
        QTest::newRow("letztes Kind")
            << 2 << Antwort::Ja << "Soll bei Frau van Acker das Kind\rCem\rgelöscht werden?" << 3;
    }

    void kindLoeschen() {
        QFETCH(int, familie);
        QFETCH(Antwort, antwort);
        QFETCH(QString, frage);
        QFETCH(int, gespraeche);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(GebuchtesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, familie);
        f.Kinderpanel->TVKinder->setFocus();
        t.Meldung.Antworten = {antwort};
        QTest::keyClick(f.Kinderpanel->TVKinder, Qt::Key_Delete);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text, frage);
        QCOMPARE(t.Meldung.Protokoll[0].Titel, "Kind löschen");
        QCOMPARE(t.Meldung.Protokoll[0].Vorgabe, Antwort::Nein);
        QCOMPARE(f.Projekt()->Gespraechsliste.Count(), gespraeche);
        QCOMPARE(f.Dokument.IstGeaendert(), antwort == Antwort::Ja);
        if (antwort == Antwort::Nein) return;
        QCOMPARE(f.Panels[2]->text(), QStringLiteral("Gesprächsanzahl: %1").arg(gespraeche));
        if (familie == 2) {
            QCOMPARE(Fokusfeld(), f.Kinderpanel->BtnKindHinzu);
            QVERIFY(!f.Kinderpanel->TVKinder->isEnabled());
            QCOMPARE(Eintraege(f.Familienpanel->ComboKlassen), QStringList({"(alle)", "5a", "10b"}));
        } else {
            // Anna's request with Müller was his only one.
            const TLehrer* mue = f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("MUE"));
            QVERIFY(SlotsFrei(*mue));
            QCOMPARE(mue->Zaehler, 0);
            QCOMPARE(Fokusfeld(), f.Kinderpanel->TVKinder);
            QCOMPARE(f.Eingabe->AktuellesKind()->Vorname, "Ben");
            QCOMPARE(Eintraege(f.Familienpanel->ComboKlassen), QStringList({"(alle)", "unbekannt", "10b"}));
        }
    }

    // The sort dialog changes the order byte, stores it as the default and shows the list from its top.
    void sortierung_data() {
        QTest::addColumn<int>("schluessel");
        QTest::addColumn<int>("reihenfolge");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("sortierung");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("Klasse absteigend")
            << int(TSortF::KlasseDerKinder) << 1 << true << 0xD0 << QStringList({"Maier", "Acker"});
        QTest::newRow("Name absteigend")
            << int(TSortF::Elternname) << 1 << true << 0xA0 << QStringList({"Maier", "Acker"});
        QTest::newRow("Schlüsselnummer")
            << int(TSortF::Schluesselnummer) << 0 << true << 0x00 << QStringList({"Maier", "Acker"});
        QTest::newRow("abgebrochen") << int(TSortF::Schluesselnummer) << 0 << false << 0x80
                                     << QStringList({"Acker", "Maier"});
    }

    void sortierung() {
        QFETCH(int, schluessel);
        QFETCH(int, reihenfolge);
        QFETCH(bool, ok);
        QFETCH(int, sortierung);
        QFETCH(QStringList, zeilen);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 2);
        TDialogFolge folge({[&](QDialog& d) {
            auto& s = static_cast<TSortF&>(d);
            QCOMPARE(s.windowTitle(), "Sortierung der Elternliste festlegen");
            s.Schluessel1->setCurrentIndex(schluessel);
            s.Reihenfolge1->setCurrentIndex(reihenfolge);
            ok ? s.accept() : s.reject();
        }});
        f.EListeSort1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(int(f.Projekt()->ListenSortierung), sortierung);
        QCOMPARE(Zeilen(f), zeilen);
        QCOMPARE(f.Dokument.IstGeaendert(), ok);
        const TSchluessel optionen = t.Speicher.SchluesselLesen(QStringLiteral("Optionen"));
        QCOMPARE(int(optionen.ZahlLesen(QStringLiteral("SortierKrit"), 192)), ok ? sortierung : 192);
        if (ok) QCOMPARE(f.Eingabe->AktuelleFamilie(), f.Familienpanel->ElternInZeile(0));
    }

    // The search box and the class filter decide which families the list shows.
    void sucheUndKlassenfilter() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        QCOMPARE(Eintraege(f.Familienpanel->ComboKlassen), QStringList({"(alle)", "unbekannt", "5a", "10b"}));
        f.BuLeh->setChecked(true);
        f.Familienpanel->SuchE->setFocus();
        QVERIFY(f.BuElt->isChecked());
        QTest::keyClicks(f.Familienpanel->SuchE, "MA");
        QCOMPARE(Zeilen(f), QStringList({"Maier"}));
        QCOMPARE(f.Eingabe->AktuelleFamilie()->Name, "Maier");
        QTest::keyClick(f.Familienpanel->SuchE, Qt::Key_Return);
        QCOMPARE(Fokusfeld(), f.Familienpanel->LVEltern);
        f.Familienpanel->SuchE->clear();
        QCOMPARE(Zeilen(f), QStringList({"Acker", "Maier"}));
        for (auto [klasse, zeilen] : {std::pair{"10b", QStringList({"Maier"})},
                                      {"unbekannt", QStringList({"Acker"})},
                                      {"(alle)", QStringList({"Acker", "Maier"})}}) {
            f.Familienpanel->ComboKlassen->setCurrentText(klasse);
            Q_EMIT f.Familienpanel->ComboKlassen->activated(f.Familienpanel->ComboKlassen->currentIndex());
            QCOMPARE(Zeilen(f), zeilen);
            QCOMPARE(f.Eingabe->AktuelleFamilie(), f.Familienpanel->ElternInZeile(0));
        }
        // The class filter and the search work together.
        f.Familienpanel->ComboKlassen->setCurrentText("5a");
        Q_EMIT f.Familienpanel->ComboKlassen->activated(f.Familienpanel->ComboKlassen->currentIndex());
        f.Familienpanel->SuchE->setText("a");
        QCOMPARE(Zeilen(f), QStringList());
        f.Familienpanel->SuchE->setText("m");
        QCOMPARE(Zeilen(f), QStringList({"Maier"}));
    }

    // Entering the request box ends the teacher selection and keeps its Kürzel; a click in the family
    // list presses the families mode button and, in hover mode, unticks the teachers' clocks.
    void fokusUndModus() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 2);
        LehrerWaehlen(f, {"MUE", "BER"});
        f.Gespraechpanel->KuerzE->setFocus(Qt::TabFocusReason);
        QVERIFY(f.Lehrerpanel->LVLehrer->selectionModel()->selectedRows().isEmpty());
        QVERIFY(!f.Lehrerpanel->BtnEditL->isEnabled());
        QCOMPARE(f.Gespraechpanel->KuerzE->text(), "MUE, BER");
        QTest::keyClick(f.Gespraechpanel->KuerzE, Qt::Key_Return);
        QCOMPARE(f.Eingabe->AktuellesKind()->Gespraeche.size(), size_t(2));

        f.BuLeh->trigger();
        QVERIFY(f.Lehrerpanel->ChBhotZL->isChecked());
        QCOMPARE(f.Eingabe->AktiveListe, TAktiveListe::Lehrer);
        QTest::mouseClick(
            f.Familienpanel->LVEltern->viewport(), Qt::LeftButton, {},
            f.Familienpanel->LVEltern->visualRect(f.Familienpanel->LVEltern->model()->index(0, 1)).center());
        QVERIFY(f.BuElt->isChecked());
        QVERIFY(!f.Lehrerpanel->ChBhotZL->isChecked());
        QCOMPARE(f.Eingabe->AktiveListe, TAktiveListe::Eltern);
        f.Familienpanel->ComboKlassen->setFocus();
        QTest::keyClick(f.Familienpanel->ComboKlassen, Qt::Key_Return);
        QCOMPARE(Fokusfeld(), f.Familienpanel->LVEltern);
    }
};

VEL_TEST(TstFamilien)
#include "tst_Familien.moc"
