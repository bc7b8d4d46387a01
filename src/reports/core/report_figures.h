#pragma once
// Figures a page prints that no field holds, worked out from the return when the report is
// loaded (the choice summary's counted gains, the method a worksheet's asset was given). A
// script names a figure by a number above the store's fields, as it names a list field; the
// figures are in use only while a report is laid out and filled.

#include <map>
#include <string>
#include <vector>

#include "store/field_store.h"

using ReportFigures = std::map<int, std::vector<std::string>>;

// The lines of figure `number` while figures are in use, else the list of that field; none
// for a figure that was not worked out.
const TextList* ReportList(int number);

// The figure's lines, when `number` names one in use.
const TextList* ReportFigure(int number);

// Puts figures in use for its lifetime.
class UsingReportFigures {
public:
    explicit UsingReportFigures(ReportFigures figures);
    ~UsingReportFigures();
    UsingReportFigures(const UsingReportFigures&) = delete;
    UsingReportFigures& operator=(const UsingReportFigures&) = delete;
};
