#include "Schuldaten.h"

namespace {

// A field of blanks only prints nothing, not "Fax: " with nothing after it.
bool Leer(const QString& feld) {
    return feld.trimmed().isEmpty();
}

} // namespace

std::array<QString, 4> SchulKopffelder(const TSchuldaten& daten) {
    QStringList anschrift;
    for (const QString& teil : {daten.Strasse, daten.Ort})
        if (!Leer(teil)) anschrift << teil;
    return {Leer(daten.Name) ? QString() : daten.Name, anschrift.join(QStringLiteral(", ")),
            Leer(daten.Telefon) ? QString() : QStringLiteral("Tel.: ") + daten.Telefon,
            Leer(daten.Fax) ? QString() : QStringLiteral("Fax: ") + daten.Fax};
}

QStringList SchulKopfzeilen(const TSchuldaten& daten, bool mitName) {
    const std::array<QString, 4> felder = SchulKopffelder(daten);
    QStringList zeilen;
    for (size_t i = mitName ? 0 : 1; i < felder.size(); ++i)
        if (!felder[i].isEmpty()) zeilen << felder[i];
    return zeilen;
}
