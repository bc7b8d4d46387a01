// The two calculation summaries at the sizes of a heavy item: an asset summary over 500
// cost elements and a payments worksheet over 100 payments. Each should stay inside a
// 16 ms frame, since the screens recalculate on every show.

#include <benchmark/benchmark.h>

#include "base/dates.h"
#include "base/module_state.h"
#include "calc/asset_fields.h"
#include "calc/asset_summary.h"
#include "calc/payment_worksheet.h"
#include "calc/worksheet_columns.h"
#include "grid/grid_model.h"
#include "store/field_store.h"

namespace {

const char* const Codes[] = {"1", "2A", "2B", "3A", "4", "5", "1D", "6C", "3B", "6R"};

// Shares bought in 1990 with `costs` cost elements spread over fifteen years.
void ShareItem(int costs) {
    ResetModuleState();
    AllocateFieldStore();
    SetFieldStr(fAssetType, "SA");
    SetFieldStr(fAcquisitionDate, "15/08/1990");
    SetFieldStr(fPaymentEventCode, "G1");
    TextList list;
    const long first = EncodeDate(1990, 8, 15);
    for (int i = 0; i < costs; ++i) {
        const std::string date = FormatDate(first + i * 11);
        list.insert(list.end(), {Codes[i % 10], date, date, "Cost " + std::to_string(i),
                                 std::to_string(100 + i), i % 7 == 0 ? "10" : "", "", ""});
    }
    SetFieldLst(fCostElements, std::move(list));
    SetFieldStr(fEventDate, "20/10/2005");
    SetFieldVal(fCapitalProceeds, 500000);
}

void AssetSummary500Costs(benchmark::State& state) {
    ShareItem(500);
    TGridModel reg, worksheet;
    SetUpAssetRegister(reg);
    SetUpCgtWorksheet(worksheet);
    for (auto _ : state) {
        ResetSummaryFields(SummaryScreen::General);
        benchmark::DoNotOptimize(
            RefreshSummary(reg, worksheet, {SummaryScreen::General, IncomeYearDates(2006)}));
    }
}
BENCHMARK(AssetSummary500Costs)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void PaymentWorksheet100Payments(benchmark::State& state) {
    ShareItem(20);
    TextList list;
    const long first = EncodeDate(1991, 1, 10);
    for (int i = 0; i < 100; ++i) {
        const std::string date = FormatDate(first + i * 50);
        list.insert(list.end(), {date, date, "Return " + std::to_string(i), "25", "", ""});
    }
    SetFieldLst(fPayments, std::move(list));
    TGridModel grid;
    SetUpPaymentWorksheet(grid);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            RefreshPayments(grid, {PaymentScreen::Shares, IncomeYearDates(2006)}));
}
BENCHMARK(PaymentWorksheet100Payments)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
