#include "Notizzettel.h"

#include "model/Meldung.h"
#include "model/Projekt.h"

#include <array>

namespace {

const std::array<const char*, NotizSchritte> Beschriftungen = {
    "Zeitrahmen festgelegt",
    "Standardvorgabe für Zeitsperrungen festgelegt",
    "Lehrerliste erfasst",
    "Elternliste erfasst",
    "Lehrerliste bearbeitet (Zeiten gesperrt)",
    "Elternliste: Zeiten gesperrt,\rGesprächswünsche eingegeben",
    "Räume zugeordnet",
    "Termine berechnet",
    "Terminvergabe bei Lehrern geprüft, verbessert",
    "Terminvergabe bei Eltern geprüft, verbessert",
    "Gesprächslisten für Lehrer gedruckt",
    "Gesprächslisten für Eltern gedruckt",
};

constexpr int Zeitrahmen = 1;
constexpr int ErsterMitGespraechen = 6;

bool Gueltig(int schritt) {
    return schritt >= 1 && schritt <= NotizSchritte;
}

bool& Haken(TProjekt& p, int schritt) {
    return p.NotizHaken[static_cast<size_t>(schritt - 2)];
}

} // namespace

QString NotizBeschriftung(int schritt) {
    return Gueltig(schritt) ? QString::fromUtf8(Beschriftungen[static_cast<size_t>(schritt - 1)]) : QString();
}

bool HakenGesetzt(const TProjekt* projekt, int schritt) {
    if (!projekt || !Gueltig(schritt)) return false;
    return schritt == Zeitrahmen || projekt->NotizHaken[static_cast<size_t>(schritt - 2)];
}

void HakenSetzen(TProjekt& projekt, int schritt, bool an) {
    if (Gueltig(schritt) && schritt != Zeitrahmen) Haken(projekt, schritt) = an;
}

QString HakenVerweigerung(const TProjekt* p, int schritt) {
    switch (schritt) {
    case 2:
        return p ? QString() : QStringLiteral("es keinen Zeitrahmen gibt");
    case 3:
    case 5:
        return p && !p->Lehrerliste.Leer() ? QString() : QStringLiteral("die Lehrerliste leer ist");
    case 4:
    case 6:
        return p && !p->Elternliste.Leer() ? QString() : QStringLiteral("die Elternliste leer ist");
    case 7:
        return p && p->Lehrerliste.HatRaum() ? QString() : QStringLiteral("es keinen Lehrer mit Raum gibt");
    default:
        return p && p->Gespraechsliste.HatTermine() ? QString()
                                                    : QString::fromUtf8("kein Gespräch terminiert ist");
    }
}

bool HakenUmschalten(TProjekt* projekt, int schritt, TMeldung& meldung) {
    if (!Gueltig(schritt)) return false;
    if (schritt == Zeitrahmen) {
        meldung.Meldung(QString::fromUtf8("Dieses Feld verwaltet VEL für Sie."),
                        QStringLiteral("Notizzettel"), MeldungsArt::Information);
        return false;
    }
    // A ticked mark can always be cleared.
    if (!HakenGesetzt(projekt, schritt)) {
        const QString grund = HakenVerweigerung(projekt, schritt);
        if (!grund.isEmpty()) {
            meldung.Meldung(QStringLiteral("Weil ") + grund +
                                QString::fromUtf8(",\rkönnen Sie dieses Feld nicht abhaken."),
                            QStringLiteral("Notizzettel"), MeldungsArt::Information);
            return false;
        }
    }
    bool& haken = Haken(*projekt, schritt);
    haken = !haken;
    return true;
}

bool HakenAbgleichen(TProjekt& p) {
    bool geaendert = false;
    const auto loeschen = [&](int schritt) {
        geaendert |= Haken(p, schritt);
        Haken(p, schritt) = false;
    };
    if (p.Gespraechsliste.Leer())
        for (int s = ErsterMitGespraechen; s <= NotizSchritte; ++s)
            loeschen(s);
    if (p.Lehrerliste.Leer())
        for (int s : {3, 5, 7})
            loeschen(s);
    if (p.Elternliste.Leer()) loeschen(4);
    return geaendert;
}

void NotizenLeeren(TProjekt& projekt) {
    projekt.NotizHaken.fill(false);
    projekt.NotizText.clear();
}
