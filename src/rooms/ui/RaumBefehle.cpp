#include "RaumBefehle.h"

#include <QAction>

void TRaumBefehle::Anschliessen(QAction* aktion, void (TRaumBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, TRegel::Lehrer);
}

void TRaumBefehle::LRaumZw1Click() {}

void TRaumBefehle::Raumzuw1Click() {}

int TRaumBefehle::RaumkonfliktePruefen() {
    return 2;
}
