#include "common/ProjektBauer.h"
#include "common/SkriptMeldung.h"
#include "common/TestHaupt.h"
#include "settings/UReg.h"
#include "settings/ui/Options.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

class TstOptions : public QObject {
    Q_OBJECT

    QTemporaryDir Ordner;

    static void Tippen(QLineEdit* feld, const QString& text) {
        feld->setFocus();
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Backspace);
        QTest::keyClicks(feld, text);
    }

private Q_SLOTS:
    void bereiche_data() {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("titel");
        QTest::newRow("Minuten 0") << "MinEd"
                                   << "0"
                                   << "0 ist keine Ganzzahl zwischen 1 und 60!"
                                   << "Zeitabstand korrigieren:";
        QTest::newRow("Minuten 61") << "MinEd"
                                    << "61"
                                    << "61 ist keine Ganzzahl zwischen 1 und 60!"
                                    << "Zeitabstand korrigieren:";
        QTest::newRow("Eltern leer") << "MblE"
                                     << ""
                                     << " ist keine Ganzzahl zwischen 1 und 99!"
                                     << QString::fromUtf8("Blocklänge (Eltern) korrigieren:");
        QTest::newRow("Lehrer 0") << "MblL"
                                  << "0"
                                  << "0 ist keine Ganzzahl zwischen 1 und 99!"
                                  << QString::fromUtf8("Blocklänge (Lehrer) korrigieren:");
    }
    void bereiche() {
        QFETCH(QString, feld);
        QFETCH(QString, text);
        QFETCH(QString, meldung);
        QFETCH(QString, titel);
        TEinstellungsSpeicher speicher(Ordner.filePath("b.ini"));
        TProgrammwerte programm;
        TProjektBauer b;
        TSkriptMeldung m;
        TOptDlg dlg(speicher, programm, &b.p, TOptDlg::Modus::Programm, m, {});
        dlg.show();
        auto* edit = feld == "MinEd" ? dlg.MinEd : feld == "MblE" ? dlg.MblE : dlg.MblL;
        Tippen(edit, text);
        QVERIFY(dlg.UebBtn->isEnabled());
        QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
        QVERIFY(dlg.isVisible());
        QCOMPARE(m.Protokoll.size(), 1);
        QCOMPARE(m.Protokoll[0].Text, meldung);
        QCOMPARE(m.Protokoll[0].Titel, titel);
        QCOMPARE(dlg.Seiten->currentWidget(), feld == "MinEd" ? dlg.ProgOpt : dlg.AuswOpt);
        QCOMPARE(b.p.MaximalBlock, 6);
    }

    void uebernehmenSchreibt() {
        TEinstellungsSpeicher speicher(Ordner.filePath("u.ini"));
        TProgrammwerte programm;
        TProjektBauer b;
        b.Rahmen(2, 10);
        TSkriptMeldung m;
        TOptDlg dlg(speicher, programm, &b.p, TOptDlg::Modus::Terminberechnung, m, {});
        dlg.show();
        QCOMPARE(dlg.Seiten->currentWidget(), dlg.AuswOpt);
        QCOMPARE(dlg.Tag2->text(), "2.Tag (Dienstag, 2. März 2027)");
        QVERIFY(!dlg.UebBtn->isEnabled());
        Tippen(dlg.MblE, "3");
        QTest::mouseClick(dlg.Tag2, Qt::LeftButton);
        dlg.Seiten->setCurrentWidget(dlg.ProgOpt);
        QTest::mouseClick(dlg.BezLatein, Qt::LeftButton);
        Tippen(dlg.MinEd, "12");
        QTest::mouseClick(dlg.UebBtn, Qt::LeftButton);
        QVERIFY(m.Protokoll.isEmpty());
        QVERIFY(!dlg.UebBtn->isEnabled());
        QCOMPARE(b.p.MaximalBlock_El, 3);
        QVERIFY(!b.p.BitteTag1);
        QVERIFY(b.p.LatKlBez && programm.LatKlBez);
        QCOMPARE(programm.AutoSpeichZeit, 12u);
        QVERIFY(dlg.ProjektGeaendert && dlg.SicherungGeaendert);
        const TTerminwerte t = TerminwerteLesen(speicher);
        QCOMPARE(t.MaximalBlock_El, 3);
        QVERIFY(!t.BitteTag1);
        QCOMPARE(ProgrammwerteLesen(speicher, {}).AutoSpeichZeit, 12u);
        QVERIFY(ProgrammwerteLesen(speicher, {}).LatKlBez);
    }

    void startModus() {
        TEinstellungsSpeicher speicher(Ordner.filePath("s.ini"));
        TProgrammwerte programm;
        TProjektBauer b;
        b.Rahmen(1, 10);
        TSkriptMeldung m;
        TOptDlg dlg(speicher, programm, &b.p, TOptDlg::Modus::Start, m, {});
        dlg.show();
        QCOMPARE(dlg.windowTitle(), "Termine mit folgenden Einstellungen berechnen:");
        QCOMPARE(dlg.OkBtn->text(), "START");
        QVERIFY(!dlg.UebBtn->isVisible());
        QCOMPARE(dlg.Seiten->count(), 1);
        QVERIFY(!dlg.RadioGroup1->isVisible());
        QCOMPARE(dlg.EinTagText->text(), "Elternsprechtag am Montag, 1. März 2027");
        Tippen(dlg.MblL, "8");
        QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(b.p.MaximalBlock, 8);
        QVERIFY(!dlg.SicherungGeaendert);
    }

    void ordnerWahl() {
        TEinstellungsSpeicher speicher(Ordner.filePath("o.ini"));
        TProgrammwerte programm;
        TSkriptMeldung m;
        QStringList gefragt;
        TOptDlg dlg(speicher, programm, nullptr, TOptDlg::Modus::Programm, m,
                    [&](const QString& titel, const QString& prompt, const QString&) {
                        gefragt << titel << prompt;
                        return QStringLiteral("/schule/vel");
                    });
        dlg.show();
        QTest::mouseClick(dlg.Aend, Qt::LeftButton);
        QCOMPARE(gefragt, (QStringList{QString::fromUtf8("Ordner wählen"), "Speicherziel für VEL-Projekte"}));
        QCOMPARE(dlg.DirEd->text(), "/schule/vel");
        QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
        QCOMPARE(programm.ProjektPfad, "/schule/vel");
        QCOMPARE(ProgrammwerteLesen(speicher, {}).ProjektPfad, "/schule/vel");
    }
};

VEL_TEST(TstOptions)
#include "tst_Options.moc"
