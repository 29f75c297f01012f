#include "VorschauBefehle.h"

#include "DruckBefehle.h"
#include "FPreview.h"
#include "model/Projekt.h"
#include "settings/Codeoption.h"
#include "settings/Schuldaten.h"
#include "ui/Arbeitsflaeche.h"

#include <QAction>
#include <QWidget>

TVorschauBefehle::TVorschauBefehle(const TBefehlsumgebung& umgebung, TDruckBefehle& druck, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern)
    , Druck(druck) {}

TVorschauBefehle::~TVorschauBefehle() = default;

void TVorschauBefehle::Anschliessen(QAction* aktion, void (TVorschauBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, TRegel::Gespraeche);
}

void TVorschauBefehle::AnsGspList0Click() {
    if (Fenster && Fenster->isVisible())
        Fenster->close();
    else
        VorschauOeffnen();
}

bool TVorschauBefehle::VorschauMoeglich() const {
    return Projekt() && !Projekt()->Gespraechsliste.Leer();
}

bool TVorschauBefehle::VorschauOeffnen(QWidget* layoutdialog) {
    if (!VorschauMoeglich() || (Fenster && Fenster->isVisible())) return false;
    const TVorschauAuswahl auswahl = Vorauswahl ? Vorauswahl() : TVorschauAuswahl{};
    if (!Fenster) {
        Fenster = std::make_unique<TFPreview>(U.Dokument, Druck.Drucker(), U.Meldungen);
        connect(Fenster.get(), &TFPreview::Geschlossen, this, &TVorschauBefehle::Geschlossen);
    }
    const QRect flaeche = Arbeitsflaeche(U.Fenster);
    Q_EMIT NotizzettelVerbergen();
    Fenster->VorschauOeffnen(VorschauStarten(auswahl.Familie, auswahl.Lehrer, auswahl.LehrerHatFokus),
                             SchuldatenLesen(U.Speicher), TerminecodeLesen(U.Speicher), flaeche,
                             layoutdialog);
    // Hidden only once the preview shows, so that the program never is without a window.
    if (U.Fenster) U.Fenster->hide();
    return true;
}

void TVorschauBefehle::Geschlossen(const TPerson* person, bool fuerEltern) {
    if (U.Fenster) U.Fenster->show();
    if (person && PersonZeigen) PersonZeigen(person, fuerEltern);
    Q_EMIT NotizzettelWiederherstellen();
}
