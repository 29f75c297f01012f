// Renders the program's icon at the sizes of the hicolor icon theme, at build time.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <QTextStream>

// vel-symbolbilder QUELLE.svg ZIELORDNER GROESSE... writes ZIELORDNER/NxN/apps/vel.png for every size.
int main(int argc, char* argv[]) {
    QTextStream fehler(stderr);
    if (argc < 4) {
        fehler << "Aufruf: vel-symbolbilder QUELLE.svg ZIELORDNER GROESSE...\n";
        return 2;
    }
    QSvgRenderer bild(QString::fromLocal8Bit(argv[1]));
    if (!bild.isValid()) {
        fehler << "Das Bild " << argv[1] << " lässt sich nicht lesen.\n";
        return 1;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int groesse = QString::fromLatin1(argv[i]).toInt();
        if (groesse <= 0) {
            fehler << "Ungültige Größe: " << argv[i] << '\n';
            return 2;
        }
        QImage symbol(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
        symbol.fill(Qt::transparent);
        QPainter maler(&symbol);
        bild.render(&maler);
        maler.end();
        const QString ordner = QStringLiteral("%1x%1/apps").arg(groesse);
        const QString datei = ziel.filePath(ordner + QStringLiteral("/vel.png"));
        if (!ziel.mkpath(ordner) || !symbol.save(datei)) {
            fehler << "Die Datei " << datei << " lässt sich nicht schreiben.\n";
            return 1;
        }
    }
    return 0;
}
