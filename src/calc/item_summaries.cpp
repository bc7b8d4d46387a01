#include "calc/item_summaries.h"

#include "base/module_state.h"
#include "calc/asset_fields.h"
#include "calc/asset_summary.h"
#include "calc/asset_worksheets.h"
#include "calc/payment_worksheet.h"
#include "calc/receipt_result.h"
#include "calc/worksheet_columns.h"
#include "grid/grid_model.h"
#include "store/field_store.h"
#include "store/item_index.h"
#include "store/worksheet_item_take.h"
#include "store/worksheet_items.h"

namespace {

constexpr int DepreciatingWorksheet = 458;
constexpr int fReceiptProceeds = 1136, fReceiptCosts = 1137;

// The register and the worksheet grids, set up once for every item: each summary clears
// their rows first, as the summary screen does on each visit.
struct SummaryGrids {
    TGridModel reg, sheet;
    SummaryGrids() {
        SetUpAssetRegister(reg);
        SetUpCgtWorksheet(sheet);
    }
};

void SummariseAsset(int worksheet, SummaryGrids& grids) {
    const TaxYearDates year = IncomeYearDates(TaxYear);
    // The payments summary is shown only for shares and trust interests that list payments.
    if ((worksheet == SharesWorksheet || worksheet == TrustInterestsWorksheet) &&
        PaymentsListed()) {
        TGridModel payments;
        SetUpPaymentWorksheet(payments);
        RefreshPayments(
            payments,
            {worksheet == SharesWorksheet ? PaymentScreen::Shares : PaymentScreen::Trusts, year});
    }
    const SummaryScreen screen =
        worksheet == DepreciatingWorksheet ? SummaryScreen::Depreciating : SummaryScreen::General;
    ResetSummaryFields(screen);
    RefreshSummary(grids.reg, grids.sheet, {screen, year});
}

void SummariseReceipt() {
    const ReceiptResult result =
        ReceiptGainLoss(GetFieldVal(fReceiptProceeds), GetFieldVal(fReceiptCosts));
    SetFieldVal(fOtherGain, result.gain);
    SetFieldVal(fCapitalLoss, result.loss);
}

template <typename Step>
void ForEachItem(int worksheet, Step step) {
    const int items = WorksheetItemCount(worksheet);
    const ItemStorePass pass;  // items that gain records are merged once, at the end
    for (int item = 1; item <= items; ++item) {
        TakeWorksheetItem(worksheet, item);  // stored back whole just after
        step(worksheet);
        PutWorksheetItem(worksheet, item);
    }
}

}  // namespace

void RunItemSummaries() {
    SummaryGrids grids;
    for (int worksheet : AssetWorksheets)
        ForEachItem(worksheet, [&grids](int k) { SummariseAsset(k, grids); });
    for (int worksheet : {457, 462}) ForEachItem(worksheet, [](int) { SummariseReceipt(); });
}
