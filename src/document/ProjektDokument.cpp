#include "ProjektDokument.h"

#include "model/Projekt.h"

#include <QFileInfo>
#include <utility>

TProjektDokument::TProjektDokument(QObject* eltern)
    : QObject(eltern) {}

TProjektDokument::~TProjektDokument() = default;

namespace {

// Changes after which a person may have gained or lost its last appointment.
constexpr TAenderungen PlanBeruehrt = TAenderung::Plan | TAenderung::Gespraeche | TAenderung::Familien |
                                      TAenderung::Kinder | TAenderung::Lehrer | TAenderung::Rahmen |
                                      TAenderung::Zeiten;

} // namespace

void TProjektDokument::Ersetzen(std::unique_ptr<TProjekt> neu, const QString& datei) {
    // Who has an appointment follows the plan wherever it changes, so that output only reads it.
    if (neu) neu->BelegungMarkieren();
    const std::unique_ptr<TProjekt> alt = std::exchange(Aktuell, std::move(neu));
    DateiPfad = datei;
    Rueck.Clear();
    GeaendertStand = SicherungFaelligStand = SicherungAnstehendStand = false;
    Q_EMIT ProjektErsetzt();
}

QString TProjektDokument::Name() const {
    return QFileInfo(DateiPfad).fileName();
}

void TProjektDokument::DateiSetzen(const QString& datei) {
    if (datei == DateiPfad) return;
    DateiPfad = datei;
    Q_EMIT DateiGewechselt();
}

void TProjektDokument::Melden(TAenderungen was) {
    if (Aktuell && (was & PlanBeruehrt)) Aktuell->BelegungMarkieren();
    GeaendertStand = SicherungFaelligStand = true;
    Q_EMIT Geaendert(was);
    if (!Beschaeftigt()) BefehlBeendet();
}

void TProjektDokument::AlsGeaendertMarkieren() {
    GeaendertStand = true;
}

void TProjektDokument::Gespeichert() {
    GeaendertStand = SicherungFaelligStand = SicherungAnstehendStand = false;
}

void TProjektDokument::SicherungAnfordern() {
    if (!SicherungFaelligStand) return;
    SicherungAnstehendStand = true;
    if (!Beschaeftigt()) Q_EMIT SicherungGewuenscht();
}

void TProjektDokument::SicherungGeschrieben() {
    SicherungFaelligStand = SicherungAnstehendStand = false;
}

void TProjektDokument::SicherungAbbestellen() {
    SicherungAnstehendStand = false;
}

void TProjektDokument::BefehlBeendet() {
    if (SicherungAnstehendStand) Q_EMIT SicherungGewuenscht();
}

TBefehlsWache::TBefehlsWache(TProjektDokument& dokument)
    : Dokument(dokument) {
    if (++Dokument.Befehlstiefe == 1) Q_EMIT Dokument.BefehlBeginnt();
}

TBefehlsWache::~TBefehlsWache() {
    if (--Dokument.Befehlstiefe == 0) Dokument.BefehlBeendet();
}
