#include "calc/worksheet_columns.h"

#include <string>
#include <vector>

#include "grid/grid_model.h"

namespace {

std::string Descriptor(const ColumnSpec& spec) {
    // title|alignment|kind|length|hint|skip|picklist|decimals|minus|min|max|list|button|
    // entries|no total|locked: calculated grids are read only.
    const bool number = spec.kind == gkNumber;
    return std::string(spec.title) + "|0|" + std::to_string(spec.kind) + "|30|0|F|F|" +
           (number ? std::to_string(spec.decimals) : "") + "|" + (number ? "T" : "") +
           "|0|0|0|0|0|" + (spec.noTotal ? "T" : "F") + "|T";
}

}  // namespace

void SetUpCalculatedGrid(TGridModel& grid, const std::vector<ColumnSpec>& columns) {
    grid.SetColCount(static_cast<int>(columns.size()));
    std::vector<std::string> lines;
    for (const ColumnSpec& spec : columns) lines.push_back(Descriptor(spec));
    grid.SetDisplay(std::move(lines));
    grid.ReadDescriptors();
}

void SetUpPaymentWorksheet(TGridModel& grid) {
    SetUpCalculatedGrid(grid, {{"Sort date", gkDate, 0},
                               {"Incurred / effective date", gkText, 0},
                               {"Date paid", gkText, 0},
                               {"Date of CGT event", gkText, 0},
                               {"Description of transaction", gkText, 0},
                               {"Cost element", gkText, 0},
                               {"CGT event", gkText, 0},
                               {"Expense / cost amount", gkNumber, 2},
                               {"Amount to be excluded from cost base (not indexed)", gkNumber, 2},
                               {"Net amount cost base (not indexed)", gkNumber, 2},
                               {"CPI for effective date quarter", gkNumber, 1},
                               {"CPI for CGT event quarter", gkNumber, 1},
                               {"Indexation factor", gkNumber, 3},
                               {"Costbase indexed", gkNumber, 2},
                               {"Amount to be excluded from reduced costbase", gkNumber, 2},
                               {"Reduced costbase", gkNumber, 2},
                               {"Capital receipt amount", gkNumber, 2},
                               {"Capital receipt amount for costbase adj", gkNumber, 2},
                               {"Capital receipt amount for reduced costbase adj", gkNumber, 2},
                               {"Total costbase (not indexed) at time of CGT event", gkNumber, 2},
                               {"Total costbase (indexed) at time of CGT event", gkNumber, 2},
                               {"Total reduced costbase at time of CGT event", gkNumber, 2},
                               {"Processed", gkText, 0}});
}

void SetUpAssetRegister(TGridModel& grid) {
    SetUpCalculatedGrid(grid, {{"Date of CGT event", gkText, 0},
                               {"Relevant date", gkText, 0},
                               {"Date paid", gkText, 0},
                               {"Description", gkText, 0},
                               {"Cost element / CGT Event", gkText, 0},
                               {"CGT event", gkText, 0},
                               {"Amount", gkNumber, 2},
                               {"Cost base adjustment", gkNumber, 2},
                               {"Reduced cost base adjustment", gkNumber, 2},
                               {"Gain deferred", gkText, 0},
                               {"Comments", gkText, 0}});
    grid.SetColumnHidden(0, true);
    grid.SetColumnHidden(5, true);
}

void SetUpCgtWorksheet(TGridModel& grid) {
    // An opening cost base is given three ways (indexed, not indexed, reduced) in the Amount
    // column, each carried into its own column: only those columns add up.
    SetUpCalculatedGrid(grid, {{"Date incurred", gkText, 0},
                               {"Description of expenditure", gkText, 0},
                               {"Amount", gkNumber, 2, true},
                               {"Amount to be excluded from col 3", gkNumber, 2},
                               {"Net amount (not indexed)", gkNumber, 2},
                               {"Net amount (indexed)", gkNumber, 2},
                               {"CPI Figure", gkNumber, 2, true},
                               {"Event date CPI Figure ", gkNumber, 2, true},
                               {"Indexation factor", gkNumber, 3, true},
                               {"Cost base", gkNumber, 2},
                               {"Amount to deducted for reduced cost base", gkNumber, 2},
                               {"Reduced amount", gkNumber, 2}});
}

RowAppender::RowAppender(TGridModel& grid) : grid_(grid), next_(grid.RowCount()) {
    while (next_ > grid_.FixedRows() && grid_.RowBlank(next_ - 1)) --next_;
}

int RowAppender::Append() {
    if (next_ >= grid_.RowCount()) grid_.AddRow();
    return next_++;
}
