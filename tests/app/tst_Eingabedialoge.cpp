#include "app/ui/ErgRckfrg.h"
#include "app/ui/IdentifyKrz.h"
#include "app/ui/SortF.h"
#include "app/ui/UEditE.h"
#include "app/ui/UEditK.h"
#include "app/ui/UEditL.h"
#include "common/ProjektBauer.h"
#include "common/SkriptMeldung.h"
#include "common/TestHaupt.h"
#include "ui/Eingabehilfen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

constexpr int NochOffen = 99;

// Runs a modal dialog while `bedienen` works it like a user; a dialog left open is closed with NochOffen.
int Bedienen(QDialog& dialog, const std::function<int()>& zeigen, const std::function<void()>& bedienen) {
    QTimer::singleShot(0, &dialog, [&] {
        bedienen();
        if (dialog.isVisible()) dialog.done(NochOffen);
    });
    return zeigen();
}

// Keys go to the dialog's focus widget; offscreen the dialog need not be the active window.
QWidget* Fokus(QDialog& dialog) {
    return dialog.focusWidget() ? dialog.focusWidget() : &dialog;
}

void Enter(QDialog& dialog) {
    QTest::keyClick(Fokus(dialog), Qt::Key_Return);
}

void Tippen(QDialog& dialog, const QString& text) {
    QTest::keyClicks(Fokus(dialog), text);
}

} // namespace

