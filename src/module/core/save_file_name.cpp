#include "module/core/save_file_name.h"

#include <algorithm>
#include <cctype>

#include "base/text_variables.h"

namespace {

bool IsAsciiLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::string TrimSpaces(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool EndsWithTaxIgnoringCase(const std::string& name) {
    if (name.size() < 4) return false;
    std::string end = name.substr(name.size() - 4);
    std::transform(end.begin(), end.end(), end.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return end == ".TAX";
}

}  // namespace

bool SaveNameKeyAllowed(char key, const std::string& remainingText) {
    if (key == '.') return remainingText.find('.') == std::string::npos;
    return IsAsciiLetterOrDigit(key) || key == '-';
}

SaveNameCheck CheckSaveFileName(const std::string& typed) {
    SaveNameCheck check;
    std::string name = TrimSpaces(typed);
    if (name.find('.') == std::string::npos) {
        name += ".tax";
    } else if (name.back() == '.') {
        name += "tax";
    } else if (!EndsWithTaxIgnoringCase(name) || name.size() <= 4) {
        check.error = "File extension must be .TAX";
        return check;
    }
    const bool validCharacters = std::all_of(name.begin(), name.end(), [](char c) {
        return IsAsciiLetterOrDigit(c) || c == ' ' || c == '-' || c == '.' || c == '~';
    });
    if (name.front() == '.' || !validCharacters) {
        check.error = "Invalid filename";
        return check;
    }
    check.ok = true;
    check.name = name;
    return check;
}

std::string FullSaveFileName(const std::string& folder, const std::string& name,
                             const std::vector<std::string>& namesInFolder) {
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    for (const std::string& existing : namesInFolder)
        if (SameTextIgnoringCase(existing, upper)) upper = existing;
    if (folder.empty()) return upper;
    return folder.back() == '/' ? folder + upper : folder + "/" + upper;
}
