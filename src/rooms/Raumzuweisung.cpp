#include "Raumzuweisung.h"

#include "model/Projekt.h"

namespace {

bool PositiveZahl(const QString& text) {
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9') return false;
    bool ok = false;
    const int zahl = text.toInt(&ok, 10);
    return ok && zahl > 0;
}

} // namespace

QString RaumbezeichnungNormieren(const QString& text) {
    const QString raum = Trimmen(text);
    return PositiveZahl(raum) ? QStringLiteral("Raum ") + raum : raum;
}

QString RaumZusammensetzen(const QString& raum1, const QString& raum2) {
    const QString tag1 = RaumbezeichnungNormieren(raum1);
    const QString tag2 = RaumbezeichnungNormieren(raum2);
    if (tag2.isEmpty() || tag2 == tag1) return tag1;
    return tag1 + QChar(RaumTrenner) + tag2;
}

std::pair<QString, QString> RaumTeile(const QString& raum) {
    if (!raum.contains(QChar(RaumTrenner))) return {raum, QString()};
    return {RaumAmTag(raum, 0), RaumAmTag(raum, 1)};
}

bool RaumUebernehmen(TLehrer& lehrer, const QString& raum1, const QString& raum2) {
    const QString raum = RaumZusammensetzen(raum1, raum2);
    if (raum == lehrer.Raum) return false;
    lehrer.Raum = raum;
    return true;
}

void AlleRaeumeLoeschen(TLehrerliste& lehrer) {
    for (const auto& l : lehrer)
        l->Raum.clear();
}

bool RaeumeZugeordnet(const TProjekt& projekt) {
    if (projekt.Gespraechsliste.Leer()) return false;
    // Counted from the conversations themselves, so that stale counters cannot tick the mark.
    for (const auto& g : projekt.Gespraechsliste)
        if (g->Lehrer && g->Lehrer->Raum.isEmpty()) return false;
    return true;
}

void RaeumeZugeordnetVermerken(TProjekt& projekt) {
    projekt.NotizHaken[Notizhaken::RaeumeZugeordnet] = RaeumeZugeordnet(projekt);
}
