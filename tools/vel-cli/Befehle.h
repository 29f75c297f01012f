#pragma once

#include <QStringList>

// One function per command; the result is the exit status.
int BefehlGenerate(const QStringList& argumente);
int BefehlDump(const QStringList& argumente);
int BefehlConvert(const QStringList& argumente);
int BefehlPlan(const QStringList& argumente);
int BefehlCheck(const QStringList& argumente);
int BefehlPdf(const QStringList& argumente);
int BefehlRtf(const QStringList& argumente);
int BefehlIcs(const QStringList& argumente);
int BefehlRaeume(const QStringList& argumente);
int BefehlStatistik(const QStringList& argumente);
int BefehlImportLehrer(const QStringList& argumente);
int BefehlImportEltern(const QStringList& argumente);
int BefehlExportLehrer(const QStringList& argumente);
int BefehlVerbessern(const QStringList& argumente);
