#pragma once
// Column layouts of the grids the summaries fill: titles and the kinds the sort and the
// column totals read (dates sort by date, amounts total as numbers).

#include <vector>

class TGridModel;

struct ColumnSpec {
    const char* title;
    int kind;  // TGridColumnKind
    int decimals;
    bool noTotal = false;  // a sum of the column would mean nothing
};
// Columns of the given titles and kinds, every one read only.
void SetUpCalculatedGrid(TGridModel& grid, const std::vector<ColumnSpec>& columns);

// The non-assessable payments worksheet: 23 columns, sorted by date and cost element code.
inline constexpr int PaymentWorksheetColumns = 23;
void SetUpPaymentWorksheet(TGridModel& grid);

// The asset register: 11 columns.
inline constexpr int AssetRegisterColumns = 11;
void SetUpAssetRegister(TGridModel& grid);

// The CGT worksheet: 12 columns with a totals row.
inline constexpr int CgtWorksheetColumns = 12;
void SetUpCgtWorksheet(TGridModel& grid);

// Appends rows after the last filled one, reusing blank rows before growing the grid.
class RowAppender {
public:
    explicit RowAppender(TGridModel& grid);
    int Append();  // the number of the row to fill
    int Next() const { return next_; }

private:
    TGridModel& grid_;
    int next_;
};
