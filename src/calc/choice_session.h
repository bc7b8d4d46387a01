#pragma once
// What the choice table's screen does on show, on each of its buttons and on Next, in the
// same order, for the screen and the command-line tool alike.

#include "calc/choice_table.h"

// Both grids emptied and rebuilt from the store, rows in source order, recalculated.
void OpenChoiceTable(ChoiceTable& table);
// Deferments, loss application and methods, all made afresh by the module.
void MakeAllChoices(ChoiceTable& table);
// The same after every stored method is taken away, so that no method an earlier run chose
// steers where the losses go: the tool's automatic choices give the same on every run.
void MakeEveryChoiceAfresh(ChoiceTable& table);
void MakeAllDeferChoices(ChoiceTable& table);
void MakeAllMethodChoices(ChoiceTable& table);
// Both grids rebuilt from the store, without the sort (before the taxpayer is asked).
void RebuildChoiceTable(ChoiceTable& table);
// Every method, defer answer and applied loss emptied.
void ResetAllChoices(ChoiceTable& table);
// The choices saved where the rows came from, then the schedule and the return labels.
void CommitChoiceTable(ChoiceTable& table);
