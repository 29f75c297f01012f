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

    // Applies what the dialog hands over as the scheduling commands do, summing up what that changed.
    static void Anwenden(TOptDlg& dlg, TEinstellungsSpeicher& speicher, TProgrammwerte& programm,
                         TProjekt* projekt, TOptionsAenderung& summe) {
        connect(&dlg, &TOptDlg::WerteUebernehmen, &dlg,
                [s = &speicher, w = &programm, projekt, summe = &summe](const TOptionswerte& werte) {
                    const TOptionsAenderung a = OptionenUebernehmen(*s, *w, projekt, werte);
                    summe->Terminwerte = summe->Terminwerte || a.Terminwerte;
                    summe->Sicherung = summe->Sicherung || a.Sicherung;
                });
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
        TOptDlg dlg(programm, &b.p, TOptDlg::Modus::Programm, m, {});
        TOptionsAenderung summe;
        Anwenden(dlg, speicher, programm, &b.p, summe);
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
        TOptDlg dlg(programm, &b.p, TOptDlg::Modus::Terminberechnung, m, {});
        TOptionsAenderung summe;
        Anwenden(dlg, speicher, programm, &b.p, summe);
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
        QVERIFY(dlg.isVisible());
        QVERIFY(!dlg.UebBtn->isEnabled());
        QCOMPARE(b.p.MaximalBlock_El, 3);
        QVERIFY(!b.p.BitteTag1);
        QVERIFY(b.p.LatKlBez && programm.LatKlBez);
        QCOMPARE(programm.AutoSpeichZeit, 12u);
        QVERIFY(summe.Terminwerte && summe.Sicherung);
        const TTerminwerte t = TerminwerteLesen(speicher);
        QCOMPARE(t.MaximalBlock_El, 3);
        QVERIFY(!t.BitteTag1);
        QCOMPARE(ProgrammwerteLesen(speicher, {}).AutoSpeichZeit, 12u);
        QVERIFY(ProgrammwerteLesen(speicher, {}).LatKlBez);
    }

    // The input goes over once per change: OK after "Übernehmen" or without any change hands nothing
    // over again. A one-day project keeps its preferred day, whatever the hidden buttons say.
    void uebergabe_data() {
        QTest::addColumn<bool>("aendern");
        QTest::addColumn<bool>("vorherUebernehmen");
        QTest::addColumn<int>("uebergaben");
        QTest::newRow("unverändert") << false << false << 0;
        QTest::newRow("geändert") << true << false << 1;
        QTest::newRow("übernommen") << true << true << 1;
    }
    void uebergabe() {
        QFETCH(bool, aendern);
        QFETCH(bool, vorherUebernehmen);
        QFETCH(int, uebergaben);
        TProgrammwerte programm;
        programm.ProjektPfad = QStringLiteral("/alt");
        TProjektBauer b;
        b.Rahmen(1, 10);
        b.p.BitteTag1 = false;
        TSkriptMeldung m;
        TOptDlg dlg(programm, &b.p, TOptDlg::Modus::Programm, m, {});
        QList<TOptionswerte> uebergeben;
        connect(&dlg, &TOptDlg::WerteUebernehmen, this, [&](const TOptionswerte& w) { uebergeben << w; });
        dlg.show();
        if (aendern) Tippen(dlg.MblL, "9");
        if (vorherUebernehmen) QTest::mouseClick(dlg.UebBtn, Qt::LeftButton);
        QCOMPARE(uebergeben.size(), vorherUebernehmen ? 1 : 0);
        QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(uebergeben.size(), uebergaben);
        QVERIFY(m.Protokoll.isEmpty());
        if (uebergaben == 0) return;
        const TOptionswerte& w = uebergeben[0];
        QCOMPARE(w.MaximalBlock, 9);
        QCOMPARE(w.MaximalBlock_El, 4);
        QVERIFY(!w.BitteTag1);
        QCOMPARE(w.ProjektPfad, "/alt");
        QCOMPARE(w.AutoSpeichZeit, 5u);
        QCOMPARE(b.p.MaximalBlock, 6);
    }

    void startModus() {
        TEinstellungsSpeicher speicher(Ordner.filePath("s.ini"));
        TProgrammwerte programm;
        TProjektBauer b;
        b.Rahmen(1, 10);
        TSkriptMeldung m;
        TOptDlg dlg(programm, &b.p, TOptDlg::Modus::Start, m, {});
        TOptionsAenderung summe;
        Anwenden(dlg, speicher, programm, &b.p, summe);
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
        QVERIFY(!summe.Sicherung);
    }

    void ordnerWahl() {
        TEinstellungsSpeicher speicher(Ordner.filePath("o.ini"));
        TProgrammwerte programm;
        TSkriptMeldung m;
        QStringList gefragt;
        TOptDlg dlg(programm, nullptr, TOptDlg::Modus::Programm, m,
                    [&](const QString& titel, const QString& prompt, const QString&) {
                        gefragt << titel << prompt;
                        return QStringLiteral("/schule/vel");
                    });
        TOptionsAenderung summe;
        Anwenden(dlg, speicher, programm, nullptr, summe);
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
