#include "calc/indexation.h"

#include "base/dates.h"

const std::array<std::array<double, 4>, CpiLastYear - CpiFirstYear + 1> CpiTable = {{
    {0.0, 0.0, 71.3, 72.7},        // 1985
    {74.4, 75.6, 77.6, 79.8},      // 1986
    {81.4, 82.6, 84.0, 85.5},      // 1987
    {87.0, 88.5, 90.2, 92.0},      // 1988
    {92.9, 95.2, 97.4, 99.2},      // 1989
    {100.9, 102.5, 103.3, 106.0},  // 1990
    {105.8, 106.0, 106.6, 107.6},  // 1991
    {107.6, 107.3, 107.4, 107.9},  // 1992
    {108.9, 109.3, 109.8, 110.0},  // 1993
    {110.4, 111.2, 111.9, 112.8},  // 1994
    {114.7, 116.2, 117.6, 118.5},  // 1995
    {119.0, 119.8, 120.1, 120.3},  // 1996
    {120.5, 120.2, 119.7, 120.0},  // 1997
    {120.3, 121.0, 121.3, 121.9},  // 1998
    {121.8, 122.3, 123.4, 124.1},  // 1999
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

long double IndexFactor(long double eventCpi, long double incurredCpi) {
    if (incurredCpi == 0) incurredCpi = eventCpi;
    long double factor = eventCpi / incurredCpi;
    if (factor < 1) factor = 1;
    long double rounded = factor;
    TryReadNumber(FormatFixed(factor, 15, 3), rounded);
    return rounded;
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
