#pragma once

#include "ui/Dateiwahl.h"

class QWidget;

// File and folder choices of the desktop program.
class TDesktopDateiwahl : public TDateiwahl {
public:
    explicit TDesktopDateiwahl(QWidget* eltern = nullptr)
        : Eltern(eltern) {}
    QString OeffnenWaehlen(const TDateiAuswahl& auswahl) override;
    QString SpeichernWaehlen(const TDateiAuswahl& auswahl) override;
    QString OrdnerWaehlen(const QString& titel, const QString& ordner) override;
    QString Laufwerksart(const QString& datei) override;
    int GewaehlterFilter() const override { return Filter; }

private:
    QString Waehlen(const TDateiAuswahl& auswahl, bool speichern);

    QWidget* Eltern;
    int Filter = -1;
};
