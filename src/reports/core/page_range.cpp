#include "reports/core/page_range.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr size_t MaxRangeText = 100;

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Skips non-digits, then reads a number; nothing when no digit follows.
std::optional<long> ReadNumber(const std::string& text, size_t& at) {
    while (at < text.size() && !IsDigit(text[at])) ++at;
    if (at >= text.size()) return std::nullopt;
    long n = 0;
    while (at < text.size() && IsDigit(text[at])) {
        // Huge numbers only need to stay above the last page.
        n = std::min<long>(n * 10 + (text[at] - '0'), 1000000);
        ++at;
    }
    return n;
}

void AddPage(std::set<int>& pages, long n) {
    if (n >= 1 && n <= LastPrintablePage) pages.insert(static_cast<int>(n));
}

}  // namespace

std::optional<std::set<int>> ParsePageRange(const std::string& typed) {
    const std::string text = typed.substr(0, MaxRangeText);
    std::set<int> pages;
    size_t at = 0;
    while (at < text.size()) {
        const auto n = ReadNumber(text, at);
        if (!n) return std::nullopt;
        if (at < text.size() && text[at] == '-') {
            const auto m = ReadNumber(text, at);
            if (!m) return std::nullopt;
            const long low = std::max(1L, std::min(*n, *m));
            const long high = std::min<long>(LastPrintablePage, std::max(*n, *m));
            for (long p = low; p <= high; ++p) AddPage(pages, p);
        } else {
            AddPage(pages, *n);
        }
    }
    return pages;
}

std::string InvalidPageRangeMessage(const std::string& text, const std::string& pageLabel) {
    std::string example;
    const size_t of = pageLabel.find("of");
    if (of == std::string::npos) {
        example = pageLabel;
    } else {
        example.append(pageLabel, 0, of);
        example.push_back('-');
        example.append(pageLabel, of + 2);
    }
    std::string message = "\"";
    message += text;
    message +=
        "\" is not a valid page range. You must specify a valid range of pages before "
        "printing.\n\rAn example of a correct page range is \"";
    message += example;
    message += "\".";
    return message;
}
