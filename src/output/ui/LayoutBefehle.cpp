#include "LayoutBefehle.h"

#include "DruckBefehle.h"
#include "Druckausgabe.h"
#include "FListenFormat.h"
#include "FPreview.h"
#include "VorschauBefehle.h"
#include "document/ProjektDokument.h"
#include "model/Projekt.h"
#include "settings/Codeoption.h"
#include "settings/Einstellungen.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QCoreApplication>
#include <QPrinterInfo>
#include <QTimer>

TLayoutBefehle::TLayoutBefehle(const TBefehlsumgebung& umgebung, TDruckBefehle& druck, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern)
    , Druck(druck) {}

void TLayoutBefehle::Anschliessen(QAction* aktion, void (TLayoutBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, TRegel::Immer);
}

TLayoutUmfeld TLayoutBefehle::Umfeld() const {
    TLayoutUmfeld umfeld;
    const TProjekt* p = Projekt();
    umfeld.ProjektOffen = p != nullptr;
    umfeld.ZweiTage = p && p->ZweiTage;
    umfeld.Terminecode = TerminecodeLesen(U.Speicher);
    if (!QPrinterInfo::defaultPrinterName().isEmpty()) {
        TDruckBefehle& druck = Druck;
        TMeldung& meldung = U.Meldungen;
        umfeld.Metrik = [&druck](uint8_t ausrichtung) {
            return GeraetMetrikLesen(druck.Drucker(), ausrichtung);
        };
        umfeld.RaenderPruefen = [&druck, &meldung](TSeitenraender& raender, uint8_t ausrichtung) {
            return RaenderPruefen(raender, GeraetMetrikLesen(druck.Drucker(), ausrichtung), meldung);
        };
    }
    return umfeld;
}

void TLayoutBefehle::LayoutDialogZeigen(TFLayout::TSeite seite) {
    // The dialog edits the project's layout in place; no backup may save a state not taken over.
    const TBefehlsWache wache(U.Dokument);
    TProjekt* p = Projekt();
    TListenlayout vorgabe;
    if (!p) LayoutAusRegistry(U.Speicher, vorgabe);
    TListenlayout& layout = p ? p->Listenlayout : vorgabe;
    layout.Elt2Sp = false;
    layout.Leh2Sp = false;
    TFLayout dlg(layout, Umfeld(), U.Meldungen, U.Dateiwahl, U.Fenster);
    connect(&dlg, &TFLayout::Uebernommen, this, [this, &layout, &dlg, p](bool geaendert, bool vormerken) {
        if (geaendert && p && p == Projekt()) U.Dokument.Melden(TAenderung::Layout);
        if (vormerken) LayoutInRegistry(U.Speicher, layout);
        // The code belongs to the machine: it holds for every project from now on, vormerken or not.
        if (dlg.Terminecode() != TerminecodeLesen(U.Speicher))
            TerminecodeSchreiben(U.Speicher, dlg.Terminecode());
    });
    connect(&dlg, &TFLayout::HilfeAngefordert, this, [this] {
        if (U.Hilfe) U.Hilfe();
    });
    dlg.SeiteZeigen(seite);
    if (NebenVorschau(dlg)) return;
    dlg.exec();
}

bool TLayoutBefehle::NebenVorschau(TFLayout& dlg) {
    if (!Vorschau || !Vorschau->VorschauOeffnen(&dlg)) return false;
    TFPreview* fenster = Vorschau->Vorschau();
    // A change of the other kind's lists turns the preview to that kind, which draws it anew.
    connect(&dlg, &TFLayout::ArbeitskopieGeaendert, fenster, [fenster, &dlg](TListenArt art) {
        fenster->TerminecodeSetzen(dlg.Terminecode());
        if (art != TListenArt::Beide && (art == TListenArt::Eltern) != fenster->FuerEltern())
            fenster->ArtSetzen(art == TListenArt::Eltern);
        else
            fenster->VorschauNeuZeichnen();
    });
    connect(fenster, &TFPreview::SchliessenGewuenscht, &dlg, &QDialog::reject);
    // Modal to the hidden main window only: the preview's chooser, pages and zoom stay at the user's
    // hand beside the dialog.
    dlg.setWindowModality(Qt::WindowModal);
    // Placed beside the preview before it first shows, the dialog's scroll area keeps the bars it chose
    // for its size before; once shown it sets them for the size it has.
    QTimer::singleShot(0, &dlg, [&dlg] {
        for (QAbstractScrollArea* rolle :
             dlg.findChildren<QAbstractScrollArea*>(Qt::FindDirectChildrenOnly)) {
            QEvent anfrage(QEvent::LayoutRequest);
            QCoreApplication::sendEvent(rolle, &anfrage);
        }
    });
    dlg.exec();
    disconnect(&dlg, nullptr, fenster, nullptr);
    disconnect(fenster, nullptr, &dlg, nullptr);
    fenster->Beenden();
    return true;
}

void TLayoutBefehle::SonstigeFormatZeigen() {
    const TBefehlsWache wache(U.Dokument);
    TProjekt* p = Projekt();
    TListenlayout vorgabe;
    if (!p) LayoutAusRegistry(U.Speicher, vorgabe);
    TListenlayout& layout = p ? p->Listenlayout : vorgabe;
    TFListenFormat dlg(ListenFormat(layout), p != nullptr, U.Fenster);
    if (dlg.exec() != QDialog::Accepted) return;
    if (ListenFormatSetzen(layout, dlg.Werte()) && p) U.Dokument.Melden(TAenderung::Layout);
    if (dlg.Merken()) ListenFormatInRegistry(U.Speicher, layout);
}
