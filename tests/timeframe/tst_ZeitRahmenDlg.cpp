#include "common/ProjektBauer.h"
#include "common/SkriptMeldung.h"
#include "common/TestHaupt.h"
#include "model/Datumstexte.h"
#include "timeframe/ui/Datumsfeld.h"
#include "timeframe/ui/ZeitRahmenDlg.h"
#include "timeframe/ui/ZeitTabelle.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(TZeitRahmenDlg::TAntwort)

namespace {

const QString UngueltigeZeit = QString::fromUtf8("Ungültige Uhrzeit");

// A one-day frame of ten slots from 14:00 every 10 minutes, with two booked conversations (slots 2
// and 9) and a teacher who blocked slot 5.
struct TRahmenFall {
    TProjektBauer b;
    TSkriptMeldung meldung;
    TGespraech* frueh = nullptr;
    TGespraech* letzter = nullptr;
    TLehrer* lehrer = nullptr;
    TRueckCollection rueck;
    TRahmenErgebnis ergebnis;
    std::unique_ptr<TZeitRahmenDlg> dlg;

    explicit TRahmenFall(TZeitRahmenDlg::TModus modus = TZeitRahmenDlg::TModus::AktuellesProjekt) {
        b.Rahmen(1, 10);
        frueh = b.Wunsch(b.Kind("Maier", "Anna", "5a"), "MUE", 2);
        letzter = b.Wunsch(b.Kind("Berg", "Ben", "6b"), "SCH", 9);
        lehrer = b.p.Lehrerliste.FindeKuerzel("MUE");
        b.Sperren(lehrer, {5});
        dlg = std::make_unique<TZeitRahmenDlg>(modus, meldung);
        if (modus == TZeitRahmenDlg::TModus::AktuellesProjekt)
            dlg->RahmenSetzen(b.p.Datum, b.p.Zeittexte, 10);
        // What OK hands over is applied to the project, as the frame command does.
        dlg->UebernahmeSetzen([this](const TRahmenEingabe& eingabe) {
            ergebnis = RahmenUebernehmen(b.p, rueck, eingabe, meldung);
            if (ergebnis.DialogOffenLassen) {
                ergebnis = {};
                return TZeitRahmenDlg::TAntwort::OffenLassen;
            }
            return ergebnis.RahmenErgebnis ? TZeitRahmenDlg::TAntwort::Angenommen
                                           : TZeitRahmenDlg::TAntwort::Abgelehnt;
        });
        dlg->show();
        dlg->activateWindow();
        // A window that did not become active shows in the focus checks of the tests.
        static_cast<void>(QTest::qWaitForWindowActive(dlg.get()));
    }

    void ZelleKlicken(TZeitTabelle* tabelle, int slot) {
        const QModelIndex index = tabelle->model()->index(slot / 8, slot % 8);
        QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, {}, tabelle->visualRect(index).center());
    }
    // Key by key to whatever has the focus, as the first key may open a cell editor.
    void Tippen(const QString& text) {
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    void Taste(Qt::Key taste, Qt::KeyboardModifiers mod = {}) {
        QTest::keyClick(QApplication::focusWidget(), taste, mod);
    }
    // Types a spacing into Edit3 as the user does: into the field, clear it, type, leave with Tab.
    void AbstandEingeben(const QString& minuten) {
        QTest::mouseClick(dlg->Edit3, Qt::LeftButton);
        Taste(Qt::Key_A, Qt::ControlModifier);
        Taste(Qt::Key_Backspace);
        Tippen(minuten);
        Taste(Qt::Key_Tab);
    }
    QString Zelle(TZeitTabelle* tabelle, int slot) { return tabelle->Zellen()[static_cast<size_t>(slot)]; }
};

} // namespace

