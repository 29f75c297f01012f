#include "common/ProjektBauer.h"
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
        QVERIFY(EinzellisteDrucken(drucker, b.p, TSchuldaten{}, auftrag, zeilen));
        QCOMPARE(drucker.docName(), QString::fromUtf8("Gesprächsliste für Wiśniewski"));
        QCOMPARE(drucker.pageLayout().orientation(), QPageLayout::Landscape);
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), ordner.filePath("liste.pdf"), "-"});
        QVERIFY(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(text.contains(QString::fromUtf8("Familie Wiśniewski")), qPrintable(text));
        QVERIFY(text.contains("14:10"));
    }
};

VEL_TEST(TstDruckausgabe)
#include "tst_Druckausgabe.moc"
