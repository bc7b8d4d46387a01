#pragma once
// A report as the module prints it: script units of a tenth of a millimetre, fields drawn by
// the main window's field drawing, every section of the script laid out and filled from the
// store. The summary screen's print buttons and the command line both start here.

#include <string>

#include "reports/core/report_figures.h"
#include "reports/core/txreport.h"

// Sets the units and the field drawing of a new report.
void PrepareModuleReport(TXReport& report);

// Lays out the named script and fills its field texts, and the texts naming `figures`;
// raises ReportError for a name the module does not carry.
void LoadModuleReport(TXReport& report, const std::string& scriptName, ReportFigures figures = {});

// The names of the scripts the module carries.
std::vector<std::string> ModuleReportNames();
