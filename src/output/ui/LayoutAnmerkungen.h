#pragma once

#include "LayoutSeite.h"

#include <array>

class QPushButton;

// A small page that shows where a position code puts the general (blue) and the individual (red)
// annotation: above or below the list of conversations (grey).
class TAnmerkungsbild : public QWidget {
public:
    explicit TAnmerkungsbild(QWidget* eltern = nullptr);
    void Setzen(int code);
    int Code() const { return Wert; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    int Wert = 0;
};

// "Position von Anmerkungen": for families and for teachers the picture of the current position and the
// buttons that move each annotation one place down or up, enabled only where that move exists.
class TLayoutAnmerkungen : public TLayoutSeite {
    Q_OBJECT
public:
    explicit TLayoutAnmerkungen(TListenlayout& layout, QWidget* eltern = nullptr);

    TAnmerkungsbild* BildE = nullptr;
    TAnmerkungsbild* BildL = nullptr;
    // By TAnmerkungsschritt: general down, general up, individual down, individual up.
    std::array<QPushButton*, 4> KnoepfeE{};
    std::array<QPushButton*, 4> KnoepfeL{};

protected:
    void Anzeigen() override;
};
