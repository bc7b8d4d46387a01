#include "grid/column_description.h"

std::string CleanDescriptionText(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        const char shown = static_cast<unsigned char>(c) < 32 ? ' ' : c;
        if (shown == ' ' && !result.empty() && result.back() == ' ') continue;
        result += shown;
    }
    return result;
}

std::vector<std::string> ColumnDescriptionLines(const std::string& heading,
                                                const std::string& associated) {
    const std::string cleanHeading = CleanDescriptionText(heading);
    const std::string cleanText = CleanDescriptionText(associated);
    std::vector<std::string> lines;
    lines.push_back("The heading for this column is " +
                    (cleanHeading.empty() ? std::string("unknown") : "\"" + cleanHeading + "\"") +
                    ".");
    if (!cleanText.empty()) {
        lines.push_back("The following text is associated with this column:");
        lines.push_back(cleanText);
    }
    return lines;
}
