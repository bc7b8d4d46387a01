#include "grid/grid_column.h"

#include <algorithm>
#include <unordered_map>

namespace {

// An integer item: optional leading spaces and sign, then digits only; 0 otherwise.
int ItemInt(const std::string& item) {
    size_t i = item.find_first_not_of(' ');
    if (i == std::string::npos) return 0;
    bool negative = false;
    if (item[i] == '-' || item[i] == '+') negative = item[i++] == '-';
    if (i == item.size()) return 0;
    long long value = 0;
    for (; i < item.size(); ++i) {
        if (item[i] < '0' || item[i] > '9') return 0;
        value = std::min<long long>(value * 10 + (item[i] - '0'), 1'000'000'000LL);
    }
    return static_cast<int>(negative ? -value : value);
}

bool ItemFlag(const std::string& item) { return item == "T"; }

void AddRange(CharacterSet& set, unsigned char first, unsigned char last) {
    for (unsigned c = first; c <= last; ++c) set.set(c);
}

void AddEntry(CharacterSet& set, const std::string& entry) {
    if (entry.size() == 1) {
        set.set(static_cast<unsigned char>(entry[0]));
    } else if (entry.size() == 4 && entry[1] == '.' && entry[2] == '.') {
        AddRange(set, static_cast<unsigned char>(entry[0]), static_cast<unsigned char>(entry[3]));
    } else {
        throw BadCharacterSet();
    }
}

CharacterSet DigitsSet() {
    CharacterSet set;
    AddRange(set, '0', '9');
    return set;
}

CharacterSet AllowedForKind(const TGridColumn& column) {
    CharacterSet set = DigitsSet();
    switch (column.kind) {
        case gkNumber:
            if (column.allowMinus) set.set('-');
            if (column.caseOrDecimals != 0) set.set(GridDecimalSeparator);
            return set;
        case gkDate:
            set.set(GridDateSeparator);
            return set;
        case gkABN:
        case gkTFN:
            return set;
        default:
            return ParseCharacterSet(column.allowedItem);
    }
}

}  // namespace

std::vector<std::string> SplitDescriptor(const std::string& line) {
    std::vector<std::string> items;
    size_t start = 0;
    while (true) {
        const size_t bar = line.find('|', start);
        items.push_back(line.substr(start, bar == std::string::npos ? bar : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    if (items.size() < DescriptorMinimumItems) items.resize(DescriptorMinimumItems);
    return items;
}

CharacterSet ParseCharacterSet(const std::string& text) {
    CharacterSet set;
    if (text.empty()) return set;
    size_t pos = 0;
    if (text[0] == ',') {
        if (text.size() >= 4 && text.compare(1, 2, "..") == 0) {
            AddRange(set, ',', static_cast<unsigned char>(text[3]));
            pos = 4;
        } else {
            set.set(',');
            pos = 1;
        }
        if (pos == text.size()) return set;
        if (text[pos] != ',') throw BadCharacterSet();
        ++pos;
    }
    while (true) {
        const size_t comma = text.find(',', pos);
        AddEntry(set, text.substr(pos, comma == std::string::npos ? comma : comma - pos));
        if (comma == std::string::npos) break;
        pos = comma + 1;
    }
    return set;
}

namespace {

TGridColumn ReadDescriptor(const std::string& line, bool& badCharacterSet) {
    const std::vector<std::string> items = SplitDescriptor(line);
    TGridColumn column;
    column.title = items[0];
    column.titleAlignment = ItemInt(items[1]);
    column.kind = ItemInt(items[2]);
    column.maxLength = ItemInt(items[3]);
    if (column.kind == gkDate) column.maxLength = std::max(column.maxLength, 10);
    if (column.kind == gkABN) column.maxLength = 11;
    if (column.kind == gkTFN) column.maxLength = 9;
    column.hintNumber = ItemInt(items[4]);
    column.skipped = ItemFlag(items[5]);
    column.picklistColumn = ItemFlag(items[6]);
    column.caseOrDecimals = ItemInt(items[7]);
    if (column.kind == gkNumber) {
        // Decimals beyond what an extended real carries make no sense; negative means none.
        column.caseOrDecimals = std::clamp(column.caseOrDecimals, 0, 18);
        column.allowMinus = ItemFlag(items[8]);
        column.minimum = ItemInt(items[9]);
        column.maximum = ItemInt(items[10]);
    } else if (column.kind == gkText) {
        column.allowedItem = items[8];
    }
    column.dropDownCount = ItemInt(items[11]);
    column.editorButton = ItemInt(items[12]);
    const size_t entries = static_cast<size_t>(std::max(ItemInt(items[13]), 0));
    for (size_t i = 0; i < entries; ++i)
        column.picklist.push_back(14 + i < items.size() ? items[14 + i] : std::string());
    if (14 + entries < items.size()) column.noTotal = ItemFlag(items[14 + entries]);
    if (15 + entries < items.size()) column.locked = ItemFlag(items[15 + entries]);
    try {
        column.allowed = AllowedForKind(column);
    } catch (const BadCharacterSet&) {
        column.allowed.reset();
        badCharacterSet = true;
    }
    return column;
}

struct ReadColumn {
    TGridColumn column;
    bool badCharacterSet = false;
};

}  // namespace

// Grids are set up from the same few descriptors for every item of a return, so each line
// is read once per thread (a grid's descriptors may be built, so the memory is bounded).
TGridColumn ParseColumnDescriptor(const std::string& line, bool& badCharacterSet) {
    thread_local std::unordered_map<std::string, ReadColumn> read;
    auto found = read.find(line);
    if (found == read.end()) {
        constexpr size_t Remembered = 1000;
        if (read.size() >= Remembered) read.clear();
        ReadColumn entry;
        entry.column = ReadDescriptor(line, entry.badCharacterSet);
        found = read.emplace(line, std::move(entry)).first;
    }
    if (found->second.badCharacterSet) badCharacterSet = true;
    return found->second.column;
}

std::string StripToAllowed(const TGridColumn& column, const std::string& text) {
    if (column.allowed.none()) return text;
    std::string result;
    result.reserve(text.size());
    for (char c : text)
        if (column.allowed.test(static_cast<unsigned char>(c))) result += c;
    return result;
}
