#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTest>

// Why no test can read a QR code here (zbarimg or pdftoppm missing); empty when it can.
QString CodeleserFehlt();

// Skips a test where no code can be read, but fails it where VEL_ZBARTEST demands the reader (CI).
#define VEL_CODELESER_NOETIG()                                                                               \
    do {                                                                                                     \
        const QString velGrund = CodeleserFehlt();                                                           \
        if (!velGrund.isEmpty()) {                                                                           \
            if (!qEnvironmentVariableIsEmpty("VEL_ZBARTEST")) QFAIL(qPrintable(velGrund));                   \
            QSKIP(qPrintable(velGrund));                                                                     \
        }                                                                                                    \
    } while (false)

// What a print at 300 dpi shows to a scanner: each page rasterised as pdftoppm does, and the codes
// zbarimg reads there, by page (counted from 1). VEL_PDF_ORDNER=dir keeps the pages for a look at them,
// named after name.
QMap<int, QByteArray> CodesLesen(const QByteArray& pdf, const QString& name = QStringLiteral("liste"));

// A calendar without the stamp of the moment it was written, which differs between two runs.
QByteArray OhneStempel(const QByteArray& kalender);
