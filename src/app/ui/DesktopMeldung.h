#pragma once

#include "model/Meldung.h"

class QWidget;

// Message dialogs of the desktop program, centred on the screen, without help button.
class TDesktopMeldung : public TMeldung {
public:
    explicit TDesktopMeldung(QWidget* eltern = nullptr)
        : Eltern(eltern) {}
    Antwort Meldung(const QString& text, const QString& titel, MeldungsArt art, Knoepfe knoepfe,
                    Antwort vorgabe) override;
    int Auswahl(const QString& text, const QString& titel, MeldungsArt art, const QStringList& knoepfe,
                int vorgabe) override;

private:
    QWidget* Eltern;
};