class TstZeitRahmenDlg : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oeffnenZeigtDenRahmen() {
        TRahmenFall f;
        QCOMPARE(f.dlg->windowTitle(), "Zeitrahmen bearbeiten");
        QCOMPARE(f.dlg->LblModus->text(), QString::fromUtf8("Zeitrahmen beim aktuellen Projekt verändern"));
        QCOMPARE(f.dlg->DatePick1->date(), QDate(2027, 3, 1));
        QCOMPARE(f.dlg->DatePick2->date(), QDate(2027, 3, 2));
        QCOMPARE(f.dlg->Label4->text(), "(Montag)");
        QCOMPARE(f.Zelle(f.dlg->StringGrid1, 0), "14:00");
        QCOMPARE(f.Zelle(f.dlg->StringGrid1, 9), "15:30");
        QCOMPARE(f.Zelle(f.dlg->StringGrid1, 10), "");
        QCOMPARE(f.dlg->Edit3->text(), "10 min");
        QCOMPARE(f.dlg->StringGrid1->AktuellerSlot(), -1);
        QVERIFY(!f.dlg->FuellBtn->isEnabled());
        QVERIFY(!f.dlg->LoeschBtn->isEnabled());
        QCOMPARE(QApplication::focusWidget(), f.dlg->DatePick1);
    }

    // OK hands over what the dialog shows; the dates it opened with count as unchanged. The answer
    // decides whether it closes and how.
    void okUebergibtDieEingabe_data() {
        QTest::addColumn<TZeitRahmenDlg::TAntwort>("antwort");
        QTest::addColumn<bool>("offen");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("angenommen") << TZeitRahmenDlg::TAntwort::Angenommen << false
                                    << int(QDialog::Accepted);
        QTest::newRow("abgelehnt") << TZeitRahmenDlg::TAntwort::Abgelehnt << false << int(QDialog::Rejected);
        QTest::newRow("offen lassen") << TZeitRahmenDlg::TAntwort::OffenLassen << true << 0;
    }
    void okUebergibtDieEingabe() {
        QFETCH(TZeitRahmenDlg::TAntwort, antwort);
        QFETCH(bool, offen);
        QFETCH(int, ergebnis);
        TRahmenFall f;
        QList<TRahmenEingabe> uebergeben;
        f.dlg->UebernahmeSetzen([&](const TRahmenEingabe& eingabe) {
            uebergeben << eingabe;
            return antwort;
        });
        QTest::mouseClick(f.dlg->OkBtn, Qt::LeftButton);
        QCOMPARE(uebergeben.size(), 1);
        const TRahmenEingabe& e = uebergeben[0];
        QVERIFY(!e.NeuesProjekt);
        QCOMPARE(e.Datum1, QDate(2027, 3, 1));
        QCOMPARE(e.Datum2, QDate(2027, 3, 2));
        QVERIFY(!e.DatumGeaendert);
        QCOMPARE(e.Zeiten[9], "15:30");
        QCOMPARE(e.Zeiten[10], "");
        QCOMPARE(e.Abstand, "10");
        QCOMPARE(e.AbstandAlt, "10");
        QCOMPARE(f.dlg->isVisible(), offen);
        QCOMPARE(f.dlg->result(), ergebnis);
        if (offen) QCOMPARE(QApplication::focusWidget(), f.dlg->DatePick1);
        QVERIFY(f.meldung.Protokoll.isEmpty());
    }

    void tabelleBetretenUndVerlassen() {
        TRahmenFall f;
        f.dlg->cbFolgetag->setFocus();
        f.Taste(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.dlg->StringGrid2);
        QCOMPARE(f.dlg->StringGrid2->AktuellerSlot(), 0);
        QVERIFY(f.dlg->FuellBtn->isEnabled());
        f.ZelleKlicken(f.dlg->StringGrid1, 12);
        f.Tippen("8.5");
        f.Taste(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.dlg->DatePick2);
        QVERIFY(!f.dlg->FuellBtn->isEnabled());
        QCOMPARE(f.Zelle(f.dlg->StringGrid1, 12), "08:05");
        QVERIFY(f.meldung.Protokoll.isEmpty());
    }

    void ungueltigeUhrzeit() {
        TRahmenFall f;
        f.ZelleKlicken(f.dlg->StringGrid1, 20);
        f.Tippen("930");
        f.Taste(Qt::Key_Tab);
        QCOMPARE(f.meldung.Titel(), QStringList{UngueltigeZeit});
        QCOMPARE(f.meldung.Protokoll[0].Text,
                 QString::fromUtf8("Korrigieren Sie die Uhrzeit!\r\n(Format: hh:mm, also z.B. 08:15)"));
        QCOMPARE(QApplication::focusWidget(), f.dlg->StringGrid1);
        QCOMPARE(f.dlg->StringGrid1->AktuellerSlot(), 20);
        QCOMPARE(f.Zelle(f.dlg->StringGrid1, 20), "930");

        // OK runs the same check first and keeps the dialog open.
        QTest::mouseClick(f.dlg->OkBtn, Qt::LeftButton);
        QCOMPARE(f.meldung.Protokoll.size(), 2);
        QVERIFY(f.dlg->isVisible());
        QCOMPARE(f.b.p.Zeittexte[20], "");
    }

    void nurZeitzeichenWerdenGetippt() {
        TRahmenFall f;
        f.ZelleKlicken(f.dlg->StringGrid2, 0);
        f.Tippen("a9b:3x0");
        f.Taste(Qt::Key_Return);
        QCOMPARE(f.Zelle(f.dlg->StringGrid2, 0), "9:30");
    }

    void escapeBereinigtDieTabelle() {
        TRahmenFall f;
        f.ZelleKlicken(f.dlg->StringGrid2, 0);
        f.Tippen("8");
        f.Taste(Qt::Key_Return);
        f.ZelleKlicken(f.dlg->StringGrid2, 1);
        f.Tippen("25");
        f.Taste(Qt::Key_Return);
        f.Taste(Qt::Key_Escape);
        QCOMPARE(f.Zelle(f.dlg->StringGrid2, 0), "08:00");
        QCOMPARE(f.Zelle(f.dlg->StringGrid2, 1), "");
        QVERIFY(f.dlg->isVisible());
    }

    void zeitabstand_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<bool>("gueltig");
        QTest::addColumn<QString>("anzeige");
        QTest::newRow("4") << "4" << true << "04 min";
        QTest::newRow("60") << "60" << true << "60 min";
        QTest::newRow("3") << "3" << false << "";
        QTest::newRow("61") << "61" << false << "";
        QTest::newRow("leer") << "" << false << "";
    }
    void zeitabstand() {
        QFETCH(QString, eingabe);
        QFETCH(bool, gueltig);
        QFETCH(QString, anzeige);
        TRahmenFall f;
        f.AbstandEingeben(eingabe);
        if (gueltig) {
            QVERIFY(f.meldung.Protokoll.isEmpty());
            QCOMPARE(f.dlg->Edit3->text(), anzeige);
            QVERIFY(QApplication::focusWidget() != f.dlg->Edit3);
            return;
        }
        QCOMPARE(f.meldung.Titel(), QStringList{"Fehler beim Zeitabstand"});
        QCOMPARE(f.meldung.Protokoll[0].Text,
                 "Geben Sie als Zeitabstand eine ganze Zahl zwischen 4 und 60 ein!");
        QCOMPARE(QApplication::focusWidget(), f.dlg->Edit3);
        // The dialog stays while the field holds the focus; Escape brings back the old spacing.
        f.dlg->reject();
        QVERIFY(f.dlg->isVisible());
        f.Taste(Qt::Key_Escape);
        QCOMPARE(f.dlg->Edit3->text(), "10 min");
        QVERIFY(f.dlg->isVisible());
    }

    void fuellenBisMitternacht() {
        TRahmenFall f;
        f.AbstandEingeben("60");
        f.ZelleKlicken(f.dlg->StringGrid1, 0);
        f.Tippen("22:00");
        // The pending edit counts, as the user sees it in the cell.
        QTest::mouseClick(f.dlg->FuellBtn, Qt::LeftButton);
        QCOMPARE(f.Zelle(f.dlg->StringGrid1, 0), "22:00");
        QCOMPARE(f.Zelle(f.dlg->StringGrid1, 1), "23:00");
        for (int s = 2; s < SlotsProTag; ++s)
            QCOMPARE(f.Zelle(f.dlg->StringGrid1, s), "");
        QVERIFY(f.meldung.Protokoll.isEmpty());
    }

    void fuellenUndLoeschenMitTasten() {
        TRahmenFall f;
        f.ZelleKlicken(f.dlg->StringGrid2, 0);
        f.Tippen("8");
        f.Taste(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(f.Zelle(f.dlg->StringGrid2, 0), "08:00");
        QCOMPARE(f.Zelle(f.dlg->StringGrid2, 3), "08:30");
        QCOMPARE(f.Zelle(f.dlg->StringGrid2, 47), "15:50");
        f.ZelleKlicken(f.dlg->StringGrid2, 4);
        f.Taste(Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(f.Zelle(f.dlg->StringGrid2, 3), "08:30");
        QCOMPARE(f.Zelle(f.dlg->StringGrid2, 4), "");
        QCOMPARE(f.Zelle(f.dlg->StringGrid2, 47), "");
    }

    void fuellenOhneStartzeit() {
        TRahmenFall f;
        f.ZelleKlicken(f.dlg->StringGrid2, 3);
        QTest::mouseClick(f.dlg->FuellBtn, Qt::LeftButton);
        QCOMPARE(f.meldung.Protokoll.size(), 1);
        QCOMPARE(f.meldung.Protokoll[0].Text,
                 QString::fromUtf8(
                     "Geben Sie zum automatischen Füllen\ran der Cursorposition eine Startzeit ein!"));
        QCOMPARE(f.Zelle(f.dlg->StringGrid2, 4), "");
    }

    void tipp() {
        TRahmenFall f;
        QTest::mouseClick(f.dlg->TipBtn, Qt::LeftButton);
        QCOMPARE(f.meldung.Titel(), QStringList{"Tipp"});
        QVERIFY(f.meldung.Protokoll[0].Text.startsWith(
            QString::fromUtf8("Sie können im Zeitrahmen an Anfang und Ende einige Reserve-Zeiten vorsehen")));
    }

    // A typed date replaces the shown one, whether the field was entered by Tab or by a click; Tab then
    // goes on to the times.
    void datumTippen_data() {
        QTest::addColumn<bool>("klick");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QDate>("datum");
        QTest::newRow("Tab") << false << "15.04.2027" << QDate(2027, 4, 15);
        QTest::newRow("Klick") << true << "15.04.2027" << QDate(2027, 4, 15);
        QTest::newRow("einstellig") << true << "1.4.2028" << QDate(2028, 4, 1);
    }
    void datumTippen() {
        QFETCH(bool, klick);
        QFETCH(QString, eingabe);
        QFETCH(QDate, datum);
        TRahmenFall f;
        TDatumsfeld* feld = f.dlg->DatePick1;
        f.dlg->cbFolgetag->setFocus();
        if (klick) {
            QTest::mouseClick(feld, Qt::LeftButton, {}, QPoint(feld->width() / 4, feld->height() / 2));
        } else {
            f.dlg->OkBtn->setFocus();
            for (int i = 0; i < 20 && QApplication::focusWidget() != feld; ++i)
                f.Taste(Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), feld);
        QTest::keyClicks(feld, eingabe);
        QCOMPARE(feld->date(), datum);
        f.Taste(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.dlg->StringGrid1);
    }

    void datumFolgetag() {
        TRahmenFall f;
        QTest::keyClick(f.dlg->DatePick1, Qt::Key_Up);
        QCOMPARE(f.dlg->DatePick1->date(), QDate(2027, 3, 2));
        QCOMPARE(f.dlg->Label4->text(), "(Dienstag)");
        QCOMPARE(f.dlg->DatePick2->date(), QDate(2027, 3, 3));
        QTest::keyClick(f.dlg->DatePick2, Qt::Key_Up);
        QVERIFY(!f.dlg->cbFolgetag->isChecked());
        QTest::keyClick(f.dlg->DatePick2, Qt::Key_Down);
        QVERIFY(f.dlg->cbFolgetag->isChecked());
    }

    // Removing the last slot of day 1 where an appointment stands asks first; No keeps plan and times but
    // stores the changed date.
    void slotEntfernenNein() {
        TRahmenFall f;
        QTest::keyClick(f.dlg->DatePick1, Qt::Key_Up);
        f.ZelleKlicken(f.dlg->StringGrid1, 9);
        QTest::mouseClick(f.dlg->LoeschBtn, Qt::LeftButton);
        f.meldung.Antworten = {Antwort::Nein};
        QTest::mouseClick(f.dlg->OkBtn, Qt::LeftButton);
        QCOMPARE(f.meldung.Titel(), QStringList{"Achtung: Neuer Zeitrahmen!"});
        QCOMPARE(f.meldung.Protokoll[0].Vorgabe, Antwort::Nein);
        QVERIFY(!f.dlg->isVisible());
        QCOMPARE(f.dlg->result(), int(QDialog::Rejected));
        QCOMPARE(f.ergebnis.RahmenErgebnis, 0);
        QCOMPARE(f.b.p.Zeittexte[9], "15:30");
        QCOMPARE(f.letzter->Termin, 9);
        QCOMPARE(f.lehrer->Zeiten[5], SlotGesperrt);
        QCOMPARE(DatumAusWert(f.b.p.Datum[0]), QDate(2027, 3, 2));
    }

    void slotEntfernenJa() {
        TRahmenFall f;
        f.ZelleKlicken(f.dlg->StringGrid1, 9);
        QTest::mouseClick(f.dlg->LoeschBtn, Qt::LeftButton);
        f.meldung.Antworten = {Antwort::Ja, Antwort::Nein};
        QTest::mouseClick(f.dlg->OkBtn, Qt::LeftButton);
        QCOMPARE(f.meldung.Titel(),
                 (QStringList{"Achtung: Neuer Zeitrahmen!",
                              QString::fromUtf8("Zeitrahmenänderung am aktuellen Projekt")}));
        QCOMPARE(f.dlg->result(), int(QDialog::Accepted));
        QCOMPARE(f.ergebnis.RahmenErgebnis, RahmenBestaetigt | RahmenGeaendert | RahmenSlotsEntfernt);
        QVERIFY(!f.ergebnis.GlobalSperrenOeffnen);
        QCOMPARE(f.b.p.Zeittexte[9], "");
        QCOMPARE(f.b.p.Zeittexte[8], "15:20");
        QCOMPARE(f.frueh->Termin, TerminOffen);
        QCOMPARE(f.letzter->Termin, TerminOffen);
        QCOMPARE(f.lehrer->Zeiten[2], SlotFrei);
        QCOMPARE(f.lehrer->Zeiten[5], SlotFrei);
    }

    void slotHinzufuegen() {
        TRahmenFall f;
        f.ZelleKlicken(f.dlg->StringGrid1, 10);
        f.Tippen("15.40");
        f.Taste(Qt::Key_Return);
        QTest::mouseClick(f.dlg->OkBtn, Qt::LeftButton);
        QCOMPARE(f.meldung.Titel(), QStringList{"Hinweis"});
        QVERIFY(f.meldung.Protokoll[0].Text.startsWith("Sie haben den Zeitrahmen erweitert."));
        QCOMPARE(f.ergebnis.RahmenErgebnis, RahmenBestaetigt | RahmenGeaendert);
        QCOMPARE(f.b.p.Zeittexte[10], "15:40");
        QVERIFY(f.b.p.ZeitAktiv[10]);
        QCOMPARE(f.letzter->Termin, 9);
        QCOMPARE(f.frueh->Termin, 2);
        QCOMPARE(f.lehrer->Zeiten[5], SlotGesperrt);
    }

    void abstandAllein() {
        TRahmenFall f;
        f.AbstandEingeben("20");
        QTest::mouseClick(f.dlg->OkBtn, Qt::LeftButton);
        QCOMPARE(f.ergebnis.RahmenErgebnis, RahmenBestaetigt);
        QVERIFY(f.ergebnis.VorgabeSchreiben);
        QCOMPARE(f.ergebnis.Zeitabstand, 20);
    }

    void abbruch() {
        TRahmenFall f;
        f.ZelleKlicken(f.dlg->StringGrid1, 9);
        QTest::mouseClick(f.dlg->LoeschBtn, Qt::LeftButton);
        QTest::mouseClick(f.dlg->CancBtn, Qt::LeftButton);
        QVERIFY(!f.dlg->isVisible());
        QCOMPARE(f.ergebnis.RahmenErgebnis, 0);
        QCOMPARE(f.b.p.Zeittexte[9], "15:30");
        QVERIFY(f.meldung.Protokoll.isEmpty());
    }

    void neuesProjekt() {
        TRahmenFall f(TZeitRahmenDlg::TModus::NeuesProjekt);
        QCOMPARE(f.dlg->LblModus->text(), QString::fromUtf8("Zeitrahmen für ein neues Projekt festlegen"));
        QCOMPARE(f.dlg->DatePick1->date(), QDate::currentDate());
        QCOMPARE(f.dlg->DatePick2->date(), QDate::currentDate().addDays(1));
        QCOMPARE(f.Zelle(f.dlg->StringGrid1, 0), "13:00");
        QCOMPARE(f.Zelle(f.dlg->StringGrid1, 1), "");
        QCOMPARE(f.dlg->Edit3->text(), "15 min");

        // Unchanged dates are questioned; No keeps the dialog open at the first date.
        f.meldung.Antworten = {Antwort::Nein};
        QTest::mouseClick(f.dlg->OkBtn, Qt::LeftButton);
        QCOMPARE(f.meldung.Titel(), QStringList{"Sind die Datumseingaben korrekt?"});
        QVERIFY(f.dlg->isVisible());
        QCOMPARE(QApplication::focusWidget(), f.dlg->DatePick1);

        TZeitZellen vorgabe;
        vorgabe[0] = "08:00";
        vorgabe[48] = "09:00";
        f.dlg->VorgabeSetzen(20, vorgabe);
        QCOMPARE(f.Zelle(f.dlg->StringGrid2, 0), "09:00");
        QCOMPARE(f.dlg->Edit3->text(), "20 min");
        QTest::keyClick(f.dlg->DatePick1, Qt::Key_Up);
        QTest::mouseClick(f.dlg->OkBtn, Qt::LeftButton);
        QCOMPARE(f.dlg->result(), int(QDialog::Accepted));
        QCOMPARE(f.b.p.Zeittexte[0], "08:00");
        QCOMPARE(f.b.p.Zeittexte[1], "");
        QVERIFY(f.b.p.ZweiTage);
    }
};

VEL_TEST(TstZeitRahmenDlg)
#include "tst_ZeitRahmenDlg.moc"
