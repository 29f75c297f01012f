#include "Eingabetest.h"
#include "FensterTest.h"
#include "Generator.h"
#include "app/ui/BackUpF.h"
#include "app/ui/DesktopMeldung.h"
#include "app/ui/ErgRckfrg.h"
#include "app/ui/IdentifyKrz.h"
#include "app/ui/Splash.h"
#include "app/ui/Zeitfensteraufruf.h"
#include "common/TestHaupt.h"
#include "editing/ui/CheckNumDlg.h"
#include "editing/ui/UFarben.h"
#include "editing/ui/UVerschieb.h"
#include "exchange/Familienimport.h"
#include "exchange/ui/FamilienDialoge.h"
#include "exchange/ui/ImportDlg.h"
#include "output/Druckbereich.h"
#include "output/ui/DrBereich.h"
#include "output/ui/DrVorwahl.h"
#include "output/ui/FLayout.h"
#include "output/ui/FPreview.h"
#include "output/ui/VorschauBefehle.h"
#include "output/ui/Vorschaublatt.h"
#include "rooms/ui/PrintRaumplan.h"
#include "rooms/ui/UDoppelbelegung.h"
#include "timeframe/ui/Tagesraster.h"
#include "timeframe/ui/UZeitSplash.h"
#include "ui/Arbeitsflaeche.h"
#include "ui/Rollflaeche.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAction>
#include <QFile>
#include <QItemSelectionModel>
#include <QLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>
#include <algorithm>

// Every window fits the work area of a small screen at the scalings users choose. The scaling is fixed
// when the application starts, so each screen and scaling gets a process of its own: this program, running
// the class TstFensterImBild under a screen of that size.

namespace {

// Set in the process that checks the windows: the screen's size and scaling, for the messages.
const char* const Bildschirmvariable = "VEL_BILDSCHIRM";

// The screen of the offscreen platform.
QString Bildschirmdatei(const QTemporaryDir& ordner, QSize groesse) {
    const QString datei = ordner.filePath(QStringLiteral("bildschirm.json"));
    QFile f(datei);
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(QStringLiteral(R"({"screens": [{"name": "VEL", "x": 0, "y": 0, "width": %1, "height": %2,
        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                .arg(groesse.width())
                .arg(groesse.height())
                .toUtf8());
    return datei;
}

// Two days, the families and teachers of a small school.
std::unique_ptr<TProjekt> Generiert() {
    auto projekt = std::make_unique<TProjekt>();
    ProjektErzeugen(*projekt, {120, 30, 2, 40, 1});
    return projekt;
}

} // namespace

class TstFensterImBild;
using TOeffnen = std::function<void(TstFensterImBild&)>;
Q_DECLARE_METATYPE(TOeffnen)

class TstBildschirm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A window is moved into the work area, frame and all, and shrunk where it is larger.
    void eingepasst_data() {
        QTest::addColumn<QRect>("wunsch");
        QTest::addColumn<QRect>("flaeche");
        QTest::addColumn<QRect>("ergebnis");
        const QRect bildschirm(0, 0, 800, 600);
        QTest::newRow("innen") << QRect(10, 30, 100, 50) << bildschirm << QRect(10, 30, 100, 50);
        QTest::newRow("rechts unten hinaus")
            << QRect(750, 580, 100, 50) << bildschirm << QRect(698, 548, 100, 50);
        QTest::newRow("links oben hinaus") << QRect(-30, -10, 100, 50) << bildschirm << QRect(2, 20, 100, 50);
        QTest::newRow("zu groß") << QRect(100, 100, 1000, 700) << bildschirm << QRect(2, 20, 796, 578);
        QTest::newRow("Leiste links")
            << QRect(0, 0, 100, 50) << QRect(60, 0, 740, 600) << QRect(62, 20, 100, 50);
        QTest::newRow("zweiter Bildschirm")
            << QRect(1500, 900, 300, 200) << QRect(800, 0, 1024, 768) << QRect(1500, 566, 300, 200);
    }
    void eingepasst() {
        QFETCH(QRect, wunsch);
        QFETCH(QRect, flaeche);
        QFETCH(QRect, ergebnis);
        // A frame with a title bar, as window systems draw it.
        QCOMPARE(Eingepasst(wunsch, QMargins(2, 20, 2, 2), flaeche), ergebnis);
    }

