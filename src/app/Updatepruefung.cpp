#include "Updatepruefung.h"

#include <QRegularExpression>
#include <QStringList>

std::optional<TVersion> VersionLesen(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^\\d+(\\.\\d+){0,3}$"));
    if (!form.match(text).hasMatch()) return std::nullopt;
    uint16_t teile[4] = {0, 0, 0, 0};
    const QStringList zahlen = text.split(u'.');
    for (qsizetype i = 0; i < zahlen.size(); ++i) {
        bool ok = false;
        const uint wert = zahlen[i].toUInt(&ok);
        if (!ok || wert > 0xFFFF) return std::nullopt;
        teile[i] = static_cast<uint16_t>(wert);
    }
    return TVersion{teile[0], teile[1], teile[2], teile[3]};
}

bool IstNeuer(const TVersion& a, const TVersion& b) {
    const auto hoch = [](const TVersion& v) { return uint32_t{v.Major} << 16 | v.Minor; };
    const auto tief = [](const TVersion& v) { return uint32_t{v.Release} << 16 | v.Build; };
    return hoch(a) != hoch(b) ? hoch(a) > hoch(b) : tief(a) > tief(b);
}

QString VersionImText(const QString& inhalt) {
    static const QRegularExpression schluessel(QStringLiteral("velver\\s*="));
    static const QRegularExpression ende(QStringLiteral("[;\\r\\n]|\\bvar\\b"));
    const QRegularExpressionMatch treffer = schluessel.match(inhalt);
    QString text = (treffer.hasMatch() ? inhalt.mid(treffer.capturedEnd()) : inhalt).trimmed();
    const qsizetype bis = text.indexOf(ende);
    if (bis >= 0) text.truncate(bis);
    return text.remove(u'"').remove(u'\'').trimmed();
}

QString UpdateMeldung(const TVersionsantwort& antwort, const QString& eigeneVersion,
                      const QString& downloadseite) {
    const QString nichtGefunden = QStringLiteral("Die Version im Netz konnte nicht gefunden werden.");
    if (antwort.Status == 0) return nichtGefunden;
    if (antwort.Status != 200 && antwort.Status != 302)
        return QStringLiteral("Offenbar konnte die Versionsnummer auf der Tarnwiek-Homepage nicht gefunden "
                              "werden.\r\rMeldung:\rStatus: %1")
            .arg(antwort.Status);
    const QString imNetz = VersionImText(QString::fromUtf8(antwort.Inhalt));
    const std::optional<TVersion> netz = VersionLesen(imNetz);
    // A page without a version (an error page, a moved script) must not pass for "up to date".
    if (!netz) return nichtGefunden;
    const TVersion eigene = VersionLesen(eigeneVersion).value_or(TVersion{});
    if (!IstNeuer(*netz, eigene))
        return QStringLiteral("Version im Netz: %1\rIhre Version: %2\rIhre Version ist bereits auf neuestem "
                              "Stand.")
            .arg(imNetz, eigeneVersion);
    return QString::fromUtf8(
               "Eine neuere Version ist im Netz verfügbar!\rVersion im Netz: %1\rIhre Version: "
               "%2\r\rZum Updaten müssen Sie VEL beenden und die Setup-Datei (vel_pkg.exe) von\r")
               .arg(imNetz, eigeneVersion) +
           downloadseite + QStringLiteral("\rherunter laden und starten.");
}
