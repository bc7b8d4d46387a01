#include <algorithm>

#include "base/text_encoding.h"
#include "calc/asset_types.h"
#include "calc/choice_columns.h"
#include "calc/choice_steps.h"
#include "calc/indexation.h"
#include "store/field_store.h"

namespace {

bool DeferAnswerMissing(const TGridModel& grid, int row, const ChoiceRow& r) {
    return r.canDefer == "Yes" && TrimmedText(grid.Cell(ccWantDefer, row)).empty() &&
           r.deferAutomatic != "Yes";
}

bool MethodMissing(const ChoiceRow& r) {
    return r.choiceRequired == "Yes" && r.method != "Indexed" && r.method != "Discount";
}

// The first row that breaks a rule of its own, with the message of that rule.
ChoiceProblem RowProblem(const ChoiceTable& table) {
    const TGridModel& grid = table.grid;
    for (int row = 1; row < grid.RowCount(); ++row) {
        const ChoiceRow r = LoadChoiceRow(table, row);
        const long double net = CellValue(grid, ccNet, row);
        // The cursor goes to the cell that puts the problem right.
        const int appliedCol = CellValue(grid, ccCollectableApplied, row) > ZeroMarker
                                   ? ccCollectableApplied
                                   : ccOtherApplied;
        const bool lossApplied =
            appliedCol == ccCollectableApplied || CellValue(grid, ccOtherApplied, row) > ZeroMarker;
        if (DeferAnswerMissing(grid, row, r))
            return {"You must advise if you wish to defer a gain that can be deferred.", row,
                    ccWantDefer};
        if (r.Deferred() && net > ZeroMarker)
            return {"If gain is deferred, net gain must be zero.", row, ccWantDefer};
        if (r.Deferred() && lossApplied)
            return {"A loss cannot be applied against a deferred gain.", row, appliedCol};
        if (MethodMissing(r)) return {"You must choose the method you wish to use.", row, ccMethod};
        if (net < -ZeroMarker)
            return {"A loss applied cannot result in a negative gain.", row, appliedCol};
    }
    return {};
}

}  // namespace

bool ChoicesOutstanding(const ChoiceTable& table) {
    for (int row = 1; row < table.grid.RowCount(); ++row) {
        const ChoiceRow r = LoadChoiceRow(table, row);
        if (DeferAnswerMissing(table.grid, row, r) || MethodMissing(r)) return true;
    }
    return false;
}

ChoiceProblem CheckChoiceTable(const ChoiceTable& table) {
    if (ChoiceProblem problem = RowProblem(table)) return problem;
    const TGridModel& grid = table.grid;
    long double collectableNet = 0, otherNet = 0;
    int collectableRow = 0, otherRow = 0;  // the first row of each kind left with a gain
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (grid.Cell(ccNet, row).empty()) continue;
        const bool collectable = IsCollectableType(LoadChoiceRow(table, row).type);
        const long double net = CellValue(grid, ccNet, row);
        (collectable ? collectableNet : otherNet) += net;
        int& first = collectable ? collectableRow : otherRow;
        if (!first && net > ZeroMarker) first = row;
    }
    const long double collectableApplied = table.CollectableApplied();
    const long double otherApplied = table.OtherApplied();
    const long double transferredApplied = table.TransferredApplied();
    if (table.AvailableCollectable() > ZeroMarker && collectableNet > ZeroMarker)
        return {
            "Collectable losses must be applied until available collectable gains are "
            "exhausted.",
            std::max(1, collectableRow), ccCollectableApplied};
    if (table.AvailableOther() > ZeroMarker && otherNet > ZeroMarker)
        return {"Losses must be applied until available gains are exhausted.",
                std::max(1, otherRow), ccOtherApplied};
    if (collectableApplied > table.currentCollectable + table.priorCollectable)
        return {"Collectable losses applied cannot be more than available.", 1,
                ccCollectableApplied};
    std::string message;
    if (otherApplied > table.currentOther + table.priorOther)
        message = "Other losses applied cannot be more than available.";
    else if (transferredApplied < table.transferredIn)
        message =
            "Check Capital losses transferred in. Losses cannot be transferred in unless "
            "they can be applied.";
    else if (transferredApplied > table.transferredIn)
        message =
            "Check Capital losses transferred in applied. Capital losses transferred in applied "
            "cannot be more than available.\rIf necessary click prev and adjust the amount of "
            "capital losses transferred in.\rTotal capital losses transferred in applied are " +
            Str(transferredApplied, 10, 0);
    return {message, 1, ccOtherApplied};
}
