#pragma once
// One line of a script source split into its parts.

#include <map>
#include <optional>
#include <string>
#include <vector>

struct ScriptSourceLine {
    std::string keyword;
    std::vector<int> numbers;
    std::map<std::string, std::string> named;
    std::optional<std::string> text;

    // A named number, or `fallback` when absent; throws std::invalid_argument when not a number.
    int Number(const std::string& name, int fallback) const;
    // The positional number at `index`; throws std::out_of_range when missing.
    int At(size_t index) const;
};

// Nothing for a blank or comment line. Throws std::invalid_argument for a malformed line.
std::optional<ScriptSourceLine> SplitScriptSourceLine(const std::string& line);
