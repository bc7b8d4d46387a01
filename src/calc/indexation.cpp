#include "calc/indexation.h"

#include <cmath>
#include <map>
#include <utility>

#include "base/dates.h"

const std::array<std::array<long double, 4>, CpiLastYear - CpiFirstYear + 1> CpiTable = {{
    {0.0L, 0.0L, 71.3L, 72.7L},        // 1985
    {74.4L, 75.6L, 77.6L, 79.8L},      // 1986
    {81.4L, 82.6L, 84.0L, 85.5L},      // 1987
    {87.0L, 88.5L, 90.2L, 92.0L},      // 1988
    {92.9L, 95.2L, 97.4L, 99.2L},      // 1989
    {100.9L, 102.5L, 103.3L, 106.0L},  // 1990
    {105.8L, 106.0L, 106.6L, 107.6L},  // 1991
    {107.6L, 107.3L, 107.4L, 107.9L},  // 1992
    {108.9L, 109.3L, 109.8L, 110.0L},  // 1993
    {110.4L, 111.2L, 111.9L, 112.8L},  // 1994
    {114.7L, 116.2L, 117.6L, 118.5L},  // 1995
    {119.0L, 119.8L, 120.1L, 120.3L},  // 1996
    {120.5L, 120.2L, 119.7L, 120.0L},  // 1997
    {120.3L, 121.0L, 121.3L, 121.9L},  // 1998
    {121.8L, 122.3L, 123.4L, 124.1L},  // 1999
}};

double IndexationCutoff() {
    double serial = 0;
    TryReadDate(IndexationCutoffText, serial);
    return serial;
}

long double CpiForDate(double date) {
    const CivilDate d = DecodeDate(date);
    if (d.year < CpiFirstYear) return CpiBefore1985;
    if (d.year > CpiLastYear) return FrozenCpi;
    int quarter = (d.month + 2) / 3;
    // Indexation stops at the September 1999 quarter.
    if (d.year == CpiLastYear && quarter > 3) quarter = 3;
    return CpiTable[d.year - CpiFirstYear][quarter - 1];
}

namespace {

long double RoundedFactor(long double eventCpi, long double incurredCpi) {
    long double factor = eventCpi / incurredCpi;
    if (!(factor >= 1)) factor = 1;
    long double rounded = factor;
    TryReadNumber(FormatFixed(factor, 15, 3), rounded);
    return rounded;
}

}  // namespace

long double IndexFactor(long double eventCpi, long double incurredCpi) {
    // No CPI on the incurred side means no indexation; this also keeps an event quarter
    // without a CPI from dividing nothing by nothing.
    if (incurredCpi == 0) return 1;
    if (!std::isfinite(eventCpi) || !std::isfinite(incurredCpi))
        return RoundedFactor(eventCpi, incurredCpi);
    // The CPIs are a few quarters' figures, so every cost element of a large return asks for
    // one of a few factors: each is worked out once per thread (at most 1,000 kept).
    thread_local std::map<std::pair<long double, long double>, long double> factors;
    const std::pair<long double, long double> key{eventCpi, incurredCpi};
    if (const auto found = factors.find(key); found != factors.end()) return found->second;
    if (factors.size() >= 1000) factors.clear();
    return factors[key] = RoundedFactor(eventCpi, incurredCpi);
}

long double HeldTwelveMonths(double baseDate, double eventDate) {
    const CivilDate b = DecodeDate(baseDate);
    const CivilDate v = DecodeDate(eventDate);
    int years = v.year - b.year;
    if (v.month < b.month || (v.month == b.month && v.day <= b.day)) --years;
    return years;
}

std::string Str(long double value, int width, int decimals) {
    std::string text = FormatFixed(value, 18, decimals);
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}
