#include "Eingabetest.h"
#include "FensterTest.h"
#include "common/Codeleser.h"
#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "common/Testdrucker.h"
#include "model/Projektdatei.h"
#include "output/Kalender.h"
#include "output/ui/DrBereich.h"
#include "output/ui/DrVorwahl.h"
#include "output/ui/DruckBefehle.h"
#include "output/ui/FpdfVW.h"
#include "settings/Codeoption.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The PDF and print commands of the main window, end to end.
class TstDruckbefehle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Choosing a folder in the PDF choice, the families' range with every list, and one file per
    // family with requests in the year's folder, which the run creates.
    void pdfFuerEltern() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(GebuchtesProjekt());
        // Printed before: the run has no note-pad mark left to set.
        t.Fenster->Projekt()->NotizHaken[Notizhaken::ElternGedruckt] = true;
        QVERIFY(t.Zeigen());
        QTemporaryDir ziel;
        t.Dateiwahl.Antworten = {ziel.path()};
        TDialogFolge folge({[](QDialog& d) {
                                auto& wahl = static_cast<TFpdfVW&>(d);
                                QVERIFY(!wahl.BpdfE->isEnabled());
                                wahl.Bfolder->click();
                                QVERIFY(wahl.BpdfE->isEnabled());
                                // The range dialog opens from the button; clicked later, it is the next
                                // step's.
                                QTimer::singleShot(0, wahl.BpdfE, &QPushButton::click);
                            },
                            [](QDialog& d) {
                                auto& bereich = static_cast<TDrBereich&>(d);
                                QCOMPARE(bereich.windowTitle(), "Listen drucken");
                                QVERIFY(bereich.ZielText->text().endsWith("VEL2027PDF"));
                                bereich.StartBtn->click();
                            },
                            [](QDialog& d) { d.reject(); }});
        t.Fenster->BuPDF->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        const QDir jahr(ziel.filePath("VEL2027PDF"));
        const QStringList dateien = jahr.entryList(QDir::Files, QDir::Name);
        // The family van Acker has no request and gets no list.
        QCOMPARE(dateien, QStringList{"VEL2027E - Maier.pdf"});
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) return;
        QProcess p;
        p.start("pdftotext", {jahr.filePath(dateien.filter("Maier").constFirst()), "-"});
        QVERIFY(p.waitForFinished(30000));
        QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains(QString::fromUtf8("Gespräche für")));
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
    }

    // With "Kalenderdateien (.ics)" ticked, every PDF of the run gets its calendar beside it; files that
    // exist are asked about as in the PDF run, after "JA für alle" there no more, and a message says
    // how many calendars were written. The choice stays for the next run.
    void kalenderdateienMitPdf() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(GebuchtesProjekt());
        t.Fenster->Projekt()->NotizHaken[Notizhaken::ElternGedruckt] = true;
        QVERIFY(t.Zeigen());
        QTemporaryDir ziel;
        t.Fenster->Gruppen.Druck->Stand.PdfOrdner = ziel.path();
        const QDir jahr(ziel.filePath("VEL2027PDF"));
        const auto lauf = [&t](bool ankreuzen) {
            TDialogFolge folge({[ankreuzen](QDialog& d) {
                                    auto& wahl = Als<TFpdfVW>(d);
                                    QCOMPARE(wahl.CBKalender->text(), "Kalenderdateien (.ics)");
                                    QCOMPARE(wahl.CBKalender->isChecked(), !ankreuzen);
                                    if (ankreuzen) QTest::mouseClick(wahl.CBKalender, Qt::LeftButton);
                                    QVERIFY(wahl.CBKalender->isChecked());
                                    QTimer::singleShot(0, wahl.BpdfE, &QPushButton::click);
                                },
                                [](QDialog& d) { Als<TDrBereich>(d).StartBtn->click(); },
                                [](QDialog& d) { d.reject(); }});
            t.Fenster->BuPDF->trigger();
            QCOMPARE(folge.Offen(), 0);
            QCOMPARE(folge.Unerwartet, 0);
        };
        const QString gespeichert = "gespeichert in\r" + QDir::toNativeSeparators(jahr.path());

        lauf(true);
        QCOMPARE(jahr.entryList(QDir::Files, QDir::Name),
                 (QStringList{"VEL2027E - Maier.ics", "VEL2027E - Maier.pdf"}));
        QFile kalender(jahr.filePath("VEL2027E - Maier.ics"));
        QVERIFY(kalender.open(QIODevice::ReadOnly));
        const QByteArray inhalt = kalender.readAll();
        QVERIFY(inhalt.startsWith("BEGIN:VCALENDAR\r\n"));
        QCOMPARE(inhalt.count("BEGIN:VEVENT"), 3);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Titel, "Kalenderdateien");
        QCOMPARE(t.Meldung.Protokoll[0].Text, "1 Kalenderdatei (.ics) wurde " + gespeichert);

        // "Ja" for the list, "Überspringen" for its calendar.
        t.Meldung.Protokoll.clear();
        t.Meldung.Auswahlen = {1, 2};
        lauf(false);
        QCOMPARE(t.Meldung.Titel(), (QStringList{QString::fromUtf8("Rückfrage"),
                                                 QString::fromUtf8("Rückfrage"), "Kalenderdateien"}));
        QCOMPARE(t.Meldung.Protokoll[1].Text,
                 QString::fromUtf8("Die Datei \"VEL2027E - Maier.ics\" existiert bereits.\rÜberschreiben?"));
        QCOMPARE(t.Meldung.Protokoll[1].Knopftexte,
                 (QStringList{"JA für alle", "Ja", "Überspringen", "Abbrechen"}));
        QCOMPARE(t.Meldung.Protokoll[2].Text, "0 Kalenderdateien (.ics) wurden " + gespeichert);

        t.Meldung.Protokoll.clear();
        t.Meldung.Auswahlen = {0};
        lauf(false);
        QCOMPARE(t.Meldung.Titel(), (QStringList{QString::fromUtf8("Rückfrage"), "Kalenderdateien"}));
        QCOMPARE(t.Meldung.Protokoll[1].Text, "1 Kalenderdatei (.ics) wurde " + gespeichert);
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
    }

    // Writing every teacher's list as PDF leaves a project just opened as it was: unchanged, and the
    // same file if saved. The file was written with a stale mark of who has an appointment.
    void pdfLaufAendertNichts() {
        TFensterTest t;
        const QString datei = t.Ordner.filePath("gebucht.pdt");
        QString fehler;
        auto projekt = GebuchtesProjekt();
        // Printed before: the run has no note-pad mark left to set.
        projekt->NotizHaken[Notizhaken::LehrerGedruckt] = true;
        QVERIFY2(ProjektSpeichern(*projekt, datei, fehler), qPrintable(fehler));
        t.Dateiwahl.Antworten = {datei};
        t.Fenster->PDTopen1->trigger();
        QVERIFY(t.Fenster->Projekt());
        const QByteArray geladen = ProjektDaten(*t.Fenster->Projekt(), fehler);
        for (const auto& l : t.Fenster->Projekt()->Lehrerliste)
            QVERIFY2(l->HatTermin, qPrintable(l->Kuerzel));
        QTemporaryDir ziel;
        t.Fenster->Gruppen.Druck->Stand.PdfOrdner = ziel.path();
        TDialogFolge folge(
            {[](QDialog& d) { QTimer::singleShot(0, static_cast<TFpdfVW&>(d).BpdfL, &QPushButton::click); },
             [](QDialog& d) { static_cast<TDrBereich&>(d).StartBtn->click(); },
             [](QDialog& d) { d.reject(); }});
        t.Fenster->BuPDF->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(QDir(ziel.filePath("VEL2027PDF")).entryList(QDir::Files).size(), 2);
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
        QVERIFY(ProjektDaten(*t.Fenster->Projekt(), fehler) == geladen);
    }

    // A teachers' print run through the print choice and the range dialog: one job per list on the
    // system's default printer, titled for the list; the test queue keeps each job as a PDF.
    void druckenFuerLehrer() {
        VEL_TESTDRUCKER_NOETIG();
        TFensterTest t;
        t.Fenster->ProjektErsetzen(GebuchtesProjekt());
        QVERIFY(t.Zeigen());
        TTestdruckAblage ablage;
        TDialogFolge folge({[](QDialog& d) {
                                auto& wahl = static_cast<TDrVorwahl&>(d);
                                QCOMPARE(wahl.DruckerName->text(), TestdruckerName);
                                QTimer::singleShot(0, wahl.LBtn, &QPushButton::click);
                            },
                            [](QDialog& d) {
                                auto& bereich = static_cast<TDrBereich&>(d);
                                QVERIFY(bereich.CB_tueraushang->isVisible());
                                QCOMPARE(bereich.StartBtn->text(), "Druckvorgang starten");
                                bereich.StartBtn->click();
                            },
                            [](QDialog& d) { d.reject(); }});
        t.Fenster->Druck1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        // Both teachers have requests: two jobs, numbered within the run.
        const QString berg = ablage.Erwarten(QStringLiteral("Liste 1 von 2 - (BER)"));
        const QString mueller = ablage.Erwarten(QStringLiteral("Liste 2 von 2 - (MUE)"));
        QVERIFY(!berg.isEmpty() && !mueller.isEmpty());
        const QString text = PdfText(mueller);
        QVERIFY2(text.contains(QString::fromUtf8("Gespräche für")), qPrintable(text));
        QVERIFY(text.contains("Herrn Dr. Müller (MUE)"));
        QVERIFY(text.contains("Familie Maier"));
        QVERIFY(PdfText(berg).contains("Frau von Berg (BER)"));
    }

    // A families' print run with the code switched on: the printed list carries the family's calendar
    // as a code a scanner reads at 300 dpi; a family with too many appointments gets its list without
    // one, and the run says so once.
    void druckenMitTerminecode() {
        VEL_TESTDRUCKER_NOETIG();
        VEL_CODELESER_NOETIG();
        TFensterTest t;
        TerminecodeSchreiben(t.Speicher, true);
        TProjektBauer b;
        b.Rahmen(1, 24);
        for (int i = 0; i < 20; ++i)
            b.Wunsch(b.Kind("Adler", QStringLiteral("Kind %1 mit langem Vornamen").arg(i), "5a"),
                     QStringLiteral("L%1").arg(i), i);
        b.Wunsch(b.Kind("Maier", QString::fromUtf8("Jörg"), "5a"), "L3", 21);
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();
        t.Fenster->ProjektErsetzen(b.Abgeben());
        QVERIFY(t.Zeigen());
        const TPerson& maier = *t.Fenster->Projekt()->Elternliste[1];
        QCOMPARE(maier.Name, QStringLiteral("Maier"));
        TTestdruckAblage ablage;
        TDialogFolge folge(
            {[](QDialog& d) { QTimer::singleShot(0, static_cast<TDrVorwahl&>(d).EBtn, &QPushButton::click); },
             [](QDialog& d) { static_cast<TDrBereich&>(d).StartBtn->click(); },
             [](QDialog& d) { d.reject(); }});
        t.Fenster->Druck1->trigger();
        QCOMPARE(folge.Offen(), 0);
        const QString adler = ablage.Erwarten(QStringLiteral("Liste 1 von 2 - Adler"));
        const QString liste = ablage.Erwarten(QStringLiteral("Liste 2 von 2 - Maier"));
        QVERIFY(!adler.isEmpty() && !liste.isEmpty());
        const auto lesen = [](const QString& pfad) {
            QFile datei(pfad);
            return datei.open(QIODevice::ReadOnly) ? CodesLesen(datei.readAll()) : QMap<int, QByteArray>();
        };
        QVERIFY(lesen(adler).isEmpty());
        const QMap<int, QByteArray> codes = lesen(liste);
        QCOMPARE(codes.keys(), QList<int>{1});
        QCOMPARE(OhneStempel(codes.value(1)),
                 OhneStempel(KalenderText(*t.Fenster->Projekt(), maier, true, TKalenderzeit::Utc)));
        QCOMPARE(t.Meldung.Titel(), QStringList{QStringLiteral("QR-Code")});
    }

    // Without requests there is nothing to print: the commands wait.
    void ohneGespraeche() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(ProjektMitRahmen());
        QVERIFY(!t.Fenster->BuPDF->isEnabled());
        QVERIFY(!t.Fenster->Druck1->isEnabled());
    }
};

VEL_TEST(TstDruckbefehle)
#include "tst_Druckbefehle.moc"
