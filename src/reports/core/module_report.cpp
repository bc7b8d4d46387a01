#include "reports/core/module_report.h"

#include "reports/core/draw_field.h"
#include "reports/core/embedded_scripts.h"
#include "reports/core/fill_form.h"

namespace {
constexpr int EverySection = 255;
}

void PrepareModuleReport(TXReport& report) {
    report.UnitFactor = 0.1;
    report.OnDrawField = [](char kind, const ScriptRecord& record, double vertical,
                            double horizontal, double fontZoom, TRect box, TCanvas& canvas) {
        DrawField(kind, record, {vertical, horizontal, fontZoom}, box, canvas);
    };
}

void LoadModuleReport(TXReport& report, const std::string& scriptName, ReportFigures figures) {
    const UsingReportFigures inUse(std::move(figures));
    report.AddScript(scriptName, 1, false, EverySection);
    FillForm(report);
}

std::vector<std::string> ModuleReportNames() { return EmbeddedScriptNames(); }
