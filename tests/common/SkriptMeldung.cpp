#include "SkriptMeldung.h"

#include <QStringList>

Antwort TSkriptMeldung::Meldung(const QString& text, const QString& titel, MeldungsArt art, Knoepfe knoepfe,
                                Antwort vorgabe, int hilfekontext) {
    Protokoll.append({text, titel, art, knoepfe, vorgabe, {}, hilfekontext});
    if (BeiMeldung) BeiMeldung();
    return Antworten.isEmpty() ? vorgabe : Antworten.takeFirst();
}

QStringList TSkriptMeldung::Titel() const {
    QStringList titel;
    for (const auto& e : Protokoll)
        titel << e.Titel;
    return titel;
}

int TSkriptMeldung::Auswahl(const QString& text, const QString& titel, MeldungsArt art,
                            const QStringList& knoepfe, int vorgabe) {
    Protokoll.append({text, titel, art, Knoepfe::OK, Antwort::OK, knoepfe});
    if (BeiMeldung) BeiMeldung();
    return Auswahlen.isEmpty() ? vorgabe : Auswahlen.takeFirst();
}