    void passt_data() {
        QTest::addColumn<QSize>("groesse");
        QTest::addColumn<QString>("faktor");
        for (const QSize groesse : {QSize(1366, 768), QSize(1600, 1000), QSize(1920, 1080)})
            for (const char* faktor : {"1", "1.25", "1.5", "2"})
                QTest::addRow("%dx%d %s", groesse.width(), groesse.height(), faktor) << groesse << faktor;
    }

    void passt() {
        QFETCH(QSize, groesse);
        QFETCH(QString, faktor);
        QTemporaryDir ordner;
        const QString datei = Bildschirmdatei(ordner, groesse);
        QVERIFY(!datei.isEmpty());
        QProcess pruefung;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + datei);
        umgebung.insert(QStringLiteral("QT_SCALE_FACTOR"), faktor);
        umgebung.insert(QStringLiteral("VEL_TESTKLASSE"), QStringLiteral("TstFensterImBild"));
        umgebung.insert(QLatin1String(Bildschirmvariable),
                        QStringLiteral("%1x%2 %3").arg(groesse.width()).arg(groesse.height()).arg(faktor));
        pruefung.setProcessEnvironment(umgebung);
        pruefung.setProcessChannelMode(QProcess::MergedChannels);
        pruefung.start(QCoreApplication::applicationFilePath(), {QStringLiteral("-silent")});
        QVERIFY(pruefung.waitForFinished(60000));
        const QByteArray ausgabe = pruefung.readAll();
        QVERIFY2(pruefung.exitStatus() == QProcess::NormalExit && pruefung.exitCode() == 0,
                 ausgabe.constData());
    }
};

// The windows of a main window with a generated two-day project, each opened as the program opens it or
// built as its caller builds it.
class TstFensterImBild : public QObject {
    Q_OBJECT
    Q_CLASSINFO("NurEinzeln", "TstBildschirm")

    std::unique_ptr<TFensterTest> T;
    QStringList Fehler;
    int Gesehen = 0;

    TVELWnd& F() { return *T->Fenster; }

    static bool Gerollt(const QWidget* w, const QWidget* fenster) {
        for (const QWidget* p = w->parentWidget(); p && p != fenster; p = p->parentWidget())
            if (qobject_cast<const QAbstractScrollArea*>(p)) return true;
        return false;
    }

    // Not cut by any of its parents nor scrolled out of sight.
    static bool GanzZuSehen(const QWidget* w, const QWidget* fenster) {
        QRect ort(QPoint(0, 0), w->size());
        for (const QWidget* p = w; p != fenster; p = p->parentWidget()) {
            ort.translate(p->pos());
            if (!p->parentWidget()->rect().contains(ort)) return false;
        }
        return true;
    }

