// Opening the room occupancy plan.
#include "RaumBefehle.h"

#include "Raumbelegung.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "output/ui/DruckBefehle.h"
#include "rooms/RaumZeitplan.h"

void TRaumBefehle::AnsRaumDlgClick() {
    RaumplanOeffnen(TRaumplanStart::Anzeigen);
}

void TRaumBefehle::RaumplanAusgeben(bool alsPdf) {
    RaumplanOeffnen(alsPdf ? TRaumplanStart::AlsPdf : TRaumplanStart::Drucken);
}

void TRaumBefehle::RaumplanOeffnen(TRaumplanStart start) {
    TProjekt* p = Projekt();
    if (!p) return;
    const TLehrer* ohneRaum = RaumplanVorbereiten(*p);
    if (p->RaumListe.Raeume().isEmpty()) {
        U.Meldungen.Meldung(QString::fromUtf8(RaumplanOhneRaeumeText), QStringLiteral("Hinweis"),
                            MeldungsArt::Information);
        return;
    }
    if (ohneRaum)
        U.Meldungen.Meldung(RaumzuweisungUnvollstaendigText(*ohneRaum),
                            QString::fromUtf8(RaumzuweisungUnvollstaendigTitel), MeldungsArt::Warnung);
    if (!Druck) Druck = new TDruckBefehle(U, this);
    if (!Raumbelegung) {
        Raumbelegung = new TFRaumbelegung(U.Dokument, U.Meldungen, U.Dateiwahl, Druck->Drucker(),
                                          Druck->Stand.PdfOrdner, U.Hilfe, U.Fenster);
        // Without a window to own it, it goes with the group.
        connect(this, &QObject::destroyed, Raumbelegung, [fenster = Raumbelegung] { delete fenster; });
    }
    if (!Raumbelegung->Oeffnen(start)) return;
    Raumbelegung->exec();
}
