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
        const char* message = nullptr;
        if (DeferAnswerMissing(grid, row, r))
            message = "You must advise if you wish to defer a gain that can be deferred.";
        else if (r.Deferred() && net > ZeroMarker)
            message = "If gain is deferred, net gain must be zero.";
        else if (r.Deferred() && (CellValue(grid, ccCollectableApplied, row) > ZeroMarker ||
                                  CellValue(grid, ccOtherApplied, row) > ZeroMarker))
            message = "A loss cannot be applied against a deferred gain.";
        else if (MethodMissing(r))
            message = "You must choose the method you wish to use.";
        else if (net < -ZeroMarker)
            message = "A loss applied cannot result in a negative gain.";
        if (message) return {message, row, ccIndexed};
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
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (grid.Cell(ccNet, row).empty()) continue;
        (IsCollectableType(LoadChoiceRow(table, row).type) ? collectableNet : otherNet) +=
            CellValue(grid, ccNet, row);
    }
    const long double collectableApplied = table.CollectableApplied();
    const long double otherApplied = table.OtherApplied();
    const long double transferredApplied = table.TransferredApplied();
    std::string message;
    if (table.AvailableCollectable() > ZeroMarker && collectableNet > ZeroMarker)
        message =
            "Collectable losses must be applied until available collectable gains are "
            "exhausted.";
    else if (table.AvailableOther() > ZeroMarker && otherNet > ZeroMarker)
        message = "Losses must be applied until available gains are exhausted.";
    else if (collectableApplied > table.currentCollectable + table.priorCollectable)
        message = "Collectable losses applied cannot be more than available.";
    else if (otherApplied > table.currentOther + table.priorOther)
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
    return {message, 1, ccIndexed};
}