    // The window's frame lies inside the work area of its screen, and the window is not smaller than its
    // contents need (a maximised window takes the work area whatever its minimum).
    // VEL_BILD_ORDNER=dir keeps a picture of each window for a look at it.
    void Pruefen(QWidget& fenster, const QString& wie = {}) {
        ++Gesehen;
        const QString name = QString::fromLatin1(fenster.metaObject()->className()) + wie;
        if (const QString ordner = qEnvironmentVariable("VEL_BILD_ORDNER"); !ordner.isEmpty())
            fenster.grab().save(
                QStringLiteral("%1/%2 %3.png").arg(ordner, name, qEnvironmentVariable(Bildschirmvariable)));
        // At a fractional scaling the frame may come out one pixel larger than the rounded work area.
        const QRect flaeche = fenster.screen()->availableGeometry().adjusted(0, 0, 1, 1);
        const QRect rahmen = fenster.frameGeometry();
        if (!flaeche.contains(rahmen))
            Fehler << QStringLiteral("%1: Rahmen %2,%3 %4x%5 ragt aus der Arbeitsfläche %6x%7")
                          .arg(name)
                          .arg(rahmen.x())
                          .arg(rahmen.y())
                          .arg(rahmen.width())
                          .arg(rahmen.height())
                          .arg(flaeche.width() - 1)
                          .arg(flaeche.height() - 1);
        // Outside a scroll area every button shows whole.
        for (const QAbstractButton* knopf : fenster.findChildren<QAbstractButton*>()) {
            if (!knopf->isVisible() || Gerollt(knopf, &fenster)) continue;
            const QRect ort(knopf->mapTo(&fenster, QPoint(0, 0)), knopf->size());
            if (!fenster.rect().contains(ort))
                Fehler << QStringLiteral("%1: \"%2\" liegt außerhalb").arg(name, knopf->text());
        }
        QSize minimum = fenster.minimumSize();
        if (fenster.layout()) minimum = minimum.expandedTo(fenster.layout()->totalMinimumSize());
        if (minimum.width() > fenster.width() || minimum.height() > fenster.height())
            Fehler << QStringLiteral("%1: %2x%3 kleiner als sein Inhalt %4x%5")
                          .arg(name)
                          .arg(fenster.width())
                          .arg(fenster.height())
                          .arg(minimum.width())
                          .arg(minimum.height());
    }
    // A window whose contents scroll shows scroll bars only where the contents do not fit, and there it
    // does: without a bar, what does not fit would be cut off.
    void RollbalkenNurWoNoetig(QWidget& fenster) {
        const QString name = QString::fromLatin1(fenster.metaObject()->className());
        for (const TRollflaeche* rolle : fenster.findChildren<TRollflaeche*>()) {
            const QSize platz = rolle->maximumViewportSize();
            const QSize inhalt = rolle->widget()->minimumSizeHint().expandedTo(rolle->widget()->sizeHint());
            if (inhalt.width() <= platz.width() && inhalt.height() <= platz.height() &&
                (rolle->verticalScrollBar()->isVisible() || rolle->horizontalScrollBar()->isVisible()))
                Fehler << QStringLiteral("%1: Rollbalken, obwohl der Inhalt %2x%3 in %4x%5 passt")
                              .arg(name)
                              .arg(inhalt.width())
                              .arg(inhalt.height())
                              .arg(platz.width())
                              .arg(platz.height());
            const QSize mindestens = rolle->widget()->minimumSizeHint();
            const QSize sichtbar = rolle->viewport()->size();
            if ((mindestens.width() > sichtbar.width() && !rolle->horizontalScrollBar()->isVisible()) ||
                (mindestens.height() > sichtbar.height() && !rolle->verticalScrollBar()->isVisible()))
                Fehler << QStringLiteral("%1: Inhalt %2x%3 abgeschnitten in %4x%5 ohne Rollbalken")
                              .arg(name)
                              .arg(mindestens.width())
                              .arg(mindestens.height())
                              .arg(sichtbar.width())
                              .arg(sichtbar.height());
        }
    }
    // The layout dialog beside the preview: it covers neither the sheet nor the preview's head row, and the
    // sheet keeps room enough to be read.
    void NebenVorschau(QDialog& dialog) {
        const TFPreview* vorschau = F().Gruppen.Vorschau->Vorschau();
        if (!vorschau || !vorschau->isVisible()) {
            Fehler << QStringLiteral("Layout: keine Vorschau");
            return;
        }
        const QRect rahmen = dialog.frameGeometry();
        const QRect blatt(vorschau->Blatt->mapToGlobal(vorschau->Blatt->Blatt().topLeft()),
                          vorschau->Blatt->Blatt().size());
        if (rahmen.intersects(blatt))
            Fehler << QStringLiteral("Layout: Dialog %1,%2 %3x%4 verdeckt das Blatt %5,%6 %7x%8")
                          .arg(rahmen.x())
                          .arg(rahmen.y())
                          .arg(rahmen.width())
                          .arg(rahmen.height())
                          .arg(blatt.x())
                          .arg(blatt.y())
                          .arg(blatt.width())
                          .arg(blatt.height());
        for (const QAbstractButton* knopf : vorschau->findChildren<QAbstractButton*>())
            if (knopf->isVisible() &&
                rahmen.intersects(QRect(knopf->mapToGlobal(QPoint(0, 0)), knopf->size())))
                Fehler << QStringLiteral("Layout: Dialog verdeckt \"%1\" der Vorschau").arg(knopf->text());
        if (blatt.width() < vorschau->screen()->availableGeometry().width() / 4)
            Fehler << QStringLiteral("Layout: Blatt nur %1 breit").arg(blatt.width());
    }
    // From a screen 1366 pixels wide at 150 % on, no page of the layout dialog beside the preview scrolls
    // sideways: a column out of sight is easily missed.
    void NichtSeitwaerts(TFLayout& dialog) {
        if (dialog.screen()->availableGeometry().width() < 1366 / 1.5) return;
        const auto* rolle = dialog.findChild<TRollflaeche*>();
        const int vorher = dialog.Seiten->currentIndex();
        for (int i = 0; i < dialog.Seiten->count(); ++i) {
            dialog.Seiten->setCurrentIndex(i);
            // A page may arrange itself anew for its width, and the scroll area follows.
            QCoreApplication::sendPostedEvents();
            const QWidget* seite = dialog.Seiten->currentWidget();
            const int noetig = seite->minimumSizeHint().width() + dialog.Seiten->width() - seite->width();
            if (noetig > rolle->viewport()->width())
                Fehler << QStringLiteral("Layout: Seite \"%1\" braucht %2 Pixel Breite, sichtbar sind %3")
                              .arg(dialog.Seiten->tabText(i))
                              .arg(noetig)
                              .arg(rolle->viewport()->width());
            if (rolle->horizontalScrollBar()->isVisible())
                Fehler
                    << QStringLiteral("Layout: Seite \"%1\" rollt seitwärts").arg(dialog.Seiten->tabText(i));
        }
        dialog.Seiten->setCurrentIndex(vorher);
    }
    // From a screen of 1366x768 at 150 % on, the main window needs no scrolling: every button and box of
    // its panels shows whole, and the lists keep a few rows.
    void PanelsZuSehen() {
        const QSize flaeche = F().screen()->availableGeometry().size();
        if (flaeche.width() < 1366 / 1.5 || flaeche.height() < 768 / 1.5) return;
        for (const QAbstractButton* knopf : F().centralWidget()->findChildren<QAbstractButton*>())
            if (knopf->isVisible() && !GanzZuSehen(knopf, &F()))
                Fehler << QStringLiteral("Hauptfenster: \"%1\" nicht ganz zu sehen").arg(knopf->text());
        for (const QAbstractItemView* liste : std::initializer_list<const QAbstractItemView*>{
                 F().Familienpanel->LVEltern, F().Kinderpanel->TVKinder, F().Lehrerpanel->LVLehrer}) {
            const int zeilen = liste->viewport()->height() / std::max(1, liste->fontMetrics().height());
            if (zeilen < 6)
                Fehler << QStringLiteral("Hauptfenster: %1 zeigt nur %2 Zeilen")
                              .arg(liste->objectName())
                              .arg(zeilen);
        }
    }
    // Buttons that end a dialog whose contents scroll stay in sight.
    void NichtGerollt(QDialog& d, std::initializer_list<const QAbstractButton*> knoepfe) {
        for (const QAbstractButton* knopf : knoepfe)
            if (Gerollt(knopf, &d))
                Fehler << QStringLiteral("%1: \"%2\" rollt").arg(d.windowTitle(), knopf->text());
    }
    // A dialog the command opens modally: checked, then cancelled.
    void Modal(QAction* befehl, std::function<void(QDialog&)> weiter = {}) {
        TDialogFolge folge({[this, weiter](QDialog& d) {
            Pruefen(d);
            if (weiter) weiter(d);
            d.reject();
        }});
        befehl->trigger();
        QCOMPARE(folge.Offen(), 0);
    }
    void Klick(QAbstractButton* knopf) {
        TDialogFolge folge({[this](QDialog& d) {
            Pruefen(d);
            d.reject();
        }});
        knopf->click();
        QCOMPARE(folge.Offen(), 0);
    }
    // A dialog its caller builds and runs: shown as exec shows it.
    void Gezeigt(QDialog&& dialog) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Pruefen(dialog);
        dialog.reject();
    }
    // The pop-up of the first or the last person of a list, which then lies at the bottom of the screen.
    void Zeitfenster(bool familie, bool letzte) {
        TZeitfensterAufruf* aufruf = F().Zeitfenster;
        QTreeView* liste = familie ? static_cast<QTreeView*>(F().Familienpanel->LVEltern)
                                   : static_cast<QTreeView*>(F().Lehrerpanel->LVLehrer);
        const QModelIndex zeile = liste->model()->index(letzte ? liste->model()->rowCount() - 1 : 0, 0);
        liste->selectionModel()->setCurrentIndex(zeile, QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
        if (familie)
            aufruf->FamilieZeigen(false);
        else
            aufruf->LehrerZeigen(false);
        TFZeitSplash* fenster = aufruf->Fenster;
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
        Pruefen(*fenster);
        // Day 2 goes below day 1 only where the two side by side would not fit.
        QVERIFY(fenster->Tage[1]->isVisible());
        if (fenster->Tage[1]->y() > fenster->Tage[0]->y()) {
            const int nebeneinander =
                fenster->Tage[0]->sizeHint().width() + fenster->Tage[1]->sizeHint().width();
            QVERIFY2(nebeneinander > fenster->screen()->availableGeometry().width(),
                     qPrintable(QString::number(nebeneinander)));
        }
        fenster->Schliessen();
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty(Bildschirmvariable), "runs in the processes of TstBildschirm");
        T = std::make_unique<TFensterTest>();
        // The pop-up shows its OK and cancel buttons only in click mode.
        F().Programmwerte.ZeitSplash = true;
        F().ProjektErsetzen(Generiert());
        F().showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&F()));
    }

    void fenster_data() {
        QTest::addColumn<TOeffnen>("oeffnen");
        using F = TOeffnen;
        QTest::newRow("Hauptfenster maximiert") << F([](TstFensterImBild& t) {
            t.Pruefen(t.F());
            t.PanelsZuSehen();
        });
        QTest::newRow("Hauptfenster normal") << F([](TstFensterImBild& t) {
            TFensterTest normal;
            normal.Fenster->ProjektErsetzen(Generiert());
            normal.Fenster->show();
            QVERIFY(QTest::qWaitForWindowExposed(normal.Fenster.get()));
            t.Pruefen(*normal.Fenster);
        });
        QTest::newRow("Zeitfenster Familie") << F([](TstFensterImBild& t) { t.Zeitfenster(true, false); });
        QTest::newRow("Zeitfenster letzte Familie")
            << F([](TstFensterImBild& t) { t.Zeitfenster(true, true); });
        QTest::newRow("Zeitfenster Lehrkraft") << F([](TstFensterImBild& t) { t.Zeitfenster(false, false); });
        QTest::newRow("Zeitfenster letzte Lehrkraft")
            << F([](TstFensterImBild& t) { t.Zeitfenster(false, true); });
        QTest::newRow("Zeitfenster am Rand") << F([](TstFensterImBild& t) {
            // A family row at the right edge and a teacher row at the left, both at the bottom.
            TFZeitSplash* fenster = t.F().Zeitfenster->Fenster;
            const QRect flaeche = t.F().screen()->availableGeometry();
            const QRect zeilen[] = {QRect(flaeche.right() - 100, flaeche.bottom() - 20, 300, 20),
                                    QRect(flaeche.left() - 200, flaeche.bottom() - 20, 300, 20)};
            for (const bool familie : {true, false}) {
                TPerson* person = familie ? static_cast<TPerson*>(t.F().Projekt()->Elternliste.Erstes())
                                          : static_cast<TPerson*>(t.F().Projekt()->Lehrerliste.Erstes());
                fenster->Zeigen(*person, familie, zeilen[familie ? 0 : 1], false);
                QVERIFY(QTest::qWaitForWindowExposed(fenster));
                t.Pruefen(*fenster, familie ? QStringLiteral(" (Familie)") : QStringLiteral(" (Lehrkraft)"));
                fenster->Schliessen();
            }
        });
        QTest::newRow("Zeitfenster-Info") << F([](TstFensterImBild& t) {
            // The longest message of the program.
            TDesktopMeldung meldung;
            TFZeitSplash fenster(t.F().Dokument, meldung, t.F().Programmwerte, t.T->Speicher);
            fenster.Zeigen(*t.F().Projekt()->Elternliste.Erstes(), true, QRect(10, 10, 300, 20), false);
            TDialogFolge folge({[&t](QDialog& d) {
                t.Pruefen(d);
                d.reject();
            }});
            fenster.InfoBtn->click();
            QCOMPARE(folge.Offen(), 0);
            fenster.Verwerfen();
        });
        QTest::newRow("Handbearbeitung") << F([](TstFensterImBild& t) {
            t.Modal(t.F().HandBearb1, [&t](QDialog& d) {
                auto& brett = dynamic_cast<TFVerschieb&>(d);
                // A conversation of the family shows its teacher's table beside it.
                for (int i = 0; i < brett.LVE->topLevelItemCount(); ++i)
                    if (!brett.LVE->topLevelItem(i)->text(3).isEmpty()) {
                        brett.LVE->setCurrentItem(brett.LVE->topLevelItem(i));
                        break;
                    }
                QVERIFY(brett.LVE->topLevelItemCount() > 0 && brett.LVL->topLevelItemCount() > 0);
                t.Fehler << BrettAbgeschnitten(brett.LVE) + BrettAbgeschnitten(brett.LVL);
                brett.BtnHoehe->click();
                QVERIFY(QTest::qWaitForWindowExposed(&brett));
                t.Pruefen(brett, QStringLiteral(" (volle Höhe)"));
                brett.BtnHoehe->click();
            });
        });
        QTest::newRow("Zeitrahmen") << F([](TstFensterImBild& t) { t.Modal(t.F().ZeitRa1); });
        QTest::newRow("Standardvorgabe") << F([](TstFensterImBild& t) { t.Modal(t.F().ZDefault1); });
        QTest::newRow("Zeiten global") << F([](TstFensterImBild& t) { t.Modal(t.F().ZeitGlob1); });
        QTest::newRow("Programmoptionen") << F([](TstFensterImBild& t) { t.Modal(t.F().OptPrg1); });
        QTest::newRow("Terminoptionen") << F([](TstFensterImBild& t) { t.Modal(t.F().OptTermin1); });
        QTest::newRow("Layout") << F([](TstFensterImBild& t) {
            t.Modal(t.F().LayoutOpt1, [&t](QDialog& d) {
                t.RollbalkenNurWoNoetig(d);
                t.NebenVorschau(d);
                auto& dlg = dynamic_cast<TFLayout&>(d);
                t.NichtSeitwaerts(dlg);
                // Only the pages scroll: the buttons stay in sight, which Pruefen then checks.
                t.NichtGerollt(d, {dlg.OkBtn, dlg.CancBtn, dlg.BtnUebernehmen, dlg.HilfeBtn});
            });
        });
        QTest::newRow("Listenformat") << F([](TstFensterImBild& t) {
            t.Modal(t.F().SeiteOpt1, [&t](QDialog& d) { t.RollbalkenNurWoNoetig(d); });
        });
        QTest::newRow("Schuldaten") << F([](TstFensterImBild& t) { t.Modal(t.F().Schuldaten1); });
        QTest::newRow("Raumzuweisung") << F([](TstFensterImBild& t) { t.Modal(t.F().LRaumZw1); });
        QTest::newRow("Raumbelegung") << F([](TstFensterImBild& t) { t.Modal(t.F().AnsRaumDlg); });
        QTest::newRow("PDF-Wahl") << F([](TstFensterImBild& t) { t.Modal(t.F().BuPDF); });
        QTest::newRow("Statistik") << F([](TstFensterImBild& t) { t.Modal(t.F().Statstk1); });
        QTest::newRow("Übersicht") << F([](TstFensterImBild& t) { t.Modal(t.F().AnzlGspL1); });
        QTest::newRow("Sortierung") << F([](TstFensterImBild& t) { t.Modal(t.F().EListeSort1); });
        QTest::newRow("Info") << F([](TstFensterImBild& t) { t.Modal(t.F().Info1); });
        QTest::newRow("Klassenleitung") << F([](TstFensterImBild& t) { t.Modal(t.F().Klassenleitung1); });
        QTest::newRow("Familie") << F([](TstFensterImBild& t) {
            FamilieWaehlen(t.F(), t.F().Projekt()->Elternliste.Erstes()->Nummer);
            t.Klick(t.F().Familienpanel->BtnEditE);
        });
        QTest::newRow("Kind") << F([](TstFensterImBild& t) {
            FamilieWaehlen(t.F(), t.F().Projekt()->Elternliste.Erstes()->Nummer);
            QTreeView* baum = t.F().Kinderpanel->TVKinder;
            baum->setCurrentIndex(baum->model()->index(0, 0));
            t.Klick(t.F().Kinderpanel->BtnEditK);
        });
        QTest::newRow("Lehrkraft") << F([](TstFensterImBild& t) {
            LehrerWaehlen(t.F(), QStringList{t.F().Projekt()->Lehrerliste.Erstes()->Kuerzel});
            t.Klick(t.F().Lehrerpanel->BtnEditL);
        });
        QTest::newRow("Druckwahl") << F([](TstFensterImBild& t) {
            QPrinter drucker;
            t.Gezeigt(TDrVorwahl(drucker, t.T->Meldung, &t.F()));
        });
        QTest::newRow("Druckbereich") << F([](TstFensterImBild& t) {
            TDrucklaufStand stand;
            t.Gezeigt(TDrBereich(*t.F().Projekt(), true, true, QStringLiteral("/tmp"), stand, &t.F()));
        });
        QTest::newRow("Raumplandruck") << F([](TstFensterImBild& t) {
            t.Gezeigt(TFPrintRaumplan(false, QStringLiteral("Drucker"), &t.F()));
        });
        QTest::newRow("Doppelbelegung")
            << F([](TstFensterImBild& t) { t.Gezeigt(TFDoppelbelegung({}, &t.F())); });
        QTest::newRow("Mausoption") << F([](TstFensterImBild& t) {
            TFZeitSplash* fenster = t.F().Zeitfenster->Fenster;
            fenster->Zeigen(*t.F().Projekt()->Elternliste.Erstes(), true, QRect(10, 10, 300, 20), false);
            t.Klick(fenster->MausBtn);
            fenster->Schliessen();
        });
        QTest::newRow("Nummer") << F([](TstFensterImBild& t) { t.Gezeigt(TCheckNumDlg(1, &t.F())); });
        QTest::newRow("Farben") << F(
            [](TstFensterImBild& t) { t.Gezeigt(TFFarben(TFFarben::Standard, &t.F())); });
        QTest::newRow("Terminlauf") << F([](TstFensterImBild& t) { t.Modal(t.F().Berech1); });
        QTest::newRow("Sicherung") << F(
            [](TstFensterImBild& t) { t.Gezeigt(TBackUpF(QStringLiteral("/tmp/Schule.pd~"), &t.F())); });
        QTest::newRow("Ergänzen") << F([](TstFensterImBild& t) { t.Gezeigt(TFErgRckfrg(&t.F())); });
        QTest::newRow("Klassenfrage") << F([](TstFensterImBild& t) { t.Gezeigt(TKlRueckfrgDlg(&t.F())); });
        QTest::newRow("Geschwisterfrage")
            << F([](TstFensterImBild& t) { t.Gezeigt(TRueckFrageForm(&t.F())); });
        QTest::newRow("Familienname") << F([](TstFensterImBild& t) {
            const TImportSatz satz{QStringLiteral("Anna"), {}, QStringLiteral("Maier-Lüdenscheid"), {}, {}};
            t.Gezeigt(TFamilDlgF(*t.F().Projekt()->Elternliste.Erstes(), satz, &t.F()));
        });
        QTest::newRow("Kürzel") << F([](TstFensterImBild& t) {
            std::vector<TLehrer*> kandidaten;
            for (const auto& l : t.F().Projekt()->Lehrerliste)
                kandidaten.push_back(l.get());
            t.Gezeigt(TIdentifyKrzDlg(QStringLiteral("XY"), kandidaten, &t.F()));
        });
        QTest::newRow("Import") << F([](TstFensterImBild& t) {
            const QString datei = t.T->Ordner.filePath(QStringLiteral("eltern.txt"));
            QFile f(datei);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Name;Vorname;Klasse\r\nMaier;Anna;5a\r\nSchulz;Ben;6b\r\n");
            f.close();
            TImportDlgf dlg(datei, false, 1, *t.F().Projekt(), t.T->Meldung, t.T->Speicher, &t.F());
            t.NichtGerollt(dlg, {dlg.BtnOk, dlg.BtnAbbrechen, dlg.BtnNeu, dlg.BtnHilfe});
            t.Gezeigt(std::move(dlg));
        });
        QTest::newRow("Startbild") << F([](TstFensterImBild& t) {
            TSplash2F splash;
            splash.show();
            QVERIFY(QTest::qWaitForWindowExposed(&splash));
            t.Pruefen(splash);
        });
    }

    void fenster() {
        QFETCH(TOeffnen, oeffnen);
        Fehler.clear();
        Gesehen = 0;
        oeffnen(*this);
        if (QTest::currentTestFailed()) return;
        QVERIFY(Gesehen > 0);
        QVERIFY2(Fehler.isEmpty(),
                 qPrintable(qEnvironmentVariable(Bildschirmvariable) + u' ' + Fehler.join(u'\n')));
    }
};

VEL_TEST(TstBildschirm)
VEL_TEST(TstFensterImBild)
#include "tst_Bildschirm.moc"
