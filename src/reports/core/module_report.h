#pragma once
// A report as the module prints it: script units of a tenth of a millimetre, fields drawn by
// the main window's field drawing, every section of the script laid out and filled from the
// store. The summary screen's print buttons and the command line both start here.

#include <string>

#include "reports/core/txreport.h"

// Sets the units and the field drawing of a new report.
void PrepareModuleReport(TXReport& report);

// Lays out the named script and fills its field texts; raises ReportError for a name the
// module does not carry.
void LoadModuleReport(TXReport& report, const std::string& scriptName);

// The names of the scripts the module carries.
std::vector<std::string> ModuleReportNames();
