#pragma once
// The manual calculation table: gains and losses worked out outside the interview, one row
// per CGT event, in the column layout of the choice table. The rules the screen applies when
// a row is clicked, when a cell is left and when the table is left.

#include <string>

#include "grid/grid_model.h"

namespace ManualTable {
constexpr int Columns = 21;
constexpr int Grouping = 0;
constexpr int Description = 1;
constexpr int Type = 2;
constexpr int Indexed = 3;
constexpr int Discount = 4;
constexpr int OtherGain = 7;
constexpr int Loss = 8;
constexpr int CanDefer = 9;
constexpr int DeferAuto = 10;
}  // namespace ManualTable

// The section an asset type belongs to; empty for an empty type.
std::string AssetGrouping(const std::string& typeCode);

// A click on (col, row): fills the grouping and keeps "Defer auto?" in step with "Can gain
// be deferred?", for a row with a description and a column from 2 on.
void ApplyManualRowClick(TGridModel& grid, int col, int row);

// A rule that was broken: the message and the cell the cursor goes to. No text: none.
struct ManualTableProblem {
    std::string text;
    int col = -1;
    int row = -1;
    bool Found() const { return !text.empty(); }
};

// Leaving cell (col, row). The offending cells are emptied.
ManualTableProblem ManualCellExit(TGridModel& grid, int col, int row);

// Leaving the table: the first row that breaks a rule. Rows without a description and
// without anything visible are emptied, hidden cells included, on the way.
ManualTableProblem ManualLeaveCheck(TGridModel& grid);
