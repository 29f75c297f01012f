#pragma once

class QMenu;
class QPushButton;

// The pop-up of "Sonstige Listen ..." under knopf: the overview lists, in the order of the menu. Its
// actions start disabled; whoever opens the lists connects and enables them.
QMenu* SonstigeListenMenue(QPushButton* knopf);
// The places of the lists in that menu.
enum TSonstigeListe {
    Statistikliste,
    Raumzuordnungsliste,
    Anzahlenliste,
    OhneTerminliste,
    Genageltliste,
    Raumbelegungsliste
};
