#include "Updateadressen.h"

#include "UReg.h"

namespace {

// An empty value counts as absent; an address without a scheme is reached by HTTPS.
QString Adresse(const TSchluessel& s, const QString& name, const QString& vorgabe) {
    const QString wert = s.TextLesen(name, {}).trimmed();
    const QString adresse = wert.isEmpty() ? vorgabe : wert;
    return adresse.contains(QStringLiteral("://")) ? adresse : QStringLiteral("https://") + adresse;
}

} // namespace

TUpdateAdressen UpdateAdressenLesen(const TEinstellungsSpeicher& speicher) {
    const TSchluessel s = speicher.SchluesselLesen(QStringLiteral("Update"));
    return {Adresse(s, QStringLiteral("Versionsskript"), QStringLiteral("www.tarnwiek.de/script/myjs.js")),
            Adresse(s, QStringLiteral("Downloadseite"), QStringLiteral("www.tarnwiek.de/download"))};
}
