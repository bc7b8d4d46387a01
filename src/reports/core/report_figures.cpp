#include "reports/core/report_figures.h"

#include <utility>

namespace {

// The figures in use: set only for the span of a UsingReportFigures, while one report is
// laid out and filled, and empty otherwise.
ReportFigures& InUse() {
    static ReportFigures figures;
    return figures;
}

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
