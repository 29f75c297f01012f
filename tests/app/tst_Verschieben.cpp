#include "Eingabetest.h"
#include "FensterTest.h"
#include "common/TestHaupt.h"
#include "common/Testdrucker.h"
#include "editing/ui/CheckNumDlg.h"
#include "editing/ui/HandBefehle.h"
#include "editing/ui/UFarben.h"
#include "editing/ui/UVerschieb.h"
#include "scheduler/Planpruefung.h"
#include "settings/Einstellungen.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

namespace {

// Six slots of one day. Maier's Anna talks with MUE at 0 and with BER at 1, Acker's Cem with MUE at 2;
// Cem's request with BER has no appointment.
std::unique_ptr<TProjekt> Brett() {
    auto p = ProjektMitRahmen();
    TLehrer* mue = p->NeuerLehrer(QStringLiteral("Herr"), QStringLiteral("MUE"), QString::fromUtf8("Müller"));
    TLehrer* ber = p->NeuerLehrer(QStringLiteral("Frau"), QStringLiteral("BER"), QStringLiteral("Berg"));
    TKind* anna = p->NeuesKind(p->NeueFamilie(QStringLiteral("Familie"), QStringLiteral("Maier")),
                               QStringLiteral("Anna"), QStringLiteral("5a"));
    TKind* cem = p->NeuesKind(p->NeueFamilie(QStringLiteral("Frau"), QStringLiteral("Acker")),
                              QStringLiteral("Cem"), QStringLiteral("7b"));
    const auto buchen = [&](TGespraech* g, int slot) {
        g->Termin = static_cast<int16_t>(slot);
        g->Lehrer->Zeiten[static_cast<size_t>(slot)] = g->Nummer;
        g->Eltern()->Zeiten[static_cast<size_t>(slot)] = g->Nummer;
    };
    buchen(p->NeuesGespraech(mue, anna), 0);
    buchen(p->NeuesGespraech(ber, anna), 1);
    buchen(p->NeuesGespraech(mue, cem), 2);
    p->NeuesGespraech(ber, cem);
    p->Lehrerliste.LehrerSortieren();
    p->ZaehleGespraeche();
    return p;
}

QPoint Mitte(QTreeWidget* t, int zeile) {
    return t->visualItemRect(t->topLevelItem(zeile)).center();
}

// The rows' name column and tags, as the user reads them.
QStringList Namen(const QTreeWidget* t) {
    QStringList namen;
    for (int z = 0; z < t->topLevelItemCount(); ++z)
        namen << t->topLevelItem(z)->text(2);
    return namen;
}

int Gewaehlt(const QTreeWidget* t) {
    const auto items = t->selectedItems();
    return items.isEmpty() ? -1 : t->indexOfTopLevelItem(items.first());
}

void Ziehen(QTreeWidget* t, int von, int nach) {
    QWidget* v = t->viewport();
    QTest::mousePress(v, Qt::LeftButton, {}, Mitte(t, von));
    QTest::mouseMove(v, Mitte(t, (von + nach) / 2 == von ? nach : (von + nach) / 2));
    QTest::mouseMove(v, Mitte(t, nach));
    QTest::mouseRelease(v, Qt::LeftButton, {}, Mitte(t, nach));
}

TGespraech* Gespraech(TVELWnd& f, int nummer) {
    return f.Projekt()->Gespraechsliste.FindeNummer(nummer);
}

} // namespace

