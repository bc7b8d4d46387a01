#include "calc/asset_summary.h"

#include "calc/asset_fields.h"
#include "calc/payment_worksheet.h"
#include "grid/grid_model.h"
#include "store/field_store.h"

namespace {

void SaveGrid(const TGridModel& grid, int field) {
    TextList lines;
    grid.SaveToList(lines);
    SetFieldLst(field, std::move(lines));
}

}  // namespace

void ResetSummaryFields(SummaryScreen screen) {
    // Amount results only: 1121 is a date text and 1127 to 1129 belong to other steps.
    const int ranges[][2] = {{fBalancingAdjustment, fAdjustedCostBase + 2},
                             {fEventCpi, fTotalDaysShown},
                             {fIndexedProceeds, fCapitalLoss}};
    for (const auto& range : ranges)
        for (int field = range[0]; field <= range[1]; ++field) SetFieldVal(field, 0);
    if (screen == SummaryScreen::Depreciating)
        for (int field : {fCostShownIndexed, fCostShownDiscount, fCostShownOther, fCostShownLoss,
                          fUnadjustedIndexed, fUnadjustedDiscount, fUnadjustedOther,
                          fUnadjustedLoss, fAdjustedIndexed})
            SetFieldVal(field, 0);
    for (int field = fTotalNonIndexed; field <= fAdjustedCostBase + 2; ++field)
        SetFieldType(field, dtCurrencyCnt);
    for (int field = fEventCpi; field <= fPercentShown; ++field) SetFieldType(field, dtCurrencyCnt);
    SetFieldUnchecked(fProceedsAboveZero);
}

AssetSummary RefreshSummary(TGridModel& reg, TGridModel& worksheet, const SummaryInputs& inputs) {
    // Without payments the payments summary is skipped, so its results of an earlier visit
    // would otherwise stand in for the cost base.
    if (!PaymentsListed()) ClearPaymentResults();
    SummaryState state;
    reg.ClearRows();
    worksheet.ClearRows();
    FillAssetRegister(reg, state);
    AssetSummary summary = CalculateAsset(worksheet, inputs, state);
    SaveGrid(reg, fAssetRegister);
    SaveGrid(worksheet, fCgtWorksheet);
    return summary;
}
