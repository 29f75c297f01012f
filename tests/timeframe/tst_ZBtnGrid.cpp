#include "common/ProjektBauer.h"
#include "common/SkriptMeldung.h"
#include "common/TestHaupt.h"
#include "settings/Einstellungen.h"
#include "settings/UReg.h"
#include "timeframe/ui/GlobSperr.h"
#include "timeframe/ui/MausOption.h"
#include "timeframe/ui/Tagesraster.h"
#include "timeframe/ui/ZBtnGrid.h"
#include "timeframe/ui/ZeitenDlg.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

namespace {

QPoint Mitte(const TZBtnGrid* g, int zelle) {
    return g->Zellenrechteck(zelle).center();
}

// A shown panel with a day of 30 slots from 14:00, all free; the grid asks through the script.
struct TPanelFall {
    TProjektBauer b;
    TSkriptMeldung meldung;
    TZBtnPanel panel;
    TZBtnGrid* g = panel.Grid();

    TPanelFall() {
        b.Rahmen(1, 30);
        g->Raster.RahmenLaden(b.p, 0);
        g->Meldungen = &meldung;
        panel.resize(panel.sizeHint());
        panel.show();
        panel.activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(&panel));
    }
    int16_t Wert(int zelle) const { return g->Werte()[size_t(zelle)]; }
};

// A dialog's store of settings in a folder of its own.
struct TSpeicherFall {
    QTemporaryDir ordner;
    TEinstellungsSpeicher speicher{ordner.filePath(QStringLiteral("vel.ini"))};
    TProgrammwerte werte;
};

} // namespace

