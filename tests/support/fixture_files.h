#pragma once
// Data-driven tests read readable fixture files: the files of a folder, and "a | b | c"
// lines split into their cells.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/text_encoding.h"

// The .txt files of the folder, sorted by name.
inline std::vector<std::string> FixtureFiles(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".txt") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

// "a | b | c" -> {"a", "b", "c"}, trimmed.
inline std::vector<std::string> FixtureCells(const std::string& text) {
    std::vector<std::string> cells;
    std::stringstream stream(text);
    for (std::string cell; std::getline(stream, cell, '|');) cells.push_back(TrimmedText(cell));
    return cells;
}

// Calls apply(word, rest, lineNumber) for each line that is neither blank nor a comment ('#');
// the word is what stands before the first blank or colon. False when the file cannot be read.
template <typename Apply>
bool ForEachFixtureLine(const std::string& path, Apply apply) {
    std::ifstream in(path);
    if (!in) return false;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = TrimmedText(line);
        if (line.empty() || line[0] == '#') continue;
        const size_t space = line.find_first_of(" :");
        const std::string rest =
            space == std::string::npos ? std::string() : TrimmedText(line.substr(space + 1));
        apply(line.substr(0, space), rest, number);
    }
    return true;
}
