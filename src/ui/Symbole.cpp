#include "Symbole.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QStandardPaths>
#include <utility>

namespace {

const char* const Groessen[] = {"16x16", "22x22", "24x24", "32x32"};
const char* const Bereiche[] = {"actions", "apps",      "categories", "devices", "emblems",
                                "emotes",  "mimetypes", "places",     "status"};

QStringList ThemaOrdner() {
    static const QStringList ordner = QStandardPaths::locateAll(
        QStandardPaths::GenericDataLocation, QStringLiteral("icons/Tango"), QStandardPaths::LocateDirectory);
    return ordner;
}

// Grey and faint: the style's own disabled form of the grey Tango icons (go-home, the editor) is hard to
// tell from the enabled one.
QPixmap Gesperrt(const QPixmap& bild) {
    QImage grau = bild.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grau.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(grau.scanLine(y));
        for (int x = 0; x < grau.width(); ++x) {
            const int g = qGray(zeile[x]);
            zeile[x] = qRgba(g, g, g, qAlpha(zeile[x]) * 35 / 100);
        }
    }
    return QPixmap::fromImage(grau);
}

} // namespace

QIcon Symbol(const QString& name) {
    static QHash<QString, QIcon> geladen;
    if (const auto gefunden = geladen.constFind(name); gefunden != geladen.constEnd()) return *gefunden;
    QIcon symbol;
    for (const QString& thema : ThemaOrdner())
        for (const char* groesse : Groessen)
            for (const char* bereich : Bereiche) {
                const QString datei = QStringLiteral("%1/%2/%3/%4.png")
                                          .arg(thema, QLatin1String(groesse), QLatin1String(bereich), name);
                if (QFileInfo::exists(datei)) symbol.addFile(datei);
            }
    for (const QSize& groesse : symbol.availableSizes())
        symbol.addPixmap(Gesperrt(symbol.pixmap(groesse)), QIcon::Disabled);
    geladen.insert(name, symbol);
    return symbol;
}

QPixmap ListenBild(int nummer) {
    static const std::pair<int, const char*> bilder[] = {{0, "folder-open"},   {3, "folder"},
                                                         {7, "contact-new"},   {1, "face-smile-big"},
                                                         {4, "face-smile"},    {2, "internet-group-chat"},
                                                         {15, "system-users"}, {16, "appointment"}};
    for (const auto& [n, name] : bilder)
        if (n == nummer) {
            const int groesse = nummer == 16 ? 18 : 16;
            return Symbol(QLatin1String(name)).pixmap(groesse, groesse);
        }
    return {};
}