class TstEingabedialoge : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void familieGefuehrt() {
        TSkriptMeldung m;
        TFEditE dlg(m);
        dlg.CB->setChecked(true);
        const int ergebnis = Bedienen(
            dlg, [&] { return dlg.Hinzufuegen(); },
            [&] {
                QCOMPARE(dlg.focusWidget(), dlg.TelE);
                Tippen(dlg, "0521 123");
                Enter(dlg);
                QCOMPARE(dlg.focusWidget(), dlg.AnrE);
                Tippen(dlg, "f");
                QCOMPARE(dlg.AnrE->text(), "Frau");
                QCOMPARE(dlg.AnrE->selectedText(), "rau");
                Enter(dlg);
                Tippen(dlg, "von");
                Enter(dlg);
                QCOMPARE(dlg.focusWidget(), dlg.NacE);
                Tippen(dlg, "berg ");
                Enter(dlg);
            });
        QCOMPARE(ergebnis, int(QDialog::Accepted));
        QCOMPARE(dlg.windowTitle(), "Eltern hinzufügen");
        QCOMPARE(dlg.Telefon(), "0521 123");
        QCOMPARE(dlg.Anrede(), "Frau");
        QCOMPARE(dlg.Zusatz(), "von");
        QCOMPARE(dlg.Name(), "Berg");
    }

    void familieLeererNameBeendet() {
        TSkriptMeldung m;
        TFEditE dlg(m);
        const int ergebnis = Bedienen(
            dlg, [&] { return dlg.Hinzufuegen(); },
            [&] {
                QCOMPARE(dlg.focusWidget(), dlg.NacE);
                Enter(dlg);
            });
        QCOMPARE(ergebnis, DialogBeendet);
        QVERIFY(m.Protokoll.isEmpty());
    }

    void familieAendernMitKindern() {
        TProjektBauer b;
        b.Kind("Müller", "Anna");
        b.Kind("Müller", "Ben")->Nachname = "Berg";
        TEltern* e = b.Familie("Müller");
        e->Telefon = "1";
        TSkriptMeldung m;
        TFEditE dlg(m);
        const int ergebnis = Bedienen(
            dlg, [&] { return dlg.Aendern(*e); },
            [&] {
                QCOMPARE(dlg.CkLB_ki->item(0)->text(), "Anna Müller");
                QCOMPARE(dlg.CkLB_ki->item(1)->text(), "Ben Berg");
                QVERIFY(dlg.CB->isHidden());
                dlg.NacE->setFocus();
                dlg.NacE->end(false);
                Tippen(dlg, "-Xa");
                QCOMPARE(dlg.CkLB_ki->item(0)->text(), "Anna Müller-Xa");
                dlg.CkLB_ki->item(0)->setCheckState(Qt::Unchecked);
                QCOMPARE(dlg.CkLB_ki->item(0)->text(), "Anna Müller");
                dlg.CkLB_ki->item(1)->setCheckState(Qt::Checked);
                QCOMPARE(dlg.CkLB_ki->item(1)->text(), "Ben Müller-Xa");
                dlg.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&dlg));
                QTest::keySequence(&dlg, QKeySequence(Qt::CTRL | Qt::Key_F8));
                QCOMPARE(dlg.AnrE->text(), "Frau");
                QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
            });
        QCOMPARE(ergebnis, int(QDialog::Accepted));
        QCOMPARE(dlg.windowTitle(), "Elterndaten korrigieren");
        QCOMPARE(dlg.Name(), "Müller-Xa");
        QCOMPARE(dlg.KinderHaken(), (std::vector<bool>{false, true}));
        QVERIFY(dlg.HakenGeaendert);
        QVERIFY(!dlg.TelefonGeaendert);
    }

    void familieAendernOhneName() {
        TProjektBauer b;
        TEltern* e = b.Familie("Maier");
        TSkriptMeldung m;
        m.Antworten = {Antwort::Nein, Antwort::Ja};
        TFEditE dlg(m);
        const int ergebnis = Bedienen(
            dlg, [&] { return dlg.Aendern(*e); },
            [&] {
                dlg.NacE->clear();
                QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
                QVERIFY(dlg.isVisible());
                QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
            });
        QCOMPARE(ergebnis, int(QDialog::Rejected));
        QCOMPARE(m.Protokoll.size(), 2);
        QCOMPARE(m.Protokoll[0].Text, "Der Nachname darf nicht leer sein. Möchten Sie abbrechen?");
    }

    // The class of the previous family's first child is offered selected: Enter takes it, typing
    // replaces it.
    void kindErstesMitLetzterKlasse_data() {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("klasse");
        QTest::newRow("übernommen") << ""
                                    << "7b";
        QTest::newRow("überschrieben") << "6c"
                                       << "6c";
    }
    void kindErstesMitLetzterKlasse() {
        QFETCH(QString, getippt);
        QFETCH(QString, klasse);
        TProjektBauer b;
        TEltern* e = b.Familie("Maier");
        TSkriptMeldung m;
        TFEditK dlg(m);
        const int ergebnis = Bedienen(
            dlg, [&] { return dlg.Hinzufuegen(*e, "7b"); },
            [&] {
                Tippen(dlg, "anna");
                Enter(dlg);
                QCOMPARE(dlg.focusWidget(), dlg.Edit2);
                QCOMPARE(dlg.Edit2->text(), "7b");
                Tippen(dlg, getippt);
                Enter(dlg);
            });
        QCOMPARE(ergebnis, int(QDialog::Accepted));
        QCOMPARE(dlg.windowTitle(), "Kind hinzufügen bei Familie Maier");
        QCOMPARE(dlg.Vorname(), "Anna");
        QCOMPARE(dlg.Klasse(), klasse);
        QVERIFY(!dlg.NachnameGeaendert);
    }

    void kindDoppelterName() {
        TProjektBauer b;
        TKind* anna = b.Kind("Maier", "Anna", "5a");
        TSkriptMeldung m;
        TFEditK dlg(m);
        const int ergebnis = Bedienen(
            dlg, [&] { return dlg.Hinzufuegen(*anna->Eltern, {}); },
            [&] {
                dlg.Edit1->setText("Anna");
                dlg.Edit2->setText("6a");
                QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
                QVERIFY(dlg.isVisible());
                QCOMPARE(dlg.Edit1->selectedText(), "Anna");
                dlg.Edit1->setText("anna");
                QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
            });
        QCOMPARE(ergebnis, int(QDialog::Accepted));
        QCOMPARE(m.Titel(), QStringList{"Eingabefehler"});
        QCOMPARE(dlg.Vorname(), "anna");
    }

    void kindKlasseFehlt_data() {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("Ja: Klasse eingeben") << int(Antwort::Ja) << NochOffen;
        QTest::newRow("Nein: ohne Klasse") << int(Antwort::Nein) << int(QDialog::Accepted);
    }
    void kindKlasseFehlt() {
        QFETCH(int, antwort);
        QFETCH(int, ergebnis);
        TProjektBauer b;
        TKind* k = b.Kind("Maier", "Tim", "5a");
        TSkriptMeldung m;
        m.Antworten = {Antwort(antwort)};
        TFEditK dlg(m);
        const int e = Bedienen(
            dlg, [&] { return dlg.Aendern(*k); },
            [&] {
                QCOMPARE(dlg.Edit3->text(), "Maier");
                dlg.Edit2->clear();
                dlg.Edit3->setText("Berg");
                QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
            });
        QCOMPARE(e, ergebnis);
        QCOMPARE(m.Titel(), QStringList{"Die Klasse fehlt..."});
        QCOMPARE(dlg.NachnameGeaendert, ergebnis == int(QDialog::Accepted));
    }

    void kindOhneName() {
        TProjektBauer b;
        TKind* k = b.Kind("Maier", "Tim", "5a");
        TSkriptMeldung m;
        TFEditK dlg(m);
        QCOMPARE(Bedienen(
                     dlg, [&] { return dlg.Hinzufuegen(*k->Eltern, {}); }, [&] { Enter(dlg); }),
                 DialogBeendet);
        m.Antworten = {Antwort::Nein, Antwort::Ja};
        const int e = Bedienen(
            dlg, [&] { return dlg.Aendern(*k); },
            [&] {
                dlg.Edit1->clear();
                QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
                QVERIFY(dlg.isVisible());
                QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
            });
        QCOMPARE(e, int(QDialog::Rejected));
        QCOMPARE(m.Titel(), (QStringList{"Leere Eingabe", "Leere Eingabe"}));
    }

    void lehrerHinzufuegen() {
        TProjektBauer b;
        TSkriptMeldung m;
        TFEditL dlg(b.p.Lehrerliste, m);
        const int ergebnis = Bedienen(
            dlg, [&] { return dlg.Hinzufuegen(); },
            [&] {
                QCOMPARE(dlg.focusWidget(), dlg.E_Anr);
                Tippen(dlg, "h");
                QCOMPARE(dlg.E_Anr->text(), "Herr");
                Enter(dlg);
                QCOMPARE(dlg.focusWidget(), dlg.E_Name);
                Tippen(dlg, "von Berg");
                Enter(dlg);
                QCOMPARE(dlg.focusWidget(), dlg.E_Krz);
                Tippen(dlg, "BE");
                Enter(dlg);
            });
        QCOMPARE(ergebnis, int(QDialog::Accepted));
        QCOMPARE(dlg.windowTitle(), "Lehrer(in) hinzufügen");
        QCOMPARE(dlg.Zusatz(), "von");
        QCOMPARE(dlg.Name(), "Berg");
        QCOMPARE(dlg.Kuerzel(), "BE");
    }

    void lehrerKuerzelregeln_data() {
        QTest::addColumn<QString>("bearbeitet"); // Kürzel of the teacher being changed, empty when adding
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kuerzel");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("fremdes Kürzel") << ""
                                        << "Neu"
                                        << "MUE"
                                        << "Dieses Kürzel ist bereits für Herrn Müller vergeben,\r\nbitte "
                                           "korrigieren Sie es.";
        QTest::newRow("ohne Kürzel") << ""
                                     << "Neu"
                                     << ""
                                     << "Ohne Kürzel können die Eingaben nicht übernommen werden.";
        QTest::newRow("eigenes Kürzel") << "MUE"
                                        << "Müller"
                                        << "MUE"
                                        << "";
        QTest::newRow("Groß statt klein") << "Ab"
                                          << "Abel"
                                          << "AB"
                                          << "";
        QTest::newRow("Kürzel eines anderen")
            << "Ab"
            << "Abel"
            << "MUE"
            << "Dieses Kürzel ist bereits für Herrn Müller vergeben,\r\nbitte "
               "korrigieren Sie es.";
        QTest::newRow("Von innen bleibt") << ""
                                          << "Mayer Von Berg"
                                          << "MVB"
                                          << "";
    }
    void lehrerKuerzelregeln() {
        QFETCH(QString, bearbeitet);
        QFETCH(QString, name);
        QFETCH(QString, kuerzel);
        QFETCH(QString, meldung);
        TProjektBauer b;
        b.Lehrer("MUE", "Müller");
        b.Lehrer("Ab", "Abel");
        TSkriptMeldung m;
        TFEditL dlg(b.p.Lehrerliste, m);
        TLehrer* lehrer = b.p.Lehrerliste.FindeKuerzel(bearbeitet);
        const int ergebnis = Bedienen(
            dlg, [&] { return lehrer ? dlg.Aendern(*lehrer) : dlg.Hinzufuegen(); },
            [&] {
                dlg.E_Name->setText(name);
                dlg.E_Krz->setText(kuerzel);
                QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
            });
        QCOMPARE(ergebnis, meldung.isEmpty() ? int(QDialog::Accepted) : NochOffen);
        QCOMPARE(m.Protokoll.size(), meldung.isEmpty() ? 0 : 1);
        if (!meldung.isEmpty()) QCOMPARE(m.Protokoll[0].Text, meldung);
        if (meldung.isEmpty()) QCOMPARE(dlg.Name(), name);
    }

    // A missing surname asks in the small question dialog: "&Nein" stays, "&Ja" ends the additions.
    void lehrerNameFehlt_data() {
        QTest::addColumn<bool>("mitKuerzel");
        QTest::addColumn<QString>("frage");
        QTest::newRow("Kürzel aus der Eingabe") << true << "Der Nachname fehlt.\nMöchten Sie abbrechen?";
        QTest::newRow("Reihe von Lehrern")
            << false << "Der Nachname fehlt.\nMöchten Sie das Hinzufügen von Lehrern beenden?";
    }
    void lehrerNameFehlt() {
        QFETCH(bool, mitKuerzel);
        QFETCH(QString, frage);
        TProjektBauer b;
        TSkriptMeldung m;
        TFEditL dlg(b.p.Lehrerliste, m);
        QStringList gefragt;
        // Answers the question dialog that the next click opens; what it showed is checked afterwards,
        // so that a wrong dialog cannot stay open.
        auto antworten = [&](bool ja) {
            QTimer::singleShot(0, &dlg, [&, ja] {
                auto* rueckfrage = qobject_cast<TFErgRckfrg*>(QApplication::activeModalWidget());
                if (!rueckfrage) return;
                gefragt << rueckfrage->windowTitle() + u'|' + rueckfrage->Text->text() + u'|' +
                               QString::number(rueckfrage->focusWidget() == rueckfrage->JaBtn &&
                                               rueckfrage->JaBtn->isDefault());
                QTest::mouseClick(ja ? rueckfrage->JaBtn : rueckfrage->NeinBtn, Qt::LeftButton);
            });
        };
        const int ergebnis = Bedienen(
            dlg, [&] { return mitKuerzel ? dlg.HinzufuegenMitKuerzel("XY") : dlg.Hinzufuegen(); },
            [&] {
                QCOMPARE(dlg.E_Krz->isReadOnly(), mitKuerzel);
                if (mitKuerzel) QCOMPARE(dlg.E_Krz->text(), "XY");
                dlg.E_Krz->setText(QStringLiteral("XY"));
                antworten(false);
                QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
                QVERIFY(dlg.isVisible());
                antworten(true);
                QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
            });
        QCOMPARE(ergebnis, DialogBeendet);
        QCOMPARE(dlg.windowTitle(), mitKuerzel ? "Möchten Sie einen Lehrer mit diesem Kürzel ergänzen?"
                                               : "Lehrer(in) hinzufügen");
        QCOMPARE(gefragt, QStringList(2, "Lehrer: Name fehlt|" + frage + "|1"));
        QVERIFY(m.Protokoll.isEmpty());
    }

    void sortierung_data() {
        QTest::addColumn<int>("ein");
        QTest::addColumn<int>("aus");
        for (int s : {0x00, 0x80, 0x90, 0xA0, 0xB0, 0xC0, 0xD0, 0xE0, 0xF0})
            QTest::addRow("0x%02X", s) << s << s;
        QTest::newRow("ohne 0x80") << 0x30 << 0x00;
    }
    void sortierung() {
        QFETCH(int, ein);
        QFETCH(int, aus);
        TSortF dlg(static_cast<uint8_t>(ein));
        QCOMPARE(int(dlg.Sortierung()), aus);
        QCOMPARE(dlg.Reihenfolge1->isEnabled(), aus != 0);
    }

    void sortierungUmschalten() {
        TSortF dlg(0xD0);
        QCOMPARE(dlg.Schluessel2->text(), "Elternname");
        dlg.Schluessel1->setCurrentIndex(TSortF::Elternname);
        QCOMPARE(dlg.Schluessel2->text(), "Klasse der Kinder");
        QCOMPARE(int(dlg.Sortierung()), 0xA0); // the class order box keeps "absteigend", now second
        dlg.Schluessel1->setCurrentIndex(TSortF::Schluesselnummer);
        QCOMPARE(dlg.Schluessel2->text(), "< nicht vorhanden >");
        QCOMPARE(dlg.Reihenfolge1->currentText(), "aufsteigend");
        QCOMPARE(int(dlg.Sortierung()), 0);
    }

    void identifizieren() {
        TProjektBauer b;
        std::vector<TLehrer*> kandidaten{b.Lehrer("ab", "Abel"), b.Lehrer("AB", "Abt")};
        TIdentifyKrzDlg dlg("Ab", kandidaten);
        QCOMPARE(dlg.windowTitle(), "Lehrer identifizieren, Kürzel: Ab");
        QCOMPARE(dlg.Liste->item(1)->text(), "AB\tHerr Abt");
        QCOMPARE(dlg.Auswahl(), 0);
    }

    // A long name is shown whole, without scrolling sideways.
    void identifizierenLangerName() {
        TProjektBauer b;
        TLehrer* lang = b.Lehrer("ab", "Abendroth-Wiesenfeld");
        lang->Zusatz = "von der";
        lang->AkadTitel = "Prof. Dr.";
        std::vector<TLehrer*> kandidaten{lang, b.Lehrer("AB", "Abt")};
        TIdentifyKrzDlg dlg("Ab", kandidaten);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QVERIFY(!dlg.Liste->horizontalScrollBar()->isVisible());
        QVERIFY(!dlg.Liste->verticalScrollBar()->isVisible());
    }

    // Every label with an accelerator has a field to go to; without one the "&" would be shown.
    void beschriftungenMitKuerzel() {
        TProjektBauer b;
        TSkriptMeldung m;
        TFEditE familie(m);
        TFEditK kind(m);
        TFEditL lehrer(b.p.Lehrerliste, m);
        for (QDialog* d : std::initializer_list<QDialog*>{&familie, &kind, &lehrer})
            for (const QLabel* text : d->findChildren<QLabel*>())
                if (text->text().contains(u'&')) QVERIFY2(text->buddy(), qPrintable(text->text()));
    }
};

VEL_TEST(TstEingabedialoge)
#include "tst_Eingabedialoge.moc"
