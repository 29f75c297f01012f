#pragma once

#include "LayoutSeite.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TMeldung;

// "Tabulatoren": the tab stops of the families' and the teachers' lists by purpose, in centimetres from
// the left margin; a chosen stop is changed by typing its new position.
class TLayoutTabulatoren : public TEingabeSeite {
    Q_OBJECT
public:
    TLayoutTabulatoren(TListenlayout& layout, std::function<TSeitenmetrik()> metrik, TMeldung& meldung,
                       QWidget* eltern = nullptr);

    bool Offen() const override;
    bool Anwenden() override;
    void Aufgeben() override;
    QLineEdit* Feld() const override { return EdTAB; }

    QTreeWidget* LVElt = nullptr;
    QTreeWidget* LVLeh = nullptr;
    QLineEdit* EdTAB = nullptr;
    QPushButton* BtnTab = nullptr;
    QPushButton* BtnStandard = nullptr;
    QLabel* LRand = nullptr;

protected:
    void Anzeigen() override;

private:
    void Gewaehlt(QTreeWidget* liste);
    void ListeFuellen(QTreeWidget* liste, TListenArt art);
    // The tab stop chosen in either list, -1 for none.
    int Gewaehlt() const;
    void KnopfStellen();

    std::function<TSeitenmetrik()> Metrik;
    TMeldung& Meldungen;
    int Index = -1;
};
