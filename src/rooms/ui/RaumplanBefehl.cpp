// Opening the room occupancy plan.
#include "RaumBefehle.h"

#include "model/Meldung.h"
#include "model/Projekt.h"
#include "rooms/RaumZeitplan.h"

void TRaumBefehle::AnsRaumDlgClick() {
    RaumplanAusgeben(false);
}

void TRaumBefehle::RaumplanAusgeben(bool alsPdf) {
    (void)alsPdf;
    TProjekt* p = Projekt();
    if (!p) return;
    RaumplanVorbereiten(*p);
    if (p->RaumListe.Raeume().isEmpty()) {
        U.Meldungen.Meldung(QString::fromUtf8(RaumplanOhneRaeumeText), QStringLiteral("Hinweis"),
                            MeldungsArt::Information);
        return;
    }
}
