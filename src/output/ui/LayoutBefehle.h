#pragma once

#include "FLayout.h"
#include "ui/Befehlsgruppe.h"

#include <functional>

class TDruckBefehle;

// The layout of the conversation lists and the page format of the other lists: their dialogs, what
// taking them over does to the project and the store.
class TLayoutBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    TLayoutBefehle(const TBefehlsumgebung& umgebung, TDruckBefehle& druck, QObject* eltern);

    void Anschliessen(QAction* aktion, void (TLayoutBefehle::*handler)());

    void LayoutOpt1Click() { LayoutDialogZeigen(TFLayout::Inhalt); }
    void Layout1Click() { LayoutDialogZeigen(TFLayout::Tabulatoren); }
    void SeiteOpt1Click() { SonstigeFormatZeigen(); }

    // The layout dialog on a page: beside the page preview where one can be shown, else on its own.
    void LayoutDialogZeigen(TFLayout::TSeite seite);
    void SonstigeFormatZeigen();

    // Shows the dialog, which is already filled, in layout mode beside the preview and runs it to its
    // end; false when no preview can be shown, and the dialog then runs on its own.
    std::function<bool(TFLayout&)> NebenVorschau;

private:
    TLayoutUmfeld Umfeld() const;

    TDruckBefehle& Druck;
};
