#include "calc/fifteen_year_table.h"

#include "base/text_encoding.h"
#include "calc/asset_fields.h"
#include "calc/asset_types.h"
#include "calc/cgt_schedule.h"
#include "calc/indexation.h"
#include "calc/ticked_items.h"
#include "grid/grid_model.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

constexpr int fSchedExemptGains = 1134;
constexpr int fSchedExemptCode = 1135;

// Above the explicit zero an indexed gain counts; below it the discount or other gain does.
long double ExemptGain() {
    if (GetFieldVal(fIndexedGain) > 0.0011L) return GetFieldVal(fIndexedGain);
    if (GetFieldVal(fDiscountGain) > 0) return GetFieldVal(fDiscountGain);
    if (GetFieldVal(fOtherGain) > 0) return GetFieldVal(fOtherGain);
    return 0;
}

}  // namespace

bool FifteenYearExempt() {
    return FieldChecked(fFifteenYearExemption) && IsActiveAssetType(ItemAssetType()) &&
           !(GetFieldVal(fCapitalLoss) > 0);
}

std::vector<std::string> FifteenYearDescriptors() {
    return {"Description\r(not sent to the Tax Office)|0|0|40|0|F|F|||||||0|T|F|",
            "Asset\rType|2|0|10|0|F|F|||||||0|T|F|", "Capital\rGain|2|1|10|0|F|F|0|F||||0|F|F|"};
}

void SetUpFifteenYearTable(TGridModel& grid) {
    grid.SetColCount(3);
    grid.SetDisplay(FifteenYearDescriptors());
    grid.ReadDescriptors();
}

void FillFifteenYearTable(TGridModel& grid) {
    grid.ClearRows();
    grid.SetRowCount(2);  // one blank data row; a longer table left blank rows behind
    bool first = true;
    std::vector<int> worksheets;
    for (int k = FirstAssetWorksheet; k <= LastAssetWorksheet; ++k) worksheets.push_back(k);
    ForEachTickedItem(worksheets, fFifteenYearExemption, [&](int, int) {
        if (!FifteenYearExempt()) return;
        const int row = first ? 1 : grid.AddRow();
        first = false;
        grid.SetCell(fyDescription, row, GetFieldStr(fAssetName));
        grid.SetCell(fyType, row, ItemAssetType().substr(0, 1));
        grid.SetCell(fyGain, row, Str(ExemptGain(), 10, 0));
    });
    grid.SortRows("2,1");
}

void StoreFifteenYearTotals(const TGridModel& grid) {
    GetWorksheetItem(ScheduleWorksheet, 1);
    SetFieldVal(fSchedExemptGains, grid.ColumnTotal(fyGain));
    const bool listed = !TrimmedText(grid.Cell(fyDescription, 1)).empty();
    SetFieldStr(fSchedExemptCode, listed ? grid.Cell(fyType, 1).substr(0, 1) : std::string());
    PutWorksheetItem(ScheduleWorksheet, 1);
}
