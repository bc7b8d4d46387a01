#pragma once
// What a printed PDF says, as pdftotext reads it: its words with their boxes, page by page,
// and the lines those words make.

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

struct PdfWord {
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;  // points from the page's top left
    std::string text;
};

using PdfPage = std::vector<PdfWord>;

// The words of every page of `pdf`; `scratch` is a file pdftotext may write. Entities of the
// markup are turned back into their characters.
inline std::vector<PdfPage> PdfWords(const std::string& pdf, const std::string& scratch) {
    const std::string command = "pdftotext -bbox '" + pdf + "' '" + scratch + "'";
    std::vector<PdfPage> pages;
    if (std::system(command.c_str()) != 0) return pages;
    std::ifstream in(scratch);
    const std::string number = "\"([0-9.]+)\"";
    const std::regex word("<word xMin=" + number + " yMin=" + number + " xMax=" + number +
                          " yMax=" + number + ">(.*)</word>");
    for (std::string line; std::getline(in, line);) {
        if (line.find("<page ") != std::string::npos) pages.emplace_back();
        std::smatch m;
        if (pages.empty() || !std::regex_search(line, m, word)) continue;
        std::string text = m[5].str();
        for (const auto& [entity, c] : std::vector<std::pair<std::string, std::string>>{
                 {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}})
            for (size_t at; (at = text.find(entity)) != std::string::npos;)
                text.replace(at, entity.size(), c);
        pages.back().push_back(
            {std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), text});
    }
    return pages;
}

// The lines of the words whose left edge lies in [left, right) points, top to bottom, each
// the words of one baseline joined by single spaces.
inline std::vector<std::string> PdfColumnLines(const PdfPage& page, double left, double right) {
    std::map<long, std::string> lines;  // by the words' top, to a tenth of a point
    for (const PdfWord& w : page) {
        if (w.xMin < left || w.xMin >= right) continue;
        std::string& line = lines[std::lround(w.yMin * 10)];
        line += (line.empty() ? "" : " ") + w.text;
    }
    std::vector<std::string> result;
    for (const auto& [top, line] : lines) result.push_back(line);
    return result;
}

// Every word of the pages, one a line, in reading order: to look a text up in.
inline std::string PdfAllWords(const std::vector<PdfPage>& pages) {
    std::string all;
    for (const PdfPage& page : pages)
        for (const PdfWord& w : page) all += w.text + "\n";
    return all;
}

// Points from millimetres.
inline double PdfPoints(double mm) { return mm * 72 / 25.4; }
