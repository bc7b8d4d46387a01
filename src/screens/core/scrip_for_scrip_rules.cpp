#include "screens/core/scrip_for_scrip_rules.h"

#include "base/numbers.h"
#include "base/text_encoding.h"
#include "calc/calc_inputs.h"
#include "calc/scrip_for_scrip.h"
#include "grid/grid_model.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

// The item a row came from, or {0, 0} when the hidden cells name no stored item.
struct ItemOfRow {
    int worksheet = 0, number = 0;
};

ItemOfRow ItemOf(const TGridModel& grid, int row) {
    long double worksheet = 0, number = 0;
    if (!TryReadNumber(TrimmedText(grid.Cell(ssWorksheet, row)), worksheet) ||
        !TryReadNumber(TrimmedText(grid.Cell(ssNumber, row)), number))
        return {};
    const int k = static_cast<int>(worksheet), n = static_cast<int>(number);
    if ((k != 451 && k != 452) || n < 1 || n > WorksheetItemCount(k)) return {};
    return {k, n};
}

long double Cell(const TGridModel& grid, int col, int row) {
    return NumberOfText(grid.Cell(col, row));
}

}  // namespace

int FirstUnbalancedRow(const TGridModel& grid) {
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
        const long double parts = Cell(grid, ssMarketValue, row) + Cell(grid, ssCash, row);
        if (Trunc(Cell(grid, ssProceeds, row)) != Trunc(parts)) return row;
    }
    return 0;
}

void StoreScripForScripEntries(const TGridModel& grid) {
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
        if (TrimmedText(grid.Cell(ssDescription, row)).empty()) continue;
        const ItemOfRow item = ItemOf(grid, row);
        if (item.worksheet == 0) continue;
        GetWorksheetItem(item.worksheet, item.number);
        SetFieldVal(fReplacementValue, Cell(grid, ssMarketValue, row));
        SetFieldVal(fOtherConsideration, Cell(grid, ssCash, row));
        PutWorksheetItem(item.worksheet, item.number);
    }
}

int ScripHelpSection(int col) {
    switch (col) {
        case ssCostBase:
            return 2;
        case ssMarketValue:
            return 3;
        case ssCash:
        case ssProceeds:
            return 4;
        default:
            return 1;
    }
}
