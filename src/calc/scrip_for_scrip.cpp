#include "calc/scrip_for_scrip.h"

#include "base/text_encoding.h"
#include "calc/asset_fields.h"
#include "calc/cgt_schedule.h"
#include "calc/choice_columns.h"
#include "calc/indexation.h"
#include "calc/ticked_items.h"
#include "grid/grid_model.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

constexpr int fSchedRollOverYes = 1136, fSchedRollOverNo = 1167;
constexpr int fSchedOriginalCostBase = 1137, fSchedReplacementValue = 1138,
              fSchedOtherConsideration = 1139;

// Above the explicit zero the discount column's amount counts; below it the other method's.
long double MethodAmount(int discountField, int otherField) {
    if (GetFieldVal(discountField) > 0.0011L) return GetFieldVal(discountField);
    if (GetFieldVal(otherField) > 0) return GetFieldVal(otherField);
    return 0;
}

std::string Entered(int field) {
    return Str(GetFieldVal(field) > 0 ? GetFieldVal(field) : 0, 10, 0);
}

bool Rolled() {
    return FieldChecked(fScripForScrip) && TrimmedText(GetFieldStr(fItemDefer)) == "Yes";
}

}  // namespace

std::vector<std::string> ScripForScripDescriptors() {
    const std::string shown = "|2|1|10|0|F|F|0|F||||0|0|F|T|";
    const std::string entered = "|2|1|10|0|F|F|0|F||||0|F|F|";
    return {"\rDescription\r(not sent to the Tax Office)|0|0|40|0|F|F|||||||0|T|T|",
            "\rCost base\rof interest\rexchanged" + shown,
            "\rMarket\rvalue of\rreplacement\rinterests" + entered,
            "Amount of cash\rand other\rconsideration\rreceived" + entered,
            "\rTotal\rcapital\rproceeds" + shown,
            "Wsheet |0|0|10|0|T|F|||||||0|T|F|",
            "Number|0|0|10|0|T|F|||||||0|T|F|"};
}

void FillScripForScripTable(TGridModel& grid) {
    grid.ClearRows();
    grid.SetRowCount(2);  // one blank data row; a longer table left blank rows behind
    bool first = true;
    ForEachTickedItem({SharesWorksheet, TrustInterestsWorksheet}, fScripForScrip,
                      [&](int k, int item) {
                          if (!Rolled()) return;
                          const int row = first ? 1 : grid.AddRow();
                          first = false;
                          grid.SetCell(ssDescription, row, GetFieldStr(fAssetName));
                          grid.SetCell(ssCostBase, row,
                                       Str(MethodAmount(fDiscountCostBase, fOtherCostBase), 10, 0));
                          grid.SetCell(ssMarketValue, row, Entered(fReplacementValue));
                          grid.SetCell(ssCash, row, Entered(fOtherConsideration));
                          grid.SetCell(ssProceeds, row,
                                       Str(MethodAmount(fDiscountProceeds, fOtherProceeds), 10, 0));
                          grid.SetCell(ssWorksheet, row, std::to_string(k));
                          grid.SetCell(ssNumber, row, std::to_string(item));
                      });
}

void StoreScripForScripTotals(const TGridModel& grid) {
    // Any listed row, not only the first: a blank row above the others must not turn the
    // roll-over off.
    bool listed = false;
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row)
        listed = listed || !TrimmedText(grid.Cell(ssDescription, row)).empty();
    GetWorksheetItem(ScheduleWorksheet, 1);
    if (listed) {
        SetFieldChecked(fSchedRollOverYes);
        SetFieldUnchecked(fSchedRollOverNo);
    } else {
        SetFieldChecked(fSchedRollOverNo);
        SetFieldUnchecked(fSchedRollOverYes);
    }
    SetFieldVal(fSchedOriginalCostBase, grid.ColumnTotal(ssCostBase));
    SetFieldVal(fSchedReplacementValue, grid.ColumnTotal(ssMarketValue));
    SetFieldVal(fSchedOtherConsideration, grid.ColumnTotal(ssCash));
    PutWorksheetItem(ScheduleWorksheet, 1);
}

void SetUpScripForScripTable(TGridModel& grid) {
    grid.SetColCount(ScripColumns);
    grid.SetDisplay(ScripForScripDescriptors());
    grid.ReadDescriptors();
}

void UpdateScripForScripSchedule() {
    TGridModel grid;
    SetUpScripForScripTable(grid);
    FillScripForScripTable(grid);
    StoreScripForScripTotals(grid);
}
