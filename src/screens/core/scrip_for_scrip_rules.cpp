#include "screens/core/scrip_for_scrip_rules.h"

#include "base/numbers.h"
#include "base/text_encoding.h"
#include "calc/asset_fields.h"
#include "calc/calc_inputs.h"
#include "calc/scrip_for_scrip.h"
#include "calc/stored_item.h"
#include "grid/grid_model.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

// A share or trust interest item the row names; none for anything else.
StoredItem ItemOf(const TGridModel& grid, int row) {
    const StoredItem item = StoredAssetItem(grid.Cell(ssWorksheet, row), grid.Cell(ssNumber, row));
    const bool scrip =
        item.worksheet == SharesWorksheet || item.worksheet == TrustInterestsWorksheet;
    return scrip ? item : StoredItem{};
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
        const StoredItem item = ItemOf(grid, row);
        if (!item) continue;
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
