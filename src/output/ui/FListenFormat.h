#pragma once

#include "output/Layoutbearbeitung.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class TSchriftliste;

// "Seite einrichten für spezielle Listen": margins, orientation and font of the lists besides the
// conversation lists. It shows the values it is given and hands back what the user set.
class TFListenFormat : public QDialog {
    Q_OBJECT
public:
    // Without a project the values are the defaults of future projects: they can only be kept as such.
    TFListenFormat(const TListenFormat& werte, bool projektOffen, QWidget* eltern = nullptr);

    TListenFormat Werte() const;
    bool Merken() const;

    // links, oben, rechts, unten.
    std::array<QLineEdit*, 4> Raender{};
    std::array<QRadioButton*, 2> Ausrichtung{}; // portrait, landscape
    QCheckBox* CBsinnvoll = nullptr;
    TSchriftliste* LBSchrift = nullptr;
    QListWidget* LBGroesse = nullptr;
    QPushButton* BtnStandardRaender = nullptr;
    QPushButton* BtnStandardSchrift = nullptr;
    QCheckBox* CBmerken = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancBtn = nullptr;

private:
    void RaenderZeigen(const std::array<int32_t, 4>& raender);
    void SchriftenZeigen(const QString& gewaehlt);
    void OkStellen();

    // What the dialog was given: a font or size the lists do not offer stays as it was.
    const TListenFormat Anfang;
};
