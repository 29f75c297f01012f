#pragma once

class QMenu;
class QPushButton;

// The pop-up of "Sonstige Listen ..." under knopf: the overview lists, in the order of the menu. Their
// actions stay disabled until the lists exist; whoever builds them connects and enables the actions.
QMenu* SonstigeListenMenue(QPushButton* knopf);
// The place of the room occupancy plan in that menu.
constexpr int SonstigeListeRaumbelegung = 5;
