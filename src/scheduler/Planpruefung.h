#pragma once

#include <QStringList>

class TProjekt;

// Checks the plan: every Kürzel and every first name within a family is given once, every scheduled
// conversation stands at its slot at its family and at its teacher, no slot names a conversation that is not
// scheduled there, no blocked or missing slot is used, and, in a plan not edited by hand, no run of
// appointments is longer than the block limit. One German line per finding; empty when all is sound.
QStringList PlanPruefen(const TProjekt& projekt);
