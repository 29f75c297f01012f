#include "Codeleser.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

QString CodeleserFehlt() {
    for (const char* programm : {"zbarimg", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(programm)).isEmpty())
            return QStringLiteral("%1 fehlt (scripts/install-deps installiert zbar-tools und poppler-utils)")
                .arg(QString::fromLatin1(programm));
    return {};
}

QMap<int, QByteArray> CodesLesen(const QByteArray& pdf, const QString& name) {
    QMap<int, QByteArray> codes;
    QTemporaryDir ordner;
    QFile datei(ordner.filePath(QStringLiteral("liste.pdf")));
    if (!datei.open(QIODevice::WriteOnly)) return codes;
    datei.write(pdf);
    datei.close();
    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), datei.fileName(),
                  ordner.filePath(QStringLiteral("seite"))});
    raster.waitForFinished(120000);
    const QStringList seiten =
        QDir(ordner.path()).entryList({QStringLiteral("seite*.png")}, QDir::Files, QDir::Name);
    for (int i = 0; i < seiten.size(); ++i) {
        const QString png = ordner.filePath(seiten[i]);
        if (const QString behalten = qEnvironmentVariable("VEL_PDF_ORDNER"); !behalten.isEmpty())
            QFile::copy(png, QDir(behalten).filePath(QStringLiteral("%1-%2.png").arg(name).arg(i + 1)));
        QProcess zbar;
        zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), png});
        zbar.waitForFinished(120000);
        QByteArray text = zbar.readAllStandardOutput();
        // zbarimg ends each symbol's text with a line break of its own.
        if (text.endsWith('\n')) text.chop(1);
        if (!text.isEmpty()) codes.insert(i + 1, text);
    }
    return codes;
}

QByteArray OhneStempel(const QByteArray& kalender) {
    static const QRegularExpression stempel(QStringLiteral("DTSTAMP:\\d{8}T\\d{6}Z"));
    return QString::fromUtf8(kalender).replace(stempel, QStringLiteral("DTSTAMP:")).toUtf8();
}
