#include "calc/choice_session.h"

#include "calc/choice_columns.h"
#include "calc/choice_steps.h"

void RebuildChoiceTable(ChoiceTable& table) {
    table.grid.ClearRows();
    table.unapplied.SetCell(1, 1, "");
    table.unapplied.SetCell(2, 1, "");
    table.unapplied.SetCell(1, 2, "");
    table.unapplied.SetCell(2, 2, "");
    BuildChoiceTable(table);
    FillUnappliedLosses(table);
}

void OpenChoiceTable(ChoiceTable& table) {
    RebuildChoiceTable(table);
    table.grid.SortRows("17,18,19");
    RecalculateChoiceTable(table);
}

void MakeAllChoices(ChoiceTable& table) {
    ClearChoiceColumns(table, ccCollectableApplied, ccTransferredApplied);
    ApplyCollectableLosses(table);
    ApplyOtherLosses(table);
    MakeMethodChoices(table);
    RecalculateChoiceTable(table);
}

void MakeEveryChoiceAfresh(ChoiceTable& table) {
    ClearChoiceColumns(table, ccMethod, ccMethod);
    MakeAllChoices(table);
}

void MakeAllDeferChoices(ChoiceTable& table) {
    ClearChoiceColumns(table, ccWantDefer, ccWantDefer);
    MakeDeferChoices(table);
}

void MakeAllMethodChoices(ChoiceTable& table) {
    ClearChoiceColumns(table, ccMethod, ccMethod);
    MakeMethodChoices(table);
    RecalculateChoiceTable(table);
}

void ResetAllChoices(ChoiceTable& table) {
    ClearChoiceColumns(table, ccMethod, ccMethod);
    ClearChoiceColumns(table, ccWantDefer, ccTransferredApplied);
    RecalculateChoiceTable(table);
}

void CommitChoiceTable(ChoiceTable& table) {
    SaveChoices(table);
    BuildSchedule(table);
}
