#pragma once
// The name the preview proposes when a report is saved as PDF, and the extension a typed
// name gets.

#include <string>

// "<return>-<REPORT>.pdf" in the return's folder ("SAMPLE-CGTWSHT.pdf" beside SAMPLE.TAX);
// "<REPORT>.pdf" when no return is open.
std::string ProposedPdfPath(const std::string& returnFile, const std::string& reportName);

// The path with ".pdf" added unless its name already ends so, in any letter case.
std::string WithPdfExtension(const std::string& path);
