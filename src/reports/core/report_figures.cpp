#include "reports/core/report_figures.h"

#include <utility>

#include "base/module_state.h"

namespace {

// Set only for the span of a UsingReportFigures, and empty otherwise.
ReportFigures& InUse() { return State().ReportFigures; }

}  // namespace

const TextList* ReportFigure(int number) {
    const ReportFigures& figures = InUse();
    const auto found = figures.find(number);
    return found == figures.end() ? nullptr : &found->second;
}

const TextList* ReportList(int number) {
    if (const TextList* figure = ReportFigure(number)) return figure;
    return IsValidField(number) ? GetFieldLst(number) : nullptr;  // a figure not worked out
}

UsingReportFigures::UsingReportFigures(ReportFigures figures) { InUse() = std::move(figures); }

UsingReportFigures::~UsingReportFigures() { InUse().clear(); }
