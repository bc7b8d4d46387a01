// One screen change of the interview (leave check, save, destroy, create, load, show) on the
// offscreen platform, between the loss amounts screen and the residency question. The goal is
// a median well under one 16 ms frame.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "base/module_state.h"
#include "interview/tframewnd.h"
#include "module/build_text_variables.h"
#include "module/tmainform.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

// A fresh store with messages answered by their default button.
static void PrepareStore() {
    State().Responder = [](const MessageRequest& r) { return ResultForButton(r.defaultButton); };
    BuildTextVariables();
    AllocateFieldStore();
}

// Shows the two screens in turn, one change per iteration.
static void AlternateScreens(benchmark::State& bench, int first, int second) {
    ModuleState& state = State();
    auto* main = new TMainForm(nullptr, {});
    main->show();
    TFrameWnd* frame = main->FrameWnd();
    int toggle = 0;
    for (auto _ : bench) {
        const int number = (toggle++ % 2) ? first : second;
        state.ScreenGroup = number / 100;
        state.ScreenIndex = number % 100;
        frame->ShowScreen();
    }
    delete main;
}

static void ScreenChange(benchmark::State& bench) {
    PrepareStore();
    AlternateScreens(bench, 2005, 2126);
}
BENCHMARK(ScreenChange)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// Leaving and showing the cost elements screen of an asset holding 200 cost rows, alternating
// with the cost base screen of the same asset: the item is stored and reopened each time.
static void CostElementsScreenChange(benchmark::State& bench) {
    PrepareStore();
    GetWorksheetItem(454, 1);
    SetFieldStr(ItemNameField, "Lot 7");
    SetFieldStr(714, "RN");
    TextList rows;
    for (int r = 0; r < 200; ++r) {
        const std::string day = std::to_string(1 + r % 28);
        for (const std::string& cell :
             {std::string("2A - Incidentals re holding and acquisition"),
              (day.size() == 1 ? "0" : "") + day + "/07/2001", std::string(),
              "Cost " + std::to_string(r), std::string("125.00"), std::string(), std::string(),
              std::string()})
            rows.push_back(cell);
    }
    SetFieldLst(737, std::move(rows));
    PutWorksheetItem(454, 1);
    ModuleState& state = State();
    state.PathWorksheet = 454;
    state.ContinueItem = true;
    state.SelectedItem = 1;
    AlternateScreens(bench, 2036, 2037);
    ReleaseFieldStore();
}
BENCHMARK(CostElementsScreenChange)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
