#include "Schuldaten.h"

#include "UReg.h"

#include <QRegularExpression>

namespace {

const QString Schule = QStringLiteral("Schule");

} // namespace

QString SchulfeldBereinigen(const QString& text) {
    // Blanks next to a break go with it, so that "Str. 1 \r\n 12345 Ort" does not get three blanks.
    static const QRegularExpression umbruch(QStringLiteral("\\s*[\\p{Cc}\\x{2028}\\x{2029}]+\\s*"));
    QString ergebnis;
    qsizetype bis = 0;
    for (auto treffer = umbruch.globalMatch(text); treffer.hasNext();) {
        const QRegularExpressionMatch m = treffer.next();
        ergebnis += QStringView(text).mid(bis, m.capturedStart() - bis);
        if (m.capturedStart() > 0 && m.capturedEnd() < text.size()) ergebnis += u' ';
        bis = m.capturedEnd();
    }
    return bis == 0 ? text : ergebnis.append(QStringView(text).mid(bis));
}

TSchuldaten SchuldatenLesen(const TEinstellungsSpeicher& speicher) {
    const TSchluessel s = speicher.SchluesselLesen(Schule);
    // A hand-edited store may hold breaks the dialog would never write.
    auto feld = [&s](const char* name) { return SchulfeldBereinigen(s.TextLesen(QLatin1String(name), {})); };
    return {feld("Name"), feld("Strasse"), feld("Ort"), feld("Telefon"), feld("Fax")};
}

void SchuldatenSchreiben(TEinstellungsSpeicher& speicher, const TSchuldaten& daten) {
    TSchluessel s = speicher.SchluesselSchreiben(Schule);
    s.TextSchreiben(QStringLiteral("Name"), SchulfeldBereinigen(daten.Name));
    s.TextSchreiben(QStringLiteral("Strasse"), SchulfeldBereinigen(daten.Strasse));
    s.TextSchreiben(QStringLiteral("Ort"), SchulfeldBereinigen(daten.Ort));
    s.TextSchreiben(QStringLiteral("Telefon"), SchulfeldBereinigen(daten.Telefon));
    s.TextSchreiben(QStringLiteral("Fax"), SchulfeldBereinigen(daten.Fax));
}
