#pragma once
// Where the summary screen's print buttons start: a report of the module on the default
// printer, loaded with one script and filled from the store, shown in the preview modally.

#include <string>

class QWidget;

// Tells the taxpayer and returns when the script cannot be loaded.
void PreviewModuleReport(const std::string& scriptName, QWidget* parent);
