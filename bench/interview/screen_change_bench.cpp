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

static void ScreenChange(benchmark::State& bench) {
    ModuleState& state = State();
    state.Responder = [](const MessageRequest& r) { return ResultForButton(r.defaultButton); };
    BuildTextVariables();
    AllocateFieldStore();
    auto* main = new TMainForm(nullptr, {});
    main->show();
    TFrameWnd* frame = main->FrameWnd();
    int toggle = 0;
    for (auto _ : bench) {
        const int number = (toggle++ % 2) ? 2005 : 2126;
        state.ScreenGroup = number / 100;
        state.ScreenIndex = number % 100;
        frame->ShowScreen();
    }
    delete main;
}
BENCHMARK(ScreenChange)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
