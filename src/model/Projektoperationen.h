#pragma once

class TProjekt;

// Unschedules every conversation, nailed ones included; blocks stay. Does nothing on a project
// without conversations unless forced.
void PlanZuruecksetzen(TProjekt& projekt, bool erzwungen);