class TstVerschieben : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The day and time columns show their texts whole in the desktop's font, small or large.
    void spaltenbreiten_data() {
        QTest::addColumn<int>("punkte");
        QTest::newRow("9 pt") << 9;
        QTest::newRow("11 pt") << 11;
        QTest::newRow("16 pt") << 16;
    }
    void spaltenbreiten() {
        QFETCH(int, punkte);
        const QFont vorher = QApplication::font();
        const auto zurueck = qScopeGuard([&] { QApplication::setFont(vorher); });
        QFont schrift = vorher;
        schrift.setPointSize(punkte);
        QApplication::setFont(schrift);
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(Brett());
        QVERIFY(t.Zeigen());
        FamilieWaehlen(f, 1);
        QStringList abgeschnitten;
        TDialogFolge folge({[&](QDialog& d) {
            auto& b = dynamic_cast<TFVerschieb&>(d);
            // Anna's conversation with MUE shows the teacher's table beside the family's.
            b.LVE->setCurrentItem(b.LVE->topLevelItem(0));
            QCOMPARE(b.LVL->topLevelItemCount(), 7);
            abgeschnitten = BrettAbgeschnitten(b.LVE) + BrettAbgeschnitten(b.LVL);
            if (qEnvironmentVariableIsSet("VEL_BILDER"))
                b.grab().save(qEnvironmentVariable("VEL_BILDER") +
                              QStringLiteral("/brett-%1pt.png").arg(punkte));
            d.reject();
        }});
        f.HandBearb1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QVERIFY2(abgeschnitten.isEmpty(), qPrintable(abgeschnitten.join(u',')));
    }

    // A move by mouse, a refused drop, a move by keyboard, nail, block, undo with its question and
    // redo, on both tables; the main window sees the changed plan afterwards.
    void brett() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(Brett());
        QVERIFY(t.Zeigen());
        FamilieWaehlen(f, 1);
        const QString frei;
        TDialogFolge folge({[&](QDialog& d) {
            auto& b = dynamic_cast<TFVerschieb&>(d);
            QCOMPARE(b.windowTitle(), QString::fromUtf8("VEL - Gespräche von Hand verschieben"));
            QCOMPARE(b.CombE->currentText(), "Maier");
            QCOMPARE(Eintraege(b.CombL), (QStringList{"Berg (BER)", QString::fromUtf8("Müller (MUE)")}));
            QCOMPARE(b.CombL->currentIndex(), -1);
            QCOMPARE(b.LVL->topLevelItemCount(), 0);
            QCOMPARE(b.LVE->topLevelItemCount(), 7);
            QCOMPARE(b.LVE->topLevelItem(6)->text(2), "- keine -");
            QVERIFY(!b.BtnZurueck->isEnabled());
            QVERIFY(!b.BtnVor->isEnabled());
            if (qEnvironmentVariableIsSet("VEL_BILDER"))
                b.grab().save(qEnvironmentVariable("VEL_BILDER") + QStringLiteral("/brett1.png"));

            // Anna's conversation with MUE from 16:00 to the free 16:45.
            Ziehen(b.LVE, 0, 3);
            QCOMPARE(Gespraech(f, 1)->Termin, 3);
            QCOMPARE(Gewaehlt(b.LVE), 3);
            QCOMPARE(b.CombL->currentText(), QString::fromUtf8("Müller (MUE)"));
            QCOMPARE(Gewaehlt(b.LVL), 3);
            QCOMPARE(Namen(b.LVL).mid(0, 4), (QStringList{frei, frei, "Frau Acker", "Familie Maier"}));
            QVERIFY(b.BtnZurueck->isEnabled());
            QCOMPARE(b.BtnZurueck->toolTip(), "Terminverschiebung:\nMaier + MUE");

            // 16:15 holds Anna's conversation with BER: refused, nothing changes.
            Ziehen(b.LVE, 3, 1);
            QCOMPARE(Gespraech(f, 1)->Termin, 3);
            QCOMPARE(f.Dokument.RueckListe().Count(), 1);
            QCOMPARE(b.Zug, TFVerschieb::TZug::Keiner);

            // By keyboard in the teacher's table: Cem from 16:30 down past Anna to 17:00.
            b.LVL->setFocus();
            b.LVL->clearSelection();
            b.LVL->setCurrentItem(b.LVL->topLevelItem(2));
            QCOMPARE(b.CombE->currentText(), "Acker");
            // Taking the pointer out of the table ends a keyboard move without a change.
            QTest::keyClick(b.LVL, Qt::Key_F12);
            QCOMPARE(b.Zug, TFVerschieb::TZug::Tastatur);
            // The mouse is held by the table, so the move outside reaches it.
            QMouseEvent hinaus(QEvent::MouseMove, QPointF(-20, 5),
                               b.LVL->viewport()->mapToGlobal(QPointF(-20, 5)), Qt::NoButton, Qt::NoButton,
                               Qt::NoModifier);
            QApplication::sendEvent(b.LVL->viewport(), &hinaus);
            QCOMPARE(b.Zug, TFVerschieb::TZug::Keiner);
            QCOMPARE(Gewaehlt(b.LVL), 2);
            QTest::keyClick(b.LVL, Qt::Key_F12);
            QCOMPARE(b.Zug, TFVerschieb::TZug::Tastatur);
            QTest::keyClick(b.LVL, Qt::Key_Down);
            QTest::keyClick(b.LVL, Qt::Key_Down);
            QCOMPARE(b.ZielZeile, 4);
            QTest::keyClick(b.LVL, Qt::Key_Return);
            QCOMPARE(Gespraech(f, 3)->Termin, 4);
            QCOMPARE(Gewaehlt(b.LVL), 4);
            QCOMPARE(Gewaehlt(b.LVE), 4);

            // Nail Cem's conversation: both tables mark it, the pliers take over.
            QTest::keyClick(b.LVL, Qt::Key_N, Qt::ControlModifier);
            QVERIFY(Gespraech(f, 3)->IstGenagelt());
            QCOMPARE(TFVerschieb::Marke(b.LVL, 4), 0x8003);
            QCOMPARE(TFVerschieb::Marke(b.LVE, 4), 0x8003);
            QVERIFY(!b.BtnNagel->isEnabled());
            QVERIFY(b.BtnZange->isEnabled());
            // A nailed conversation is not picked up.
            Ziehen(b.LVL, 4, 5);
            QCOMPARE(Gespraech(f, 3)->Termin, 4);

            // Block MUE's free 17:15; selecting a free slot empties the family table.
            b.LVL->clearSelection();
            b.LVL->setCurrentItem(b.LVL->topLevelItem(5));
            QCOMPARE(b.LVE->topLevelItemCount(), 0);
            QVERIFY(b.BtnNagel->isEnabled());
            b.BtnNagel->click();
            const TLehrer* mue = Gespraech(f, 1)->Lehrer;
            QCOMPARE(mue->Zeiten[5], SlotGesperrt);
            QCOMPARE(TFVerschieb::Marke(b.LVL, 5), 0x8000);
            QCOMPARE(Gewaehlt(b.LVL), 5);
            QCOMPARE(b.BtnZurueck->toolTip(), QString::fromUtf8("Zeitsperrung bei Müller"));
            if (qEnvironmentVariableIsSet("VEL_BILDER"))
                b.grab().save(qEnvironmentVariable("VEL_BILDER") + QStringLiteral("/brett2.png"));

            // Undo asks first; No keeps everything, Yes frees the slot again.
            t.Meldung.Antworten = {Antwort::Nein, Antwort::Ja};
            b.BtnZurueck->click();
            QCOMPARE(mue->Zeiten[5], SlotGesperrt);
            QCOMPARE(t.Meldung.Protokoll.last().Titel, QString::fromUtf8("Nagel-Aktion rückgängig:"));
            QCOMPARE(t.Meldung.Protokoll.last().Text, QString::fromUtf8("Soll bei Herrn Müller\rdie Zeit ") +
                                                          f.Projekt()->TerminText(5) +
                                                          QStringLiteral("\rwieder freigegeben werden?"));
            b.BtnZurueck->click();
            QCOMPARE(mue->Zeiten[5], SlotFrei);
            QCOMPARE(f.Dokument.RueckListe().Position, 3);

            // Without the question: undo the nail and the keyboard move, redo the move.
            QTest::keyClick(b.LVL, Qt::Key_R, Qt::ControlModifier);
            QVERIFY(!b.ChBRueckfrage->isChecked());
            const auto fragen = t.Meldung.Protokoll.size();
            QTest::keyClick(b.LVL, Qt::Key_Z, Qt::ControlModifier);
            QTest::keyClick(b.LVL, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(t.Meldung.Protokoll.size(), fragen);
            QVERIFY(!Gespraech(f, 3)->IstGenagelt());
            QCOMPARE(Gespraech(f, 3)->Termin, 2);
            QCOMPARE(Namen(b.LVL).mid(2, 2), (QStringList{"Frau Acker", "Familie Maier"}));
            QTest::keyClick(b.LVL, Qt::Key_W, Qt::ControlModifier);
            QCOMPARE(Gespraech(f, 3)->Termin, 4);
            QCOMPARE(b.BtnVor->toolTip(), "Nagelsetzen :\nAcker + MUE");
            b.BtnSchliessen->click();
        }});
        f.HandBearb1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QVERIFY(PlanPruefen(*f.Projekt()).isEmpty());
        QVERIFY(f.Dokument.IstGeaendert());
        QCOMPARE(f.Projekt()->Handverschoben, -1);
        QCOMPARE(f.Dokument.RueckListe().Position, 2);
        QCOMPARE(f.Dokument.RueckListe().Count(), 4);
    }

    // With the teacher list focused the board starts on the teacher; undo goes on across openings.
    void lehrerseite() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(Brett());
        QVERIFY(t.Zeigen());
        LehrerWaehlen(f, {"MUE"});
        f.Lehrerpanel->LVLehrer->setFocus();
        TDialogFolge folge({[&](QDialog& d) {
                                auto& b = dynamic_cast<TFVerschieb&>(d);
                                QCOMPARE(b.CombL->currentText(), QString::fromUtf8("Müller (MUE)"));
                                QCOMPARE(b.CombE->currentIndex(), -1);
                                QCOMPARE(Fokus(d), b.LVL);
                                // Cem's conversation without appointment goes to the free 16:15 of both.
                                b.CombL->setCurrentIndex(0);
                                Q_EMIT b.CombL->activated(0);
                                QCOMPARE(Namen(b.LVL).at(6), "Frau Acker");
                                Ziehen(b.LVL, 6, 0);
                                QCOMPARE(Gespraech(f, 4)->Termin, 0);
                                // The last person: Page Down does nothing.
                                QTest::keyClick(b.LVL, Qt::Key_PageDown);
                                QCOMPARE(b.CombL->currentIndex(), 1);
                                QTest::keyClick(b.LVL, Qt::Key_PageDown);
                                QCOMPARE(b.CombL->currentIndex(), 1);
                                // Left goes to the families table; the conversation selected there shows its
                                // family.
                                QTest::keyClick(b.LVL, Qt::Key_Left);
                                QCOMPARE(Fokus(d), b.LVE);
                                QTest::keyClick(b.LVE, Qt::Key_Right);
                                QCOMPARE(Fokus(d), b.LVL);
                                // The height toggle keeps the board open.
                                QTest::keyClick(b.LVL, Qt::Key_F4);
                                QVERIFY(b.isVisible());
                                QCOMPARE(b.BtnHoehe->text(), "2");
                                QTest::keyClick(b.LVL, Qt::Key_F4);
                                QCOMPARE(b.BtnHoehe->text(), "1");
                                QTest::keyClick(&b, Qt::Key_F5);
                            },
                            [&](QDialog& d) {
                                auto& b = dynamic_cast<TFVerschieb&>(d);
                                QVERIFY(b.BtnZurueck->isEnabled());
                                b.ChBRueckfrage->setChecked(false);
                                b.BtnZurueck->click();
                                QCOMPARE(Gespraech(f, 4)->Termin, TerminOffen);
                                QCOMPARE(Fokus(d), b.BtnSchliessen);
                                b.BtnX->click();
                            }});
        f.HandBearb1->trigger();
        f.HandBearb0->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QVERIFY(PlanPruefen(*f.Projekt()).isEmpty());
    }

    // However the teacher side is reached, Page Down then steps through the teachers, not the families.
    void aktiveSeite_data() {
        QTest::addColumn<int>("taste");
        QTest::addColumn<int>("mit");
        QTest::addColumn<bool>("kombinationsfeld");
        QTest::newRow("Strg+L") << int(Qt::Key_L) << int(Qt::ControlModifier) << false;
        QTest::newRow("Alt+L") << int(Qt::Key_L) << int(Qt::AltModifier) << false;
        QTest::newRow("Pfeil rechts") << int(Qt::Key_Right) << int(Qt::NoModifier) << false;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << true;
        QTest::newRow("Klick") << 0 << 0 << false;
    }
    void aktiveSeite() {
        QFETCH(int, taste);
        QFETCH(int, mit);
        QFETCH(bool, kombinationsfeld);
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(Brett());
        QVERIFY(t.Zeigen());
        FamilieWaehlen(f, 1);
        TDialogFolge folge({[&](QDialog& d) {
            auto& b = dynamic_cast<TFVerschieb&>(d);
            // Tab moves the focus only in the active window.
            b.activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), &b);
            // Anna's conversation with BER shows Berg, the first teacher, beside the family.
            b.LVE->setCurrentItem(b.LVE->topLevelItem(1));
            QCOMPARE(Fokus(d), b.LVE);
            QCOMPARE(b.CombL->currentText(), "Berg (BER)");
            if (taste)
                QTest::keyClick(b.LVE, Qt::Key(taste), Qt::KeyboardModifiers(mit));
            else
                QTest::mouseClick(b.LVL->viewport(), Qt::LeftButton, {},
                                  QPoint(10, b.LVL->viewport()->height() - 5));
            QCOMPARE(Fokus(d), kombinationsfeld ? static_cast<QWidget*>(b.CombL) : b.LVL);
            QTest::keyClick(Fokus(d), Qt::Key_PageDown);
            QCOMPARE(b.CombL->currentText(), QString::fromUtf8("Müller (MUE)"));
            QCOMPARE(b.LVL->topLevelItemCount(), 7);
            QCOMPARE(b.CombE->currentIndex(), -1);
            QCOMPARE(b.LVE->topLevelItemCount(), 0);
            b.BtnSchliessen->click();
        }});
        f.HandBearb1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
    }

    // A right press during a move, by mouse or by keyboard, only cancels it: the plan stays, the picked
    // conversation stays selected and no pop-up menu opens.
    void rechtsImZug_data() {
        QTest::addColumn<bool>("tastatur");
        QTest::newRow("Maus") << false;
        QTest::newRow("Tastatur") << true;
    }
    void rechtsImZug() {
        QFETCH(bool, tastatur);
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(Brett());
        QVERIFY(t.Zeigen());
        FamilieWaehlen(f, 1);
        TDialogFolge folge({[&](QDialog& d) {
            auto& b = dynamic_cast<TFVerschieb&>(d);
            QWidget* v = b.LVE->viewport();
            if (tastatur) {
                b.LVE->setCurrentItem(b.LVE->topLevelItem(0));
                QTest::keyClick(b.LVE, Qt::Key_F12);
                QTest::keyClick(b.LVE, Qt::Key_Down);
                QTest::keyClick(b.LVE, Qt::Key_Down);
                QTest::keyClick(b.LVE, Qt::Key_Down);
                QCOMPARE(b.Zug, TFVerschieb::TZug::Tastatur);
            } else {
                QTest::mousePress(v, Qt::LeftButton, {}, Mitte(b.LVE, 0));
                QTest::mouseMove(v, Mitte(b.LVE, 2));
                QTest::mouseMove(v, Mitte(b.LVE, 3));
                QCOMPARE(b.Zug, TFVerschieb::TZug::Ziehen);
            }
            QCOMPARE(b.ZielZeile, 3);
            // Through the window, as the platform delivers it, so the pop-up menu's event follows the press.
            QWindow* fenster = b.windowHandle();
            const QPoint ort = fenster->mapFromGlobal(v->mapToGlobal(Mitte(b.LVE, 3)));
            QTest::mousePress(fenster, Qt::RightButton, {}, ort);
            QCOMPARE(b.Zug, TFVerschieb::TZug::Keiner);
            QVERIFY(!b.PopupMenu->isVisible());
            QTest::mouseRelease(fenster, Qt::RightButton, {}, ort);
            if (!tastatur) QTest::mouseRelease(v, Qt::LeftButton, {}, Mitte(b.LVE, 3));
            QVERIFY(!b.PopupMenu->isVisible());
            QCOMPARE(Gespraech(f, 1)->Termin, 0);
            QCOMPARE(Gewaehlt(b.LVE), 0);
            QCOMPARE(f.Dokument.RueckListe().Count(), 0);
            // Without a move the right press opens the menu as ever.
            QTest::mousePress(fenster, Qt::RightButton, {}, ort);
            QVERIFY(b.PopupMenu->isVisible());
            b.PopupMenu->hide();
            QTest::mouseRelease(fenster, Qt::RightButton, {}, ort);
            b.BtnSchliessen->click();
        }});
        f.HandBearb1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
    }

    // The explanation of the request number wraps at the box's width and shows all of it, without scroll
    // bars, also when the dialog's font grows after it was built.
    void nummerErklaerung_data() {
        QTest::addColumn<double>("faktor");
        QTest::newRow("Standardschrift") << 1.0;
        QTest::newRow("anderthalbfach") << 1.5;
    }
    void nummerErklaerung() {
        QFETCH(double, faktor);
        TCheckNumDlg dlg(1, nullptr);
        QFont schrift = dlg.font();
        schrift.setPointSizeF(schrift.pointSizeF() * faktor);
        dlg.setFont(schrift);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto* feld = dlg.findChild<QAbstractScrollArea*>();
        QVERIFY(feld);
        QCOMPARE(feld->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(feld->verticalScrollBar()->maximum(), 0);
        QVERIFY(!feld->horizontalScrollBar()->isVisible());
        QVERIFY(!feld->verticalScrollBar()->isVisible());
        if (qEnvironmentVariableIsSet("VEL_BILDER"))
            dlg.grab().save(qEnvironmentVariable("VEL_BILDER") + QStringLiteral("/nummer%1.png").arg(faktor));
        // At its narrowest the dialog still shows the whole text.
        dlg.resize(1, 1);
        QTRY_COMPARE(dlg.size(), dlg.minimumSize());
        QCOMPARE(feld->verticalScrollBar()->maximum(), 0);
        QCOMPARE(feld->horizontalScrollBar()->maximum(), 0);
    }

    // The pop-up menu: the nail entry names what it does, printing needs a printer, and without the
    // request number the "N" columns disappear.
    void menue() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(Brett());
        QVERIFY(t.Zeigen());
        FamilieWaehlen(f, 1);
        // Printing goes to the test queue when it is the default printer; without a printer the board says
        // so.
        const bool keinDrucker = QPrinterInfo::defaultPrinterName().isEmpty();
        const bool testdrucker = TestdruckerFehlt().isEmpty();
        TTestdruckAblage ablage;
        TFVerschieb* board = nullptr;
        int breite = -1;
        TDialogFolge folge(
            {[&](QDialog& d) {
                 auto& b = dynamic_cast<TFVerschieb&>(d);
                 board = &b;
                 QVERIFY(b.LVE->columnWidth(5) > 0);
                 b.LVE->setCurrentItem(b.LVE->topLevelItem(0));
                 Q_EMIT b.LVE->customContextMenuRequested(QPoint(5, 5));
                 QStringList texte;
                 for (const QAction* a : b.PopupMenu->actions())
                     if (!a->isSeparator()) texte << a->text();
                 QCOMPARE(texte, (QStringList{
                                     QString::fromUtf8("Markiertes Gespräch festnageln..."),
                                     QString::fromUtf8("Anmerkung für ") +
                                         f.Projekt()->Elternliste[0]->Anschrift(true) + QStringLiteral("..."),
                                     QString::fromUtf8("Anmerkungen für alle Eltern..."),
                                     QString::fromUtf8("Anmerkungen für alle Lehrkräfte..."),
                                     QString::fromUtf8("Gesprächsliste für ") +
                                         f.Projekt()->Elternliste[0]->Anschrift(true) +
                                         QStringLiteral(" direkt drucken"),
                                     QString::fromUtf8("Nummer des Gesprächswunsches bei den Eltern..."),
                                     QStringLiteral("Farben...")}));
                 b.PopupMenu->hide();
                 if (keinDrucker || testdrucker) b.PopupMenu->actions().at(5)->trigger();
                 if (keinDrucker)
                     QCOMPARE(t.Meldung.Protokoll.last().Text,
                              QStringLiteral("Richten Sie vor dem Drucken einen Drucker ein!"));
                 b.LVE->setCurrentItem(b.LVE->topLevelItem(3));
                 Q_EMIT b.LVE->customContextMenuRequested(QPoint(5, 5));
                 QCOMPARE(b.PopupMenu->actions().at(0)->text(), "Markierten Termin sperren...");
                 b.PopupMenu->hide();
                 QTimer::singleShot(0, b.PopupMenu->actions().at(7), &QAction::trigger);
             },
             [&](QDialog& d) {
                 auto& dlg = dynamic_cast<TCheckNumDlg&>(d);
                 QCOMPARE(dlg.windowTitle(),
                          QString::fromUtf8("Eingabeposition des Gesprächswunsches anzeigen?"));
                 dlg.ChBDrucken->setChecked(true);
                 dlg.ChBAnzeigen->setChecked(false);
                 QVERIFY(!dlg.ChBDrucken->isChecked());
                 dlg.accept();
                 QTimer::singleShot(0, [&] {
                     breite = board->LVE->columnWidth(5);
                     QCOMPARE(Gewaehlt(board->LVE), 3);
                     board->BtnSchliessen->click();
                 });
             }});
        f.HandBearb1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(breite, 0);
        QCOMPARE(f.Projekt()->Listenlayout.MitNummer, 0);
        QVERIFY(f.Dokument.IstGeaendert());
        if (testdrucker) {
            const QString pdf = ablage.Erwarten(QString::fromUtf8("Gesprächsliste für Maier"));
            QVERIFY(!pdf.isEmpty());
            QVERIFY(PdfText(pdf).contains(QStringLiteral("Anna")));
        }
    }

    // The colours of the drop targets: chosen per square, reset to the standard, kept for the next start.
    void farben() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(Brett());
        QVERIFY(t.Zeigen());
        TFVerschieb* board = nullptr;
        QStringList titel;
        TDialogFolge folge({[&](QDialog& d) {
                                board = &dynamic_cast<TFVerschieb&>(d);
                                Q_EMIT board->LVE->customContextMenuRequested(QPoint(5, 5));
                                board->PopupMenu->hide();
                                QTimer::singleShot(0, board->PopupMenu->actions().last(), &QAction::trigger);
                            },
                            [&](QDialog& d) {
                                auto& dlg = dynamic_cast<TFFarben&>(d);
                                dlg.Waehlen = [&](const QColor&, const QString& text) {
                                    titel << text;
                                    return QColor(Qt::blue);
                                };
                                dlg.Quadrate[2]->click();
                                QCOMPARE(dlg.Farben[2], QColor(Qt::blue));
                                dlg.BtnStandard->click();
                                QCOMPARE(dlg.Farben, TFFarben::Standard);
                                dlg.Quadrate[0]->click();
                                dlg.BtnOK->click();
                                QTimer::singleShot(0, board->BtnSchliessen, &QPushButton::click);
                            }});
        f.HandBearb1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(titel, (QStringList{QString::fromUtf8("Farbe für Setzen auf \"nicht terminiert\""),
                                     QString::fromUtf8("Farbe für freien Termin")}));
        QCOMPARE(board->FarbeFrei, QColor(Qt::blue));
        QCOMPARE(board->FarbeNicht, QColor(Qt::red));
        // The store keeps red in the low byte.
        QCOMPARE(f.Programmwerte.colFrei, 0xFF0000u);
        const TProgrammwerte gelesen = ProgrammwerteLesen(t.Speicher, QString());
        QCOMPARE(gelesen.colFrei, 0xFF0000u);
        QCOMPARE(gelesen.colPause, 0x00FFFFu);
        QCOMPARE(gelesen.colNicht, 0x0000FFu);
    }
};

VEL_TEST(TstVerschieben)
#include "tst_Verschieben.moc"
