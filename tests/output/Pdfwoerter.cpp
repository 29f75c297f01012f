#include "Pdfwoerter.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

namespace {

QString Ausgabe(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(30000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

const TWort* TPdfSeiten::Wort(const QString& text, int seite) const {
    for (const TWort& w : Woerter)
        if (w.Text == text && w.Seite == seite) return &w;
    return nullptr;
}

QString TPdfSeiten::Text() const {
    QStringList teile;
    for (const TWort& w : Woerter)
        teile << w.Text;
    return teile.join(u' ');
}

TPdfSeiten PdfLesen(const QByteArray& pdf) {
    TPdfSeiten ergebnis;
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("liste.pdf"));
    QFile f(datei);
    if (!f.open(QIODevice::WriteOnly)) return ergebnis;
    f.write(pdf);
    f.close();
    const QString html =
        Ausgabe(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), datei, QStringLiteral("-")});
    static const QRegularExpression seite(QStringLiteral("<page width=\"([\\d.]+)\""));
    static const QRegularExpression wort(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    if (const auto m = seite.match(html); m.hasMatch()) ergebnis.Breite = m.captured(1).toDouble();
    for (auto it = wort.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++ergebnis.Seiten;
            continue;
        }
        QString text = m.captured(4);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        ergebnis.Woerter.append({text, m.captured(1).toDouble(), m.captured(2).toDouble(), ergebnis.Seiten,
                                 m.captured(3).toDouble()});
    }
    ergebnis.Schriften = Ausgabe(QStringLiteral("pdffonts"), {datei});
    return ergebnis;
}
