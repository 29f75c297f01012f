#pragma once

#include "FLayout.h"
#include "ui/Befehlsgruppe.h"

class TDruckBefehle;
class TVorschauBefehle;

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

    // The page preview the dialog stands beside where it can be shown.
    TVorschauBefehle* Vorschau = nullptr;

private:
    TLayoutUmfeld Umfeld() const;
    // Runs the dialog to its end beside the preview in layout mode, which redraws every change and
    // closes with the dialog; false when no preview can be shown.
    bool NebenVorschau(TFLayout& dlg);

    TDruckBefehle& Druck;
};
