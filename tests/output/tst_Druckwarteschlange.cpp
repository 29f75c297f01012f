#include "common/TestHaupt.h"
#include "common/Testdrucker.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTest>

// Printing through CUPS for real: what a print without a chosen printer reaches, and what arrives there.
class TstDruckwarteschlange : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Skipped test by test: a skip in initTestCase would silently skip the test classes after this one
    // in the same program too.
    void init() { VEL_TESTDRUCKER_NOETIG(); }

    // A printer made without choosing one is the test queue through CUPS, not Qt's own PDF writer.
    void standarddrucker() {
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), TestdruckerName);
        QPrinter drucker(QPrinter::HighResolution);
        QCOMPARE(drucker.printerName(), TestdruckerName);
        QCOMPARE(drucker.outputFormat(), QPrinter::NativeFormat);
        QVERIFY(drucker.isValid());
    }

    // One job of two pages arrives as one PDF under its title, each page with its own text and umlauts.
    void zweiSeitenMitUmlauten() {
        const QString seite1 = QStringLiteral("Gesprächsliste für Familie Müller-Lüdenscheidt");
        const QString seite2 = QStringLiteral("Frau Öztürk und Herr Weiß, Raum Ä12 über dem Hof");
        TTestdruckAblage ablage;
        const QString titel = EindeutigerAuftragstitel(QStringLiteral("Gesprächslisten Größe"));

        QPrinter drucker(QPrinter::HighResolution);
        drucker.setDocName(titel);
        QPainter maler;
        QVERIFY(maler.begin(&drucker));
        maler.setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
        maler.drawText(QPointF(300, 600), seite1);
        QVERIFY(drucker.newPage());
        maler.drawText(QPointF(300, 600), seite2);
        QVERIFY(maler.end());

        const QString pdf = ablage.Erwarten(titel);
        QVERIFY2(!pdf.isEmpty(), qPrintable(titel));
        QFile datei(pdf);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QVERIFY(datei.read(5) == "%PDF-");
        QCOMPARE(PdfSeitenzahl(pdf), 2);
        QCOMPARE(PdfText(pdf, 1).trimmed(), seite1);
        QCOMPARE(PdfText(pdf, 2).trimmed(), seite2);
    }
};

VEL_TEST(TstDruckwarteschlange)
#include "tst_Druckwarteschlange.moc"
