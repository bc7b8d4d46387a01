#include "calc/row_placement.h"

#include <string>
#include <vector>

#include "base/latin1_case.h"
#include "calc/calc_inputs.h"
#include "grid/grid_model.h"

namespace {

struct RowKey {
    bool noDate = true;
    double date = 0;
    std::string code;  // upper case; empty sorts last

    bool operator<(const RowKey& other) const {
        if (noDate != other.noDate) return !noDate;
        if (date != other.date) return date < other.date;
        if (code.empty() != other.code.empty()) return !code.empty();
        return code < other.code;
    }
};

RowKey KeyOf(const TGridModel& grid, int row, int dateCol, int codeCol) {
    RowKey key;
    const std::string& date = grid.Cell(dateCol, row);
    key.noDate = date.empty();
    key.date = DateOfText(date);
    key.code = Latin1UpperText(grid.Cell(codeCol, row));
    return key;
}

void MoveRow(TGridModel& grid, int from, int to) {
    std::vector<std::string> cells;
    for (int col = 0; col < grid.ColCount(); ++col) cells.push_back(grid.Cell(col, from));
    grid.DeleteRow(from);
    grid.InsertRow(to);
    for (int col = 0; col < grid.ColCount(); ++col) grid.SetCell(col, to, cells[col]);
}

}  // namespace

void PlaceAppendedRows(TGridModel& grid, int firstAppended, int endRow, int dateCol, int codeCol) {
    for (int row = firstAppended; row < endRow; ++row) {
        const RowKey key = KeyOf(grid, row, dateCol, codeCol);
        // Upper bound in the ordered block 1 .. row - 1.
        int low = grid.FixedRows(), high = row;
        while (low < high) {
            const int middle = (low + high) / 2;
            if (key < KeyOf(grid, middle, dateCol, codeCol)) {
                high = middle;
            } else {
                low = middle + 1;
            }
        }
        if (low != row) MoveRow(grid, row, low);
    }
}
