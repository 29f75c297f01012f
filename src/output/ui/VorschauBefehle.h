#pragma once

#include "ui/Befehlsgruppe.h"

#include <functional>
#include <memory>

class QWidget;
class TDruckBefehle;
class TFPreview;
class TPerson;

// The main window's selections the preview starts from.
struct TVorschauAuswahl {
    const TPerson* Familie = nullptr;
    const TPerson* Lehrer = nullptr;
    bool LehrerHatFokus = false;
};

// The page preview of the conversation lists: opened by F9, the tool button and the menu, in place of
// the main window, with the printer of the print commands.
class TVorschauBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    TVorschauBefehle(const TBefehlsumgebung& umgebung, TDruckBefehle& druck, QObject* eltern);
    ~TVorschauBefehle() override;

    void Anschliessen(QAction* aktion, void (TVorschauBefehle::*handler)());

    void AnsGspList0Click();

    // Whether the preview can be shown: a project with conversations.
    bool VorschauMoeglich() const;
    // Opens the preview, in layout mode beside the layout dialog when one is given; false when it
    // cannot be shown.
    bool VorschauOeffnen(QWidget* layoutdialog = nullptr);
    // The preview window; it is made at the first opening and kept, so that its choices last while the
    // program runs.
    TFPreview* Vorschau() const { return Fenster.get(); }

    std::function<TVorschauAuswahl()> Vorauswahl;
    // Selects and shows the person of the last list previewed in the main window's lists.
    std::function<void(const TPerson* person, bool familie)> PersonZeigen;

Q_SIGNALS:
    // The preview takes the main window's place: the note pad hides, remembering whether it was shown.
    void NotizzettelVerbergen();
    // The preview closed: the note pad shows again if it was shown before.
    void NotizzettelWiederherstellen();

private:
    void Geschlossen(const TPerson* person, bool fuerEltern);

    TDruckBefehle& Druck;
    std::unique_ptr<TFPreview> Fenster;
};
