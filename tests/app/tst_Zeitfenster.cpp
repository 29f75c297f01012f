#include "Eingabetest.h"
#include "FensterTest.h"
#include "app/ui/Listendelegate.h"
#include "app/ui/Zeitfensteraufruf.h"
#include "common/TestHaupt.h"
#include "editing/ui/HandBefehle.h"
#include "editing/ui/UVerschieb.h"
#include "model/Projektdatei.h"
#include "scheduler/Lauf.h"
#include "scheduler/Planpruefung.h"
#include "timeframe/ui/GlobSperr.h"
#include "timeframe/ui/Tagesraster.h"
#include "timeframe/ui/UZeitSplash.h"
#include "timeframe/ui/ZBtnGrid.h"
#include "timeframe/ui/ZeitenDlg.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QTreeView>

namespace {

void ZelleKlicken(TTagesraster* tag, int zelle, Qt::MouseButton taste = Qt::LeftButton) {
    TZBtnGrid* g = tag->Grid();
    QTest::mouseClick(g, taste, {}, g->Zellenrechteck(zelle).center());
}

// The clock of a list's row, in viewport coordinates.
QPoint Uhr(QTreeView* liste, int zeile, bool familien) {
    const QModelIndex zelle = liste->model()->index(zeile, familien ? 1 : liste->model()->columnCount() - 1);
    QStyleOptionViewItem option;
    option.rect = liste->visualRect(zelle);
    return static_cast<TListenDelegate*>(liste->itemDelegate())->UhrFlaeche(option, zelle).center();
}

TEltern* Maier(TVELWnd& f) {
    for (const auto& e : f.Projekt()->Elternliste)
        if (e->Name == QStringLiteral("Maier")) return e.get();
    return nullptr;
}

QWidget* Werkzeugknopf(TVELWnd& f, QAction* befehl) {
    return f.findChild<QToolBar*>()->widgetForAction(befehl);
}

void PlanSauber(const TProjekt& p) {
    const QStringList fehler = PlanPruefen(p);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join('\n')));
}

// The family Maier (bookings in slots 0 to 2) selected in a shown main window.
struct TMaierFall : TFensterTest {
    TFZeitSplash* fenster = nullptr;
    TMaierFall(bool klickmodus) {
        Fenster->Programmwerte.ZeitSplash = klickmodus;
        Fenster->Programmwerte.ZeitMaus = true; // left blocks, right frees
        Fenster->ProjektErsetzen(GebuchtesProjekt());
        static_cast<void>(Zeigen());
        FamilieWaehlen(*Fenster, Maier(*Fenster)->Nummer);
        fenster = Fenster->Zeitfenster->Fenster;
    }
    int16_t Slot(int s) { return Maier(*Fenster)->Zeiten[size_t(s)]; }
    // Maier's window, opened from the keyboard.
    void Oeffnen() {
        QTest::keyClick(Fenster->Familienpanel->LVEltern, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(fenster->Person(), Maier(*Fenster));
    }
};

} // namespace

class TstZeitfenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The standard blocking: OK keeps the template with the project, cancel changes nothing.
    void standardvorgabe() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(KleinesProjekt());
        f.Projekt()->NotizHaken.fill(false);
        {
            TDialogFolge abbruch({[](QDialog& d) {
                auto& dlg = dynamic_cast<TZeitenSperrDlg&>(d);
                ZelleKlicken(dlg.Tage[0], 2);
                dlg.AbbruchBtn->click();
            }});
            f.ZDefault1->trigger();
            QCOMPARE(abbruch.Offen(), 0);
        }
        QCOMPARE(f.Projekt()->Standardsperre[2], SlotFrei);
        QVERIFY(!f.Dokument.IstGeaendert());

        TDialogFolge ok({[](QDialog& d) {
            auto& dlg = dynamic_cast<TZeitenSperrDlg&>(d);
            QCOMPARE(dlg.windowTitle(), "Standardvorgabe für gesperrte Zeiten bei Eltern & Lehrern");
            QVERIFY(!dlg.Tage[1]->isVisible());
            ZelleKlicken(dlg.Tage[0], 2);
            dlg.OkBtn->click();
        }});
        f.ZDefaultE1->trigger();
        QCOMPARE(ok.Offen(), 0);
        QCOMPARE(f.Projekt()->Standardsperre[2], SlotGesperrt);
        QVERIFY(f.Projekt()->NotizHaken[Notizhaken::Standardsperre]);
        QVERIFY(f.Dokument.IstGeaendert());
        // Persons created afterwards start with it.
        QCOMPARE(f.Projekt()->NeuerLehrer("Frau", "NEU", "Neu")->Zeiten[2], SlotGesperrt);
    }

    // Blocking slot 1 for all families takes Anna's appointment with BER away; the confirmation can send
    // the user back to the choice, and the next run keeps the family out of the slot.
    void globalSperren() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(GebuchtesProjekt());
        f.Programmwerte.ZeitMaus = true;
        const auto waehlen = [](QDialog& d) {
            auto& glob = dynamic_cast<TGlobSperrF&>(d);
            glob.Modus->button(1)->click();
            glob.Zielgruppe->button(1)->click();
            glob.ZeitenBtn->click();
        };
        const auto sperren = [](QDialog& d) {
            auto& dlg = dynamic_cast<TZeitenSperrDlg&>(d);
            QCOMPARE(dlg.windowTitle(), "Zeitendialog zum globalen Sperren von Zeiten für alle Eltern");
            ZelleKlicken(dlg.Tage[0], 1);
            dlg.OkBtn->click();
        };
        t.Meldung.Antworten = {Antwort::Abbrechen, Antwort::OK};
        TDialogFolge folge({waehlen, sperren,
                            [](QDialog& d) {
                                auto& glob = dynamic_cast<TGlobSperrF&>(d);
                                QCOMPARE(glob.GewaehlterModus(), TGlobalModus::Sperren);
                                glob.ZeitenBtn->click();
                            },
                            sperren});
        f.ZeitGlob1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(t.Meldung.Protokoll.size(), 2);
        QCOMPARE(t.Meldung.Protokoll[0].Titel, "HINWEIS:");
        QCOMPARE(t.Meldung.Protokoll[0].Text,
                 "Wenn Sie OK klicken, werden alle Zeitsperrungen gemäß Auswahl geändert und gegebenenfalls "
                 "Gespräche auf 'nicht terminiert' zurückgesetzt!");
        QCOMPARE(t.Meldung.Protokoll[0].Vorgabe, Antwort::Abbrechen);
        TEltern* maier = Maier(f);
        QCOMPARE(maier->Zeiten[1], SlotGesperrt);
        QCOMPARE(maier->Zeiten[0], int16_t(1));
        const TGespraech* weg = f.Projekt()->Gespraechsliste[1];
        QCOMPARE(weg->Termin, TerminOffen);
        QCOMPARE(weg->Lehrer->Zeiten[1], SlotFrei);
        QVERIFY(f.Dokument.IstGeaendert());
        PlanSauber(*f.Projekt());

        TLaufBeobachter still;
        Lauf(*f.Projekt(), still);
        QVERIFY(weg->Termin >= 0);
        for (const auto& g : f.Projekt()->Gespraechsliste)
            if (g->Eltern() == maier) QVERIFY(g->Termin != 1);
        PlanSauber(*f.Projekt());
    }

    // Click mode: the clock opens the window below the row; blocking a booking asks, OK applies.
    void klickmodus() {
        TMaierFall t(true);
        TVELWnd& f = *t.Fenster;
        QTreeView* liste = f.Familienpanel->LVEltern;
        const int zeile = f.Familienpanel->Zeile(Maier(f));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, Uhr(liste, zeile, true));
        QTRY_VERIFY(t.fenster->isVisible());
        QCOMPARE(f.ZeitfensterPerson, Maier(f));
        QVERIFY(t.fenster->LblName->text().startsWith("Zeiten sperren bei "));
        QVERIFY(t.fenster->OkBtn->isVisible());
        QCOMPARE(t.fenster->palette().color(QPalette::Window), QColor(0xF0, 0xF0, 0xD0));
        QVERIFY(t.fenster->y() >=
                liste->viewport()
                    ->mapToGlobal(liste->visualRect(liste->model()->index(zeile, 0)).bottomLeft())
                    .y());
        f.Dokument.RueckListe().Add(std::make_unique<TRueckgEintrag>());

        ZelleKlicken(t.fenster->Tage[0], 4);
        t.Meldung.Antworten = {Antwort::Ja};
        ZelleKlicken(t.fenster->Tage[0], 0);
        QVERIFY(t.Meldung.Protokoll.last().Text.startsWith("Hier liegt ein Gesprächstermin."));
        QVERIFY(t.fenster->RueckBtn->isEnabled());
        // Leaving does not close in click mode.
        QEvent verlassen(QEvent::Leave);
        QCursor::setPos(0, 0);
        QCoreApplication::sendEvent(t.fenster, &verlassen);
        QVERIFY(t.fenster->isVisible());
        t.fenster->OkBtn->click();
        QVERIFY(!t.fenster->isVisible());
        QCOMPARE(f.ZeitfensterPerson, nullptr);
        QCOMPARE(t.Slot(4), SlotGesperrt);
        QCOMPARE(t.Slot(0), SlotGesperrt);
        QCOMPARE(f.Projekt()->Gespraechsliste[0]->Termin, TerminOffen);
        QVERIFY(f.Dokument.RueckListe().Leer());
        QVERIFY(f.Dokument.IstGeaendert());
        PlanSauber(*f.Projekt());
    }

    // Hover mode: the clock opens the window under the pointer; leaving it applies at once.
    void hovermodus() {
        TMaierFall t(false);
        TVELWnd& f = *t.Fenster;
        QTreeView* liste = f.Familienpanel->LVEltern;
        QTest::mouseMove(liste->viewport(), Uhr(liste, f.Familienpanel->Zeile(Maier(f)), true));
        QTRY_VERIFY(t.fenster->isVisible());
        QVERIFY(!t.fenster->OkBtn->isVisible());
        QVERIFY(t.fenster->geometry().contains(QCursor::pos()));
        QVERIFY(t.fenster->Timer3->isActive());
        ZelleKlicken(t.fenster->Tage[0], 5);
        QCursor::setPos(t.fenster->geometry().bottomRight() + QPoint(50, 50));
        QEvent verlassen(QEvent::Leave);
        QCoreApplication::sendEvent(t.fenster, &verlassen);
        QVERIFY(!t.fenster->isVisible());
        QCOMPARE(t.Slot(5), SlotGesperrt);
        PlanSauber(*f.Projekt());

        // Opened and never entered: the timer closes it.
        QTest::mouseMove(liste->viewport(), Uhr(liste, f.Familienpanel->Zeile(Maier(f)), true));
        QTRY_VERIFY(t.fenster->isVisible());
        QCursor::setPos(t.fenster->geometry().bottomRight() + QPoint(50, 50));
        QTRY_VERIFY(!t.fenster->isVisible());
    }

    // Ctrl+Z from the family list; Esc takes the edits back before closing.
    void tastatur() {
        TMaierFall t(true);
        TVELWnd& f = *t.Fenster;
        f.Familienpanel->LVEltern->setFocus();
        QTest::keyClick(f.Familienpanel->LVEltern, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(t.fenster->isVisible());
        // The whole day blocked, bookings kept after the question; freeing brings back what was.
        t.Meldung.Antworten = {Antwort::Nein};
        t.fenster->Tage[0]->BtnSperren->click();
        QCOMPARE(t.Meldung.Protokoll.last().Titel, "Achtung!");
        TZBtnGrid* g = t.fenster->Tage[0]->Grid();
        QCOMPARE(g->Werte()[3], SlotGesperrt);
        QCOMPARE(g->Werte()[0], int16_t(1));
        t.fenster->Tage[0]->BtnFreigeben->click();
        QCOMPARE(g->Werte()[3], SlotFrei);
        ZelleKlicken(t.fenster->Tage[0], 3);
        QTest::keyClick(t.fenster, Qt::Key_Escape);
        QVERIFY(!t.fenster->isVisible());
        QCOMPARE(t.Slot(3), SlotFrei);
        QVERIFY(!f.Dokument.IstGeaendert());

        // Enter applies.
        QTest::keyClick(f.Gespraechpanel->KuerzE, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(t.fenster->isVisible());
        ZelleKlicken(t.fenster->Tage[0], 3);
        QTest::keyClick(t.fenster, Qt::Key_Return);
        QCOMPARE(t.Slot(3), SlotGesperrt);
    }

    // A teacher's window opens by double click in teachers mode, on the teachers' colour.
    void lehrer() {
        TMaierFall t(true);
        TVELWnd& f = *t.Fenster;
        QTreeView* liste = f.Lehrerpanel->LVLehrer;
        f.BuLeh->trigger();
        LehrerWaehlen(f, {"BER"});
        const QRect zeile = liste->visualRect(liste->selectionModel()->selectedRows().front());
        // A double click comes after the press and release of its first click.
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, zeile.center());
        QTRY_VERIFY(t.fenster->isVisible());
        QCOMPARE(t.fenster->Person(), f.Projekt()->Lehrerliste.FindeKuerzel("BER"));
        QCOMPARE(t.fenster->palette().color(QPalette::Window), QColor(0xDB, 0xE6, 0xF0));
        t.fenster->AbbruchBtn->click();
        QVERIFY(!f.Dokument.IstGeaendert());

        QTest::keyClick(liste, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(t.fenster->isVisible());
        // The project goes while the window is open: it closes without touching anybody.
        f.ProjektErsetzen(KleinesProjekt());
        QVERIFY(!t.fenster->isVisible());
        QCOMPARE(f.ZeitfensterPerson, nullptr);
    }

    // A command of the window first applies the blocks of the open window and closes it: the
    // scheduling run from the tool bar sees them, also where the plan counted as finished, and the
    // statistics show its result.
    void vorDemTerminlauf() {
        TMaierFall t(true);
        TVELWnd& f = *t.Fenster;
        TProjekt& p = *f.Projekt();
        p.TermineBerechnet = p.ReihenfolgeFest = true;
        t.Oeffnen();
        t.Meldung.Antworten = {Antwort::Ja, Antwort::Ja};
        ZelleKlicken(t.fenster->Tage[0], 0);
        ZelleKlicken(t.fenster->Tage[0], 1);
        TStatistikWaechter statistik;
        StartDruecken();
        QTest::mouseClick(Werkzeugknopf(f, f.Berech0), Qt::LeftButton);
        QVERIFY(!t.fenster->isVisible());
        QCOMPARE(f.ZeitfensterPerson, nullptr);
        QCOMPARE(t.Meldung.Protokoll.size(), 2);
        QCOMPARE(statistik.Gezeigt, 1);
        QVERIFY(p.TermineBerechnet);
        QCOMPARE(t.Slot(0), SlotGesperrt);
        QCOMPARE(t.Slot(1), SlotGesperrt);
        for (const auto& g : p.Gespraechsliste)
            QVERIFY(g->Termin >= 2);
        PlanSauber(p);
    }

    // Deleting the teacher whose window is open: the block confirmed there is applied and the window
    // closed before the question, so the teacher goes with the block and nothing refers to it.
    void vorDemLoeschen() {
        TMaierFall t(true);
        TVELWnd& f = *t.Fenster;
        f.BuLeh->trigger();
        LehrerWaehlen(f, {"BER"});
        const TLehrer* ber = f.Projekt()->Lehrerliste.FindeKuerzel("BER");
        QTest::keyClick(f.Lehrerpanel->LVLehrer, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(t.fenster->Person(), ber);
        t.Meldung.Antworten = {Antwort::Ja, Antwort::Ja};
        ZelleKlicken(t.fenster->Tage[0], 1);
        ZelleKlicken(t.fenster->Tage[0], 4);
        bool angewandt = false;
        t.Meldung.BeiMeldung = [&] {
            if (t.Meldung.Protokoll.last().Titel == QString::fromUtf8("Lehrer löschen"))
                angewandt = !t.fenster->isVisible() && ber->Zeiten[1] == SlotGesperrt &&
                            ber->Zeiten[4] == SlotGesperrt;
        };
        QTest::mouseClick(f.Lehrerpanel->BtnLoeschL, Qt::LeftButton);
        QCOMPARE(t.Meldung.Titel(), QStringList({"Gesprächstermin", QString::fromUtf8("Lehrer löschen")}));
        QVERIFY(angewandt);
        QVERIFY(!f.Projekt()->Lehrerliste.FindeKuerzel("BER"));
        QVERIFY(!t.fenster->isVisible());
        QCOMPARE(t.fenster->Person(), nullptr);
        QCOMPARE(f.ZeitfensterPerson, nullptr);
        QCOMPARE(t.Slot(1), SlotFrei);
        PlanSauber(*f.Projekt());

        // The window opens again, for the teacher that is left.
        LehrerWaehlen(f, {"MUE"});
        QTest::keyClick(f.Lehrerpanel->LVLehrer, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(t.fenster->Person(), f.Projekt()->Lehrerliste.FindeKuerzel("MUE"));
    }

    // Opening another project: the pending block is applied first, so the question about saving comes,
    // and the file saved on Yes holds the block.
    void vorDemOeffnen() {
        TMaierFall t(true);
        TVELWnd& f = *t.Fenster;
        const QString schule = t.Ordner.filePath(QStringLiteral("Schule.pdt"));
        const QString anderes = t.Ordner.filePath(QStringLiteral("Anderes.pdt"));
        QString fehler;
        QVERIFY(ProjektSpeichern(*GebuchtesProjekt(), schule, fehler));
        QVERIFY(ProjektSpeichern(*KleinesProjekt(), anderes, fehler));
        f.Gruppen.Projektdateien->ProjektOeffnen(schule);
        QVERIFY(!f.Dokument.IstGeaendert());
        FamilieWaehlen(f, Maier(f)->Nummer);
        t.Oeffnen();
        ZelleKlicken(t.fenster->Tage[0], 4);
        t.Meldung.Antworten = {Antwort::Ja};
        t.Dateiwahl.Antworten = {anderes};
        QTest::mouseClick(Werkzeugknopf(f, f.Open0), Qt::LeftButton);
        QCOMPARE(t.Meldung.Titel(), QStringList({"Rückfrage zur Sicherung Ihrer Daten:"}));
        QCOMPARE(f.Dokument.Datei(), anderes);
        QVERIFY(!t.fenster->isVisible());
        QCOMPARE(f.ZeitfensterPerson, nullptr);

        f.Gruppen.Projektdateien->ProjektOeffnen(schule);
        QCOMPARE(t.Slot(4), SlotGesperrt);
    }

    // A key in a panel that changes the project, here Del on a request, finds the blocks applied and
    // the window closed, which thus shows no appointment of the deleted request.
    void vorDerPaneltaste() {
        TMaierFall t(true);
        TVELWnd& f = *t.Fenster;
        t.Oeffnen();
        ZelleKlicken(t.fenster->Tage[0], 4);
        f.Kinderpanel->Waehlen(Knoten(f, QStringLiteral("1.")));
        const TGespraech* g = f.Kinderpanel->Gespraech();
        QVERIFY(g);
        const int slot = g->Termin;
        t.Meldung.Antworten = {Antwort::Ja};
        QTest::keyClick(f.Kinderpanel->TVKinder, Qt::Key_Delete);
        QCOMPARE(t.Meldung.Titel(), QStringList({"Gesprächswunsch löschen"}));
        QVERIFY(!t.fenster->isVisible());
        QCOMPARE(f.ZeitfensterPerson, nullptr);
        QCOMPARE(t.Slot(4), SlotGesperrt);
        QCOMPARE(t.Slot(slot), SlotFrei);
        PlanSauber(*f.Projekt());
    }

    // Closing the program is no command of the table, but its question about saving must see the block
    // too.
    void vorDemBeenden() {
        TMaierFall t(true);
        t.Oeffnen();
        ZelleKlicken(t.fenster->Tage[0], 4);
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
        t.Meldung.Antworten = {Antwort::Abbrechen};
        QVERIFY(!t.Fenster->close());
        QCOMPARE(t.Meldung.Titel(), QStringList({"Rückfrage zur Sicherung Ihrer Daten:"}));
        QCOMPARE(t.Slot(4), SlotGesperrt);
        QVERIFY(!t.fenster->isVisible());
    }

    // F5 and F9 are swallowed in the window, though the main window's shortcuts reach through it; the
    // editing board opens from its tool button, after the window applied and closed.
    void tastenDesHauptfensters() {
        TMaierFall t(true);
        TVELWnd& f = *t.Fenster;
        t.Oeffnen();
        QVERIFY(QTest::qWaitForWindowActive(t.fenster));
        ZelleKlicken(t.fenster->Tage[0], 4);
        {
            TDialogFolge keiner({});
            QTest::keyClick(t.fenster->Tage[0]->Panel, Qt::Key_F5);
            QCOMPARE(keiner.Unerwartet, 0);
        }
        QVERIFY(t.fenster->isVisible());
        QCOMPARE(t.Slot(4), SlotFrei);

        bool angewandt = false;
        TDialogFolge folge({[&](QDialog& d) {
            angewandt = !t.fenster->isVisible() && t.Slot(4) == SlotGesperrt;
            QVERIFY(dynamic_cast<TFVerschieb*>(&d));
            d.reject();
        }});
        QTest::mouseClick(Werkzeugknopf(f, f.HandBearb0), Qt::LeftButton);
        QCOMPARE(folge.Offen(), 0);
        QVERIFY(angewandt);
    }
};

VEL_TEST(TstZeitfenster)
#include "tst_Zeitfenster.moc"
