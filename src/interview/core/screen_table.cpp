#include "interview/core/screen_table.h"

#include <algorithm>

namespace {
constexpr unsigned NP = sbNext | sbPrev;

std::vector<ScreenEntry> BuildTable() {
    std::vector<ScreenEntry> table = {
        {2004, "TQCGT_83", 'A', 347, NP},
        {2005, "TQCGT_56", 'A', 32, NP},
        {2006, "TQCGT_39a", 'B', 3, NP},
        {2007, "TQCGT_39", 'A', 3, NP},
        {2012, "TQCGT_18", 'A', 184, NP},
        {2025, "TQCGT_18b", 'A', 203, NP},
        {2046, "TQCGT_19a", 'A', 206, NP},
        {2039, "TQCGT_20a", 'A', 29, NP},
        {2015, "TQCGT_59a", 'A', 30, NP},
        {2028, "TQCGT_59b", 'A', 30, NP},
        {2050, "TQCGT_58A", 'A', 30, NP},
        {2017, "TQCGT_40", 'A', 3, NP},
        {2018, "TQCGT_03a", 'A', 4, NP},
        {2019, "TQCGT02_04", 'A', 349, NP},
        {2020, "TQCGT_41", 'A', 216, NP},
        {2030, "TQCGT_42", 'A', 216, NP},
        {2031, "TQCGT_43a", 'B', 7, NP},
        {2032, "TQCGT_43b", 'A', 80, NP},
        {2033, "TQCGT_43", 'A', 7, NP},
        {2041, "TQCGT_44", 'A', 7, NP},
        {2042, "TQCGT_80", 'A', 345, NP},
        {2043, "TQCGT_81", 'A', 345, NP},
        {2051, "TQCGT_82", 'C', 345, NP},
        {2052, "TQCGT_45a", 'B', 8, NP},
        {2053, "TQCGT_45", 'A', 8, NP},
        {2061, "TQCGT_46", 'A', 8, NP},
        {2062, "TQCGT_47a", 'A', 11, NP},
        {2063, "TQCGT_47", 'A', 11, NP},
        {2071, "TQCGT_48", 'A', 11, NP},
        {2072, "TQCGT_49a", 'A', 10, NP},
        {2073, "TQCGT_49", 'A', 10, NP},
        {2074, "TQCGT_08g", 'A', 15, sbNext},
        {2075, "TQCGT_36a", 'A', 374, NP},
        {2081, "TQCGT_50", 'C', 10, NP},
        {2088, "TQCGT_60", 'A', 235, NP},
        {2096, "TQCGT_35", 'A', 82, NP},
        {2097, "TQCGT_36", 'A', 262, NP},
        {2098, "TQCGT_37", 'A', 82, sbNext},
        {2101, "TQCGT02_05", 'A', 346, NP},
        {2102, "TQCGT_57", 'A', 33, NP},
        {2103, "TQCGT_62", 'A', 33, sbPrev},
        {2104, "TQCGT_64", 'A', 34, NP},
        {2105, "TQCGT_65", 'A', 34, NP},
        {2106, "TQCGT_66", 'A', 35, NP},
        {2107, "TQCGT_67", 'A', 37, NP},
        {2125, "TQCGT_UnappliedNCLs", 'A', 143, sbPrev | sbYes | sbNo},
        {2126, "TQCGT_CeaseResidency", 'A', 235, sbPrev | sbYes | sbNo},
    };
    // Screens that every asset path shares.
    const struct {
        std::vector<int> numbers;
        const char* className;
        int helpContext;
    } shared[] = {
        {{2009, 2022, 2035, 2045, 2055, 2065}, "TQCGT_08", 16},
        {{2010, 2023, 2036, 2047, 2056, 2066}, "TQCGT_11", 19},
        {{2011, 2024, 2037, 2048, 2057, 2067}, "TQCGT_12", 20},
        {{2013, 2026, 2038, 2058, 2068}, "TQCGT_19", 206},
        {{2014, 2027}, "TQCGT_20b", 29},
        {{2049, 2059, 2069}, "TQCGT_20", 29},
        {{2016, 2029, 2040, 2060, 2070}, "TQCGT_58", 30},
    };
    for (const auto& group : shared)
        for (int number : group.numbers)
            table.push_back({number, group.className, 'A', group.helpContext, NP});
    std::sort(table.begin(), table.end(),
              [](const ScreenEntry& a, const ScreenEntry& b) { return a.number < b.number; });
    return table;
}
}  // namespace

const std::vector<ScreenEntry>& ScreenTable() {
    static const std::vector<ScreenEntry> table = BuildTable();
    return table;
}

const ScreenEntry* FindScreenEntry(int number) {
    const auto& table = ScreenTable();
    const auto it = std::lower_bound(table.begin(), table.end(), number,
                                     [](const ScreenEntry& e, int n) { return e.number < n; });
    return it != table.end() && it->number == number ? &*it : nullptr;
}

std::string CaptionText(char code) {
    switch (code) {
        case 'A':
            return "17 - Income - Capital gains and capital losses";
        case 'B':
            return "17 - Income - Capital gains or capital losses";
        case 'C':
            return "17 - Income - Capital gains";
        default:
            return {};
    }
}

int32_t ApplyGroup20Rule(int32_t& group, int32_t& index) {
    const int32_t number = ScreenNumber(group, index);
    if (group == 20 && index > 98) {
        group = 21;
        index = 1;
        return 2101;
    }
    return number;
}
