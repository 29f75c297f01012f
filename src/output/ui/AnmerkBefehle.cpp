#include "AnmerkBefehle.h"

#include "FAnmerk.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "output/Anmerkungen.h"
#include "settings/Einstellungen.h"

#include <QAction>

TAnmerkBefehle::TAnmerkBefehle(const TBefehlsumgebung& umgebung, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern)
    , AutoAnmerkFragen(!U.Programmwerte.autoAnmerk) {}

void TAnmerkBefehle::Anschliessen(QAction* aktion, void (TAnmerkBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    // The entries for one person follow the selection of their list.
    if (handler != &TAnmerkBefehle::AnmerkE1Click && handler != &TAnmerkBefehle::AnmerkL1Click)
        Aufnehmen(aktion, TRegel::Projekt);
}

void TAnmerkBefehle::IndividuelleAnmerkungen1Click() {
    if (!Projekt()) return;
    if (const TPerson* person = Fokusperson ? Fokusperson() : nullptr)
        return Oeffnen(person, dynamic_cast<const TEltern*>(person) != nullptr);
    U.Meldungen.Meldung(
        QString::fromUtf8(
            "Für individuelle Anmerkungen (ergänzende Texte zu den Gesprächslisten)\rmuss die gewünschte "
            "Person gewählt werden - \rentweder hier oder im Fenster zum Bearbeiten der Gesprächslisten "
            "(F5).\r\rIn Gesprächslistenfenster benötigen Sie dazu das Kontextmenü (rechte Maustaste).\r\r"
            "Auch hier im Hauptfenster gibt es für Lehrer und Eltern ein Kontextmenü."),
        QStringLiteral("Hinweis"), MeldungsArt::Information);
}

void TAnmerkBefehle::AutoAnmerk1Click() {
    Fragen(true);
}

void TAnmerkBefehle::AnmerkE1Click() {
    if (const TPerson* person = Familie ? Familie() : nullptr) Oeffnen(person, true);
}

void TAnmerkBefehle::AnmerkL1Click() {
    if (const TPerson* person = Lehrkraft ? Lehrkraft() : nullptr) Oeffnen(person, false);
}

void TAnmerkBefehle::KindKommtMitGesetzt() {
    if (AutoAnmerkFragen && !U.Programmwerte.autoAnmerk) Fragen(false);
}

void TAnmerkBefehle::Oeffnen(const TPerson* person, bool eltern, QWidget* fenster) {
    TProjekt* p = Projekt();
    if (!p) return;
    // The person as the project holds it, which the dialog's result may change.
    TPerson* eigen = nullptr;
    if (person) {
        const auto suchen = [&](const auto& liste) {
            for (const auto& x : liste)
                if (x.get() == person) eigen = x.get();
        };
        suchen(p->Elternliste);
        suchen(p->Lehrerliste);
        if (!eigen) return;
    }
    const TBefehlsWache wache(U.Dokument);
    TFAnmerk dlg(p->Listenlayout, eltern, eltern ? p->AnmerkungAlleEltern : p->AnmerkungAlleLehrer, eigen,
                 fenster ? fenster : U.Fenster);
    if (dlg.exec() != QDialog::Accepted) return;
    if (AnmerkungenUebernehmen(*p, eltern, eigen, dlg.Alle(), dlg.Eigene()))
        U.Dokument.Melden(TAenderung::Anmerkungen);
}

void TAnmerkBefehle::Fragen(bool ausMenue) {
    AutoAnmerkFragen = false;
    const TBefehlsWache wache(U.Dokument);
    const TAutoAnmerkEntscheidung e =
        AutoAnmerkungFragen(U.Meldungen, Projekt(), U.Programmwerte.autoAnmerk, ausMenue);
    if (e.Umgeschaltet)
        ProgrammwertSchreiben(U.Speicher, QStringLiteral("autoAnmerk"), U.Programmwerte.autoAnmerk);
    if (e.Geaendert) U.Dokument.Melden(TAenderung::Anmerkungen);
}
