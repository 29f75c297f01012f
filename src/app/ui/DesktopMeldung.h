#pragma once

#include "model/Meldung.h"

#include <optional>

class QWidget;

// Message dialogs of the desktop program, centred on the screen, without help button.
class TDesktopMeldung : public TMeldung {
public:
    explicit TDesktopMeldung(QWidget* eltern = nullptr)
        : Eltern(eltern) {}
    Antwort Meldung(const QString& text, const QString& titel, MeldungsArt art, Knoepfe knoepfe,
                    Antwort vorgabe) override;
    Antwort MeldungBei(const QPoint& ort, const QString& text, const QString& titel, MeldungsArt art,
                       Knoepfe knoepfe, Antwort vorgabe) override;
    int Auswahl(const QString& text, const QString& titel, MeldungsArt art, const QStringList& knoepfe,
                int vorgabe) override;

private:
    QWidget* Eltern;
    std::optional<QPoint> Ort; // where the next box goes instead of the screen's centre
};
