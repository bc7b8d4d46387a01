// The report engine at the size of a heavy item: laying out the CGT worksheet of an asset
// with 500 and 10,000 cost element rows (and filling its field texts), and drawing a page of
// it onto a picture at the preview's size. A page draw should stay inside a 16 ms frame, since the
// preview redraws on every page turn and zoom.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "base/module_state.h"
#include "reports/core/module_report.h"
#include "reports/paint/painter_canvas.h"
#include "store/field_store.h"

namespace {

void WorksheetItem(int rows) {
    ResetModuleState();
    AllocateFieldStore();
    SetFieldStr(397, "Alex Sample");
    SetFieldStr(710, "BHP shares");
    SetFieldStr(714, "SA");
    TextList list;
    for (int i = 0; i < rows; ++i)
        list.insert(list.end(), {"15/08/1990", "Cost element " + std::to_string(i), "1,000.00",
                                 "0.00", "1,000.00", "1,195.00", "103.3", "123.4", "1.195",
                                 "1,195.00", "0.00", "1,000.00"});
    SetFieldLst(1105, std::move(list));
    for (int field = 1106; field <= 1141; ++field) SetFieldVal(field, 1000 + field);
}

// The cost elements run on over continuation pages; the argument is the number of rows.
void LayOutWorksheet(benchmark::State& state) {
    WorksheetItem(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TXReport report;
        PrepareModuleReport(report);
        LoadModuleReport(report, "CGTWSHT");
        benchmark::DoNotOptimize(report.PageCount());
    }
}
BENCHMARK(LayOutWorksheet)
    ->Arg(500)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The first page, then a continuation page full of cost element rows.
void DrawWorksheetPage(benchmark::State& state) {
    WorksheetItem(500);
    TXReport report;
    PrepareModuleReport(report);
    report.SetLeftMargin(15);
    LoadModuleReport(report, "CGTWSHT");
    // A4 at 96 dots an inch and the preview's page-width zoom of about 1.
    QImage image(794, 1123, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        TPainterCanvas canvas(painter, 96, false);
        report.DrawPage(static_cast<int>(state.range(0)), canvas, false, 1.0);
    }
}
BENCHMARK(DrawWorksheetPage)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
