#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// What a run of the command line tool answered. VEL_CLI is its path, defined by each test program that
// runs it.
struct TAufruf {
    int Status = -1;
    QString Ausgabe;
    QString Fehler;
};

inline TAufruf
VelCliAufrufen(const QStringList& argumente,
               const QProcessEnvironment& umgebung = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(umgebung);
    p.start(QStringLiteral(VEL_CLI), argumente);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
