// The choice table at 2,000 rows from every source: building it, one recalculation (which
// runs on every click in the table, so it should stay inside a 16 ms frame), the automatic
// choices and the schedule.

#include <benchmark/benchmark.h>

#include "base/module_state.h"
#include "calc/asset_fields.h"
#include "calc/choice_columns.h"
#include "calc/choice_session.h"
#include "calc/choice_steps.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

const char* const Types[] = {"SN", "SA", "RN", "RA", "A", "P", "ON", "OA", "UN", "G"};

void Disposal(int worksheet, int i) {
    ZeroScratchFields();
    SetFieldStr(fAssetName, "Asset " + std::to_string(i));
    SetFieldStr(fAssetType, Types[i % 10]);
    SetFieldChecked(fProceedsAboveZero);
    if (i % 5 == 0) {
        SetFieldVal(fCapitalLoss, 100 + i);
    } else if (i % 3 == 0) {
        SetFieldVal(fOtherGain, 200 + i);
    } else {
        SetFieldVal(fIndexedGain, 1000 + (i * 37) % 900);
        SetFieldVal(fDiscountGain, 2000 + i);
    }
    if (i % 11 == 0) SetFieldChecked(fItemDeferrable);
    PutWorksheetItem(worksheet, WorksheetItemCount(worksheet) + 1);
}

// 1,000 disposals, 100 trusts of five components and 500 manual rows.
void LargeReturn() {
    ResetModuleState();
    AllocateFieldStore();
    for (int i = 0; i < 1000; ++i) Disposal(i % 2 ? 451 : 455, i);
    TextList trusts;
    for (int m = 0; m < 100; ++m) {
        TextList record(TrustTableColumns);
        record[0] = "Trust " + std::to_string(m);
        for (int c : {1, 2, 4, 5, 8}) record[static_cast<size_t>(c)] = std::to_string(50 + m + c);
        trusts.insert(trusts.end(), record.begin(), record.end());
    }
    SetFieldLst(fTrustTable, std::move(trusts));
    TextList manual;
    for (int m = 0; m < 500; ++m) {
        TextList record(ManualTableColumns);
        record[ccDescription] = "Manual " + std::to_string(m);
        record[ccType] = Types[m % 10];
        if (m % 4 == 0)
            record[ccLoss] = std::to_string(300 + m);
        else
            record[ccOther] = std::to_string(400 + m);
        manual.insert(manual.end(), record.begin(), record.end());
    }
    SetFieldLst(fManualTable, std::move(manual));
    SetFieldVal(fPriorOtherLosses, 250000);
    SetFieldVal(fPriorCollectableLosses, 20000);
}

void Measure(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
}

void BuildTable(benchmark::State& state) {
    LargeReturn();
    ChoiceTable table;
    for (auto _ : state) OpenChoiceTable(table);
    state.counters["rows"] = table.grid.DataRowCount();
}
BENCHMARK(BuildTable)->Apply(Measure);

void Recalculate(benchmark::State& state) {
    LargeReturn();
    ChoiceTable table;
    OpenChoiceTable(table);
    MakeAllChoices(table);
    for (auto _ : state) RecalculateChoiceTable(table);
}
BENCHMARK(Recalculate)->Apply(Measure);

void AutomaticChoices(benchmark::State& state) {
    LargeReturn();
    ChoiceTable table;
    OpenChoiceTable(table);
    for (auto _ : state) MakeAllChoices(table);
}
BENCHMARK(AutomaticChoices)->Apply(Measure);

void Schedule(benchmark::State& state) {
    LargeReturn();
    ChoiceTable table;
    OpenChoiceTable(table);
    MakeAllChoices(table);
    for (auto _ : state) BuildSchedule(table);
}
BENCHMARK(Schedule)->Apply(Measure);

}  // namespace

BENCHMARK_MAIN();
