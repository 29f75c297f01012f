#pragma once

#include "LayoutSeite.h"

class QCheckBox;
class QPushButton;
class TDateiwahl;
class TMeldung;

// The logo as the head of a list shows it: scaled into the box with its proportions kept.
class TLogobild : public QWidget {
public:
    explicit TLogobild(const QImage& logo, QWidget* eltern = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    const QImage& Logo;
};

// "Schul-Logo": a picture for the head of every list, with or without the school's name beside it.
class TLayoutLogo : public TLayoutSeite {
    Q_OBJECT
public:
    TLayoutLogo(TListenlayout& layout, TDateiwahl& dateiwahl, TMeldung& meldung, QWidget* eltern = nullptr);

    QPushButton* BtnOeffnen = nullptr;
    QPushButton* BtnVerwerfen = nullptr;
    QCheckBox* ChHasName = nullptr;
    TLogobild* Bild = nullptr;

protected:
    void Anzeigen() override;

private:
    void BildOeffnen();

    TDateiwahl& Dateiwahl;
    TMeldung& Meldungen;
};
