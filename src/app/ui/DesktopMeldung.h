#pragma once

#include "model/Meldung.h"

#include <functional>
#include <optional>

class QMessageBox;
class QWidget;
enum class Hilfekontext : int;

// Message dialogs of the desktop program, centred on the screen; a question about a page of the handbook
// has a help button.
class TDesktopMeldung : public TMeldung {
public:
    explicit TDesktopMeldung(QWidget* eltern = nullptr)
        : Eltern(eltern) {}
    Antwort Meldung(const QString& text, const QString& titel, MeldungsArt art, Knoepfe knoepfe,
                    Antwort vorgabe, int hilfekontext = 0) override;
    Antwort MeldungBei(const QPoint& ort, const QString& text, const QString& titel, MeldungsArt art,
                       Knoepfe knoepfe, Antwort vorgabe) override;
    int Auswahl(const QString& text, const QString& titel, MeldungsArt art, const QStringList& knoepfe,
                int vorgabe) override;

    // Shows the handbook at the page of the widget's context; without it no box has a help button.
    std::function<void(QWidget*)> Hilfe;

private:
    void HilfeAnbieten(QMessageBox& box, Hilfekontext kontext);

    QWidget* Eltern;
    std::optional<QPoint> Ort; // where the next box goes instead of the screen's centre
};
