// FillAssetRegister: the asset register rows and the event date and proceeds that the
// calculation step uses.

#include "base/text_encoding.h"
#include "calc/asset_fields.h"
#include "calc/asset_summary.h"
#include "calc/indexation.h"
#include "calc/item_notices.h"
#include "calc/opening_cost_base.h"
#include "calc/worksheet_columns.h"
#include "grid/grid_model.h"
#include "store/field_store.h"

namespace {

enum RegisterColumn {
    rcEventDate = 0,
    rcRelevantDate = 1,
    rcDatePaid = 2,
    rcDescription = 3,
    rcElement = 4,
    rcEvent = 5,
    rcAmount = 6,
    rcCostAdjustment = 7,
    rcReducedAdjustment = 8,
    rcGainDeferred = 9,
    rcComments = 10,
};

void AddOpeningRows(TGridModel& reg, RowAppender& rows, const OpeningCostBase& base) {
    if (!base.present) return;
    const struct {
        const char* description;
        const char* code;
        long double amount;
    } parts[] = {
        {base.afterPayments ? "Adjusted Cost base - indexed" : "Cost base - indexed", "1A",
         base.indexed},
        {base.afterPayments ? "Adjusted Cost base - discount/non-indexed"
                            : "Cost base - discount/non-indexed",
         "1B", base.nonIndexed},
        {base.afterPayments ? "Adjusted Reduced cost base" : "Reduced cost base", "1C",
         base.reduced},
    };
    for (const auto& part : parts) {
        const int row = rows.Append();
        reg.SetCell(rcRelevantDate, row, base.date);
        reg.SetCell(rcDescription, row, part.description);
        reg.SetCell(rcElement, row, part.code);
        reg.SetCell(rcAmount, row, Str(part.amount));
    }
}

void AddCostRows(TGridModel& reg, RowAppender& rows, double baseDate) {
    for (const CostElement& cost : ReadCostElements(fCostElements)) {
        if (TrimmedText(cost.element).empty() || !CostElementCounts(cost, baseDate)) continue;
        const std::string code = cost.Code();
        const int row = rows.Append();
        reg.SetCell(rcRelevantDate, row, cost.incurred);
        reg.SetCell(rcDatePaid, row, cost.paid);
        reg.SetCell(rcDescription, row, cost.description);
        reg.SetCell(rcElement, row, code);
        reg.SetCell(rcAmount, row, cost.amount);
        if (code != "3B" && code != "6R") reg.SetCell(rcCostAdjustment, row, cost.excludedCost);
        if (code != "3A" && code != "6C") reg.SetCell(rcReducedAdjustment, row, cost.excludedCost);
        reg.SetCell(rcComments, row, cost.comments);
    }
}

std::string GainDeferred() {
    if (FieldChecked(fRollOverNo)) return "N";
    if (FieldChecked(fMarriageBreakdownYes)) return "Y";
    if (FieldChecked(fMarriageBreakdownNo)) return "C";
    return {};
}

}  // namespace

void FillAssetRegister(TGridModel& reg, SummaryState& state) {
    const std::string base = BaseDateText();
    // Emptied when there is none: a base date of an earlier calculation would still decide
    // which cost elements count and whether the asset was held.
    SetFieldStr(fBaseDate, base);
    RowAppender rows(reg);
    const OpeningCostBase opening = ReadOpeningCostBase();
    state.relevantDate = opening.date;
    AddOpeningRows(reg, rows, opening);
    AddCostRows(reg, rows, DateOfText(GetFieldStr(fBaseDate)));

    // The event date counts whatever the proceeds: an event with proceeds of nothing still
    // has a date, a CPI and a holding period.
    if (FieldIsDate(fEventDate)) state.eventDate = FieldDate(fEventDate);
    // Negative proceeds (written by another program) count as a typed 0, so the loss stays.
    const long double proceeds = NonNegativeAmount(fCapitalProceeds);
    if (proceeds <= 0) return;
    SetFieldChecked(fProceedsAboveZero);
    state.proceeds = proceeds;
    const std::string eventDate = GetFieldStr(fEventDate);
    const int row = rows.Append();
    reg.SetCell(rcEventDate, row, eventDate);
    reg.SetCell(rcRelevantDate, row, eventDate);
    reg.SetCell(rcDescription, row, "Capital proceeds");
    reg.SetCell(rcElement, row, "O");
    reg.SetCell(rcEvent, row, "O");
    reg.SetCell(rcAmount, row, Str(proceeds));
    reg.SetCell(rcGainDeferred, row, GainDeferred());
}
