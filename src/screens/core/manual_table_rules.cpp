#include "screens/core/manual_table_rules.h"

#include "base/input_helpers.h"
#include "base/text_encoding.h"
#include "calc/asset_types.h"
#include "screens/core/trust_distribution_rules.h"

namespace {
using namespace ManualTable;

const std::string Yes = "Yes";

std::string TrimmedCell(const TGridModel& grid, int col, int row) {
    return TrimmedText(grid.Cell(col, row));
}

// Cell rules read a text that is not a number as 0; the leave check as -1 (absent).
long double Amount(const TGridModel& grid, int col, int row, long double absent) {
    return TextToNumberDef(grid.Cell(col, row), absent);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

bool PersonalUseLoss(const TGridModel& grid, int row) {
    return IsPersonalUseType(grid.Cell(Type, row)) && Amount(grid, Loss, row, 0) > 0;
}

ManualTableProblem RowProblem(const TGridModel& grid, int row) {
    if (TrimmedCell(grid, Type, row).empty())
        return {"You must select the asset type for each CGT Asset/Event.", Type, row};
    const long double indexed = Amount(grid, Indexed, row, -1);
    const long double discount = Amount(grid, Discount, row, -1);
    const long double other = Amount(grid, OtherGain, row, -1);
    const long double loss = Amount(grid, Loss, row, -1);
    const bool methodGain = indexed >= 0 || discount >= 0;
    if (indexed >= 0 && discount >= 0 && indexed > discount)
        return {"Discount amount must be greater than or equal to indexed amount. Please correct.",
                Description, row};
    if (methodGain && other >= 0)
        return {
            "Check gains entered. Other gain cannot be present if a Discount or Indexed gain "
            "has been entered.",
            OtherGain, row};
    if ((methodGain || other >= 0) && loss >= 0)
        return {
            "Check loss entered. Loss cannot be present if a Discount, Indexed or Other gain "
            "has been entered.",
            Loss, row};
    if (PersonalUseLoss(grid, row))
        return {"A loss cannot be recorded against an asset of type " + Quoted("P") +
                    ". Please correct.",
                Description, row};
    return {};
}

bool AnyVisibleCellFilled(const TGridModel& grid, int row) {
    for (int col : {Type, Indexed, Discount, OtherGain, Loss, CanDefer, DeferAuto})
        if (!TrimmedCell(grid, col, row).empty()) return true;
    return false;
}

void EmptyRow(TGridModel& grid, int row) {
    for (int col = 0; col < grid.ColCount(); ++col)
        if (!grid.Cell(col, row).empty()) grid.SetCell(col, row, {});
}
}  // namespace

std::string AssetGrouping(const std::string& typeCode) {
    if (AssetTypeCode(typeCode).empty()) return {};
    if (IsAssetType(typeCode, {"UA", "UN"})) return "Fixed trust";
    if (IsAssetType(typeCode, {"SA", "SN"})) return "Shares";
    if (IsAssetType(typeCode, {"RA", "RN"})) return "Real estate";
    if (IsAssetType(typeCode, {"G"})) return "Intellectual";
    if (IsCollectableType(typeCode) || IsPersonalUseType(typeCode)) return "Personal use";
    if (IsAssetType(typeCode, {"OA", "ON"})) return "Other assets";
    return "Not Allocated";
}

void ApplyManualRowClick(TGridModel& grid, int col, int row) {
    if (col < Type || TrimmedCell(grid, Description, row).empty()) return;
    const std::string grouping = AssetGrouping(grid.Cell(Type, row));
    if (grid.Cell(Grouping, row) != grouping) grid.SetCell(Grouping, row, grouping);
    const bool canDefer = grid.Cell(CanDefer, row) == Yes;
    const bool autoEmpty = grid.Cell(DeferAuto, row).empty();
    if (canDefer && autoEmpty) grid.SetCell(DeferAuto, row, "No");
    if (!canDefer && !autoEmpty) grid.SetCell(DeferAuto, row, {});
}

ManualTableProblem ManualCellExit(TGridModel& grid, int col, int row) {
    if (col > Indexed) {
        const long double indexed = Amount(grid, Indexed, row, 0);
        const long double discount = Amount(grid, Discount, row, 0);
        if ((indexed != 0 || discount != 0) && indexed > discount) {
            grid.SetCell(Indexed, row, {});
            grid.SetCell(Discount, row, {});
            return {"Discount Amount must be greater than or equal to Indexed Amount.", Indexed,
                    row};
        }
    }
    if (col > 6 && PersonalUseLoss(grid, row)) {
        grid.SetCell(Loss, row, {});
        return {"You cannot have a loss if asset type is " + Quoted("P") + ".", col, row};
    }
    if (col == DeferAuto && !grid.Cell(DeferAuto, row).empty() && grid.Cell(CanDefer, row) != Yes) {
        grid.SetCell(DeferAuto, row, {});
        return {Quoted("Defer auto?") + " must be blank unless " + Quoted("Can gain be defered") +
                    " is " + Quoted(Yes),
                DeferAuto, row};
    }
    return {};
}

ManualTableProblem ManualLeaveCheck(TGridModel& grid) {
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
        if (!TrimmedCell(grid, Description, row).empty()) {
            ManualTableProblem problem = RowProblem(grid, row);
            if (problem.Found()) return problem;
        } else if (AnyVisibleCellFilled(grid, row)) {
            return {MissingDescriptionMessage, Description, row};
        } else {
            EmptyRow(grid, row);
        }
    }
    return {};
}
