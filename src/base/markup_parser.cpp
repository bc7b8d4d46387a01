#include "base/markup_parser.h"

#include "base/text_encoding.h"

namespace {
std::vector<MarkupCommand> SplitCommands(const std::string& tag) {
    std::vector<MarkupCommand> commands;
    size_t start = 0;
    while (start <= tag.size()) {
        size_t end = tag.find(';', start);
        if (end == std::string::npos) end = tag.size();
        if (end > start) commands.push_back({tag[start], tag.substr(start + 1, end - start - 1)});
        start = end + 1;
    }
    return commands;
}
}  // namespace

std::vector<MarkupToken> TokenizeMarkupLine(const std::string& line) {
    std::vector<MarkupToken> tokens;
    size_t pos = 0;
    while (pos < line.size()) {
        const size_t open = line.find('<', pos);
        const size_t close = open == std::string::npos ? open : line.find('>', open + 1);
        const size_t textEnd = close == std::string::npos ? line.size() : open;
        if (textEnd > pos) tokens.push_back({false, line.substr(pos, textEnd - pos), {}});
        if (close == std::string::npos) break;
        tokens.push_back({true, {}, SplitCommands(line.substr(open + 1, close - open - 1))});
        pos = close + 1;
    }
    return tokens;
}

std::optional<int> ReadCommandNumber(const std::string& argument, size_t maxChars) {
    const std::string digits = TrimmedText(Utf8Prefix(argument, maxChars));
    size_t i = 0;
    bool negative = false;
    if (i < digits.size() && (digits[i] == '-' || digits[i] == '+')) negative = digits[i++] == '-';
    if (i == digits.size()) return std::nullopt;
    long value = 0;
    for (; i < digits.size(); ++i) {
        if (digits[i] < '0' || digits[i] > '9') return std::nullopt;
        value = value * 10 + (digits[i] - '0');
    }
    return static_cast<int>(negative ? -value : value);
}