class TstZBtnGrid : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Both mouse modes by click; each change is told.
    void klicken() {
        TPanelFall f;
        QSignalSpy geaendert(f.g, &TZBtnGrid::Geaendert);
        QTest::mouseClick(f.g, Qt::LeftButton, {}, Mitte(f.g, 3));
        QCOMPARE(f.Wert(3), SlotGesperrt);
        QTest::mouseClick(f.g, Qt::LeftButton, {}, Mitte(f.g, 3));
        QCOMPARE(f.Wert(3), SlotGesperrt);
        QTest::mouseClick(f.g, Qt::RightButton, {}, Mitte(f.g, 3));
        QCOMPARE(f.Wert(3), SlotFrei);
        QCOMPARE(geaendert.size(), 2);

        f.g->Raster.Umschalten = true;
        QTest::mouseClick(f.g, Qt::RightButton, {}, Mitte(f.g, 4));
        QCOMPARE(f.Wert(4), SlotGesperrt);
        QTest::mouseClick(f.g, Qt::LeftButton, {}, Mitte(f.g, 4));
        QCOMPARE(f.Wert(4), SlotFrei);
        // Cells without a time and the grid lines take no click.
        QTest::mouseClick(f.g, Qt::LeftButton, {}, Mitte(f.g, 40));
        QTest::mouseClick(f.g, Qt::LeftButton, {}, f.g->Zellenrechteck(5).topLeft());
        QCOMPARE(f.Wert(40), SlotFrei);
        QCOMPARE(f.Wert(5), SlotFrei);
    }

    // Dragging from the end of one row into the next blocks every cell passed; a booking stays.
    void ziehen() {
        TPanelFall f;
        TTageswerte werte{};
        werte[8] = 7;
        f.g->WerteLaden(werte);
        QTest::mousePress(f.g, Qt::LeftButton, {}, Mitte(f.g, 6));
        for (int z : {7, 8, 9})
            QTest::mouseMove(f.g, Mitte(f.g, z));
        QTest::mouseRelease(f.g, Qt::LeftButton, {}, Mitte(f.g, 9));
        QCOMPARE(f.Wert(6), SlotGesperrt);
        QCOMPARE(f.Wert(7), SlotGesperrt);
        QCOMPARE(f.Wert(8), int16_t(7));
        QCOMPARE(f.Wert(9), SlotGesperrt);
        QVERIFY(f.meldung.Protokoll.isEmpty());
        // Without a button held, moving changes nothing.
        QTest::mouseMove(f.g, Mitte(f.g, 10));
        QCOMPARE(f.Wert(10), SlotFrei);

        // A single click on the booking asks first.
        f.meldung.Antworten = {Antwort::Ja};
        QTest::mouseClick(f.g, Qt::LeftButton, {}, Mitte(f.g, 8));
        QCOMPARE(f.Wert(8), SlotGesperrt);
        QVERIFY(f.meldung.Protokoll.last().Text.startsWith("Hier liegt ein Gesprächstermin."));
    }

    // Tab brings the cursor to the first cell; Shift and the arrows mark, space blocks, Shift+space frees.
    void tastatur() {
        TPanelFall f;
        f.panel.setFocus(Qt::TabFocusReason);
        QCOMPARE(f.g->Raster.Cursor, 0);
        TTageswerte werte{};
        werte[9] = 4;
        f.g->WerteLaden(werte);
        QTest::keyClick(&f.panel, Qt::Key_Right);
        QTest::keyClick(&f.panel, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(&f.panel, Qt::Key_Right, Qt::ShiftModifier);
        QVERIFY(f.g->Raster.Markiert(1) && f.g->Raster.Markiert(10) && !f.g->Raster.Markiert(11));
        f.meldung.Antworten = {Antwort::Nein};
        QTest::keyClick(&f.panel, Qt::Key_Space);
        QCOMPARE(f.meldung.Protokoll.size(), 1);
        QCOMPARE(f.meldung.Protokoll.last().Knopfsatz, Knoepfe::JaNeinAbbrechen);
        for (int z = 1; z <= 10; ++z)
            QCOMPARE(f.Wert(z), z == 9 ? int16_t(4) : SlotGesperrt);
        QTest::keyClick(&f.panel, Qt::Key_Space, Qt::ShiftModifier);
        for (int z = 1; z <= 10; ++z)
            QCOMPARE(f.Wert(z), z == 9 ? int16_t(4) : SlotFrei);
        // The cursor never leaves the day's 30 slots.
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(&f.panel, Qt::Key_Down);
        QCOMPARE(f.g->Raster.Cursor, 29);
        f.panel.clearFocus();
        QCOMPARE(f.g->Raster.Cursor, -1);
    }

    // On a small screen the grid shrinks to its minimum, and every time still shows whole within the frame
    // of its cell.
    void kleinsteZellen() {
        TPanelFall f;
        QVERIFY(f.panel.minimumSizeHint().width() < f.panel.sizeHint().width());
        f.panel.resize(f.panel.minimumSizeHint());
        const QFontMetrics masse(f.g->font());
        for (int z = 0; z < SlotsProTag; ++z) {
            const QString& text = f.g->Raster.Beschriftung[size_t(z)];
            if (text.isEmpty()) continue;
            // One pixel of inset and one of frame on every side.
            const QRect innen = f.g->Zellenrechteck(z).adjusted(2, 2, -2, -2);
            QVERIFY2(innen.width() >= masse.horizontalAdvance(text) &&
                         innen.height() >= masse.tightBoundingRect(text).height(),
                     qPrintable(text));
        }
    }

    // A pause of the person comes back when its blocked cell is freed; hints name the conversation.
    void hinweise() {
        TPanelFall f;
        TGespraech* g =
            f.b.Wunsch(f.b.Kind(QString::fromUtf8("Yılmaz"), QStringLiteral("Ayşe")), "MUE", 2, true);
        f.g->Projekt = &f.b.p;
        TTageswerte werte{};
        werte[2] = g->Nummer;
        f.g->WerteLaden(werte);
        const auto hinweis = [&f](bool lehrer) {
            f.g->IstLehrer = lehrer;
            QHelpEvent e(QEvent::ToolTip, Mitte(f.g, 2), f.g->mapToGlobal(Mitte(f.g, 2)));
            QCoreApplication::sendEvent(f.g, &e);
            return QToolTip::text();
        };
        QCOMPARE(hinweis(true), QString::fromUtf8("Eltern: Yılmaz\nKind: Ayşe"));
        QCOMPARE(hinweis(false), QString::fromUtf8("Lehrkraft: MUE (MUE)\nKind: Ayşe"));
        QCOMPARE(QToolTip::palette().color(QPalette::ToolTipBase), QColor(0xDD, 0xFF, 0xDD));
    }

    // The blocking dialog: loading, day buttons, undo by button and by "r", and what OK hands back.
    void sperrDialog() {
        for (int tage : {1, 2}) {
            TProjektBauer b;
            b.Rahmen(tage, 12);
            TSkriptMeldung meldung;
            TSpeicherFall s;
            TZeitenSperrDlg dlg(b.p, meldung, s.werte, s.speicher);
            dlg.Vorlage[3] = SlotGesperrt;
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            QCOMPARE(dlg.Tage[1]->isVisible(), tage == 2);
            QCOMPARE(dlg.Tage[0]->LblDatum->text(), "01.03.2027");
            QCOMPARE(dlg.Tage[1]->LblDatum->text(), "02.03.2027");
            QVERIFY(dlg.OkBtn->isDefault());
            QVERIFY(!dlg.RueckBtn->isEnabled());
            TZBtnGrid* g = dlg.Tage[0]->Grid();
            QCOMPARE(g->Werte()[3], SlotGesperrt);

            dlg.Tage[0]->BtnFreigeben->click();
            QCOMPARE(g->Werte()[3], SlotFrei);
            QVERIFY(dlg.RueckBtn->isEnabled());
            QTest::keyClick(&dlg, Qt::Key_R);
            QCOMPARE(g->Werte()[3], SlotGesperrt);
            QVERIFY(!dlg.RueckBtn->isEnabled());
            // Freeing a day without blocks does nothing.
            dlg.Tage[1]->BtnFreigeben->click();
            QVERIFY(!dlg.RueckBtn->isEnabled());

            // Without the option "left blocks, right frees" either button toggles.
            QTest::mouseClick(g, Qt::RightButton, {}, Mitte(g, 0));
            QVERIFY(dlg.RueckBtn->isEnabled());
            dlg.Tage[1]->BtnSperren->click();
            dlg.OkBtn->click();
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QCOMPARE(dlg.Vorlage[3], SlotGesperrt);
            QCOMPARE(dlg.Vorlage[0], SlotGesperrt);
            QCOMPARE(dlg.Vorlage[1], SlotFrei);
            for (int s = SlotsProTag; s < SlotAnzahl; ++s)
                QCOMPARE(dlg.Vorlage[size_t(s)], SlotGesperrt);
        }
    }

    // The mouse options: OK waits for a change; a new mode reaches the test area and the caller's grids
    // at once and the store after OK.
    void mausOptionen() {
        TSpeicherFall s;
        s.werte.ZeitMaus = true;
        TZBtnGrid fremd;
        TMausOption dlg(s.werte, s.speicher, {&fremd}, true);
        QVERIFY(!dlg.OkBtn->isEnabled());
        QVERIFY(dlg.RbSperrt->isChecked());
        QVERIFY(dlg.ChBSplash->isChecked());
        dlg.RbWechselt->setChecked(true);
        QVERIFY(dlg.Testpanel->Grid()->Raster.Umschalten);
        QVERIFY(dlg.OkBtn->isEnabled());
        dlg.ChBSplash->setChecked(false);
        dlg.accept();
        QVERIFY(!s.werte.ZeitMaus);
        QVERIFY(s.werte.ZeitSplash);
        QVERIFY(fremd.Raster.Umschalten);
        const TProgrammwerte gelesen = ProgrammwerteLesen(s.speicher, {});
        QVERIFY(!gelesen.ZeitMaus);
        QVERIFY(gelesen.ZeitSplash);

        // From the blocking dialog the pop-up's setting is not offered.
        TMausOption ohne(s.werte, s.speicher, {}, false);
        QVERIFY(!ohne.ChBSplash->isEnabled());
    }

    // "Zeiten" for an empty group says so and stays; otherwise it accepts.
    void globalDialog() {
        TSkriptMeldung meldung;
        TGlobSperrF dlg(true, false, meldung, {});
        QCOMPARE(dlg.GewaehlterModus(), TGlobalModus::Freigeben);
        QCOMPARE(dlg.GewaehlteGruppe(), TZielgruppe::Beide);
        dlg.Zielgruppe->button(0)->click();
        dlg.ZeitenBtn->click();
        QCOMPARE(meldung.Protokoll.size(), 1);
        QCOMPARE(meldung.Protokoll.last().Text,
                 QString::fromUtf8(
                     "Weil die Lehrerliste leer ist, können dort\r\nkeine Zeitsperrungen geändert werden."));
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        dlg.Zielgruppe->button(1)->click();
        dlg.Modus->button(2)->click();
        QCOMPARE(dlg.Modustext(), "Setzen der Sperrungen");
        QCOMPARE(dlg.Gruppentext(), "Eltern");
        dlg.ZeitenBtn->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }
};

VEL_TEST(TstZBtnGrid)
#include "tst_ZBtnGrid.moc"
