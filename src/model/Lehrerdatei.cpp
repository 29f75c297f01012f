#include "Entnehmen.h"
#include "Meldung.h"
#include "Projekt.h"
#include "Projektdatei.h"
#include "VELMemStream.h"

namespace {

const char* const LehrerMagic = "VEL_Lehrer00";

} // namespace

bool LehrerdateiSpeichern(const TLehrerliste& liste, const QString& pfad, QString& fehler) {
    TVELMemStream s;
    s.SchreibeKurzText(LehrerMagic);
    LehrerlisteSchreiben(s, liste, false);
    fehler = s.Schreibfehler;
    return fehler.isEmpty() && DateiSchreiben(pfad, s.Inhalt(), fehler);
}

bool LehrerdateiLaden(const QString& pfad, TProjekt& p, TMeldung& meldung) {
    if (!p.Gespraechsliste.Leer()) return false;
    QByteArray daten;
    QString fehler;
    if (!DateiLesen(pfad, daten, fehler)) {
        meldung.Meldung(fehler, QStringLiteral("Fehler"), MeldungsArt::Fehler);
        return false;
    }
    TVELMemStream s(daten);
    if (KurzTextKleiner(s.KurzText(), LehrerMagic)) {
        meldung.Meldung(QStringLiteral("Die Datei ist keine Lehrerdatei"), QStringLiteral("Fehler"),
                        MeldungsArt::Fehler);
        return false;
    }
    TLehrerliste neu;
    LehrerlisteLesen(s, TDateiformat{4, false, false, false}, p.Standardsperre, neu);
    if (!s.LeseOK) {
        meldung.Meldung(BeschaedigtText(pfad), QStringLiteral("Fehler"), MeldungsArt::Fehler);
        return false;
    }
    p.Lehrerliste.Clear();
    for (auto& l : AllesEntnehmen(neu))
        p.Lehrerliste.Add(std::move(l));
    return true;
}
