#include "common/ProjektBauer.h"
#include "common/SkriptMeldung.h"
#include "common/TestHaupt.h"
#include "model/Schuldaten.h"
#include "output/ui/Druckausgabe.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Printing through Qt's printer: here into its PDF output, so that the job can be read back without a
// print queue.
class TstDruckausgabe : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void einzelliste() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        TProjektBauer b;
        b.Rahmen(1, 3);
        TKind* anna = b.Kind(QString::fromUtf8("Wiśniewski"), "Anna", "5a");
        b.Wunsch(anna, "MUE", 1);
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();
        b.p.Listenlayout.Ausrichtung = 1;
        TListenZeilen zeilen;
        const TListenAuftrag auftrag{anna->Eltern, true, false};
        ListeZusammenstellen(b.p, auftrag, zeilen);
        QTemporaryDir ordner;
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(ordner.filePath("liste.pdf"));
        TStilleMeldung stumm;
        QVERIFY(EinzellisteDrucken(drucker, b.p, TSchuldaten{}, auftrag, zeilen, false, stumm));
        QCOMPARE(drucker.docName(), QString::fromUtf8("Gesprächsliste für Wiśniewski"));
        QCOMPARE(drucker.pageLayout().orientation(), QPageLayout::Landscape);
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ordner.filePath("liste.pdf"), "-"});
        QVERIFY(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(text.contains(QString::fromUtf8("Familie Wiśniewski")), qPrintable(text));
        QVERIFY(text.contains("14:10"));
    }

    // Margins narrower than the printer's unprintable strip: widened when the user agrees.
    void raender_data() {
        QTest::addColumn<double>("links");
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<bool>("gefragt");
        QTest::addColumn<double>("danach");
        QTest::newRow("breit genug") << 2.2 << Antwort::Ja << false << 2.2;
        QTest::newRow("zu schmal, Ja") << 0.1 << Antwort::Ja << true << 0.42;
        QTest::newRow("zu schmal, Nein") << 0.1 << Antwort::Nein << true << 0.1;
    }
    void raender() {
        QFETCH(double, links);
        QFETCH(Antwort, antwort);
        QFETCH(bool, gefragt);
        QFETCH(double, danach);
        const TSeitenmetrik m = GeraetMetrik(300, 300, {2380, 3408}, {2480, 3508}, {50, 50});
        TSeitenraender r{links, 1.4, 1.1, 1.3};
        TSkriptMeldung meldung;
        meldung.Antworten = {antwort};
        QCOMPARE(RaenderPruefen(r, m, meldung), gefragt && antwort == Antwort::Ja);
        QCOMPARE(meldung.Protokoll.size(), gefragt ? 1 : 0);
        QCOMPARE(r.Links, danach);
        QCOMPARE(r.Oben, 1.4);
        if (gefragt) QVERIFY(meldung.Protokoll[0].Text.contains("links 0,42 cm"));
    }
};

VEL_TEST(TstDruckausgabe)
#include "tst_Druckausgabe.moc"
