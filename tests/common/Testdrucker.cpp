#include "Testdrucker.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

const QString TestdruckerName = QStringLiteral("VEL-Test");
const QString TestdruckerAblage = QStringLiteral("/var/spool/vel-testdruck");

namespace {

// Must stay what the queue's backend in scripts/druckwarteschlange does to a title.
QString AblageName(const QString& titel) {
    QByteArray name = titel.toUtf8().left(100);
    for (char& c : name) {
        const bool bleibt = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                            c == '.' || c == '_' || c == '-';
        if (!bleibt) c = '_';
    }
    return QString::fromLatin1(name);
}

struct TAusgabe {
    bool Ok = false;
    QByteArray Text;
};

TAusgabe Ausfuehren(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("%s %s: %s %s", qPrintable(programm), qPrintable(argumente.join(' ')),
                 qPrintable(p.errorString()), p.readAllStandardError().constData());
        return {};
    }
    return {true, p.readAllStandardOutput()};
}

} // namespace

QString TestdruckerFehlt() {
    if (!QPrinterInfo::availablePrinterNames().contains(TestdruckerName))
        return QStringLiteral("Keine Druckwarteschlange %1 (CUPS und scripts/druckwarteschlange fehlen)")
            .arg(TestdruckerName);
    const QString standard = QPrinterInfo::defaultPrinterName();
    if (standard != TestdruckerName)
        return QStringLiteral("Der Standarddrucker ist nicht %1, sondern %2; PRINTER=%1 LPDEST=%1 setzen")
            .arg(TestdruckerName, standard.isEmpty() ? QStringLiteral("keiner") : standard);
    if (!QFileInfo(TestdruckerAblage).isReadable())
        return QStringLiteral("Ablage %1 der Warteschlange %2 ist nicht lesbar")
            .arg(TestdruckerAblage, TestdruckerName);
    return {};
}

QString EindeutigerAuftragstitel(const QString& anfang) {
    static int zaehler = 0;
    return QStringLiteral("%1 %2-%3-%4")
        .arg(anfang)
        .arg(QCoreApplication::applicationPid())
        .arg(++zaehler)
        .arg(QDateTime::currentMSecsSinceEpoch());
}

TTestdruckAblage::TTestdruckAblage() {
    const QStringList namen = QDir(TestdruckerAblage).entryList(QDir::Files);
    Bekannt = QSet<QString>(namen.begin(), namen.end());
}

QString TTestdruckAblage::Erwarten(const QString& titel, int wartezeitMs) {
    // The backend renames a job's file into place only when it is complete.
    static const QRegularExpression muster(QStringLiteral("^\\d{8}-\\d{6}\\.\\d+-\\d+-(.*)\\.pdf$"));
    const QString gesucht = AblageName(titel);
    const QDeadlineTimer frist(wartezeitMs);
    const QDir ablage(TestdruckerAblage);
    while (true) {
        // Sorted by name is oldest first: of several new jobs with this title the first printed is next.
        for (const QString& name : ablage.entryList(QDir::Files, QDir::Name)) {
            const QRegularExpressionMatch m = muster.match(name);
            if (Bekannt.contains(name) || !m.hasMatch() || m.captured(1) != gesucht) continue;
            Bekannt.insert(name);
            return ablage.filePath(name);
        }
        if (frist.hasExpired()) break;
        QThread::msleep(50);
    }
    // What the queue is doing tells a stuck job from one that never arrived.
    const TAusgabe zustand = Ausfuehren(QStringLiteral("lpstat"), {QStringLiteral("-p"), TestdruckerName,
                                                                   QStringLiteral("-o"), TestdruckerName});
    qWarning("Kein Druckauftrag \"%s\" in %s nach %d ms; lpstat:\n%s", qPrintable(titel),
             qPrintable(TestdruckerAblage), wartezeitMs, zustand.Text.constData());
    return {};
}

QString PdfText(const QString& datei, int seite) {
    QStringList argumente{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (seite > 0)
        argumente << QStringLiteral("-f") << QString::number(seite) << QStringLiteral("-l")
                  << QString::number(seite);
    argumente << datei << QStringLiteral("-");
    return QString::fromUtf8(Ausfuehren(QStringLiteral("pdftotext"), argumente).Text);
}

int PdfSeitenzahl(const QString& datei) {
    const TAusgabe info = Ausfuehren(QStringLiteral("pdfinfo"), {datei});
    static const QRegularExpression seiten(QStringLiteral("^Pages:\\s+(\\d+)\\s*$"),
                                           QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = seiten.match(QString::fromUtf8(info.Text));
    return info.Ok && m.hasMatch() ? m.captured(1).toInt() : -1;
}
