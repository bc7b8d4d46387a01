#include "reports/core/pdf_file_name.h"

#include "base/text_variables.h"

std::string ProposedPdfPath(const std::string& returnFile, const std::string& reportName) {
    const size_t slash = returnFile.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : returnFile.substr(0, slash + 1);
    std::string stem = slash == std::string::npos ? returnFile : returnFile.substr(slash + 1);
    if (const size_t dot = stem.rfind('.'); dot != std::string::npos && dot > 0) stem.resize(dot);
    return folder + (stem.empty() ? reportName : stem + "-" + reportName) + ".pdf";
}

std::string WithPdfExtension(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.size() > 4 && SameTextIgnoringCase(name.substr(name.size() - 4), ".pdf")) return path;
    return path + ".pdf";
}
