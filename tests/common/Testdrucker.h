#pragma once

#include <QSet>
#include <QString>
#include <QTest>

// The print queue that scripts/druckwarteschlange sets up for the tests: a raw CUPS queue that keeps
// each job's PDF unchanged in one folder, as "<UTC time>-<job id>-<title>.pdf".
extern const QString TestdruckerName;
extern const QString TestdruckerAblage;

// Why a test cannot print to the test queue (none there, or not the default printer, so that a print
// would go to a real one); empty when it can.
QString TestdruckerFehlt();

// Skips a test where the test queue is missing, but fails it where VEL_DRUCKTEST demands the queue (CI).
#define VEL_TESTDRUCKER_NOETIG()                                                                             \
    do {                                                                                                     \
        const QString velGrund = TestdruckerFehlt();                                                         \
        if (!velGrund.isEmpty()) {                                                                           \
            if (!qEnvironmentVariableIsEmpty("VEL_DRUCKTEST")) QFAIL(qPrintable(velGrund));                  \
            QSKIP(qPrintable(velGrund));                                                                     \
        }                                                                                                    \
    } while (false)

// A job title that no other print carries, neither of this run nor of another test program.
QString EindeutigerAuftragstitel(const QString& anfang);

// Made before printing: the jobs already stored then are not the test's own.
class TTestdruckAblage {
public:
    TTestdruckAblage();
    // Path of the PDF of the next new job with this title, once it is complete; empty after the wait.
    QString Erwarten(const QString& titel, int wartezeitMs = 30000);

private:
    QSet<QString> Bekannt;
};

// Text of a PDF by pdftotext, of one page (counted from 1) or of all (0, pages end with a form feed);
// empty, with a warning, when pdftotext fails.
QString PdfText(const QString& datei, int seite = 0);

// Page count by pdfinfo; -1 when it cannot be read.
int PdfSeitenzahl(const QString& datei);
